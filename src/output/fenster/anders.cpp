#include "output/fenster/anders.h"

#include "output/scheinablage.h"
#include "plattform/fehler.h"
#include "plattform/fenster/befehl.h"
#include "plattform/fenster/berichtsdruck.h"
#include "plattform/fenster/dienste.h"
#include "plattform/fenster/elemente.h"
#include "plattform/fenster/fensterliste.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/formate.h"
#include "plattform/pfade.h"
#include "shell/meldungstabelle.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

TForm8* Form8 = nullptr;

using plattform::Elementart;
using plattform::neu;

namespace {

constexpr int kBreite = 894;
constexpr int kHoehe = 535;

QLabel* text(QWidget* eltern, const char* name, int x, int y, const QString& t) {
  return neu<QLabel>(eltern, Elementart::Label, name, QRect(x, y, 110, 18), t);
}

QLineEdit* feld(QWidget* eltern, const char* name, int x, int y, const QString& t, int breite = 60) {
  auto* e = neu<QLineEdit>(eltern, Elementart::Edit, name, QRect(x, y, breite, 22));
  e->setText(t);
  return e;
}

plattform::UpDown* auf(QWidget* eltern, const char* name, QLineEdit* partner, int min, int max, int pos) {
  auto* u = neu<plattform::UpDown>(eltern, Elementart::ohne, name,
                                   QRect(partner->x() + partner->width(), partner->y(), 16, partner->height()));
  u->setMin(min);
  u->setMax(max);
  u->setAssociate(partner);
  u->setPosition(pos);
  // When the typing ends the edit shows the position that is used: a number beyond the range
  // as its bound, any other text as the position it left.
  QObject::connect(partner, &QLineEdit::editingFinished, u, [u, partner] {
    if (const auto v = plattform::liesGanzzahl(partner->text())) u->setPosition(*v);
    partner->setText(QString::number(u->Position()));
  });
  return u;
}

// Draws a grid cell's text centred in the whole cell in the item's font, never shortened: the
// cells are as small as the coupon's (about 14 pixels), too small for the usual margins.
class Rasterzelle final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem o(option);
    initStyleOption(&o, index);
    const QString text = o.text;
    o.text.clear();
    QStyle* stil = o.widget ? o.widget->style() : QApplication::style();
    stil->drawControl(QStyle::CE_ItemViewItem, &o, p, o.widget);
    p->save();
    p->setFont(o.font);
    p->setPen(o.palette.color(QPalette::Text));
    p->drawText(o.rect, Qt::AlignCenter | Qt::TextDontClip, text);
    p->restore();
  }
};

// The grid's font: at most the usual size, small enough that the longest text fits a cell with
// a pixel to spare on each side.
QFont rasterschrift(const QFont& basis, const std::vector<QStringList>& inhalt, QSize zelle) {
  QString laengster;
  for (const QStringList& zeile : inhalt)
    for (const QString& t : zeile)
      if (t.size() > laengster.size()) laengster = t;
  QFont f(basis);
  int px = std::min(QFontInfo(basis).pixelSize(), zelle.height() - 2);
  for (; px > 1; --px) {
    f.setPixelSize(px);
    if (QFontMetrics(f).horizontalAdvance(laengster) <= zelle.width() - 2) break;
  }
  f.setPixelSize(std::max(px, 1));
  return f;
}

QTableWidget* gitter(QWidget* eltern, const char* name, const QRect& platz) {
  auto* g = neu<QTableWidget>(eltern, Elementart::ohne, name, platz);
  g->horizontalHeader()->hide();
  g->verticalHeader()->hide();
  g->horizontalHeader()->setMinimumSectionSize(1);
  g->verticalHeader()->setMinimumSectionSize(1);
  g->setEditTriggers(QAbstractItemView::NoEditTriggers);
  g->setItemDelegate(new Rasterzelle(g));
  return g;
}

}  // namespace

