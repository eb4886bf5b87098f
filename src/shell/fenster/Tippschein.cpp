#include "shell/fenster/Tippschein.h"

#include "shell/fenster/Laufsperre.h"

#include "plattform/fehler.h"
#include "plattform/fenster/dienste.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/formate.h"
#include "plattform/textdatei.h"
#include "plattform/fenster/befehl.h"
#include "shell/listenzeile.h"
#include "shell/tippcheck.h"

#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTextOption>
#include <QToolButton>
#include <algorithm>
#include <optional>

void Klicklabel::mousePressEvent(QMouseEvent* e) {
  gedrueckt_ = e->button() == Qt::LeftButton;
  QLabel::mousePressEvent(e);
  if (gedrueckt_) e->accept();  // keeps the release here
}

void Klicklabel::mouseReleaseEvent(QMouseEvent* e) {
  const bool klick = gedrueckt_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
  gedrueckt_ = false;
  QLabel::mouseReleaseEvent(e);
  if (klick) emit geklickt();
}

namespace {

struct Zeilenname {
  const char* label;
  const char* caption;
  int ersteZahl;  // EditN of the first number field; the next four follow
  int extra1;
  int extra2;
  int treffer;  // LabelN
  int summe;    // LabelN
};

// Row 9's label is Label62 and row 10's Label61.
constexpr std::array<Zeilenname, 12> kZeilen = {{
    {"Label28", "1. Tipp", 1, 6, 93, 22, 36},
    {"Label30", "2. Tipp", 7, 12, 94, 23, 37},
    {"Label31", "3. Tipp", 13, 18, 95, 24, 38},
    {"Label32", "4. Tipp", 19, 24, 96, 25, 39},
    {"Label33", "5. Tipp", 25, 30, 97, 26, 40},
    {"Label34", "6. Tipp", 31, 36, 98, 27, 41},
    {"Label46", "7. Tipp", 43, 48, 99, 45, 49},
    {"Label48", "8. Tipp", 49, 54, 100, 47, 50},
    {"Label62", "9. Tipp", 56, 61, 101, 65, 67},
    {"Label61", "10. Tipp", 62, 67, 102, 66, 68},
    {"Label63", "11. Tipp", 68, 73, 103, 69, 71},
    {"Label64", "12. Tipp", 74, 79, 104, 70, 72},
}};

constexpr std::array<int, 12> kZeilenY = {69, 86, 103, 120, 137, 153, 170, 187, 204, 221, 238, 256};
constexpr std::array<int, 5> kZahlX = {112, 144, 176, 208, 240};
constexpr int kFeldHoehe = 17;

const QString kHintLang = QStringLiteral(
    "Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet! Sind nur bis zu 3 Zahlen eingegeben werden die "
    "restlichen berechnet.");
const QString kHintKurz = QStringLiteral("Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!");
const QString kHintEditA = QStringLiteral("Klicken Sie hier um den Tipp zu ändern oder per Zufallsgenerator erzeugen wollen");
const QString kHintEditB =
    QStringLiteral("Klicken Sie hier um Tipp 1 mit dem Tippformular zu ändern oder per Zufallsgenerator erzeugen wollen");

QFont schrift() {
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(11);
  return f;
}

QByteArray name(const char* praefix, int n) { return QByteArray(praefix) + QByteArray::number(n); }

// List box lines hold TABs; they are drawn at tab stops every 20 dialog units. Only the start
// of a line that no box could show whole is measured and drawn: laying out megabytes of text
// for one row would hold the window for minutes.
class TabDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  static constexpr qsizetype kZeichenMax = 256;
  static int tabweite(const QFont& f) { return 20 * QFontMetrics(f).averageCharWidth() / 4; }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem o(option);
    initStyleOption(&o, index);
    o.text.truncate(kZeichenMax);
    const QWidget* w = o.widget;
    QStyle* stil = w ? w->style() : QApplication::style();
    QSize s = stil->sizeFromContents(QStyle::CT_ItemViewItem, &o, QSize(), w);
    const QFontMetrics fm(o.font);
    s.setWidth(fm.size(Qt::TextSingleLine | Qt::TextExpandTabs, o.text, tabweite(o.font)).width() + 4);
    return s;
  }
  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem o(option);
    initStyleOption(&o, index);
    const QString text = o.text.left(kZeichenMax);
    o.text.clear();
    const QWidget* w = o.widget;
    QStyle* stil = w ? w->style() : QApplication::style();
    stil->drawControl(QStyle::CE_ItemViewItem, &o, p, w);
    QTextOption to(Qt::AlignLeft | Qt::AlignVCenter);
    to.setWrapMode(QTextOption::NoWrap);
    to.setTabStopDistance(tabweite(o.font));
    p->save();
    p->setFont(o.font);
    p->setPen(o.palette.color(o.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    p->drawText(QRectF(o.rect.adjusted(2, 0, -2, 0)), text, to);
    p->restore();
  }
};

}  // namespace

