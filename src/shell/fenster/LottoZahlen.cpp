#include "shell/fenster/LottoZahlen.h"

#include "plattform/fehler.h"
#include "plattform/fenster/dienste.h"
#include "plattform/pfade.h"
#include "plattform/zufall.h"
#include "shell/fenster/Einstellungen.h"
#include "shell/fenster/Tippschein.h"
#include "shell/fenster/Ziehungsanzeige.h"
#include "shell/tippcheck.h"

#include <QCloseEvent>
#include <QDir>
#include <QMenuBar>
#include <QShowEvent>
#include <QTabWidget>

TForm1* Form1 = nullptr;

namespace {
constexpr int kClientBreite = 562;
constexpr int kClientHoehe = 472;
// Title bar and frame of the designed window: 546 outer height over a client of 472.
constexpr int kDesignHoehe = 546;
}  // namespace

TForm1::TForm1(QWidget* eltern) : QMainWindow(eltern) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Kestrells Zahlen-Kenner  für Quintavola"));
  baueMenue();
  baueSeiten();
  Schein = new Tippschein(*this, TabSheet1);
  ziehungsanzeige = new Ziehungsanzeige(*this);
  StatusBar1 = new plattform::StatusLeiste({150, 50}, this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  setStatusBar(StatusBar1);
  move(366, 100);
  resize(kClientBreite, kClientHoehe);
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
    return a;
  };
  Aktualisieren1 = aktion("Aktualisieren1", QStringLiteral("&Ziehungsdaten laden"), QKeySequence(QStringLiteral("Ctrl+A")));
  Berechnen1 = aktion("Berechnen1", QStringLiteral("&Berechnen"), QKeySequence(QStringLiteral("Ctrl+R")));
  SpracheLanguage1 = leiste->addMenu(QStringLiteral("Sprache/&Language"));
  SpracheLanguage1->setObjectName(QStringLiteral("SpracheLanguage1"));
  Abgeben1 = aktion("Abgeben1", QStringLiteral("&Abgeben"), QKeySequence(QStringLiteral("Ctrl+G")));
  Abgeben1->setVisible(false);
  addAction(Abgeben1);  // a hidden item's shortcut still runs its command
  Schlieen1 = aktion("Schlieen1", QStringLiteral("&Schließen"), QKeySequence());
  connect(Schlieen1, &QAction::triggered, this, &TForm1::Schlieen1Click);
}

void TForm1::baueSeiten() {
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  setCentralWidget(PageControl1);
  auto seite = [&](const char* name, const QString& titel) {
    auto* w = new QWidget;
    w->setObjectName(QString::fromLatin1(name));
    PageControl1->addTab(w, titel);
    return w;
  };
  TabSheet1 = seite("TabSheet1", QStringLiteral("Tipp-Übersicht"));
  TabSheet2 = seite("TabSheet2", QStringLiteral("Zahlen der letzten Ziehung"));
  TabSheet6 = seite("TabSheet6", QStringLiteral("Parameter"));
  TabSheet5 = seite("TabSheet5", QStringLiteral("Diagramm"));
  TabSheet4 = seite("TabSheet4", QStringLiteral("Datenbank"));
  TabSheet3 = seite("TabSheet3", QStringLiteral("Internet-Optionen"));
  PageControl1->setTabVisible(PageControl1->indexOf(TabSheet2), false);
  PageControl1->setCurrentWidget(TabSheet1);

  PageControl2 = new QTabWidget(TabSheet6);
  PageControl2->setObjectName(QStringLiteral("PageControl2"));
  PageControl2->setGeometry(0, 0, kClientBreite - 8, kClientHoehe - 30);
}

int TForm1::Height() const { return height() + (kDesignHoehe - kClientHoehe); }

void TForm1::FormCreate() {
  Form1 = this;
  dfb = QDate::currentDate();
  SternenzahlMax = QDate::currentDate() < QDate(2014, 10, 4) ? 8 : 10;
  Home = plattform::AppDatenPfad();
  if (!QDir(Home + QStringLiteral("ZahlenKennerQV")).exists()) QDir().mkpath(Home + QStringLiteral("ZahlenKennerQV"));
  Home += QStringLiteral("ZahlenKennerQV/");
  SoundName = plattform::Programmpfad() + QStringLiteral("yippee.wav");
  LaufMax = 100000;
  sortieren = false;
  Berechnunglaeuft = false;
  Groesse = Height();
  sortieren = true;
  ZahlenFile = QStringLiteral("ZahlenQV.dat");
  plattform::Zufall::Randomize();
  aktDatum = QDateTime(QDate(2018, 2, 7), QTime(0, 0));
  // Step 13: the list kept from the last run, when the list view was shown at exit.
  try {
    Schein->listeBeimStartLaden();
  } catch (const plattform::Fehler& f) {
    plattform::dialoge().nachricht(f.text());
  }
}

void TForm1::StartAbschliessen() {}

void TForm1::FormResize() {
  const int h = Height();
  if (Groesse == h) return;
  Groesse = h;
}

void TForm1::FormShow() {
  ziehungsanzeige->SpeedButton5Click();  // the draw of the end date, compared with the tips
}

void TForm1::FormClose() {
  // One guard over the whole write-back: the first failure ends it silently.
  try {
    Einstellungen::schreiben(*this);
  } catch (...) {
  }
}

void TForm1::Schlieen1Click() { close(); }

int TForm1::Tippvergleich() { return Schein->listenansichtGezeigt() ? Listengewinncheck(this) : Komplettcheck(); }

void TForm1::Zettelcheck(QStringView Edit1T, QStringView Edit2T, QStringView Edit3T, QStringView Edit4T,
                         QStringView Edit5T, QStringView Edit6T, QStringView Edit7T) {
  tippcheck::Trefferstand stand{Gewinn, Treffer, Zusatz, Super};
  tippcheck::Zettelcheck(Zahl, {Edit1T, Edit2T, Edit3T, Edit4T, Edit5T, Edit6T, Edit7T}, stand);
  Gewinn = stand.Gewinn;
  Treffer = stand.Treffer;
  Zusatz = stand.Zusatz;
  Super = stand.Super;
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
  FormShow();
}

void TForm1::closeEvent(QCloseEvent* e) {
  if (!geschlossen_) {
    geschlossen_ = true;
    FormClose();
  }
  e->accept();
}
