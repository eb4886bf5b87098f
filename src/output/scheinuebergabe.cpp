#include "output/scheinuebergabe.h"

#include "plattform/fehler.h"
#include "plattform/textdatei.h"

#include <QFileInfo>

namespace schein {

QString uebergabeSchreiben(const QString& home, const QDate& datum, bool listenansicht, const tippdatei::Blatt& blatt,
                           const QStringList& liste) {
  const QString pfad = tippdatei::tippordner(home) + tippdatei::datumsname(datum, 1);
  const auto nichtErstellt = [&](const QString& grund) {
    return plattform::Fehler(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2"), {pfad, grund});
  };
  try {
    tippdatei::tippordnerAnlegen(home);
  } catch (const plattform::Fehler& f) {
    throw nichtErstellt(f.text());
  }
  const tippdatei::Form form = listenansicht ? tippdatei::Form::liste : tippdatei::Form::kurz;
  try {
    plattform::schreibeAnsiZeilen(pfad, tippdatei::zeilen(form, blatt, liste));
  } catch (const plattform::Schreibfehler& f) {
    throw nichtErstellt(f.grund());
  }
  return pfad;
}

QStringList uebergabeLesen(const QString& pfad) {
  try {
    return tippdatei::lies(pfad);
  } catch (const plattform::NichtGeoeffnet&) {
    const QString grund = QFileInfo::exists(pfad) ? QStringLiteral("Zugriff verweigert.")
                                                  : QStringLiteral("Die Datei wurde nicht gefunden.");
    throw plattform::Fehler(QStringLiteral("Datei %1 kann nicht geöffnet werden. %2"), {pfad, plattform::uebersetzt(grund)});
  } catch (const plattform::Fehler& f) {
    throw plattform::Fehler(QStringLiteral("Datei %1 kann nicht geöffnet werden. %2"), {pfad, f.text()});
  }
}

}  // namespace schein
