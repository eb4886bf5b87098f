#include "programm/LottoZahlen.h"

#include "engine/fenster/Berechnung.h"
#include "engine/fenster/Rueckblickbefehle.h"
#include "output/fenster/Tippausgabe.h"
#include "output/fenster/Uebergaben.h"
#include "plattform/fehler.h"
#include "plattform/fenster/befehl.h"
#include "plattform/fenster/datumswahl.h"
#include "plattform/fenster/dienste.h"
#include "plattform/fenster/fensterliste.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/fenster/zoom.h"
#include "plattform/pfade.h"
#include "plattform/zufall.h"
#include "shell/fenster/Download.h"
#include "programm/Einstellungen.h"
#include "shell/fenster/Internetseite.h"
#include "shell/fenster/Parameterseite.h"
#include "shell/fenster/Statushinweise.h"
#include "shell/fenster/Tippeditor.h"
#include "shell/fenster/Verweise.h"
#include "shell/fenster/Tippschein.h"
#include "shell/fenster/Ziehungsanzeige.h"
#include "shell/lebenszyklus.h"
#include "shell/ziehungsdaten.h"
#include "stats/fenster/auswert.h"
#include "stats/fenster/Historienbefehle.h"
#include "stats/fenster/Diagrammseite.h"
#include "output/fenster/Scheinknopf.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

TForm1* Form1 = nullptr;

namespace {
constexpr int kClientBreite = 562;
constexpr int kClientHoehe = 472;
// Outer size of the designed window: the zoom factors of the dialogs divide by this height.
constexpr int kDesignHoehe = TForm1::kDesignHoehe;
constexpr int kRahmenHoehe = kDesignHoehe - kClientHoehe;    // caption, frame and main menu
constexpr int kRahmenBreite = TForm1::kDesignBreite - kClientBreite;  // left and right frame
}  // namespace

TForm1::TForm1(QWidget* eltern) : QMainWindow(eltern) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Kestrells Zahlen-Kenner  für Quintavola"));
  plattform::fensterAnmelden(this);
  plattform::elementliste(this);  // the window is its own first element
  baueMenue();
  baueSeiten();
  Schein = new Tippschein(zustand_, *this, TabSheet1);
  Editor = new Tippeditor(zustand_, *Schein, this);
  ziehungsanzeige = new Ziehungsanzeige(zustand_, *Schein, this, TabSheet1, TabSheet4, TabSheet5);
  download = new Download(zustand_, *ziehungsanzeige, *Internet, *Schein, *this, this);
  Ausgabe = new Tippausgabe(zustand_, *Schein, *ziehungsanzeige, TabSheet1, Schein->Panel3, Schein->Gewinnzahlen);
  scheinknopf = new Scheinknopf(zustand_, *Schein, *ziehungsanzeige, TabSheet1);
  historienbefehle = new Historienbefehle(
      zustand_, *Schein, *Schein, *ziehungsanzeige, *this, TabSheet1, TabSheet4,
      [this] { return Parameter->CheckBox31->isChecked(); }, [this] { PageControl1->setCurrentWidget(TabSheet1); });
  Hand = new Uebergaben({zustand_, *Schein, *ziehungsanzeige, *Internet, *this, download->HttpCli1, Internet->Lottoportal},
                        this, TabSheet1, Schein->Panel3, Abgeben1);
  plattform::verbinde(ziehungsanzeige, &Ziehungsanzeige::downloadGeklickt, download, &Download::ZahlenKennerClick);
  plattform::verbinde(ziehungsanzeige, &Ziehungsanzeige::downloadUeberMenue, Aktualisieren1, &QAction::trigger);
  plattform::verbinde(Aktualisieren1, &QAction::triggered, download, &Download::Aktualisieren1Click);
  auswertung = plattform::neu<QPushButton>(TabSheet1, plattform::Elementart::Button, "auswertung",
                                           QRect(520, 400, 25, 25));
  plattform::setzeHint(auswertung, QStringLiteral("Auswertung und Ermittlung der Gewinnsumme"));
  auswertung->hide();
  plattform::verbinde(auswertung, &QPushButton::clicked, this, &TForm1::auswertungClick);
  plattform::verbinde(download, &Download::auswertungGewuenscht, this, &TForm1::auswertungClick);
  verweise = new Verweise(TabSheet1, TabSheet3, this);
  plattform::verbinde(Parameter->UpDown7, &plattform::UpDown::pfeilGeaendert, this,
                      [this] { UpDown7Changing(Parameter->UpDown7->Position()); });
  StatusBar1 = new plattform::StatusLeiste({150, 50}, this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  setStatusBar(StatusBar1);
  Rechner = new Berechnung({&zustand_, Parameter, Schein, ziehungsanzeige, StatusBar1, PageControl1, TabSheet1, TabSheet5, this},
                           this);
  plattform::verbinde(Schein->BitBtn4, &QPushButton::clicked, Rechner, &Berechnung::BrechnungStart);
  plattform::verbinde(Berechnen1, &QAction::triggered, Rechner, &Berechnung::Berechnen1Click);
  Rueckblick = new Rueckblickbefehle({&zustand_, Parameter, Schein, ziehungsanzeige, StatusBar1, PageControl1, TabSheet1,
                                      TabSheet5, this},
                                     *Rechner, TabSheet4, this);
  baueDiagramm();
  // Last of the controls: the hints bind whatever the panels above have built.
  Hinweise = new Statushinweise(*this, this, this);
  Hinweise->binden();
  // The main menu lies outside the client area, as the settings' stored height counts it.
  menueHoehe_ = menuBar()->sizeHint().height();
  move(366, 100);
  resize(kClientBreite, kClientHoehe + menueHoehe_);
  plattform::setzeHauptfenster(this);
  FormCreate();
}