Tippschein::Tippschein(Programmzustand& zustand, Statusanzeige& status, QWidget* seite)
    // A child of the page, created before its controls: it goes first when the page is torn
    // down, so no focus change of a dying field reaches the checks.
    : QObject(seite), z_(zustand), status_(status) {
  setObjectName(QStringLiteral("Tippschein"));
  fensterfarbe_ = QApplication::palette().color(QPalette::Base);
  fenstertextfarbe_ = QApplication::palette().color(QPalette::WindowText);
  baueZeilen(seite);
  baueListe(seite);
  baueUntereLeiste(seite);
}

void Tippschein::baueZeilen(QWidget* seite) {
  using plattform::neu;
  Standardansicht = neu<QToolButton>(seite, plattform::Elementart::SpeedButton, "Standardansicht", QRect(46, 40, 140, 24));
  Standardansicht->setText(QStringLiteral("Standard"));
  plattform::setzeHint(Standardansicht, QStringLiteral("Hier können auch bis zu 12 Tipp berechnet und ausgewertet werden"));
  Listenansicht = neu<QToolButton>(seite, plattform::Elementart::SpeedButton, "Listenansicht", QRect(193, 40, 140, 24));
  Listenansicht->setText(QStringLiteral("Listenansicht"));
  plattform::setzeHint(Listenansicht, QStringLiteral("Hier können auch größere Liste geladen und ausgewertet werden"));
  plattform::verbinde(Standardansicht, &QToolButton::clicked, this, &Tippschein::StandardansichtClick);
  plattform::verbinde(Listenansicht, &QToolButton::clicked, this, &Tippschein::ListenansichtClick);

  for (int k = 1; k <= 12; ++k) {
    const Zeilenname& n = kZeilen[static_cast<size_t>(k - 1)];
    const int y = kZeilenY[static_cast<size_t>(k - 1)];
    Tippzeile& z = zeilen_[static_cast<size_t>(k - 1)];

    z.Label = neu<Klicklabel>(seite, plattform::Elementart::Label, n.label, QRect(46, y + 2, 60, 14));
    z.Label->setText(QString::fromUtf8(n.caption));
    z.Label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    z.Label->setCursor(Qt::PointingHandCursor);
    plattform::setzeHint(z.Label, k <= 6 ? kHintLang : kHintKurz);
    setzeSchriftfarbe(z.Label, fenstertextfarbe_);
    Klicklabel* label = z.Label;
    plattform::verbinde(label, &Klicklabel::geklickt, this, [this, label] { Label30Click(label); });

    for (int i = 0; i < 5; ++i) {
      z.Zahlen[static_cast<size_t>(i)] =
          neu<QLineEdit>(seite, plattform::Elementart::Edit, name("Edit", n.ersteZahl + i).constData(), QRect(kZahlX[static_cast<size_t>(i)], y, 25, kFeldHoehe));
    }
    z.Extras[0] = neu<QLineEdit>(seite, plattform::Elementart::Edit, name("Edit", n.extra1).constData(), QRect(288, y, 25, kFeldHoehe));
    z.Extras[1] = neu<QLineEdit>(seite, plattform::Elementart::Edit, name("Edit", n.extra2).constData(), QRect(312, y, 25, kFeldHoehe));
    for (int i = 0; i < 7; ++i) {
      QLineEdit* feld = z.feld(i);
      feld->setFont(schrift());
      feld->setFrame(true);
      faerbe(feld, fensterfarbe_);
      feld->installEventFilter(this);
      if (i < 5) {
        plattform::verbinde(feld, &QLineEdit::textChanged, this, [this, feld] { Edit1Change(feld); });
      } else {
        feld->hide();
        plattform::verbinde(feld, &QLineEdit::textChanged, this, [this, feld] { Edit6Change(feld); });
      }
    }

    z.Edit = neu<QToolButton>(seite, plattform::Elementart::SpeedButton, name("Tipp", k).append("Edit").constData(), QRect(271, y, 15, kFeldHoehe));
    z.Edit->setText(QStringLiteral("…"));
    plattform::setzeHint(z.Edit, (k >= 5 && k <= 8) ? kHintEditB : kHintEditA);

    z.Treffer = neu<QLabel>(seite, plattform::Elementart::Label, name("Label", n.treffer).constData(), QRect(344, y + 2, 40, 14));
    z.Summe = neu<QLabel>(seite, plattform::Elementart::Label, name("Label", n.summe).constData(), QRect(424, y + 2, 40, 14));
    for (QLabel* l : {static_cast<QLabel*>(z.Label), z.Treffer, z.Summe}) l->setFont(schrift());
    // Hit count and sum are written by the checks: a language switch gives them its hint only.
    plattform::setzeTag(z.Treffer, 1);
    plattform::setzeTag(z.Summe, 1);
  }
  // The extras' names in the draw text: hints that are never shown.
  plattform::setzeHint(zeilen_[0].Treffer, QStringLiteral("E1"));
  plattform::setzeHint(zeilen_[1].Treffer, QStringLiteral("E2"));
  zeilen_[0].Treffer->setToolTip(QString());
  zeilen_[1].Treffer->setToolTip(QString());

  SpeedButton11 = neu<QToolButton>(seite, plattform::Elementart::SpeedButton, "SpeedButton11", QRect(54, 284, 25, 25));
  SpeedButton11->setIcon(seite->style()->standardIcon(QStyle::SP_TrashIcon));
  plattform::setzeHint(SpeedButton11, QStringLiteral("Löschen aller Tipps"));
  plattform::verbinde(SpeedButton11, &QToolButton::clicked, this, &Tippschein::SpeedButton11Click);
}

