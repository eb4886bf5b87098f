#include "shell/fenster/Parameterseite.h"

#include "plattform/fenster/befehl.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/formate.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

using plattform::neu;
using plattform::UpDown;

namespace {
constexpr int kZeile = 26;      // row pitch
constexpr int kHoehe = 17;      // check box height
constexpr int kFeldHoehe = 21;  // edit and up-down height
constexpr int kFeldX = 424;     // column of the number fields beside the long captions

const char* kHintVorherige = "Übereinstimmung mit Zahlen aus vorhergehender Ziehung";
const char* kHintDatenbank =
    "Tipp vor noch keinen Xer aus der Datenbank entsprechen, beginnen mit dem Datum  aus deer Diagrammübersicht";

QString name(const char* art, int n) { return QString::fromLatin1(art) + QString::number(n); }

// Width a caption needs, so that the sentence rows put their fields right after the words.
int breiteVon(const QWidget* w) { return w->sizeHint().width(); }
}  // namespace

Parameterseite::Parameterseite(QTabWidget* PageControl2, QObject* eltern) : QObject(eltern) {
  setObjectName(QStringLiteral("Parameterseite"));
  auto seite = [&](const char* n, const QString& titel) {
    auto* w = new QWidget;
    w->setObjectName(QString::fromLatin1(n));
    PageControl2->addTab(w, titel);
    plattform::alsElement(PageControl2, plattform::Elementart::TabSheet, w);
    return w;
  };
  TabSheet7 = seite("TabSheet7", QStringLiteral("Statistisch"));
  TabSheet8 = seite("TabSheet8", QStringLiteral("Schein Optimierung"));
  TabSheet9 = seite("TabSheet9", QStringLiteral("Mathematisch"));
  TabSheet10 = seite("TabSheet10", QStringLiteral("Eurozahlen"));
  TabSheet11 = seite("TabSheet11", QStringLiteral("Allgemein"));
  plattform::verbergeSeite(PageControl2, TabSheet10);
  PageControl2->setCurrentWidget(TabSheet7);
  baueStatistisch();
  baueScheinOptimierung();
  baueMathematisch();
  baueEurozahlen();
  baueAllgemein();
  anordnen();
  using plattform::verbinde;
  verbinde(UpDown15, &UpDown::gedrueckt, this, &Parameterseite::UpDown15MouseDown);
  verbinde(UpDown15, &UpDown::losgelassen, this, &Parameterseite::UpDown15MouseUp);
  verbinde(UpDown16, &UpDown::gedrueckt, this, &Parameterseite::UpDown16MouseDown);
  verbinde(UpDown16, &UpDown::losgelassen, this, &Parameterseite::UpDown16MouseUp);
  verbinde(UpDown3, &UpDown::gedrueckt, this, &Parameterseite::UpDown3MouseDown);
  verbinde(UpDown9, &UpDown::losgelassen, this, &Parameterseite::UpDown9MouseUp);
  for (UpDown* ud : {UpDown15, UpDown16, UpDown3, UpDown9}) getipptUngekoppelt(ud);
}

void Parameterseite::getipptUngekoppelt(UpDown* ud) {
  // The up-down itself ignores a text outside its limits; a coupled one's limits are the
  // coupling's, so a value typed within the designed range lifts them until the next press.
  const int min = ud->Min(), max = ud->Max();
  connect(ud->associate(), &QLineEdit::textChanged, this, [ud, min, max](const QString& text) {
    const auto wert = plattform::liesGanzzahl(text);
    if (!wert || *wert < min || *wert > max || *wert == ud->Position()) return;
    ud->setMin(min);
    ud->setMax(max);
    ud->setPosition(*wert);
  });
}

// A limit moved past the value takes the value with it (the up-down clamps).
void Parameterseite::UpDown15MouseDown() { UpDown15->setMax(6 - UpDown16->Position()); }
void Parameterseite::UpDown15MouseUp() { UpDown15->setMax(6 - UpDown16->Position()); }
void Parameterseite::UpDown16MouseDown() { UpDown16->setMax(6 - UpDown15->Position()); }
void Parameterseite::UpDown16MouseUp() { UpDown16->setMax(6 - UpDown15->Position()); }

