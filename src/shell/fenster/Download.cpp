#include "shell/fenster/Download.h"

#include "plattform/fenster/datumswahl.h"
#include "plattform/fenster/dienste.h"
#include "plattform/formate.h"
#include "plattform/pfade.h"
#include "shell/fenster/Internetseite.h"
#include "shell/fenster/LottoZahlen.h"
#include "shell/fenster/Tippschein.h"
#include "shell/fenster/Ziehungsanzeige.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <exception>

Download::Download(TForm1& form) : QObject(&form), f_(form) {
  setObjectName(QStringLiteral("Download"));
  Ziehungsanzeige& z = *f_.ziehungsanzeige;
  connect(z.BitBtn1, &QPushButton::clicked, this, &Download::ZahlenKennerClick);
  connect(z.SpeedButton10, &QToolButton::clicked, this, &Download::ZahlenKennerClick);
  connect(f_.Aktualisieren1, &QAction::triggered, this, &Download::Aktualisieren1Click);
  f_.installEventFilter(this);
}

void Download::Aktualisieren1Click() { ZahlenKennerClick(); }

void Download::ZahlenKennerClick() {
  // The menu item stays enabled: while a download handles input, its shortcut is ignored.
  if (f_.downloadLaeuft) return;
  Ziehungsanzeige& z = *f_.ziehungsanzeige;
  f_.downloadLaeuft = true;
  fensterGeschlossen_ = false;
  startknoepfe(true);

  Downloadergebnis e;
  QString fehler;
  try {
    e = ladeZiehungen(z.historie(), HttpCli1, *this, plattform::DownloadServer(), f_.M(2));
  } catch (const plattform::Fehler& f) {
    fehler = f.text();
  } catch (const std::exception& f) {
    fehler = QString::fromLocal8Bit(f.what());
  }
  HttpCli1.trennen();
  startknoepfe(false);
  f_.downloadLaeuft = false;
  if (!fehler.isEmpty()) {
    // A proxy port that is not a whole number, or a record that could not be appended: the
    // command ends here; what was appended before stays.
    plattform::dialoge().nachricht(fehler);
    return;
  }

  z.Label35->setText(z.Label29->text());
  z.SpeedButton5Click();
  int bester = f_.Komplettcheck();
  const bool liste = f_.Schein->listenansichtGezeigt();
  if (liste) bester = f_.Listengewinncheck(this);
  if (fensterGeschlossen_) {
    // The window was closed while the download handled input: the program ends, even when
    // the download ran before the message loop started.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
    return;
  }
  if (auswertungOeffnen(bester, liste, e.ueberspringenOffen)) emit auswertungGewuenscht();
}

void Download::startknoepfe(bool laeuft) {
  Ziehungsanzeige& z = *f_.ziehungsanzeige;
  z.BitBtn1->setEnabled(!laeuft);
  z.SpeedButton10->setEnabled(!laeuft);
  z.SpeedButton8->setVisible(laeuft);
}

bool Download::eventFilter(QObject* o, QEvent* e) {
  if (o == &f_ && e->type() == QEvent::Close && f_.downloadLaeuft) {
    fensterGeschlossen_ = true;
    f_.ziehungsanzeige->SpeedButton8->hide();  // ends the loop after the day being requested
  }
  return QObject::eventFilter(o, e);
}

QString Download::proxyHost() const { return f_.Internet->ProxyHostEdit->text(); }

QString Download::proxyPort() const { return f_.Internet->ProxyPortEdit->text(); }

void Download::beginnt(const QDate& tag) { f_.aktDatum = QDateTime(tag, QTime(0, 0)); }

void Download::tagZeigen(const QDate& tag) { f_.ziehungsanzeige->DateTimePicker1->setzeDatum(tag); }

void Download::status(int panel, const QString& text) { f_.setzeStatus(panel, text); }

void Download::antwortZeigen(const QString& text) {
  f_.ziehungsanzeige->RichEdit1->setPlainText(antwortzeilen(text).join(QLatin1Char('\n')));
}

void Download::zeileGelesen(const QDate& tag) { f_.Datum1 = tag; }

void Download::gespeichert(const QDate& tag) {
  f_.ziehungsanzeige->Label29->setText(plattform::DDDddmmyy(tag) + QStringLiteral("   "));
  f_.aktDatum = QDateTime(tag, QTime(0, 0));
}

void Download::unlesbar(const QString& antwort) { plattform::dialoge().nachricht(antwort); }

void Download::eingabenVerarbeiten() { QCoreApplication::processEvents(); }

bool Download::stoppGezeigt() const { return !f_.ziehungsanzeige->SpeedButton8->isHidden(); }