TForm8::TForm8(QWidget* eltern) : QDialog(eltern) {
  setObjectName(QStringLiteral("Form8"));
  plattform::fensterAnmelden(this);
  plattform::elementliste(this);
  setWindowTitle(QStringLiteral("Positionierung des Scheindruckes"));
  resize(kBreite, kHoehe);

  PageControl1 = neu<QTabWidget>(this, Elementart::ohne, "PageControl1", QRect(4, 4, 340, 484));
  auto seite = [&](const char* name, const QString& titel) {
    auto* w = new QWidget;
    w->setObjectName(QString::fromLatin1(name));
    PageControl1->addTab(w, titel);
    plattform::alsElement(this, Elementart::TabSheet, w);
    return w;
  };
  TabSheet2 = seite("TabSheet2", QStringLiteral("Spielschein"));
  Zahlenfeld = seite("Zahlenfeld", QStringLiteral("Zahlenfeld"));
  TabSheet1 = seite("TabSheet1", QStringLiteral("Eurozahlen"));
  Zahlen = seite("Zahlen", QStringLiteral("Zahlen"));
  baueSpielschein();
  baueZahlenfeld();
  baueEurozahlen();
  // The extra numbers are calibrated and stored, never placed: their page stays out of use.
  TabSheet1->setEnabled(false);
  plattform::verbergeSeite(PageControl1, TabSheet1);
  Memo1 = neu<QPlainTextEdit>(Zahlen, Elementart::ohne, "Memo1", QRect(4, 4, 326, 444));
  PageControl1->setCurrentWidget(TabSheet2);

  frxPreview1 = neu<plattform::Berichtsvorschau>(this, Elementart::ohne, "frxPreview1", QRect(350, 4, 540, 484));

  Panel1 = neu<QFrame>(this, Elementart::Panel, "Panel1", QRect(0, 492, kBreite, 43));
  Panel1->setFrameShape(QFrame::StyledPanel);
  BitBtn2 = neu<QPushButton>(Panel1, Elementart::BitBtn, "BitBtn2", QRect(8, 8, 170, 28), QStringLiteral("Einstellungen einlesen"));
  Seite = neu<QPushButton>(Panel1, Elementart::BitBtn, "Seite", QRect(186, 8, 100, 28), QStringLiteral("Seite"));
  BitBtn3 = neu<QPushButton>(Panel1, Elementart::BitBtn, "BitBtn3", QRect(294, 8, 150, 28), QStringLiteral("Zahlen eintragen"));
  BitBtn1 = neu<QPushButton>(Panel1, Elementart::BitBtn, "BitBtn1", QRect(452, 8, 120, 28), QStringLiteral("&Drucken"));
  BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));

  plattform::verbinde(BitBtn1, &QPushButton::clicked, this, &TForm8::BitBtn1Click);
  plattform::verbinde(BitBtn2, &QPushButton::clicked, this, &TForm8::BitBtn2Click);
  plattform::verbinde(BitBtn3, &QPushButton::clicked, this, &TForm8::BitBtn3Click);
  plattform::verbinde(Seite, &QPushButton::clicked, this, &TForm8::SeiteClick);
  plattform::verbinde(SpeedButton1, &QToolButton::clicked, this, &TForm8::SpeedButton1Click);
  plattform::verbinde(SpeedButton2, &QToolButton::clicked, this, &TForm8::SpeedButton2Click);
  // The grids follow a click on a check box, and a mouse press on the boxes and up-downs of
  // the shape, with the values these hold at that moment.
  for (QCheckBox* b : {CheckBox1, CheckBox2, CheckBox3, CheckBox4})
    plattform::verbinde(b, &QCheckBox::clicked, this, &TForm8::Button1Click);
  for (QWidget* w : std::initializer_list<QWidget*>{CheckBox1, CheckBox2, UpDown1, UpDown2, UpDown7, UpDown8, UpDown11,
                                                     UpDown12, UpDown5, UpDown6}) {
    w->installEventFilter(this);
    for (QObject* kind : w->children())
      if (kind->isWidgetType()) kind->installEventFilter(this);
  }
  if (!Form8) Form8 = this;
}

TForm8::~TForm8() {
  if (Form8 == this) Form8 = nullptr;
}