void Tippschein::baueListe(QWidget* seite) {
  using plattform::neu;
  Gewinnzahlen = neu<QListWidget>(seite, plattform::Elementart::ohne, "Gewinnzahlen", QRect(46, 71, 324, 217));
  Gewinne = neu<QListWidget>(seite, plattform::Elementart::ohne, "Gewinne", QRect(418, 68, 63, 217));
  for (QListWidget* box : {Gewinnzahlen, Gewinne}) {
    box->setFont(schrift());
    box->setUniformItemSizes(true);
    box->setSelectionMode(QAbstractItemView::SingleSelection);
    box->setItemDelegate(new TabDelegate(box));
    box->hide();
  }
  plattform::verbinde(Gewinnzahlen, &QListWidget::clicked, this, &Tippschein::GewinnzahlenClick);
  plattform::verbinde(Gewinnzahlen, &QListWidget::pressed, this, &Tippschein::GewinnzahlenMouseDown);
  plattform::verbinde(Gewinne, &QListWidget::clicked, this, &Tippschein::GewinneClick);
  plattform::verbinde(Gewinne, &QListWidget::pressed, this, &Tippschein::GewinneMouseDown);
  // A list box also reports a click when the arrow keys move its selection.
  plattform::verbinde(Gewinnzahlen, &QListWidget::currentRowChanged, this, [this] {
    if (Gewinnzahlen->hasFocus()) GewinnzahlenClick();
  });
  plattform::verbinde(Gewinne, &QListWidget::currentRowChanged, this, [this] {
    if (Gewinne->hasFocus()) GewinneClick();
  });
  // The list check keeps its results while lines are only appended (see Listengewinncheck).
  const auto vergessen = [this] { geprueft_.zeilen = -1; };
  QAbstractItemModel* zeilen = Gewinnzahlen->model();
  connect(zeilen, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int erste, int) {
    if (erste < geprueft_.zeilen) geprueft_.zeilen = -1;
  });
  for (QAbstractItemModel* m : {zeilen, Gewinne->model()}) {
    connect(m, &QAbstractItemModel::rowsRemoved, this, vergessen);
    connect(m, &QAbstractItemModel::rowsMoved, this, vergessen);
    connect(m, &QAbstractItemModel::modelReset, this, vergessen);
    connect(m, &QAbstractItemModel::layoutChanged, this, vergessen);
    connect(m, &QAbstractItemModel::dataChanged, this, vergessen);
  }
  connect(Gewinne->model(), &QAbstractItemModel::rowsInserted, this, [this] {
    if (!gewinneSchreiben_) geprueft_.zeilen = -1;
  });

  SpeedButton28 = neu<QToolButton>(seite, plattform::Elementart::SpeedButton, "SpeedButton28", QRect(195, 284, 25, 25));
  SpeedButton28->setIcon(seite->style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  plattform::setzeHint(SpeedButton28, QStringLiteral("Tippliste bearbeiten"));
  SpeedButton28->hide();
  plattform::verbinde(SpeedButton28, &QToolButton::clicked, this, &Tippschein::SpeedButton28Click);
}