void Parameterseite::UpDown3MouseDown() {
  UpDown9->setMax(UpDown3->Position());
  UpDown3->setMin(UpDown9->Position());
}

void Parameterseite::UpDown9MouseUp() { UpDown3->setMin(UpDown9->Position()); }

namespace {
// The partner edit at x, its up-down right after it.
void setzeFeld(UpDown* ud, int x) {
  QLineEdit* e = ud->associate();
  e->move(x, e->y());
  ud->move(x + e->width(), ud->y());
}
int hinterFeld(const UpDown* ud) { return ud->x() + ud->width() + 2; }
void passeBreiteAn(QWidget* w) { w->resize(breiteVon(w), w->height()); }
}  // namespace

void Parameterseite::anordnen() {
  // "Tipp darf noch keinen [n] er aus der Datenbank entsprechen"
  passeBreiteAn(CheckBox9);
  setzeFeld(UpDown6, CheckBox9->geometry().right() + 2);
  Label9Satz_->move(hinterFeld(UpDown6), Label9Satz_->y());
  passeBreiteAn(Label9Satz_);
  // "Tipp darf keinen [n] er aus den letzten [m] Ziehungen sein"
  passeBreiteAn(CheckBox28);
  setzeFeld(UpDown17, CheckBox28->geometry().right() + 2);
  Label28Satz_->move(hinterFeld(UpDown17), Label28Satz_->y());
  passeBreiteAn(Label28Satz_);
  setzeFeld(UpDown18, Label28Satz_->geometry().right() + 2);
  Label28Ende_->move(hinterFeld(UpDown18), Label28Ende_->y());
  passeBreiteAn(Label28Ende_);

  // The sum window: one label with two gaps of blanks, each field centred in its gap. The gaps
  // are the first two runs of three or more blanks, whatever language the words around them are in.
  passeBreiteAn(QuersummenLabel);
  const QString text = QuersummenLabel->text();
  const QFontMetrics fm(QuersummenLabel->font());
  QList<std::pair<qsizetype, qsizetype>> luecken;  // [anfang, ende) of each gap
  for (qsizetype i = 0; i < text.size() && luecken.size() < 2;) {
    qsizetype j = i;
    while (j < text.size() && text.at(j) == QLatin1Char(' ')) ++j;
    if (j - i >= 3) luecken.append({i, j});
    i = j > i ? j : i + 1;
  }
  const auto mitte = [&](std::pair<qsizetype, qsizetype> luecke, const UpDown* ud) {
    const int links = fm.horizontalAdvance(text.left(luecke.first));
    const int rechts = fm.horizontalAdvance(text.left(luecke.second));
    return QuersummenLabel->x() + (links + rechts - (ud->associate()->width() + ud->width())) / 2;
  };
  // A caption without two gaps keeps the fields where they stand.
  if (luecken.size() == 2) {
    setzeFeld(UpDown1, mitte(luecken[0], UpDown1));
    setzeFeld(UpDown2, mitte(luecken[1], UpDown2));
  }

  // "Max. Berechnungsläufe [n] Tausend"
  passeBreiteAn(LaufMaxLabel_);
  setzeFeld(UpDown7, LaufMaxLabel_->geometry().right() + 8);
  TausendLabel_->move(UpDown7->geometry().right() + 5, TausendLabel_->y());
  passeBreiteAn(TausendLabel_);
}

QCheckBox* Parameterseite::checkBox(int n) const {
  return n >= 0 && n < static_cast<int>(boxen_.size()) ? boxen_[static_cast<size_t>(n)] : nullptr;
}

UpDown* Parameterseite::upDown(int n) const {
  return n >= 0 && n < static_cast<int>(upDowns_.size()) ? upDowns_[static_cast<size_t>(n)] : nullptr;
}