void TForm8::baueSpielschein() {
  QWidget* s = TabSheet2;
  auto* verteilung = neu<QGroupBox>(s, Elementart::Panel, "GroupBox1", QRect(4, 4, 160, 78));
  verteilung->setTitle(QStringLiteral("Blockverteilung"));
  text(verteilung, "Label7", 8, 22, QStringLiteral("Zeilen:"));
  Edit7 = feld(verteilung, "Edit7", 70, 20, QStringLiteral("5"), 40);
  UpDown5 = auf(verteilung, "UpDown5", Edit7, 1, 10, 5);
  text(verteilung, "Label8", 8, 50, QStringLiteral("Spalten:"));
  Edit8 = feld(verteilung, "Edit8", 70, 48, QStringLiteral("2"), 40);
  UpDown6 = auf(verteilung, "UpDown6", Edit8, 1, 10, 2);

  text(s, "Label3", 172, 8, QStringLiteral("Blockabstand:"));
  text(s, "Label4", 172, 32, QStringLiteral("Breite:"));
  Edit4 = feld(s, "Edit4", 240, 30, QStringLiteral("5"));
  text(s, "Label5", 172, 58, QStringLiteral("Höhe"));
  Edit3 = feld(s, "Edit3", 240, 56, QStringLiteral("5"));

  text(s, "Label16", 4, 92, QStringLiteral("1.Block 1.Zahl"));
  text(s, "Label17", 4, 116, QStringLiteral("Left:"));
  Edit16 = feld(s, "Edit16", 50, 114, QStringLiteral("5"));
  text(s, "Label19", 120, 116, QStringLiteral("Top"));
  Edit17 = feld(s, "Edit17", 160, 114, QStringLiteral("5"));

  text(s, "Label20", 4, 148, QStringLiteral("Zeichen:"));
  Zeichen = feld(s, "Zeichen", 70, 146, QStringLiteral("x"), 40);
  text(s, "Label21", 130, 148, QStringLiteral("Größe:"));
  Edit14 = feld(s, "Edit14", 180, 146, QStringLiteral("10"), 40);
  fontsize = auf(s, "fontsize", Edit14, 3, 16, 10);

  text(s, "Label22", 4, 180, QStringLiteral("Fast Report Datei (*.fr3)"))->resize(220, 18);
  Reportvorlage = feld(s, "Reportvorlage", 4, 200, schein::kVorlage, 290);
  SpeedButton1 = neu<QToolButton>(s, Elementart::SpeedButton, "SpeedButton1", QRect(298, 200, 26, 22));
  SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  text(s, "Label23", 4, 230, QStringLiteral("Hintergrund Bild (*.png)"))->resize(220, 18);
  BackImage = feld(s, "BackImage", 4, 250, QString(), 290);
  SpeedButton2 = neu<QToolButton>(s, Elementart::SpeedButton, "SpeedButton2", QRect(298, 250, 26, 22));
  SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));

  StringGrid1 = gitter(s, "StringGrid1", QRect(4, 282, 200, 120));
  Label18 = neu<QLabel>(s, Elementart::Label, "Label18", QRect(4, 430, 326, 18),
                        QStringLiteral("Diese Funktion ist noch in der Testphase."));
}

void TForm8::baueZahlenfeld() {
  QWidget* s = Zahlenfeld;
  auto* block = neu<QGroupBox>(s, Elementart::Panel, "GroupBox2", QRect(4, 4, 326, 130));
  block->setTitle(QStringLiteral("Zahlenblock"));
  text(block, "Label1", 8, 22, QStringLiteral("Zeilen:"));
  Edit5 = feld(block, "Edit5", 70, 20, QStringLiteral("5"), 40);
  UpDown1 = auf(block, "UpDown1", Edit5, 1, 50, 5);
  text(block, "Label2", 8, 50, QStringLiteral("Spalten:"));
  Edit6 = feld(block, "Edit6", 70, 48, QStringLiteral("10"), 40);
  UpDown2 = auf(block, "UpDown2", Edit6, 1, 50, 10);
  text(block, "Label6", 150, 22, QStringLiteral("Feldhöhe:"));
  Edit1 = feld(block, "Edit1", 230, 20, QStringLiteral("14"));
  text(block, "Label9", 150, 50, QStringLiteral("Feldweite:"));
  Edit2 = feld(block, "Edit2", 230, 48, QStringLiteral("14"));
  CheckBox1 = neu<QCheckBox>(block, Elementart::CheckBox, "CheckBox1", QRect(8, 80, 150, 20), QStringLiteral("Zahlen Horizontal"));
  CheckBox1->setChecked(true);
  CheckBox2 = neu<QCheckBox>(block, Elementart::CheckBox, "CheckBox2", QRect(8, 102, 150, 20), QStringLiteral("unten Beginnen"));
  DrawGrid1 = gitter(s, "DrawGrid1", QRect(4, 140, 326, 300));
}