void Tippschein::baueUntereLeiste(QWidget* seite) {
  using plattform::neu;
  Panel3 = neu<QFrame>(seite, plattform::Elementart::Panel, "Panel3", QRect(46, 318, 446, 40));
  Panel3->setFrameShape(QFrame::StyledPanel);
  BitBtn4 = neu<QPushButton>(Panel3, plattform::Elementart::BitBtn, "BitBtn4", QRect(8, 7, 130, 26));
  BitBtn4->setText(QStringLiteral("Tipps berechnen"));
  plattform::setzeHint(BitBtn4, QStringLiteral("Starten Sie hier die Berechnung der Tippreihen."));
  Edit80 = neu<QLineEdit>(Panel3, plattform::Elementart::Edit, "Edit80", QRect(150, 9, 40, 21));
  Edit80->setFont(schrift());
  UpDown8 = neu<plattform::UpDown>(Panel3, plattform::Elementart::ohne, "UpDown8", QRect(190, 9, 16, 21));
  UpDown8->setMin(1);
  UpDown8->setMax(12);
  UpDown8->setPosition(5);
  UpDown8->setAssociate(Edit80);
}

bool Tippschein::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::FocusOut) {
    // Leaving a field for another control of the window; switching windows is no exit.
    const Qt::FocusReason grund = static_cast<QFocusEvent*>(e)->reason();
    if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason) plattform::mitMeldung([this] { Edit1Exit(); });
  }
  return QObject::eventFilter(o, e);
}

bool Tippschein::gesperrt(int k) const { return zeile(k).Label->palette().color(QPalette::WindowText) == rot(); }

bool Tippschein::listenansichtGezeigt() const { return !Gewinnzahlen->isHidden(); }

QStringList Tippschein::listenzeilen() const {
  QStringList zeilen;
  const int n = Gewinnzahlen->count();
  zeilen.reserve(n);
  for (int i = 0; i < n; ++i) zeilen.append(Gewinnzahlen->item(i)->text());
  return zeilen;
}

tippblatt::Blatt Tippschein::blatt() const {
  tippblatt::Blatt b;
  for (int k = 1; k <= 12; ++k)
    for (int i = 0; i < 7; ++i) b[static_cast<size_t>(k - 1)][static_cast<size_t>(i)] = zeile(k).feld(i)->text();
  return b;
}

int Tippschein::tippanzahl() const { return UpDown8->Position(); }

void Tippschein::zeileSetzen(int k, const tippblatt::Feldtexte& texte) {
  for (int i = 0; i < 7; ++i) zeile(k).feld(i)->setText(texte[static_cast<size_t>(i)]);
}

