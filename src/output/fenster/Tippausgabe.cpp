#include "output/fenster/Tippausgabe.h"

#include "shell/fenster/Laufsperre.h"

#include "output/tippausdruck.h"
#include "output/tippdatei.h"
#include "plattform/fenster/befehl.h"
#include "plattform/fenster/dienste.h"
#include "plattform/fenster/steuerelemente.h"

#include <QEvent>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

Tippausgabe::Tippausgabe(Programmzustand& zustand, Tippablage& tipps, Ziehungswahl& ziehung, QWidget* seite,
                         QWidget* Panel3, QListWidget* Gewinnzahlen)
    : QObject(seite), z_(zustand), tipps_(tipps), ziehung_(ziehung), liste_(Gewinnzahlen->viewport()) {
  setObjectName(QStringLiteral("Tippausgabe"));
  using plattform::Elementart;
  using plattform::neu;
  // Beside the clearing button SpeedButton11, left of the list editor SpeedButton28.
  SpeedButton15 = neu<QToolButton>(seite, Elementart::SpeedButton, "SpeedButton15", QRect(84, 284, 25, 25));
  SpeedButton15->setIcon(seite->style()->standardIcon(QStyle::SP_DialogSaveButton));
  plattform::setzeHint(SpeedButton15, QStringLiteral("Speichern des Tipps"));
  SpeedButton16 = neu<QToolButton>(seite, Elementart::SpeedButton, "SpeedButton16", QRect(114, 284, 25, 25));
  SpeedButton16->setIcon(seite->style()->standardIcon(QStyle::SP_DialogOpenButton));
  plattform::setzeHint(SpeedButton16, QStringLiteral("Tipp laden aus Datei"));
  BitBtn7 = neu<QPushButton>(Panel3, Elementart::BitBtn, "BitBtn7", QRect(216, 7, 120, 26));
  BitBtn7->setText(QStringLiteral("Tipp ausdrucken"));
  BitBtn7->setIcon(seite->style()->standardIcon(QStyle::SP_FileIcon));
  plattform::setzeHint(BitBtn7, QStringLiteral("Drucken SIe hier die berechneten Tipps aus"));

  plattform::verbinde(SpeedButton15, &QToolButton::clicked, this, &Tippausgabe::SpeedButton15Click);
  plattform::verbinde(SpeedButton16, &QToolButton::clicked, this, &Tippausgabe::SpeedButton16Click);
  plattform::verbinde(BitBtn7, &QPushButton::clicked, this, &Tippausgabe::BitBtn7Click);
  // A double click anywhere in the list, on a line or below the last one.
  liste_->installEventFilter(this);
}

bool Tippausgabe::eventFilter(QObject* o, QEvent* e) {
  if (o == liste_ && e->type() == QEvent::MouseButtonDblClick) {
    plattform::mitMeldung([this] { GewinnzahlenDblClick(); });
    return true;
  }
  return QObject::eventFilter(o, e);
}

void Tippausgabe::SpeedButton15Click() {
  tippdatei::tippordnerAnlegen(z_.Home);
  const QString ordner = tippdatei::tippordner(z_.Home);
  const QString vorschlag = ordner + tippdatei::datumsname(ziehung_.endeDatum(), 7);
  const QString gewaehlt =
      plattform::dialoge().speichernMitEndung(QString(), vorschlag, tippdatei::filterSpeichern(), tippdatei::kEndung);
  // The dialog keeps the chosen name, or after a cancel the one it proposed.
  z_.SaveDialog1.InitialDir = ordner;
  z_.SaveDialog1.FileName = gewaehlt.isEmpty() ? vorschlag : gewaehlt;
  if (gewaehlt.isEmpty()) return;
  if (tipps_.listenansichtGezeigt())
    tippdatei::schreibe(gewaehlt, tippdatei::Form::liste, {}, tipps_.listenzeilen());
  else
    tippdatei::schreibe(gewaehlt, tippdatei::Form::voll, tipps_.blatt(), {});
}

void Tippausgabe::SpeedButton16Click() {
  if (abgelehntWeilBerechnungLaeuft(z_)) return;
  tippdatei::tippordnerAnlegen(z_.Home);
  const QString ordner = tippdatei::tippordner(z_.Home);
  const QString vorschlag = z_.SaveDialog1.FileName.isEmpty() ? ordner : z_.SaveDialog1.FileName;
  const QString gewaehlt =
      plattform::dialoge().oeffnenMitEndung(QString(), vorschlag, tippdatei::filterLaden(), tippdatei::kEndung);
  if (!gewaehlt.isEmpty()) {
    // The whole file first: a file that cannot be read changes no tip and shows no draw.
    const QStringList zeilen = tippdatei::lies(gewaehlt);
    if (tipps_.listenansichtGezeigt()) {
      tipps_.listeErsetzen(tippdatei::listeAusZeilen(zeilen));
      tipps_.Listengewinncheck();
    } else {
      tipps_.SpeedButton11Click();  // its answer does not stop the load
      const tippdatei::Blatt b = tippdatei::blattAusZeilen(zeilen);
      for (int k = 1; k <= 12; ++k) tipps_.zeileSetzen(k, b[static_cast<size_t>(k - 1)]);
    }
  }
  ziehung_.SpeedButton5Click();
}

void Tippausgabe::GewinnzahlenDblClick() {
  SpeedButton15Click();
  plattform::shell().bearbeiten(z_.SaveDialog1.FileName);
}

void Tippausgabe::BitBtn7Click() {
  const bool liste = tipps_.listenansichtGezeigt();
  const QDate datum = tippausdruck::datumDerTipps(z_.Datum1, ziehung_.endeDatum(), liste);
  const QStringList zeilen = liste ? tippausdruck::zeilen(z_.Meldungen, datum, true, {}, tipps_.listenzeilen())
                                   : tippausdruck::zeilen(z_.Meldungen, datum, false, tipps_.blatt(), {});
  const QString pfad = tippausdruck::schreibe(z_.Home, zeilen);
  plattform::shell().oeffnen(pfad);  // no program for text files: nothing shows, no message
}
