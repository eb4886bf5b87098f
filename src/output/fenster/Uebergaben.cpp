#include "output/fenster/Uebergaben.h"

#include "output/fenster/Online.h"
#include "output/fenster/Spielwahl.h"
#include "output/klickskript.h"
#include "output/tippdatei.h"
#include "output/warenkorb.h"
#include "plattform/fehler.h"
#include "plattform/fenster/befehl.h"
#include "plattform/fenster/dienste.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/formate.h"
#include "plattform/http.h"
#include "plattform/pause.h"
#include "plattform/pfade.h"
#include "plattform/textdatei.h"
#include "plattform/uhr.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

namespace {
using plattform::Elementart;
using plattform::neu;
using warenkorb::Art;
using warenkorb::Suffix;

constexpr int kPauseMs = 2000;

warenkorb::Zusatzspiele spiele(const TForm5& f) {
  return {f.Spiel77->isChecked(), f.Super6->isChecked(), f.glueck->isChecked()};
}

// Shown, a new ticket number drawn and taken, closed again.
void neueLosnummer(TForm5& f) {
  f.show();
  f.SpeedButton2Click();
  f.BitBtn3Click();
}
}  // namespace

Uebergaben::Uebergaben(const Umgebung& u, QWidget* fenster, QWidget* seite, QWidget* Panel3, QAction* Abgeben1)
    : QObject(fenster), u_(u), fenster_(fenster) {
  setObjectName(QStringLiteral("Uebergaben"));
  Warenkorb = neu<QPushButton>(Panel3, Elementart::Button, "Warenkorb", QRect(344, 7, 94, 26), QStringLiteral("Warenkorb"));
  Warenkorb->hide();
  OnlineTipp = neu<QToolButton>(seite, Elementart::SpeedButton, "OnlineTipp", QRect(400, 284, 80, 25));
  OnlineTipp->setText(QStringLiteral("Klicklotse"));
  plattform::setzeHint(OnlineTipp, QStringLiteral("Hier können Sie den Tipp Online abgeben"));
  OnlineTipp->hide();
  plattform::verbinde(Warenkorb, &QPushButton::clicked, this, &Uebergaben::WarenkorbClick);
  plattform::verbinde(OnlineTipp, &QToolButton::clicked, this, &Uebergaben::OnlineTippClick);
  plattform::verbinde(Abgeben1, &QAction::triggered, this, &Uebergaben::OnlineTippClick);
  // The hidden menu item's own shortcut is off while it is hidden; the window carries Ctrl+G.
  auto* kurz = new QShortcut(Abgeben1->shortcut(), fenster);
  kurz->setObjectName(QStringLiteral("Abgeben1Kurz"));
  plattform::verbinde(kurz, &QShortcut::activated, this, [this] {
    if (!befehlLaeuft()) OnlineTippClick();
  });
}

Uebergaben::~Uebergaben() = default;

bool Uebergaben::befehlLaeuft() const { return u_.zustand.downloadLaeuft || u_.zustand.Berechnunglaeuft; }

void Uebergaben::WarenkorbClick() { SpeedButton17Click(); }