void Tippschein::listeErsetzen(const QStringList& zeilen) {
  Gewinnzahlen->clear();
  Gewinnzahlen->addItems(zeilen);
}

void Tippschein::faerbe(QLineEdit* feld, const QColor& farbe) {
  QPalette p = feld->palette();
  if (p.color(QPalette::Base) == farbe) return;
  p.setColor(QPalette::Base, farbe);
  feld->setPalette(p);
}

void Tippschein::setzeSchriftfarbe(QLabel* label, const QColor& farbe) {
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, farbe);
  label->setPalette(p);
}

void Tippschein::Edit1Change(QLineEdit* feld) {
  const QString neu = tippcheck::gueltigerFeldtext(feld->text(), 55);
  if (neu != feld->text()) feld->setText(neu);
}

void Tippschein::Edit6Change(QLineEdit* feld) {
  const QString neu = tippcheck::gueltigerFeldtext(feld->text(), z_.SternenzahlMax);
  if (neu != feld->text()) feld->setText(neu);
}

void Tippschein::Edit1Exit() {
  if (z_.sortieren) Komplettcheck();
}

void Tippschein::Label30Click(Klicklabel* label) {
  if (abgelehntWeilBerechnungLaeuft(z_)) return;
  const QColor jetzt = label->palette().color(QPalette::WindowText);
  setzeSchriftfarbe(label, jetzt == fenstertextfarbe_ ? rot() : fenstertextfarbe_);
}

bool Tippschein::laeuftBerechnung() const { return BitBtn4->text() == z_.M(20); }

void Tippschein::SpeedButton11Click() {
  if (abgelehntWeilBerechnungLaeuft(z_)) return;
  if (!laeuftBerechnung() && !plattform::dialoge().frage(z_.M(71), z_.M(72))) return;
  alleTippsLoeschen();
}

void Tippschein::alleTippsLoeschen() {
  if (listenansichtGezeigt()) {
    Gewinnzahlen->clear();
    Gewinne->clear();
    return;
  }
  for (int k = 1; k <= 12; ++k) {
    if (gesperrt(k)) continue;
    const Tippzeile& z = zeile(k);
    // A list run empties the sheet once per batch: an empty field is left as it is.
    for (int i = 0; i < 7; ++i) {
      if (!z.feld(i)->text().isEmpty()) z.feld(i)->clear();
      faerbe(z.feld(i), fensterfarbe_);
    }
    if (!z.Treffer->text().isEmpty()) z.Treffer->clear();
    if (!z.Summe->text().isEmpty()) z.Summe->clear();
  }
}

std::array<std::array<QString, 7>, 12> Tippschein::zeilentexte() const {
  std::array<std::array<QString, 7>, 12> t;
  for (int k = 1; k <= 12; ++k)
    for (int i = 0; i < 7; ++i) t[static_cast<size_t>(k - 1)][static_cast<size_t>(i)] = zeile(k).feld(i)->text();
  return t;
}

void Tippschein::trefferZeigen(int k, int treffer) {
  const Tippzeile& z = zeile(k);
  z.Treffer->setText(QString::number(treffer));
  setzeSchriftfarbe(z.Treffer, treffer >= 2 ? rot() : QColor(0, 0, 0));
}

QString Tippschein::trefferHint(int k) const { return plattform::hint(zeile(k).Treffer); }

void Tippschein::ersteZeileSetzen(const Ziehung& d) {
  const Tippzeile& z = zeile(1);
  for (int i = 0; i < 5; ++i) z.feld(i)->setText(QString::number(d.zahl(i + 1)));
  for (int i = 0; i < 2; ++i) z.feld(5 + i)->setText(QString::number(d.zahl(7 + i)));
}

void Tippschein::listeZeigen() { zeigeListe(true); }

void Tippschein::nurLesen(bool an) {
  for (const Tippzeile& z : zeilen_)
    for (int i = 0; i < 7; ++i) z.feld(i)->setReadOnly(an);
}