QCheckBox* Parameterseite::box(QWidget* seite, int n, const QString& text, bool an, int x, int y, int breite) {
  const QByteArray objekt = name("CheckBox", n).toLatin1();
  auto* b = neu<QCheckBox>(seite, plattform::Elementart::CheckBox, objekt.constData(), QRect(x, y, breite, kHoehe), text);
  b->setChecked(an);
  if (breite <= 0) b->resize(breiteVon(b), kHoehe);
  boxen_[static_cast<size_t>(n)] = b;
  return b;
}

UpDown* Parameterseite::zahl(QWidget* seite, int n, int edit, int min, int max, int pos, int x, int y,
                             QLineEdit*& partner, int breite) {
  const QByteArray editName = name("Edit", edit).toLatin1();
  const QByteArray udName = name("UpDown", n).toLatin1();
  partner = neu<QLineEdit>(seite, plattform::Elementart::Edit, editName.constData(), QRect(x, y, breite, kFeldHoehe));
  auto* ud = neu<UpDown>(seite, plattform::Elementart::ohne, udName.constData(), QRect(x + breite, y, 16, kFeldHoehe));
  ud->setMin(min);
  ud->setMax(max);
  ud->setPosition(pos);
  ud->setAssociate(partner);
  upDowns_[static_cast<size_t>(n)] = ud;
  return ud;
}

void Parameterseite::baueStatistisch() {
  QWidget* s = TabSheet7;
  // The "seltensten" boxes stand beside their frequent siblings; the chart buttons of the
  // statistics go into the gap at the right end of each row.
  int y = 12;
  CheckBox1 = box(s, 1, QStringLiteral("Zahlen mit einer häufigen Paarebildung bevorzugen"), false, 8, y, 410);
  CheckBox11 = box(s, 11, QStringLiteral("seltensten"), false, kFeldX, y, 90);
  y += kZeile;
  CheckBox6 = box(s, 6, QStringLiteral("Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen"), false, 8, y, 410);
  CheckBox12 = box(s, 12, QStringLiteral("seltensten"), false, kFeldX, y, 90);
  y += kZeile;
  CheckBox7 = box(s, 7, QStringLiteral("Zahlen mit einer häufigen Viergruppenbildung bevorzugen"), false, 8, y, 410);
  CheckBox13 = box(s, 13, QStringLiteral("seltensten"), false, kFeldX, y, 90);

  y += kZeile + 14;
  CheckBox2 = box(s, 2, QStringLiteral("Zahlen die besonders oft gezogen wurden bevorzugen"), false, 8, y, 410);
  UpDown12 = zahl(s, 12, 85, 5, 75, 30, kFeldX, y - 2, Edit85);
  y += kZeile;
  CheckBox14 = box(s, 14, QStringLiteral("Zahlen die besonders selten gezogen wurden bevorzugen"), false, 8, y, 410);
  UpDown14 = zahl(s, 14, 87, 5, 75, 20, kFeldX, y - 2, Edit87);
  y += kZeile;
  CheckBox10 = box(s, 10, QStringLiteral("Zahlen die länger überfällig sind als X Ziehungen"), true, 8, y, 410);
  UpDown13 = zahl(s, 13, 86, 5, 75, 34, kFeldX, y - 2, Edit86);

  y += kZeile + 14;
  CheckBox19 = box(s, 19, QStringLiteral("benachbarte Zahlen der letzten Ziehung bevorzugen"), false, 8, y, 410);
}

