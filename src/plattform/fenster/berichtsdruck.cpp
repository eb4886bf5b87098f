#include "plattform/fenster/berichtsdruck.h"

#include "plattform/fenster/dienste.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPaintEvent>
#include <QPointer>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

namespace plattform {

QSizeF seitengroesse(const Berichtsseite& s) {
  return {s.PaperWidth * kEinheitenProMm, s.PaperHeight * kEinheitenProMm};
}

std::optional<QImage> hintergrund(const Berichtsseite& s) {
  if (s.Hintergrund.isEmpty()) return std::nullopt;
  QImage bild;
  if (!bild.loadFromData(s.Hintergrund, s.HintergrundFormat == QLatin1String("jpg") ? "JPG" : "PNG")) return std::nullopt;
  return bild;
}

bool bildLesbar(const QByteArray& daten, const QString& format) {
  QImage bild;
  return bild.loadFromData(daten, format == QLatin1String("jpg") ? "JPG" : "PNG");
}

namespace {
void zeichne(QPainter& p, const Berichtsseite& s, double faktor, const QImage* bild) {
  const QSizeF groesse = seitengroesse(s);
  p.save();
  p.scale(faktor, faktor);
  p.setClipRect(QRectF(QPointF(0, 0), groesse));
  if (bild) p.drawImage(QRectF(QPointF(0, 0), groesse), *bild);
  p.setPen(Qt::black);
  for (const Berichtsobjekt& o : s.objekte) {
    if (!o.Visible || o.Text.isEmpty()) continue;
    QFont f(QStringLiteral("Arial"));
    // Points to units: 96 units per inch, 72 points per inch.
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(o.FontSize * 96.0 / 72.0))));
    p.setFont(f);
    p.drawText(QRectF(o.Left, o.Top, o.Width, o.Height), Qt::AlignCenter | Qt::TextDontClip, o.Text);
  }
  p.restore();
}
}  // namespace

void zeichneSeite(QPainter& p, const Berichtsseite& s, double faktor, bool mitHintergrund) {
  const std::optional<QImage> bild = mitHintergrund ? hintergrund(s) : std::nullopt;
  zeichne(p, s, faktor, bild ? &*bild : nullptr);
}

QImage seitenbild(const Berichtsseite& s, double faktor, bool mitHintergrund) {
  const QSizeF g = seitengroesse(s) * faktor;
  QImage b(std::max(1, static_cast<int>(std::ceil(g.width()))), std::max(1, static_cast<int>(std::ceil(g.height()))),
           QImage::Format_RGB32);
  b.fill(Qt::white);
  QPainter p(&b);
  zeichneSeite(p, s, faktor, mitHintergrund);
  return b;
}