void Tippschein::zeigeListe(bool an) {
  Gewinnzahlen->setVisible(an);
  Gewinne->setVisible(an);
  SpeedButton28->setVisible(an);
}

void Tippschein::StandardansichtClick() {
  if (abgelehntWeilBerechnungLaeuft(z_)) return;
  UpDown8->setMax(12);  // takes the position down to 12 and shows it in Edit80
  zeigeListe(false);
}

void Tippschein::ListenansichtClick() {
  if (abgelehntWeilBerechnungLaeuft(z_)) return;
  UpDown8->setMax(6000);
  zeigeListe(true);
  auto& dlg = plattform::dialoge();
  if (dlg.frage(z_.M(65), z_.M(66))) {
    if (dlg.frage(z_.M(67), z_.M(68))) Gewinnzahlen->clear();
    QStringList neu;
    for (int k = 1; k <= 12; ++k) {
      const Tippzeile& z = zeile(k);
      if (z.Zahlen[0]->text().isEmpty()) continue;
      neu.append(listenzeile::kurzform({z.Zahlen[0]->text(), z.Zahlen[1]->text(), z.Zahlen[2]->text(),
                                        z.Zahlen[3]->text(), z.Zahlen[4]->text()}));
    }
    Gewinnzahlen->addItems(neu);
  }
  Listengewinncheck();
}

void Tippschein::ListenansichtOhneClick() {
  zeigeListe(true);
  QStringList neu;
  for (int k = 1; k <= 12; ++k) {
    const Tippzeile& z = zeile(k);
    if (z.Zahlen[0]->text().isEmpty()) continue;
    neu.append(listenzeile::langform({z.Zahlen[0]->text(), z.Zahlen[1]->text(), z.Zahlen[2]->text(),
                                      z.Zahlen[3]->text(), z.Zahlen[4]->text()},
                                     z.Extras[0]->text(), z.Extras[1]->text()));
  }
  Gewinnzahlen->addItems(neu);
  Listengewinncheck();
}

QString Tippschein::listendatei() const { return z_.Home + QStringLiteral("gewinnzahlen.txt"); }

void Tippschein::SpeedButton28Click() {
  if (abgelehntWeilBerechnungLaeuft(z_)) return;
  const QString datei = listendatei();
  if (!plattform::mitMeldung([&] { plattform::schreibeAnsiZeilen(datei, listenzeilen()); })) return;
  plattform::shell().bearbeiten(datei);
  if (!plattform::dialoge().frage(z_.M(74), z_.M(75))) return;
  plattform::mitMeldung([&] { listeErsetzen(listenzeile::liesDatei(datei, listenzeile::Kodierung::ansi)); });
}

void Tippschein::GewinnzahlenClick() { Gewinne->setCurrentRow(Gewinnzahlen->currentRow()); }
void Tippschein::GewinnzahlenMouseDown() { GewinnzahlenClick(); }
void Tippschein::GewinneClick() { Gewinnzahlen->setCurrentRow(Gewinne->currentRow()); }
void Tippschein::GewinneMouseDown() { GewinneClick(); }

int Tippschein::Komplettcheck() {
  z_.Statistik = {};
  if (!z_.sortieren) return 0;
  std::array<std::array<QString, 7>, 12> texte;
  for (int k = 1; k <= 12; ++k)
    for (int i = 0; i < 7; ++i) texte[static_cast<size_t>(k - 1)][static_cast<size_t>(i)] = zeile(k).feld(i)->text();
  const tippcheck::Scheinergebnis e = tippcheck::pruefeSchein(z_.Zahl, texte, z_.Stand);
  for (int k = 1; k <= 12; ++k) {
    const Tippzeile& z = zeile(k);
    const tippcheck::Scheinzeile& r = e.zeilen[static_cast<size_t>(k - 1)];
    if (!r.vollstaendig) {
      z.Treffer->clear();
      for (int i = 0; i < 7; ++i) faerbe(z.feld(i), fensterfarbe_);
      continue;
    }
    z.Summe->setText(QString::number(r.summe));
    for (size_t i = 0; i < 5; ++i) z.Zahlen[i]->setText(QString::number(r.zahlen[i]));
    for (size_t i = 0; i < 5; ++i) faerbe(z.Zahlen[i], r.stand.Treffer[i + 1] ? limette() : fensterfarbe_);
    z.Treffer->setText(QString::number(r.stand.Gewinn));
    setzeSchriftfarbe(z.Treffer, r.stand.Gewinn < 2 ? QColor(0, 0, 0) : rot());
    if (r.stand.Gewinn >= 2) plattform::klang().spielen(z_.SoundName);
  }
  z_.Statistik = e.statistik;
  return e.bester;
}