TForm1::~TForm1() {
  if (Form1 == this) Form1 = nullptr;
}

void TForm1::baueMenue() {
  auto* leiste = menuBar();
  leiste->setObjectName(QStringLiteral("MainMenu1"));
  auto aktion = [&](const char* name, const QString& text, const QKeySequence& kurz) {
    auto* a = leiste->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    if (!kurz.isEmpty()) a->setShortcut(kurz);
    plattform::alsElement(this, plattform::Elementart::Menuepunkt, a);
    return a;
  };
  Aktualisieren1 = aktion("Aktualisieren1", QStringLiteral("&Ziehungsdaten laden"), QKeySequence(QStringLiteral("Ctrl+A")));
  Berechnen1 = aktion("Berechnen1", QStringLiteral("&Berechnen"), QKeySequence(QStringLiteral("Ctrl+R")));
  SpracheLanguage1 = leiste->addMenu(QStringLiteral("Sprache/&Language"));
  SpracheLanguage1->setObjectName(QStringLiteral("SpracheLanguage1"));
  plattform::alsElement(this, plattform::Elementart::Menuepunkt, SpracheLanguage1);
  sprachmenue = new Sprachmenue(SpracheLanguage1, this, zustand_, *this);
  Abgeben1 = aktion("Abgeben1", QStringLiteral("&Abgeben"), QKeySequence(QStringLiteral("Ctrl+G")));
  Abgeben1->setVisible(false);
  addAction(Abgeben1);
  Schlieen1 = aktion("Schlieen1", QStringLiteral("&Schließen"), QKeySequence());
  plattform::verbinde(Schlieen1, &QAction::triggered, this, &TForm1::Schlieen1Click);
}