void TForm8::baueEurozahlen() {
  QWidget* s = TabSheet1;
  text(s, "Label10", 8, 10, QStringLiteral("Zeilen:"));
  Edit9 = feld(s, "Edit9", 70, 8, QStringLiteral("1"), 40);
  UpDown7 = auf(s, "UpDown7", Edit9, 1, 11, 1);
  text(s, "Label11", 8, 38, QStringLiteral("Spalten:"));
  Edit10 = feld(s, "Edit10", 70, 36, QStringLiteral("10"), 40);
  UpDown8 = auf(s, "UpDown8", Edit10, 1, 11, 10);
  text(s, "Label12", 150, 10, QStringLiteral("Feldhöhe:"));
  Edit11 = feld(s, "Edit11", 230, 8, QStringLiteral("14"));
  text(s, "Label13", 150, 38, QStringLiteral("Feldweite:"));
  Edit12 = feld(s, "Edit12", 230, 36, QStringLiteral("14"));
  CheckBox3 = neu<QCheckBox>(s, Elementart::CheckBox, "CheckBox3", QRect(8, 66, 150, 20), QStringLiteral("Zahlen Horizontal"));
  CheckBox3->setChecked(true);
  CheckBox4 = neu<QCheckBox>(s, Elementart::CheckBox, "CheckBox4", QRect(8, 88, 150, 20), QStringLiteral("unten Beginnen"));
  text(s, "Label14", 150, 68, QStringLiteral("Abstand :"));
  Edit13 = feld(s, "Edit13", 230, 66, QStringLiteral("14"), 50);
  UpDown11 = auf(s, "UpDown11", Edit13, -1000, 1000, 14);
  text(s, "Label15", 150, 96, QStringLiteral("Einrücken:"));
  Edit15 = feld(s, "Edit15", 230, 94, QStringLiteral("0"), 50);
  UpDown12 = auf(s, "UpDown12", Edit15, -1000, 1000, 0);
  StringGrid2 = gitter(s, "StringGrid2", QRect(4, 124, 326, 200));
}

void TForm8::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  plattform::mitMeldung([this] { FormShow(); });
}

void TForm8::done(int r) {
  plattform::mitMeldung([this] { FormClose(); });
  QDialog::done(r);
}

bool TForm8::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::MouseButtonPress) plattform::mitMeldung([this] { Button1Click(); });
  return QDialog::eventFilter(o, e);
}

// ---- layout values and controls ----

schein::Layoutsteuerung TForm8::steuerung() const {
  schein::Layoutsteuerung s;
  s.Edit16 = Edit16->text();
  s.Edit17 = Edit17->text();
  s.Edit4 = Edit4->text();
  s.Edit3 = Edit3->text();
  s.Edit2 = Edit2->text();
  s.Edit1 = Edit1->text();
  s.Edit12 = Edit12->text();
  s.Edit11 = Edit11->text();
  s.UpDown1 = UpDown1->Position();
  s.UpDown2 = UpDown2->Position();
  s.UpDown5 = UpDown5->Position();
  s.UpDown6 = UpDown6->Position();
  s.fontsize = fontsize->Position();
  s.UpDown12 = UpDown12->Position();
  s.UpDown11 = UpDown11->Position();
  s.UpDown7 = UpDown7->Position();
  s.UpDown8 = UpDown8->Position();
  s.Zeichen = Zeichen->text();
  s.Reportvorlage = Reportvorlage->text();
  s.BackImage = BackImage->text();
  s.CheckBox1 = CheckBox1->isChecked();
  s.CheckBox2 = CheckBox2->isChecked();
  s.CheckBox3 = CheckBox3->isChecked();
  s.CheckBox4 = CheckBox4->isChecked();
  return s;
}