void Parameterseite::baueScheinOptimierung() {
  QWidget* s = TabSheet8;
  int y = 8;
  CheckBox27 = box(s, 27, QStringLiteral("Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden"), true, 8,
                   y, 530);
  y += kZeile;
  CheckBox3 = box(s, 3, QStringLiteral("maximale Übereinstimmungen mit anderen Tipps zulassen"), true, 8, y, 410);
  UpDown3 = zahl(s, 3, 39, 0, 5, 2, kFeldX, y - 2, Edit39);
  y += kZeile;
  CheckBox24 = box(s, 24, QStringLiteral("minimale Übereinstimmungen mit anderen Tipps zulassen"), true, 8, y, 410);
  UpDown9 = zahl(s, 9, 88, 0, 5, 2, kFeldX, y - 2, Edit88);

  y += kZeile + 8;
  CheckBox4 = box(s, 4, QStringLiteral("maximal zu verwendente Zahlen der letzten Ziehung"), true, 8, y, 410);
  UpDown4 = zahl(s, 4, 40, 0, 5, 0, kFeldX, y - 2, Edit40);
  y += kZeile;
  CheckBox5 = box(s, 5, QStringLiteral("maximal zu verwendente Zahlen der vorletzten Ziehung"), true, 8, y, 410);
  UpDown5 = zahl(s, 5, 41, 0, 5, 1, kFeldX, y - 2, Edit41);
  y += kZeile;
  CheckBox23 = box(s, 23, QStringLiteral("maximal zu verwendente Zahlen der vorvorletzten Ziehung"), true, 8, y, 410);
  UpDown11 = zahl(s, 11, 84, 0, 5, 2, kFeldX, y - 2, Edit84);
  for (QWidget* w : std::initializer_list<QWidget*>{CheckBox4, Edit40, CheckBox5, Edit41, CheckBox23, Edit84})
    plattform::setzeHint(w, QString::fromUtf8(kHintVorherige));

  // The two history filters read as sentences with their numbers inside; anordnen() places
  // the parts after the words.
  y += kZeile + 8;
  CheckBox9 = box(s, 9, QStringLiteral("Tipp darf noch keinen "), true, 8, y, 0);
  UpDown6 = zahl(s, 6, 42, 3, 7, 4, 0, y - 2, Edit42, 28);
  Label9Satz_ = neu<QLabel>(s, plattform::Elementart::Label, "Label9Satz", QRect(0, y, 300, kHoehe),
                            QStringLiteral(" er aus der Datenbank entsprechen"));
  y += kZeile;
  CheckBox28 = box(s, 28, QStringLiteral("Tipp darf keinen   "), true, 8, y, 0);
  UpDown17 = zahl(s, 17, 91, 2, 6, 3, 0, y - 2, Edit91, 28);
  Label28Satz_ = neu<QLabel>(s, plattform::Elementart::Label, "Label28Satz", QRect(0, y, 200, kHoehe),
                             QStringLiteral(" er aus den letzten  "));
  UpDown18 = zahl(s, 18, 92, 4, 128, 50, 0, y - 2, Edit92, 33);
  Label28Ende_ = neu<QLabel>(s, plattform::Elementart::Label, "Label28Ende", QRect(0, y, 200, kHoehe),
                             QStringLiteral("Ziehungen sein"));
  for (QWidget* w : std::initializer_list<QWidget*>{CheckBox9, CheckBox28})
    plattform::setzeHint(w, QString::fromUtf8(kHintDatenbank));

  y += kZeile + 8;
  CheckBox29 = box(s, 29, QStringLiteral("vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) "), false, 8, y,
                   530);
  y += kZeile;
  CheckBox30 = box(s, 30,
                   QStringLiteral("Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  selterner im Tipp enthalten"),
                   false, 8, y, 530);
  y += kZeile;
  CheckBox31 = box(s, 31, QStringLiteral("Eurozahlen in Übereinstimmungsberechnung mit einbeziehen!"), false, 8, y, 530);
}