void TForm1::baueSeiten() {
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  setCentralWidget(PageControl1);
  auto seite = [&](const char* name, const QString& titel) {
    auto* w = new QWidget;
    w->setObjectName(QString::fromLatin1(name));
    PageControl1->addTab(w, titel);
    plattform::alsElement(this, plattform::Elementart::TabSheet, w);
    return w;
  };
  TabSheet1 = seite("TabSheet1", QStringLiteral("Tipp-Übersicht"));
  TabSheet2 = seite("TabSheet2", QStringLiteral("Zahlen der letzten Ziehung"));
  TabSheet6 = seite("TabSheet6", QStringLiteral("Parameter"));
  TabSheet5 = seite("TabSheet5", QStringLiteral("Diagramm"));
  TabSheet4 = seite("TabSheet4", QStringLiteral("Datenbank"));
  TabSheet3 = seite("TabSheet3", QStringLiteral("Internet-Optionen"));
  plattform::verbergeSeite(PageControl1, TabSheet2);
  PageControl1->setCurrentWidget(TabSheet1);

  // PageControl2 fills the tab "Parameter".
  PageControl2 = new QTabWidget(TabSheet6);
  PageControl2->setObjectName(QStringLiteral("PageControl2"));
  auto* lay = new QVBoxLayout(TabSheet6);
  lay->setContentsMargins(0, 0, 0, 0);
  lay->addWidget(PageControl2);
  Parameter = new Parameterseite(PageControl2, this);
  Internet = new Internetseite(TabSheet3, this);
}

void TForm1::baueDiagramm() {
  Tippzugang tipps;
  tipps.listenansicht = [this] { return Schein->listenansichtGezeigt(); };
  tipps.listenzeilen = [this] { return Schein->listenzeilen(); };
  tipps.scheinzeilen = [this] {
    std::array<std::array<QString, 5>, 12> zeilen;
    for (int k = 1; k <= 12; ++k)
      for (int i = 0; i < 5; ++i) zeilen[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(i)] = Schein->zeile(k).Zahlen[static_cast<std::size_t>(i)]->text();
    return zeilen;
  };
  tipps.gewinneLeeren = [this] { Schein->Gewinne->clear(); };
  Diagrammorte orte;
  orte.PageControl1 = PageControl1;
  orte.TabSheet1 = TabSheet1;
  orte.TabSheet4 = TabSheet4;
  orte.TabSheet5 = TabSheet5;
  orte.CheckBox1 = Parameter->CheckBox1;
  orte.CheckBox6 = Parameter->CheckBox6;
  orte.CheckBox7 = Parameter->CheckBox7;
  orte.CheckBox2 = Parameter->CheckBox2;
  orte.CheckBox10 = Parameter->CheckBox10;
  orte.QuersummenLabel = Parameter->QuersummenLabel;
  orte.CheckBox8 = Parameter->CheckBox8;
  orte.CheckBox18 = Parameter->CheckBox18;
  Diagramm = new Diagrammseite(zustand_, *this, ziehungsanzeige->DateTimePicker2, ziehungsanzeige->DateTimePicker1,
                               [this] { return ziehungsanzeige->zeitfilter(); }, std::move(tipps), orte, this);
  Rechner->imDiagramm = [this](engine::Topfstatistik art, const statistik::Zahlenstatistik& s, bool aufschieben) {
    using statistik::Statistikart;
    switch (art) {
      case engine::Topfstatistik::paare:
        return Diagramm->zeigeStatistik(Statistikart::paare, s, aufschieben);
      case engine::Topfstatistik::dreier:
        return Diagramm->zeigeStatistik(Statistikart::dreier, s, aufschieben);
      case engine::Topfstatistik::vierer:
        return Diagramm->zeigeStatistik(Statistikart::vierer, s, aufschieben);
      case engine::Topfstatistik::haeufigkeit:
        return Diagramm->zeigeStatistik(Statistikart::haeufigkeit, s, aufschieben);
      case engine::Topfstatistik::ueberfaellige:
        return Diagramm->zeigeStatistik(Statistikart::ueberfaellige, s, aufschieben);
    }
  };
  Rechner->diagrammLeeren = [this] { Diagramm->leeren(); };
  Rechner->diagrammAbgleichen = [this] { Diagramm->abgleichen(); };
}

int TForm1::Height() const { return height() - menueHoehe_ + kRahmenHoehe; }
int TForm1::Width() const { return width() + kRahmenBreite; }

void TForm1::setHeight(int h) {
  resize(width(), std::max(1, h - kRahmenHoehe + menueHoehe_));
  // The zoom follows the new height at once; a hidden window gets its resize event only when
  // it is shown, so it runs here (a second run finds nothing to do).
  FormResize();
}

void TForm1::setWidth(int w) { resize(std::max(1, w - kRahmenBreite), height()); }

