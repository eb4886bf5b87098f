#include "shell/fenster/Download.h"

#include "shell/fenster/Laufsperre.h"

#include "plattform/fenster/befehl.h"
#include "plattform/fenster/dienste.h"
#include "plattform/laufschutz.h"
#include "plattform/pfade.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <exception>

Download::Download(Programmzustand& zustand, Downloadanzeige& anzeige, Proxyangaben& proxy, Tippvergleicher& tipps,
                   Statusanzeige& status, QWidget* fenster)
    : QObject(fenster),
      z_(zustand),
      anzeige_(anzeige),
      proxy_(proxy),
      tipps_(tipps),
      status_(status),
      fenster_(fenster) {
  setObjectName(QStringLiteral("Download"));
  fenster_->installEventFilter(this);
}

void Download::Aktualisieren1Click() { ZahlenKennerClick(); }

void Download::ZahlenKennerClick() {
  if (abgelehntWeilBerechnungLaeuft(z_)) return;
  // The menu item stays enabled: while a download handles input, its shortcut is ignored.
  if (z_.downloadLaeuft) return;
  Downloadergebnis e;
  std::exception_ptr fehler;
  {
    const plattform::Laufschutz lauf(z_.downloadLaeuft);
    fensterGeschlossen_ = false;
    anzeige_.startknoepfe(true);
    try {
      e = ladeZiehungen(z_.historie(), HttpCli1, *this, plattform::DownloadServer(), z_.Meldungen);
    } catch (...) {
      fehler = std::current_exception();
    }
    HttpCli1.trennen();
    anzeige_.startknoepfe(false);
  }
  if (fehler) {
    // A proxy port that is not a whole number, or a record that could not be appended: the
    // command ends here with its message, once the window is idle again; what was appended
    // before stays.
    plattform::mitMeldung([&] { std::rethrow_exception(fehler); });
    return;
  }

  anzeige_.nachDownloadZeigen();
  int bester = tipps_.Komplettcheck();
  const bool liste = tipps_.listenansichtGezeigt();
  if (liste) bester = tipps_.Listengewinncheck();
  if (fensterGeschlossen_) {
    // The window was closed while the download handled input: the program ends, even when
    // the download ran before the message loop started.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
    return;
  }
  if (auswertungOeffnen(bester, liste, e.ueberspringenOffen)) emit auswertungGewuenscht();
}

bool Download::eventFilter(QObject* o, QEvent* e) {
  if (o == fenster_ && e->type() == QEvent::Close && z_.downloadLaeuft) {
    fensterGeschlossen_ = true;
    anzeige_.stoppen();  // ends the loop after the day being requested
  }
  return QObject::eventFilter(o, e);
}

QString Download::proxyHost() const { return proxy_.proxyHost(); }

QString Download::proxyPort() const { return proxy_.proxyPort(); }

void Download::beginnt(const QDate& tag) { z_.aktDatum = QDateTime(tag, QTime(0, 0)); }

void Download::tagZeigen(const QDate& tag) { anzeige_.tagZeigen(tag); }

void Download::status(int panel, const QString& text) { status_.setzeStatus(panel, text); }

void Download::antwortZeigen(const QString& text) { anzeige_.antwortZeigen(antwortzeilen(text).join(QLatin1Char('\n'))); }

void Download::zeileGelesen(const QDate& tag) { z_.Datum1 = tag; }

void Download::gespeichert(const QDate& tag) {
  anzeige_.gespeichertZeigen(tag);
  z_.aktDatum = QDateTime(tag, QTime(0, 0));
}

void Download::unlesbar(const QString& meldung) { plattform::dialoge().nachricht(meldung); }

void Download::eingabenVerarbeiten() { QCoreApplication::processEvents(); }

bool Download::stoppGezeigt() const { return anzeige_.stoppGezeigt(); }
