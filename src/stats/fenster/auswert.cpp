#include "stats/fenster/auswert.h"

#include "plattform/fehler.h"
#include "plattform/fenster/befehl.h"
#include "plattform/fenster/dienste.h"
#include "plattform/fenster/fensterliste.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/fenster/zoom.h"
#include "plattform/formate.h"
#include "plattform/pfade.h"
#include "shell/meldungstabelle.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

TForm9* Form9 = nullptr;

using plattform::Elementart;
using plattform::neu;

namespace {

constexpr int kBreite = 440;
constexpr int kHoehe = 480;  // the designed height; the creation step scales the dialog to 450
constexpr int kZielhoehe = 450;
constexpr int kZeile0 = 36;
constexpr int kZeilenabstand = 26;

// Object names of the four controls of each row, top to bottom.
constexpr const char* kAnzahlNamen[] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6",
                                        "Edit7", "Edit8", "Edit17", "Edit18", "Edit19", "Edit20"};
constexpr const char* kKlassenNamen[] = {"Label4", "Label5", "Label6", "Label7", "Label8", "Label9",
                                         "Label10", "Label11", "Label21", "Label22", "Label23", "Label24"};
constexpr const char* kQuotenNamen[] = {"Edit9", "Edit10", "Edit11", "Edit12", "Edit13", "Edit14",
                                        "Edit15", "Edit16", "Edit21", "Edit22", "Edit23", "Edit24"};
constexpr const char* kErgebnisNamen[] = {"Label12", "Label13", "Label14", "Label15", "Label16", "Label17",
                                          "Label18", "Label19", "Label25", "Label26", "Label27", "Label28"};

// A hint that holds a text of the dialog rather than help: kept, not shown as a tooltip.
void setzeTexthint(QWidget* w, const QString& text) {
  plattform::setzeHint(w, text);
  w->setToolTip(QString());
}

}  // namespace

// One command of the dialog (the evaluation, the averages, the download): within it the
// recalculation's conversion message shows once; typing outside a command shows it each time.
class Auswertungsbefehl {
 public:
  explicit Auswertungsbefehl(TForm9& f) : f_(f) {
    if (f_.befehle_++ == 0) f_.meldungGezeigt_ = false;
  }
  ~Auswertungsbefehl() { --f_.befehle_; }
  Auswertungsbefehl(const Auswertungsbefehl&) = delete;
  Auswertungsbefehl& operator=(const Auswertungsbefehl&) = delete;

 private:
  TForm9& f_;
};