bool TForm1::normalerZustand() const {
  return !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
}

void TForm1::Nachricht(int text) const { plattform::dialoge().nachricht(M(text)); }

bool TForm1::Frage(int text, int titel) const { return plattform::dialoge().frage(M(text), M(titel)); }

bool TForm1::Frage(int vor, const QString& mitte, int nach, int titel) const {
  return plattform::dialoge().frage(M(vor) + mitte + M(nach), M(titel));
}

QString TForm1::Eingabe(int titel, int prompt, const QString& vorgabe) const {
  return plattform::dialoge().eingabe(M(titel), M(prompt), vorgabe);
}

void TForm1::Statustext(int text, const QString& zusatz) { setzeStatus(1, M(text) + zusatz); }

bool TForm1::schritt(const std::function<void()>& tue) { return plattform::mitMeldung(tue); }

// The creation step. A step that fails shows its message and the later steps run, except those
// that need what failed: without a data folder there is nothing to seed the history into.
void TForm1::FormCreate() {
  Form1 = this;
  Programmzustand& z = zustand_;
  const QDate heute = QDate::currentDate();
  // The German format record, read only by the fixed German date text.
  z.FormatSettings = Formateinstellungen{};
  // Before the tip sheet is restored: its extra-number fields are checked against it.
  z.SternenzahlMax = sternenzahlMax(heute);
  z.dfb = heute;
  // The data folder, one level below the user's data folder.
  const QString ordner = plattform::AppDatenPfad() + QStringLiteral("ZahlenKennerQV");
  const bool homeDa = schritt([&] { legeDatenordnerAn(ordner); });
  z.Home = plattform::mitTrenner(ordner);
  z.SoundName = plattform::Programmpfad() + QStringLiteral("yippee.wav");
  z.LaufMax = 100000;
  z.sortieren = false;
  z.Berechnunglaeuft = false;
  // The settings; a stored height zooms at once (before any dialog exists). The tip checks
  // wait until the sheet is restored.
  Groesse = Height();
  schritt([&] { Einstellungen::lesen(*this); });
  // What the start reports from here on speaks the stored language.
  schritt([&] { sprachmenue->meldungenVorab(zustand_.sprache); });
  z.sortieren = true;
  // The start date of the date window.
  const QDate start = startdatumNachRegel(ziehungsanzeige->DateTimePicker2->Datum(), heute);
  ziehungsanzeige->DateTimePicker2->setzeDatum(start);
  z.LaufMax = Parameter->UpDown7->Position() * 1000;
  if (Internet->ProxyHostEdit->text().isEmpty()) Internet->ProxyPortEdit->setText(QStringLiteral("80"));
  // Seed the draw history from the program folder; nothing to copy into a missing folder.
  z.ZahlenFile = QStringLiteral("ZahlenQV.dat");
  if (homeDa) {
    const QString vorlage = plattform::Programmpfad() + QStringLiteral("ZahlenQV.dat");
    schritt([&] {
      if (!QFileInfo::exists(z.Home + z.ZahlenFile) && QFileInfo::exists(vorlage))
        Ziehungsdaten::kopiereGanzeSaetze(vorlage, z.Home + z.ZahlenFile);
    });
  }
  plattform::Zufall::Randomize();
  z.aktDatum = QDateTime(start, QTime(0, 0));
  ziehungsanzeige->DateTimePicker1->setzeDatum(heute);
  // The list kept from the last run, when the list view was shown at exit.
  schritt([&] { Schein->listeBeimStartLaden(); });
}

void TForm1::StartAbschliessen() {
  // The number-selection and cart-options dialogs follow the height the settings gave.
  if (Groesse != kDesignHoehe) zoomeDialoge(static_cast<double>(Groesse) / kDesignHoehe, {"Form6", "Form5"});
  // The six stored coupon-layout texts into the coupon dialog.
  Einstellungen::scheinLesen();
}

void TForm1::zoomeDialoge(double faktor, std::initializer_list<const char*> namen) {
  try {
    for (const char* n : namen) {
      if (QWidget* w = plattform::programmfenster(QString::fromLatin1(n))) plattform::zoomen(w, faktor);
    }
  } catch (...) {
    // An error while zooming a dialog ends the dialog zooms silently.
  }
}

