#include "plattform/fenster/berichtsdruck.h"

#include "plattform/fenster/dienste.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
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

namespace {

class Drucker final : public Berichtsdruck {
 public:
  bool drucken(const VorbereiteterBericht& b) override {
    if (b.seiten.empty()) return false;
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setFullPage(true);
    einrichten(drucker, b.seiten.front());
    QPrintDialog dialog(&drucker, hauptfenster());
    if (dialog.exec() != QDialog::Accepted) return false;
    QPainter p;
    if (!p.begin(&drucker)) return false;
    for (std::size_t i = 0; i < b.seiten.size(); ++i) {
      if (i > 0) {
        einrichten(drucker, b.seiten[i]);
        drucker.newPage();
      }
      zeichneSeite(p, b.seiten[i], drucker.resolution() / 96.0, false);
    }
    p.end();
    return true;
  }
  bool seiteEinrichten(Berichtsseite& s) override {
    QPrinter drucker(QPrinter::HighResolution);
    einrichten(drucker, s);
    QPageSetupDialog dialog(&drucker, hauptfenster());
    if (dialog.exec() != QDialog::Accepted) return false;
    const QPageLayout l = drucker.pageLayout();
    uebernimmFormat(s, l.pageSize(), l.orientation() == QPageLayout::Landscape);
    return true;
  }

 private:
  static void einrichten(QPrinter& d, const Berichtsseite& s) {
    d.setPageSize(seitenformat(s));
    d.setPageOrientation(s.Querformat ? QPageLayout::Landscape : QPageLayout::Portrait);
    d.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
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
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawImage(0, 0, v_.bild());
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

QImage Berichtsvorschau::bild() const {
  if (bericht_.seiten.empty()) return {};
  const Berichtsseite& s = bericht_.seiten[static_cast<std::size_t>(seite_)];
  const QSizeF g = seitengroesse(s);
  QImage b(std::max(1, static_cast<int>(std::ceil(g.width()))), std::max(1, static_cast<int>(std::ceil(g.height()))),
           QImage::Format_RGB32);
  b.fill(Qt::white);
  QPainter p(&b);
  auto* self = const_cast<Berichtsvorschau*>(this);
  // The decoded picture is kept while its bytes stay the same.
  if (s.Hintergrund != self->bildDaten_) {
    self->bildDaten_ = s.Hintergrund;
    const std::optional<QImage> neu = hintergrund(s);
    self->bildCache_ = neu ? *neu : QImage();
  }
  zeichne(p, s, 1.0, bildCache_.isNull() ? nullptr : &bildCache_);
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