void TForm8::steuerungSetzen(const schein::Layoutsteuerung& s) {
  Edit16->setText(s.Edit16);
  Edit17->setText(s.Edit17);
  Edit4->setText(s.Edit4);
  Edit3->setText(s.Edit3);
  Edit2->setText(s.Edit2);
  Edit1->setText(s.Edit1);
  Edit12->setText(s.Edit12);
  Edit11->setText(s.Edit11);
  UpDown1->setPosition(s.UpDown1);
  UpDown2->setPosition(s.UpDown2);
  UpDown5->setPosition(s.UpDown5);
  UpDown6->setPosition(s.UpDown6);
  fontsize->setPosition(s.fontsize);
  UpDown12->setPosition(s.UpDown12);
  UpDown11->setPosition(s.UpDown11);
  UpDown7->setPosition(s.UpDown7);
  UpDown8->setPosition(s.UpDown8);
  Zeichen->setText(s.Zeichen);
  Reportvorlage->setText(s.Reportvorlage);
  BackImage->setText(s.BackImage);
  CheckBox1->setChecked(s.CheckBox1);
  CheckBox2->setChecked(s.CheckBox2);
  CheckBox3->setChecked(s.CheckBox3);
  CheckBox4->setChecked(s.CheckBox4);
}

void TForm8::zeigeLayout() {
  Edit17->setText(schein::anzeigewert(layout.AnfangTop));
  Edit16->setText(schein::anzeigewert(layout.AnfangLeft));
  Edit1->setText(schein::anzeigewert(layout.Hoehe));
  Edit2->setText(schein::anzeigewert(layout.Breite));
  Edit3->setText(schein::anzeigewert(layout.BlockTop));
  Edit4->setText(schein::anzeigewert(layout.BlockLeft));
  Edit12->setText(schein::anzeigewert(layout.EuroBreit));
  Edit11->setText(schein::anzeigewert(layout.EuroHoch));
  UpDown12->setPosition(schein::euroPosition(layout.EuroLeft));
  UpDown11->setPosition(schein::euroPosition(layout.EuroTop));
}

void TForm8::memoLaden(const QStringList& zeilen) { Memo1->setPlainText(zeilen.join(QLatin1Char('\n'))); }

QStringList TForm8::memoZeilen() const {
  const QString t = Memo1->toPlainText();
  if (t.isEmpty()) return {};
  QStringList z = t.split(QLatin1Char('\n'));
  // A final line break ends the last line; it opens no empty one.
  if (z.size() > 1 && z.last().isEmpty()) z.removeLast();
  return z;
}

// ---- template ----

bool TForm8::vorlageLaden() {
  const QString programm = plattform::Programmpfad();
  const QString gewaehlt = Reportvorlage->text();
  const QString pfad = schein::vorlagenpfad(gewaehlt, programm);
  Reportvorlage->setText(pfad);
  switch (frxReport1.laden(pfad)) {
    case plattform::Report::Laden::geladen:
      break;
    case plattform::Report::Laden::fehlt:
      // The file the user chose, not the last fallback that was tried.
      meldung(M(Meldungstabelle::kVorlageFehlt).arg(gewaehlt));
      return false;
    case plattform::Report::Laden::unlesbar:
      meldung(M(Meldungstabelle::kVorlageUnlesbar).arg(pfad));
      return false;
  }
  const QString bild = schein::bildpfad(BackImage->text(), programm);
  BackImage->setText(bild);
  plattform::Berichtsseite* page = frxReport1.seite(QStringLiteral("Page1"));
  if (!bild.isEmpty() && page) {
    bool gut = true;
    try {
      plattform::Report::ladeHintergrund(*page, bild);
      gut = plattform::bildLesbar(page->Hintergrund, page->HintergrundFormat);
    } catch (const plattform::Fehler&) {
      gut = false;
    }
    if (!gut) {
      page->Hintergrund.clear();
      meldung(M(Meldungstabelle::kHintergrundUnlesbar).arg(bild));
    }
  }
  return true;
}