void Uebergaben::SpeedButton17Click() {
  TForm5* f5 = Form5;
  if (!f5) return;
  Programmzustand& z = u_.zustand;
  const bool liste = u_.tipps.listenansichtGezeigt();
  const QStringList zeilen = liste ? u_.tipps.listenzeilen() : QStringList();
  const int n = liste ? static_cast<int>(zeilen.size()) : u_.tipps.tippanzahl();
  f5->Tipp = n;
  const QString portal = u_.Lottoportal->currentText();

  // The template: the server's answer, or the broker's cart after an error that is no message page.
  u_.http.setzeProxy(u_.proxy.proxyHost(), plattform::StrToInt(u_.proxy.proxyPort()));
  u_.http.setzeGrenze(warenkorb::kAntwortGrenze);
  QString antwort;
  try {
    antwort = plattform::ausAnsi(u_.http.get(plattform::WebServer() + warenkorb::anfrage(portal, n)).inhalt);
  } catch (const plattform::HttpFehler& e) {
    // No answer, a time-out or one over its bound ends the hand-off with the client's message.
    if (e.status() < 400 || !e.statusfehler()) {
      u_.http.trennen();
      throw;
    }
    const QByteArray seite = e.antwort().inhalt;
    if (seite.contains("Mitteilung")) {
      u_.http.trennen();
      const QString datei = plattform::Programmpfad() + QStringLiteral("Meldung.htm");
      plattform::schreibeDateiAtomar(datei, seite);
      plattform::shell().oeffnen(datei);
      return;
    }
    antwort = warenkorb::kWarenkorbAdresse;
  }
  const QString vorlage = warenkorb::vorlageAusAntwort(antwort, n);
  u_.http.trennen();

  if (liste) {
    const Suffix s = warenkorb::suffixFuer(Art::liste, portal);
    for (qsizetype i = 0; i < zeilen.size(); i += warenkorb::kProUrl) {
      std::array<QString, warenkorb::kProUrl> kaesten;
      for (qsizetype b = 0; b < warenkorb::kProUrl; ++b)
        kaesten[static_cast<size_t>(b)] = i + b < zeilen.size() ? warenkorb::kastenAusListe(zeilen.at(i + b), s)
                                                                : warenkorb::leererKasten(s);
      const int anzahl = static_cast<int>(std::min<qsizetype>(warenkorb::kProUrl, zeilen.size() - i));
      plattform::shell().oeffnen(warenkorb::url(vorlage, Art::liste, portal, anzahl, f5->LosNr, spiele(*f5), kaesten));
      u_.status.setzeStatus(1, z.M(Meldungstabelle::kWarenkorbPruefen));
      neueLosnummer(*f5);
      plattform::pause(kPauseMs);
    }
    return;
  }

  const tippdatei::Blatt blatt = u_.tipps.blatt();
  const auto kaestenAb = [&](size_t erste, Suffix s, int& anzahl) {
    std::array<QString, warenkorb::kProUrl> k;
    anzahl = 0;
    for (size_t b = 0; b < k.size(); ++b) {
      k[b] = warenkorb::kastenAusZeile(blatt[erste + b], s);
      if (!blatt[erste + b][0].isEmpty()) ++anzahl;
    }
    return k;
  };
  int anzahl = 0;
  const Suffix s1 = warenkorb::suffixFuer(Art::ersteStandard, portal);
  const auto erste = kaestenAb(0, s1, anzahl);
  plattform::shell().oeffnen(warenkorb::url(vorlage, Art::ersteStandard, portal, anzahl, f5->LosNr, spiele(*f5), erste));
  u_.status.setzeStatus(1, z.M(73));
  bool zeile7leer = true;
  for (const QString& t : blatt[6]) zeile7leer = zeile7leer && t.isEmpty();
  if (zeile7leer) return;
  plattform::pause(kPauseMs);
  neueLosnummer(*f5);
  const Suffix s2 = warenkorb::suffixFuer(Art::zweiteStandard, portal);
  const auto zweite = kaestenAb(6, s2, anzahl);
  plattform::shell().oeffnen(warenkorb::url(vorlage, Art::zweiteStandard, portal, anzahl, f5->LosNr, spiele(*f5), zweite));
  u_.status.setzeStatus(1, z.M(73));
}

void Uebergaben::OnlineTippClick() {
  Programmzustand& z = u_.zustand;
  const bool liste = u_.tipps.listenansichtGezeigt();
  const QString datei = tippdatei::schreibeUebergabe(z.Home, u_.ziehung.endeDatum(), 7, liste, u_.tipps.blatt(),
                                                     liste ? u_.tipps.listenzeilen() : QStringList());
  z.SaveDialog1.FileName = datei;
  z.SaveDialog1.InitialDir = tippdatei::tippordner(z.Home);
  if (!AbgabeForm) AbgabeForm = new TAbgabeForm(fenster_);
  AbgabeForm->Meldungen = &z.Meldungen;
  AbgabeForm->TippDateiName = datei;
  AbgabeForm->TippAnzahl = u_.tipps.tippanzahl();
  AbgabeForm->ComboBox1Change();
  const klickskript::Schalter s = klickskript::schalterFuer(plattform::heute(), false);
  AbgabeForm->CheckBox2->setChecked(s.di);
  AbgabeForm->CheckBox3->setChecked(s.fr);
  AbgabeForm->SpeedButton14Click();
}