void TForm1::FormResize() {
  const int h = Height();
  if (Groesse == h) return;  // a change of width alone zooms nothing
  if (Groesse > 0) {
    const double faktor = static_cast<double>(h) / Groesse;
    plattform::zoomen(PageControl1, faktor);
    zoomeDialoge(faktor, {"Form6", "Form5", "Form9"});
  }
  Groesse = h;
}

// The show road, once, when the message loop starts: SpracheSetzen applies the stored language
// (0 keeps the German texts), makes the draw of the end date the current draw, compares the
// tips with it (SpeedButton5Click) and draws the frequency chart (SpeedButton2Click); then
// ZahlenKennerClick brings the history up to today, shows the newest draw, compares again and,
// when its condition holds, opens the prize evaluation.
void TForm1::FormShow() {
  SpracheSetzen();
  plattform::mitMeldung([&] { download->ZahlenKennerClick(); });
}

void TForm1::SpracheSetzen() {
  plattform::mitMeldung([&] {
    // A stored value outside 1..19 applies nothing and is written back as 0.
    if (!sprachmenue->sprachHandler(zustand_.sprache)) zustand_.sprache = 0;
  });
  plattform::mitMeldung([&] { ziehungsanzeige->SpeedButton5Click(); });
  plattform::mitMeldung([&] { Diagramm->SpeedButton2Click(); });
}

bool TForm1::berechnungLaeuft() const { return Schein->BitBtn4->text() == M(20); }

void TForm1::optionenSetzen(const QStringList& items) {
  Parameter->RadioGroup1->setItems(items);
  Parameter->RadioGroup2->setItems(items);
}

void TForm1::nachSprachwechsel() {
  Parameter->anordnen();
  Diagramm->anordnen();
}

void TForm1::FormClose() {
  // One guard over the whole write-back, the list files in their place: the first failure
  // ends it silently.
  try {
    Einstellungen::schreiben(*this);
  } catch (...) {
  }
}

void TForm1::Schlieen1Click() { close(); }

int TForm1::Tippvergleich() { return Schein->Tippvergleich(); }

void TForm1::TippEdit(int Anfang, int Ende) { Editor->TippEdit(Anfang, Ende); }

void TForm1::UpDown7Changing(int Position) { zustand_.LaufMax = Position * 1000; }

void TForm1::Zettelcheck(QStringView Edit1T, QStringView Edit2T, QStringView Edit3T, QStringView Edit4T,
                         QStringView Edit5T, QStringView Edit6T, QStringView Edit7T) {
  zustand_.Zettelcheck({Edit1T, Edit2T, Edit3T, Edit4T, Edit5T, Edit6T, Edit7T});
}

int TForm1::Komplettcheck() { return Schein->Komplettcheck(); }

int TForm1::Listengewinncheck(QObject*) { return Schein->Listengewinncheck(); }

void TForm1::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  FormResize();
}

void TForm1::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (gezeigt_) return;
  gezeigt_ = true;
  // A control a panel made after the window's creation gets its hint now.
  Hinweise->binden();
  // The show road runs once the window is on the screen, not before it is mapped: the download
  // it starts must leave its stop button reachable, and its messages need the window behind them.
  QTimer::singleShot(0, this, [this] {
    if (isVisible()) FormShow();
  });
}

void TForm1::closeEvent(QCloseEvent* e) {
  if (!geschlossen_) {
    geschlossen_ = true;
    FormClose();
  }
  e->accept();
}

void TForm1::auswertungClick() {
  TForm9* f = Form9;
  if (!f) return;
  f->Port = Internet->proxyPort();
  f->proxy = Internet->proxyHost();
  f->Meldungen = &zustand_.Meldungen;
  f->Datum = QDateTime(ziehungsanzeige->DateTimePicker1->Datum(), QTime(0, 0));
  f->auswerten(zustand_.Statistik);  // a proxy port that is not a whole number ends the evaluation here
  f->exec();
}