// ---- commands ----

void TForm8::FormShow() {
  oeffnen = true;
  memoLaden(schein::normalisiere(memoZeilen()));
  if (!schein::layoutVorhanden(schluessel)) {
    BitBtn2Click();
    return;
  }
  schein::Layoutsteuerung s = steuerung();
  behalten_ = {};
  behalten_.namen = schein::liesLayout(schluessel, s);
  layout = schein::felderAusSteuerung(s);
  steuerungSetzen(s);
  behalten_.steuerung = steuerung();
  if (!vorlageLaden()) return;
  if (plattform::Berichtsseite* page = frxReport1.seite(QStringLiteral("Page1"))) {
    const schein::GespeichertesPapier p = schein::liesPapier(schluessel);
    if (p.PaperSize) page->PaperSize = *p.PaperSize;
    if (p.Querformat) page->Querformat = *p.Querformat;
    if (p.PaperHeight) page->PaperHeight = PapierH = *p.PaperHeight;
    if (p.PaperWidth) page->PaperWidth = PapierB = *p.PaperWidth;
    behalten_.namen += p.unlesbar;
    behalten_.papier = papier();
    vorschauAuffrischen();
  }
  Tippsetzen();
}

std::optional<schein::Papier> TForm8::papier() {
  const plattform::Berichtsseite* page = frxReport1.seite(QStringLiteral("Page1"));
  if (!page) return std::nullopt;
  return schein::Papier{page->PaperSize, page->PaperHeight, page->PaperWidth, page->Querformat};
}

void TForm8::FormClose() {
  if (!schein::schreibeLayout(schluessel, steuerung(), papier(), behalten_)) BitBtn2Click();
}

void TForm8::BitBtn2Click() {
  oeffnen = true;
  if (!vorlageLaden()) return;
  const schein::Feldgroessen g{UpDown1->Position(), UpDown2->Position(), UpDown7->Position(), UpDown8->Position()};
  if (const auto fehlt = schein::kalibriere(frxReport1, g, layout)) {
    meldung(M(Meldungstabelle::kVorlageOhneFeld).arg(Reportvorlage->text(), *fehlt));
    vorschauAuffrischen();
    return;
  }
  zeigeLayout();
  Tippsetzen();
  vorschauAuffrischen();
}

void TForm8::Tippsetzen() {
  schein::Platzierung p;
  p.layout = layout;
  p.spalten = UpDown2->Position();
  p.blockZeilen = UpDown5->Position();
  p.blockSpalten = UpDown6->Position();
  p.zeichen = Zeichen->text();
  p.schriftgroesse = fontsize->Position();
  p.oeffnen = oeffnen;
  p.tippanzahlMax = TippanzahlMax;
  letzteSetzung_ = schein::tippsetzen(frxReport1, memoZeilen(), p, *this);
}

void TForm8::BitBtn1Click() {
  oeffnen = false;
  letzteSetzung_ = schein::Setzen::nichts;
  Tippsetzen();
  // Only a placement that ran through is printed: one that ended on a missing view left tips
  // off the coupon.
  if (letzteSetzung_ != schein::Setzen::durchgelaufen) return;
  vorschauAuffrischen();
  plattform::berichtsdruck().drucken(frxPreview1->bericht());
}

void TForm8::BitBtn3Click() {
  oeffnen = false;
  layout.AnfangTop = schein::layoutwert(Edit17->text());
  layout.AnfangLeft = schein::layoutwert(Edit16->text());
  layout.Hoehe = schein::layoutwert(Edit1->text());
  layout.Breite = schein::layoutwert(Edit2->text());
  layout.BlockTop = schein::layoutwert(Edit3->text());
  layout.BlockLeft = schein::layoutwert(Edit4->text());
  layout.EuroLeft = UpDown12->Position();
  layout.EuroTop = UpDown11->Position();
  layout.EuroBreit = schein::layoutwert(Edit12->text());
  layout.EuroHoch = schein::layoutwert(Edit11->text());
  Tippsetzen();
  vorschauAuffrischen();
}