QPageSize seitenformat(const Berichtsseite& s) {
  const QSizeF mm = s.Querformat ? QSizeF(s.PaperHeight, s.PaperWidth) : QSizeF(s.PaperWidth, s.PaperHeight);
  if (s.PaperSize != kPapierEigen) {
    const QPageSize::PageSizeId id = QPageSize::id(s.PaperSize);
    if (id != QPageSize::Custom) return QPageSize(id);
  }
  return QPageSize(mm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

void uebernimmFormat(Berichtsseite& s, const QPageSize& format, bool quer) {
  const QSizeF mm = format.size(QPageSize::Millimeter);
  const int code = format.windowsId();
  s.PaperSize = format.id() == QPageSize::Custom || code <= 0 ? kPapierEigen : code;
  s.Querformat = quer;
  s.PaperWidth = quer ? mm.height() : mm.width();
  s.PaperHeight = quer ? mm.width() : mm.height();
}

QPageLayout seitenlayout(const Berichtsseite& s) {
  return QPageLayout(seitenformat(s), s.Querformat ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(),
                     QPageLayout::Millimeter);
}

bool gleicheSeite(const QPageLayout& a, const QPageLayout& b) {
  return a.orientation() == b.orientation() && a.pageSize().isEquivalentTo(b.pageSize());
}

bool zeigeSeite(QWidget& einrichtung, const QPageLayout& l) {
  // The page setup of Qt's dialogs finds no entry for a size of its own and falls back to its
  // first entry; its controls are set to the page instead, a size of its own in millimetres.
  auto* format = einrichtung.findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
  auto* einheit = einrichtung.findChild<QComboBox*>(QStringLiteral("unitCombo"));
  auto* breite = einrichtung.findChild<QDoubleSpinBox*>(QStringLiteral("pageWidth"));
  auto* hoehe = einrichtung.findChild<QDoubleSpinBox*>(QStringLiteral("pageHeight"));
  auto* hoch = einrichtung.findChild<QRadioButton*>(QStringLiteral("portrait"));
  auto* quer = einrichtung.findChild<QRadioButton*>(QStringLiteral("landscape"));
  if (!format || !einheit || !breite || !hoehe || !hoch || !quer) return false;
  int eintrag = -1, eigen = -1;
  for (int i = 0; i < format->count() && eintrag < 0; ++i) {
    const QVariant v = format->itemData(i);
    if (!v.isValid()) eigen = i;
    else if (v.canConvert<QPageSize>() && v.value<QPageSize>().isEquivalentTo(l.pageSize())) eintrag = i;
  }
  if (eintrag >= 0) {
    format->setCurrentIndex(eintrag);
  } else {
    const int mm = einheit->findData(QVariant::fromValue(QPageLayout::Millimeter));
    if (eigen < 0 || mm < 0) return false;
    // Width and height as the paper stands upright; the orientation turns them.
    hoch->click();
    einheit->setCurrentIndex(mm);
    format->setCurrentIndex(eigen);
    const QSizeF g = l.pageSize().size(QPageSize::Millimeter);
    breite->setValue(g.width());
    hoehe->setValue(g.height());
  }
  (l.orientation() == QPageLayout::Landscape ? quer : hoch)->click();
  return true;
}

QString druckdateiname(const QString& name) {
  QString n;
  for (const QChar c : name) n += c.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(c) ? QLatin1Char('_') : c;
  n = n.trimmed().left(100);
  if (n.isEmpty() || n.startsWith(QLatin1Char('.'))) n.prepend(QStringLiteral("Spielschein"));
  QString ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (ordner.isEmpty() || !QFileInfo(ordner).isDir()) ordner = QDir::homePath();
  return QDir(ordner).filePath(n + QStringLiteral(".pdf"));
}

namespace {

// Paper, orientation and margins one by one: a printer that finds the whole layout outside its
// printable area would refuse it at once.
void einrichten(QPrinter& d, const QPageLayout& l) {
  d.setPageSize(l.pageSize());
  d.setPageOrientation(l.orientation());
  d.setPageMargins(l.margins(), l.units());
}

// While the print dialog runs: its page setup (in the printer's properties) shows the page of
// the report when it opens, and whether the user confirmed it is kept.
class Eigenschaftenwache final : public QObject {
 public:
  Eigenschaftenwache(QDialog& dialog, const QPageLayout& seite) : dialog_(dialog), seite_(seite) {
    qApp->installEventFilter(this);
  }
  ~Eigenschaftenwache() override { qApp->removeEventFilter(this); }
  bool bestaetigt() const { return bestaetigt_; }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() != QEvent::Show) return false;
    auto* d = qobject_cast<QDialog*>(o);
    if (!d || d == &dialog_ || !unterDialog(d)) return false;
    // Only its first showing: opened again, it keeps what the user chose before.
    if (std::any_of(gezeigt_.cbegin(), gezeigt_.cend(), [d](const QPointer<QDialog>& g) { return g == d; })) return false;
    gezeigt_ << d;
    if (zeigeSeite(*d, seite_))
      connect(d, &QDialog::accepted, this, &Eigenschaftenwache::angenommen, Qt::UniqueConnection);
    return false;
  }

 private:
  void angenommen() { bestaetigt_ = true; }
  bool unterDialog(const QWidget* w) const {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
      if (p == &dialog_) return true;
    return false;
  }
  QDialog& dialog_;
  QPageLayout seite_;
  QList<QPointer<QDialog>> gezeigt_;
  bool bestaetigt_ = false;
};

class Drucker final : public Berichtsdruck {
 public:
  bool drucken(const VorbereiteterBericht& b) override {
    if (b.seiten.empty()) return false;
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setFullPage(true);
    drucker.setDocName(b.name);
    const QPageLayout seite = seitenlayout(b.seiten.front());
    einrichten(drucker, seite);
    QPrintDialog dialog(&drucker, hauptfenster());
    if (auto* datei = dialog.findChild<QLineEdit*>(QStringLiteral("filename"))) datei->setText(druckdateiname(b.name));
    bool geaendert = false;
    {
      Eigenschaftenwache wache(dialog, seite);
      if (dialog.exec() != QDialog::Accepted) return false;
      geaendert = wache.bestaetigt();
    }
    // A dialog left alone keeps the report's page: Qt's dialog replaces a size of its own by
    // its default paper while it is not opened.
    if (!geaendert) einrichten(drucker, seite);
    QPainter p;
    if (!p.begin(&drucker)) return false;
    for (std::size_t i = 0; i < b.seiten.size(); ++i) {
      if (i > 0) {
        if (!geaendert) einrichten(drucker, seitenlayout(b.seiten[i]));
        drucker.newPage();
      }
      zeichneSeite(p, b.seiten[i], drucker.resolution() / 96.0, false);
    }
    p.end();
    return true;
  }
  bool seiteEinrichten(Berichtsseite& s) override {
    QPrinter drucker(QPrinter::HighResolution);
    const QPageLayout seite = seitenlayout(s);
    einrichten(drucker, seite);
    QPageSetupDialog dialog(&drucker, hauptfenster());
    zeigeSeite(dialog, seite);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QPageLayout l = drucker.pageLayout();
    if (gleicheSeite(l, seite)) return false;
    const QSizeF mm = l.pageSize().size(QPageSize::Millimeter);
    if (!papiermass(mm.width()) || !papiermass(mm.height())) return false;
    uebernimmFormat(s, l.pageSize(), l.orientation() == QPageLayout::Landscape);
    return true;
  }
};

std::unique_ptr<Berichtsdruck>& instanz() {
  static std::unique_ptr<Berichtsdruck> d;
  return d;
}

}  // namespace