int Tippschein::Listengewinncheck() {
  // Lines appended since the last check are checked alone, so that a list built batch by batch
  // costs no more than one check of each line; the results equal a check of the whole list.
  const int n = Gewinnzahlen->count();
  Listenpruefung& g = geprueft_;
  const bool weiter = g.zeilen >= 0 && g.zeilen <= n && g.zahl == z_.Zahl && Gewinne->count() == g.zeilen;
  QStringList neu;
  neu.reserve(n - (weiter ? g.zeilen : 0));
  for (int i = weiter ? g.zeilen : 0; i < n; ++i) neu.append(Gewinnzahlen->item(i)->text());
  const tippcheck::Listenergebnis e = tippcheck::pruefeListe(z_.Zahl, neu);
  gewinneSchreiben_ = true;
  if (weiter) {
    // What clearing the box does to its view: no current or selected line, the top shown.
    Gewinne->clearSelection();
    if (Gewinne->currentRow() != -1) Gewinne->setCurrentRow(-1);
    Gewinne->scrollToTop();
    for (int z = 0; z < 7; ++z)
      for (int s = 0; s < 3; ++s) g.statistik[z][s] += e.statistik[z][s];
    g.bester = std::max(g.bester, e.bester);
    g.mitZweiTreffern += e.mitZweiTreffern;
  } else {
    Gewinne->clear();
    g = Listenpruefung{};
    g.zahl = z_.Zahl;
    g.statistik = e.statistik;
    g.bester = e.bester;
    g.mitZweiTreffern = e.mitZweiTreffern;
  }
  Gewinne->addItems(e.gewinne);
  gewinneSchreiben_ = false;
  if (!neu.isEmpty()) g.letzter = e.letzter;
  g.zeilen = n;
  z_.Statistik = g.statistik;
  if (n > 0) {
    z_.Stand.Gewinn = g.letzter.Gewinn;
    for (int k = 1; k <= 5; ++k) z_.Stand.Treffer[static_cast<size_t>(k)] = g.letzter.Treffer[static_cast<size_t>(k)];
    z_.Stand.Zusatz = g.letzter.Zusatz;
    z_.Stand.Super = g.letzter.Super;
  }
  // One call for the whole list: each call replaces the sound still playing, so a call per
  // winning line would end in the same single sound.
  if (g.mitZweiTreffern > 0) plattform::klang().spielen(z_.SoundName);
  status_.setzeStatus(0, tippcheck::listenstatus(n, g.bester));
  return g.bester;
}

void Tippschein::listenansichtBeimStart() {
  zeigeListe(true);
  UpDown8->setMax(6000);
}

void Tippschein::listeBeimStartLaden() {
  if (!listenansichtGezeigt()) return;
  const QString datei = listendatei();
  // A file that is no tip list is refused whole and stays as it is: nothing of it reaches the
  // list, and an empty list writes no list file at exit.
  if (QFile::exists(datei)) listeErsetzen(listenzeile::liesDatei(datei, listenzeile::Kodierung::ansi));
  Listengewinncheck();
}

void Tippschein::listendateienSchreiben() {
  if (!listenansichtGezeigt() || Gewinnzahlen->count() == 0) return;
  const QStringList zeilen = listenzeilen();
  plattform::schreibeAnsiZeilen(listendatei(), zeilen);
  plattform::schreibeAnsiZeilen(z_.Home + QStringLiteral("gewinnzahlen.zpk"), zeilen);
}