void TForm8::SeiteClick() {
  plattform::Berichtsseite* page = frxReport1.seite(QStringLiteral("Page1"));
  if (!page) return;
  if (!plattform::berichtsdruck().seiteEinrichten(*page)) return;
  PapierH = page->PaperHeight;
  PapierB = page->PaperWidth;
  vorschauAuffrischen();
}

void TForm8::SpeedButton1Click() {
  const QString pfad = plattform::dialoge().oeffnenMitEndung(QString(), plattform::Programmpfad(),
                                                             QStringLiteral("Fast Report|*.fr3"), QStringLiteral("fr3"));
  if (!pfad.isEmpty()) Reportvorlage->setText(pfad);
}

void TForm8::SpeedButton2Click() {
  const QString pfad = plattform::dialoge().oeffnenMitEndung(
      QString(), plattform::Programmpfad(), QStringLiteral("Bilddatei|*.png|Bilddatei|*.jpg"), QStringLiteral("*.png"));
  if (!pfad.isEmpty()) BackImage->setText(pfad);
}

void TForm8::raster(QTableWidget* g, int zeilen, int spalten, const QString& breite, const QString& hoehe,
                    bool horizontal, bool unten, int max) {
  const auto b = schein::rasterzelle(breite);
  const auto h = schein::rasterzelle(hoehe);
  if (!b) schein::layoutwert(breite);  // raises the conversion message
  if (!h) schein::layoutwert(hoehe);
  const auto inhalt = schein::zahlenraster(zeilen, spalten, horizontal, unten, max);
  const QFont schrift = rasterschrift(g->font(), inhalt, QSize(*b, *h));
  g->clear();
  g->setRowCount(zeilen);
  g->setColumnCount(spalten);
  for (int z = 0; z < zeilen; ++z) {
    g->setRowHeight(z, *h);
    for (int s = 0; s < spalten; ++s) {
      auto* zelle = new QTableWidgetItem(inhalt[static_cast<std::size_t>(z)][s]);
      zelle->setFont(schrift);
      g->setItem(z, s, zelle);
    }
  }
  for (int s = 0; s < spalten; ++s) g->setColumnWidth(s, *b);
  g->resize(*b * spalten + 20, *h * zeilen + 20);
}

void TForm8::Button1Click() {
  raster(DrawGrid1, UpDown1->Position(), UpDown2->Position(), Edit2->text(), Edit1->text(), CheckBox1->isChecked(),
         CheckBox2->isChecked(), MaxZahl);
  const int bloeckeB = UpDown2->Position() * 3;
  const int bloeckeH = UpDown1->Position() * 3;
  StringGrid1->clear();
  StringGrid1->setRowCount(UpDown5->Position());
  StringGrid1->setColumnCount(UpDown6->Position());
  for (int z = 0; z < UpDown5->Position(); ++z) StringGrid1->setRowHeight(z, bloeckeH);
  for (int s = 0; s < UpDown6->Position(); ++s) StringGrid1->setColumnWidth(s, bloeckeB);
  StringGrid1->resize(UpDown6->Position() * bloeckeB + 20, UpDown5->Position() * bloeckeH + 20);
  raster(StringGrid2, UpDown7->Position(), UpDown8->Position(), Edit12->text(), Edit11->text(), CheckBox3->isChecked(),
         CheckBox4->isChecked(), MaxEuroZahl);
}

// ---- what the placement asks ----

void TForm8::vorschauAuffrischen() { frxPreview1->zeigen(frxReport1.vorbereiten()); }

bool TForm8::druckenFragen() {
  return plattform::dialoge().frage(M(Meldungstabelle::kScheinDruckenFrage), M(Meldungstabelle::kDruckenTitel));
}

void TForm8::drucken() { plattform::berichtsdruck().drucken(frxPreview1->bericht()); }

void TForm8::meldung(const QString& t) { plattform::dialoge().nachricht(t); }

QString TForm8::M(int index) const { return Meldungstabelle::oderDeutsch(Meldungen).text(index); }

void TForm8::eurozahlenVerbergen() { plattform::verbergeSeite(PageControl1, TabSheet1); }