Berichtsdruck& berichtsdruck() {
  if (!instanz()) instanz() = std::make_unique<Drucker>();
  return *instanz();
}

void setzeBerichtsdruck(std::unique_ptr<Berichtsdruck> d) { instanz() = std::move(d); }

class Berichtsvorschau::Blatt final : public QWidget {
 public:
  explicit Blatt(Berichtsvorschau& v) : QWidget(&v), v_(v) {}

 protected:
  // Only the part that shows is painted: no picture of the whole page is made.
  void paintEvent(QPaintEvent* e) override {
    QPainter p(this);
    p.fillRect(e->rect(), Qt::white);
    p.setClipRegion(e->region());
    v_.malen(p);
  }

 private:
  Berichtsvorschau& v_;
};

Berichtsvorschau::Berichtsvorschau(QWidget* eltern) : QScrollArea(eltern) {
  blatt_ = new Blatt(*this);
  blatt_->setObjectName(QStringLiteral("Vorschauseite"));
  setWidget(blatt_);
  setBackgroundRole(QPalette::Dark);
}

void Berichtsvorschau::zeigen(const VorbereiteterBericht& b) {
  const int h = horizontalScrollBar()->value();
  const int v = verticalScrollBar()->value();
  bericht_ = b;
  if (seite_ >= static_cast<int>(bericht_.seiten.size())) seite_ = 0;
  neuZeichnen();
  horizontalScrollBar()->setValue(h);
  verticalScrollBar()->setValue(v);
}

void Berichtsvorschau::setzeSeite(int s) {
  seite_ = s >= 0 && s < static_cast<int>(bericht_.seiten.size()) ? s : 0;
  neuZeichnen();
}

void Berichtsvorschau::malen(QPainter& p) {
  if (bericht_.seiten.empty()) return;
  const Berichtsseite& s = bericht_.seiten[static_cast<std::size_t>(seite_)];
  // The decoded picture is kept while its bytes stay the same.
  if (s.Hintergrund != bildDaten_) {
    bildDaten_ = s.Hintergrund;
    const std::optional<QImage> neu = hintergrund(s);
    bildCache_ = neu ? *neu : QImage();
  }
  zeichne(p, s, 1.0, bildCache_.isNull() ? nullptr : &bildCache_);
}

QImage Berichtsvorschau::bild() const {
  if (bericht_.seiten.empty()) return {};
  const QSizeF g = seitengroesse(bericht_.seiten[static_cast<std::size_t>(seite_)]);
  QImage b(std::max(1, static_cast<int>(std::ceil(g.width()))), std::max(1, static_cast<int>(std::ceil(g.height()))),
           QImage::Format_RGB32);
  b.fill(Qt::white);
  QPainter p(&b);
  const_cast<Berichtsvorschau*>(this)->malen(p);
  return b;
}

void Berichtsvorschau::neuZeichnen() {
  if (bericht_.seiten.empty()) {
    blatt_->resize(1, 1);
  } else {
    const QSizeF g = seitengroesse(bericht_.seiten[static_cast<std::size_t>(seite_)]);
    blatt_->resize(static_cast<int>(std::ceil(g.width())), static_cast<int>(std::ceil(g.height())));
  }
  blatt_->update();
}

}  // namespace plattform