TForm9::TForm9(QWidget* eltern) : QDialog(eltern) {
  setObjectName(QStringLiteral("Form9"));
  plattform::fensterAnmelden(this);
  setWindowTitle(QStringLiteral("Auswertung und Gewinnberechnung"));
  resize(kBreite, kHoehe);

  Label1 = neu<QLabel>(this, Elementart::Label, "Label1", QRect(12, 10, 60, 20), QStringLiteral("Anzahl"));
  Label2 = neu<QLabel>(this, Elementart::Label, "Label2", QRect(76, 10, 110, 20), QStringLiteral("Richtig + E + E"));
  setzeTexthint(Label2, QStringLiteral("Quote für den %s geladen"));
  Label3 = neu<QLabel>(this, Elementart::Label, "Label3", QRect(192, 10, 110, 20), QStringLiteral("Gewinnquoten"));
  auto* summe = neu<QLabel>(this, Elementart::Panel, "Panel1", QRect(310, 8, 118, 24), QStringLiteral("Summe"));
  summe->setFrameShape(QFrame::Panel);
  summe->setFrameShadow(QFrame::Raised);
  summe->setAlignment(Qt::AlignCenter);
  Panel1 = summe;
  setzeTexthint(Panel1, QStringLiteral("Angabe ohne Gewähr"));

  const auto klassen = auswertung::gewinnklassen(QDate());
  for (int r = 0; r < auswertung::kKlassen; ++r) {
    const auto i = static_cast<size_t>(r);
    const int y = kZeile0 + r * kZeilenabstand;
    Anzahl[i] = neu<QLineEdit>(this, Elementart::Edit, kAnzahlNamen[i], QRect(12, y, 52, 22), QStringLiteral("0"));
    Klasse[i] = neu<QLabel>(this, Elementart::Label, kKlassenNamen[i], QRect(76, y, 110, 22), klassen[i].name);
    Quote[i] = neu<QLineEdit>(this, Elementart::Edit, kQuotenNamen[i], QRect(192, y, 110, 22), QStringLiteral("0"));
    plattform::setzeHint(Quote[i], klassen[i].chance);
    Ergebnis[i] = neu<QLabel>(this, Elementart::Label, kErgebnisNamen[i], QRect(310, y, 118, 22), QString());
    Ergebnis[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  setzeTexthint(Anzahl[0], QStringLiteral("Keine Gewähr für die Richtigkeit der Zahlen!"));
  setzeTexthint(Anzahl[1], QStringLiteral("konnte Quote nicht laden"));
  setzeTexthint(Anzahl[2], QStringLiteral("Spieleinsatz: noch nicht verfügbar!"));
  setzeTexthint(Anzahl[3], QStringLiteral("Spieleinsatz: %s  EUR"));
  setzeTexthint(Anzahl[4], QStringLiteral("konnte Quote nicht laden"));

  Label20 = neu<QLabel>(this, Elementart::Label, "Label20", QRect(310, kZeile0 + 12 * kZeilenabstand + 4, 118, 24),
                        QStringLiteral("Summe"));
  Label20->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // The code writes the total and the names of the classes that follow the date: a language
  // switch gives these labels their hint only, so no stale text replaces what was computed.
  for (QLabel* l : {Label20, Klasse[3], Klasse[4]}) plattform::setzeTag(l, 1);
  Label20->setFrameShape(QFrame::Panel);
  Label20->setFrameShadow(QFrame::Sunken);
  QFont fett = Label20->font();
  fett.setBold(true);
  Label20->setFont(fett);

  const int knopfY = kZeile0 + 12 * kZeilenabstand + 42;
  SpeedButton1 = neu<QToolButton>(this, Elementart::SpeedButton, "SpeedButton1", QRect(12, knopfY, 32, 32));
  SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  SpeedButton1->setIconSize(QSize(22, 22));
  plattform::setzeHint(SpeedButton1, QStringLiteral("durchschnittlische Quote eintragen"));
  SpeedButton2 = neu<QToolButton>(this, Elementart::SpeedButton, "SpeedButton2", QRect(48, knopfY, 32, 32));
  SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
  SpeedButton2->setIconSize(QSize(22, 22));

  BitBtn1 = neu<QPushButton>(this, Elementart::BitBtn, "BitBtn1", QRect(328, knopfY + 2, 100, 28), QStringLiteral("&Schließen"));
  BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  BitBtn1->setDefault(true);

  StatusBar1 = neu<plattform::StatusLeiste>(this, Elementart::ohne, "StatusBar1", QRect(0, kHoehe - 24, kBreite, 24), QList<int>{150, 50});

  for (int r = 0; r < auswertung::kKlassen; ++r) {
    const auto i = static_cast<size_t>(r);
    plattform::verbinde(Anzahl[i], &QLineEdit::textChanged, this, &TForm9::Edit9Change);
    plattform::verbinde(Quote[i], &QLineEdit::textChanged, this, &TForm9::Edit9Change);
  }
  plattform::verbinde(SpeedButton1, &QToolButton::clicked, this, &TForm9::SpeedButton1Click);
  plattform::verbinde(SpeedButton2, &QToolButton::clicked, this, &TForm9::SpeedButton2Click);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

  Form9 = this;
  FormCreate();
}

TForm9::~TForm9() {
  if (Form9 == this) Form9 = nullptr;
}

void TForm9::FormCreate() {
  // Whatever the designed size, the dialog is 450 pixels high; the main window's zoom follows.
  plattform::zoomen(this, static_cast<double>(kZielhoehe) / height());
}

void TForm9::klassenNachDatum() {
  const auto klassen = auswertung::gewinnklassen(Datum.date());
  Klasse[3]->setText(klassen[3].name);
  Klasse[4]->setText(klassen[4].name);
}

void TForm9::auswerten(const tippcheck::Statistiktabelle& statistik) {
  Auswertungsbefehl befehl(*this);
  const auto n = auswertung::anzahlen(statistik, Datum.date());
  for (size_t i = 0; i < 3; ++i) Anzahl[i]->setText(QString::number(n[i]));
  klassenNachDatum();
  for (size_t i = 3; i < auswertung::kKlassen; ++i) Anzahl[i]->setText(QString::number(n[i]));
  Edit9Change();
  SpeedButton2Click();
}

void TForm9::Edit9Change() {
  std::array<QString, auswertung::kKlassen> anzahl;
  std::array<QString, auswertung::kKlassen> quote;
  for (size_t i = 0; i < auswertung::kKlassen; ++i) {
    anzahl[i] = Anzahl[i]->text();
    quote[i] = Quote[i]->text();
  }
  const auto n = auswertung::neuberechnen(anzahl, quote, plattform::dezimaltrenner());
  for (size_t i = 0; i < auswertung::kKlassen; ++i) Quote[i]->setEnabled(n.aktiv[i]);
  for (qsizetype i = 0; i < n.ergebnisse.size(); ++i) Ergebnis[static_cast<size_t>(i)]->setText(n.ergebnisse[i]);
  if (n.summe) Label20->setText(*n.summe);
  if (!n.fehler.isEmpty() && (befehle_ == 0 || !meldungGezeigt_)) {
    meldungGezeigt_ = true;
    plattform::dialoge().nachricht(n.fehler);
  }
}

void TForm9::SpeedButton1Click() {
  Auswertungsbefehl befehl(*this);
  const auto& mittel = auswertung::durchschnittsquoten();
  for (size_t i = 0; i < auswertung::kKlassen; ++i) Quote[i]->setText(mittel[i]);
}

void TForm9::SpeedButton2Click() {
  Auswertungsbefehl befehl(*this);
  // A port that is not a whole number ends the command before any request.
  auswertung::richteQuotenclientEin(HttpCli1, proxy, Port);
  SpeedButton2->setEnabled(false);
  struct Freigabe {
    QToolButton* knopf;
    ~Freigabe() { knopf->setEnabled(true); }
  } freigabe{SpeedButton2};
  StatusBar1->setzePanel(0, plattform::uebersetzt(QStringLiteral("Loading")));
  StatusBar1->repaint();

  const Meldungstabelle deutsch;
  const auto abruf =
      auswertung::holeQuoten(HttpCli1, plattform::DownloadServer(), Datum.date(), Meldungen ? *Meldungen : deutsch);
  StatusBar1->setzePanel(0, abruf.panel0);
  StatusBar1->setzePanel(1, plattform::hint(Anzahl[abruf.fehler ? 1 : 0]));
  const QChar dezimal = plattform::dezimaltrenner();
  const auto antwort = auswertung::liesQuotenantwort(abruf.text);
  std::array<QString, auswertung::kKlassen> anzahl;
  for (size_t i = 0; i < auswertung::kKlassen; ++i) anzahl[i] = Anzahl[i]->text();
  // Quotas whose prizes run beyond every number make a damaged answer: it is not taken.
  if (!abruf.genommen || !auswertung::rechenbar(antwort, anzahl, dezimal)) {
    StatusBar1->setzePanel(1, plattform::hint(Anzahl[4]));
    return;
  }
  setWindowTitle(antwort.einsatz
                     ? auswertung::mitWert(plattform::hint(Anzahl[3]), auswertung::einsatztext(*antwort.einsatz, dezimal))
                     : plattform::hint(Anzahl[2]));
  const auto felder = auswertung::quotenfelder(antwort, dezimal);
  // The highest class first: row 12 is written first.
  for (int r = auswertung::kKlassen - 1; r >= 0; --r) Quote[static_cast<size_t>(r)]->setText(felder[static_cast<size_t>(r)]);
  StatusBar1->setzePanel(0, plattform::hint(Panel1));
  StatusBar1->setzePanel(1, auswertung::mitWert(plattform::hint(Label2), Datum.date().toString(QStringLiteral("dd.MM.yy"))));
}