void Parameterseite::baueMathematisch() {
  QWidget* s = TabSheet9;
  // One label with two gaps; the two fields of the sum window sit in the gaps (anordnen()).
  const QString text = QStringLiteral("Quersummen von                  bis                     im Tipp zulassen");
  int y = 14;
  QuersummenLabel = neu<QLabel>(s, plattform::Elementart::Label, "QuersummenLabel", QRect(8, y, 500, kHoehe), text);
  UpDown1 = zahl(s, 1, 37, 21, 279, 50, 0, y - 2, Edit37);
  UpDown2 = zahl(s, 2, 38, 21, 239, 200, 0, y - 2, Edit38);

  // Room below each row for the chart links of the statistics.
  y += 2 * kZeile + 8;
  CheckBox8 = box(s, 8, QStringLiteral("eine Paarbildung pro Tipp erzwingen"), false, 8, y, 410);
  y += 2 * kZeile;
  CheckBox18 = box(s, 18, QStringLiteral("keine Dreier, Vierer... Gruppen"), true, 8, y, 410);
  y += 2 * kZeile + 8;
  CheckBox25 = box(s, 25, QStringLiteral("mindest Anzahl von gerade Zahlen in jedem Tipp erzwingen"), false, 8, y, 410);
  UpDown15 = zahl(s, 15, 89, 0, 6, 2, kFeldX, y - 2, Edit89);
  y += kZeile;
  CheckBox26 = box(s, 26, QStringLiteral("mindest Anzahl von ungerade Zahlen in jedem Tipp erzwingen"), false, 8, y, 410);
  UpDown16 = zahl(s, 16, 90, 0, 6, 2, kFeldX, y - 2, Edit90);
  y += kZeile;
  CheckBox22 = box(s, 22, QStringLiteral("mindest Anzahl von Primzahlen in jedem Tipp erzwingen"), false, 8, y, 410);
  UpDown10 = zahl(s, 10, 83, 0, 6, 2, kFeldX, y - 2, Edit83);
}

void Parameterseite::baueEurozahlen() {
  QWidget* s = TabSheet10;
  const QStringList optionen{QStringLiteral("einfach per Zufall bestimmen"),
                             QStringLiteral("die am seltensten gezogen Eurozahl verwenden"),
                             QStringLiteral("die am längsten ausstehende Eurozahl verwenden")};
  CheckBox16 = box(s, 16, QStringLiteral("kein Stern aus den letzten Ziehungen verwenden"), false, 8, 12, 330);
  UpDown19 = zahl(s, 19, 105, 1, 3, 1, 350, 10, Edit105);
  RadioGroup1 = neu<plattform::RadioGroup>(s, plattform::Elementart::RadioGroup, "RadioGroup1", QRect(8, 40, 400, 90));
  CheckBox17 = box(s, 17, QStringLiteral("kein Stern aus den letzten Ziehungen verwenden"), false, 8, 150, 330);
  UpDown20 = zahl(s, 20, 106, 1, 3, 1, 350, 148, Edit106);
  RadioGroup2 = neu<plattform::RadioGroup>(s, plattform::Elementart::RadioGroup, "RadioGroup2", QRect(8, 178, 400, 90));
  for (auto* g : {RadioGroup1, RadioGroup2}) {
    g->setTitle(QStringLiteral("Eurozahlen Option"));
    g->setItems(optionen);
    g->setItemIndex(0);
  }
}

void Parameterseite::baueAllgemein() {
  QWidget* s = TabSheet11;
  CheckBox15 = box(s, 15, QStringLiteral("für den Tipp nur bevorzugte Zahlen verwenden!"), false, 8, 12, 500);
  CheckBox20 = box(s, 20, QStringLiteral("Liste für Zahlenreihengenerierung anzeigen / bearbeiten"), false, 8, 12 + kZeile,
                   500);
  const int y = 12 + 2 * kZeile + 14;
  LaufMaxLabel_ = neu<QLabel>(s, plattform::Elementart::Label, "LaufMaxLabel", QRect(8, y, 200, kHoehe),
                              QStringLiteral("Max. Berechnungsläufe"));
  UpDown7 = zahl(s, 7, 55, 1, 30000, 50, 0, y - 2, Edit55, 45);
  TausendLabel_ = neu<QLabel>(s, plattform::Elementart::Label, "TausendLabel", QRect(0, y, 100, kHoehe),
                              QStringLiteral("Tausend"));
}
