#include "output/fenster/Scheinknopf.h"

#include "output/fenster/anders.h"
#include "output/scheinuebergabe.h"
#include "output/tippdatei.h"
#include "plattform/fenster/befehl.h"
#include "plattform/fenster/elemente.h"
#include "plattform/fenster/steuerelemente.h"

#include <QStyle>
#include <QToolButton>

Scheinknopf::Scheinknopf(Programmzustand& zustand, Tippablage& tipps, Ziehungswahl& ziehung, QWidget* seite)
    : QObject(seite), z_(zustand), tipps_(tipps), ziehung_(ziehung) {
  setObjectName(QStringLiteral("Scheinknopf"));
  SpeedButton27 =
      plattform::neu<QToolButton>(seite, plattform::Elementart::SpeedButton, "SpeedButton27", QRect(140, 284, 25, 25));
  SpeedButton27->setIcon(seite->style()->standardIcon(QStyle::SP_FileIcon));
  plattform::setzeHint(SpeedButton27, QStringLiteral("Schein drucken (Test)"));
  SpeedButton27->setToolTip(QStringLiteral("Schein drucken (Test)"));
  plattform::verbinde(SpeedButton27, &QToolButton::clicked, this, &Scheinknopf::SpeedButton27Click);
}

void Scheinknopf::SpeedButton27Click() {
  const QString pfad = schein::uebergabeSchreiben(z_.Home, ziehung_.endeDatum(), tipps_.listenansichtGezeigt(),
                                                  tipps_.blatt(), tipps_.listenzeilen());
  z_.SaveDialog1.FileName = pfad;
  z_.SaveDialog1.InitialDir = tippdatei::tippordner(z_.Home);
  if (!Form8) return;
  Form8->Meldungen = &z_.Meldungen;
  Form8->eurozahlenVerbergen();
  Form8->memoLaden(schein::uebergabeLesen(pfad));
  Form8->MaxZahl = 55;
  Form8->TippanzahlMax = 10;
  Form8->MaxEuroZahl = z_.SternenzahlMax;
  Form8->schluessel = QStringLiteral("\\SOFTWARE\\Kestrell\\Zelano");
  Form8->exec();
}
