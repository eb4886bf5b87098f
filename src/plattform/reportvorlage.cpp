#include "plattform/reportvorlage.h"

#include "plattform/dateien.h"
#include "plattform/fehler.h"
#include "plattform/formate.h"

#include <QFileInfo>
#include <QXmlStreamReader>
#include <zlib.h>

namespace plattform {

namespace {

bool wahr(QStringView s) { return s.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0; }

// Reads the number attributes of one element; the first one that does not read or lies out of
// its bounds is kept as the template's fault.
class Zahlen {
 public:
  explicit Zahlen(const QXmlStreamAttributes& a) : a_(a) {}
  void real(QLatin1String name, double& wert, double min, double max) {
    if (!a_.hasAttribute(name)) return;
    const auto w = liesReal(a_.value(name), QLatin1Char('.'));
    if (w && *w >= min && *w <= max) wert = *w;
    else falsch(name);
  }
  void ganz(QLatin1String name, int& wert, int min, int max) {
    if (!a_.hasAttribute(name)) return;
    const auto w = liesGanzzahl(a_.value(name));
    if (w && *w >= min && *w <= max) wert = *w;
    else falsch(name);
  }
  const QString& fehler() const { return fehler_; }

 private:
  void falsch(QLatin1String name) {
    if (fehler_.isEmpty())
      fehler_ = QStringLiteral("Der Wert \"%1\" von %2 ist ungültig.").arg(a_.value(name).left(40).toString(), name);
  }
  const QXmlStreamAttributes& a_;
  QString fehler_;
};

QString liesSeite(const QXmlStreamAttributes& a, Berichtsseite& s) {
  s.Name = a.value(QLatin1String("Name")).toString();
  Zahlen z(a);
  z.real(QLatin1String("PaperWidth"), s.PaperWidth, kPapierMinMm, kPapierMaxMm);
  z.real(QLatin1String("PaperHeight"), s.PaperHeight, kPapierMinMm, kPapierMaxMm);
  z.ganz(QLatin1String("PaperSize"), s.PaperSize, 1, 32767);
  s.Querformat = a.value(QLatin1String("Orientation")) == QLatin1String("poLandscape");
  return z.fehler();
}

QString liesObjekt(const QXmlStreamReader& x, Berichtsobjekt& o) {
  const QXmlStreamAttributes a = x.attributes();
  o.klasse = x.name().toString();
  o.Name = a.value(QLatin1String("Name")).toString();
  Zahlen z(a);
  z.real(QLatin1String("Left"), o.Left, -kLageMax, kLageMax);
  z.real(QLatin1String("Top"), o.Top, -kLageMax, kLageMax);
  z.real(QLatin1String("Width"), o.Width, 0, kLageMax);
  z.real(QLatin1String("Height"), o.Height, 0, kLageMax);
  z.ganz(QLatin1String("Font.Size"), o.FontSize, 1, kSchriftMax);
  o.Text = a.value(QLatin1String("Text")).toString();
  if (a.hasAttribute(QLatin1String("Visible"))) o.Visible = wahr(a.value(QLatin1String("Visible")));
  return z.fehler();
}

}  // namespace

bool papiermass(double mm) { return mm >= kPapierMinMm && mm <= kPapierMaxMm; }

bool papiercode(int code) { return code >= 1 && code <= 32767; }

bool istGepackt(const QByteArray& d) {
  if (d.size() < 2) return false;
  const auto b0 = static_cast<unsigned char>(d[0]);
  const auto b1 = static_cast<unsigned char>(d[1]);
  if (b0 == 0x1f && b1 == 0x8b) return true;
  return (b0 & 0x0f) == 8 && (b0 >> 4) <= 7 && (b0 * 256 + b1) % 31 == 0;
}

std::optional<QByteArray> entpacke(const QByteArray& daten, qint64 max) {
  z_stream z{};
  if (inflateInit2(&z, 15 + 32) != Z_OK) return std::nullopt;  // zlib or gzip header
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(daten.constData()));
  z.avail_in = static_cast<uInt>(daten.size());
  QByteArray aus;
  char puffer[64 * 1024];
  int r = Z_OK;
  while (r != Z_STREAM_END) {
    z.next_out = reinterpret_cast<Bytef*>(puffer);
    z.avail_out = sizeof puffer;
    r = inflate(&z, Z_NO_FLUSH);
    if (r != Z_OK && r != Z_STREAM_END) break;
    aus.append(puffer, static_cast<qsizetype>(sizeof puffer - z.avail_out));
    if (aus.size() > max) break;
    if (r == Z_OK && z.avail_in == 0 && z.avail_out != 0) break;  // input ends inside the stream
  }
  inflateEnd(&z);
  if (r != Z_STREAM_END || aus.size() > max) return std::nullopt;
  return aus;
}

void Report::leeren() {
  seiten_.clear();
  objekte_.clear();
  grund_.clear();
  name_.clear();
}

Report::Laden Report::laden(const QString& pfad) {
  leeren();
  const QFileInfo info(pfad);
  if (!info.exists() || !info.isFile()) return Laden::fehlt;
  if (info.size() > kGroesseMax) {
    grund_ = QStringLiteral("Die Datei ist zu groß.");
    return Laden::unlesbar;
  }
  QByteArray daten;
  try {
    daten = liesDatei(pfad);
  } catch (const Fehler& f) {
    grund_ = f.text();
    return Laden::unlesbar;
  }
  const Laden l = ladeDaten(daten);
  if (l == Laden::geladen && name_.isEmpty()) name_ = info.completeBaseName();
  return l;
}

Report::Laden Report::ladeDaten(const QByteArray& roh) {
  leeren();
  QByteArray daten = roh;
  if (istGepackt(roh)) {
    const auto entpackt = entpacke(roh, kGroesseMax);
    if (!entpackt) {
      grund_ = QStringLiteral("Die gepackten Daten sind beschädigt oder zu groß.");
      return Laden::unlesbar;
    }
    daten = *entpackt;
  }
  QXmlStreamReader x(daten);
  std::vector<Berichtsseite> seiten;
  QString name;
  bool wurzel = false;
  int tiefeSeite = -1;  // depth of the page element being read, -1 outside a page
  int tiefe = 0;
  while (!x.atEnd()) {
    const auto t = x.readNext();
    if (t == QXmlStreamReader::DTD) {
      x.raiseError(QStringLiteral("Eine Dokumenttyp-Deklaration ist nicht erlaubt."));
      break;
    }
    if (t == QXmlStreamReader::StartElement) {
      ++tiefe;
      if (tiefe == 1) {
        if (x.name() != QLatin1String("TfrxReport")) {
          x.raiseError(QStringLiteral("Keine Reportvorlage."));
          break;
        }
        wurzel = true;
        name = x.attributes().value(QLatin1String("ReportOptions.Name")).toString().trimmed();
      } else if (tiefeSeite < 0 && x.name() == QLatin1String("TfrxReportPage")) {
        seiten.emplace_back();
        tiefeSeite = tiefe;
        if (const QString f = liesSeite(x.attributes(), seiten.back()); !f.isEmpty()) {
          x.raiseError(f);
          break;
        }
      } else if (tiefeSeite >= 0 && x.attributes().hasAttribute(QLatin1String("Name"))) {
        seiten.back().objekte.emplace_back();
        if (const QString f = liesObjekt(x, seiten.back().objekte.back()); !f.isEmpty()) {
          x.raiseError(f);
          break;
        }
      }
    } else if (t == QXmlStreamReader::EndElement) {
      if (tiefe == tiefeSeite) tiefeSeite = -1;
      --tiefe;
    }
  }
  if (x.hasError() || !wurzel) {
    grund_ = x.hasError() ? x.errorString() : QStringLiteral("Keine Reportvorlage.");
    return Laden::unlesbar;
  }
  seiten_ = std::move(seiten);
  name_ = name;
  indexieren();
  return Laden::geladen;
}

void Report::indexieren() {
  objekte_.clear();
  // The first object of a name wins, as a search from the top would find it.
  for (int s = 0; s < static_cast<int>(seiten_.size()); ++s) {
    const Berichtsseite& seite = seiten_[static_cast<std::size_t>(s)];
    if (!seite.Name.isEmpty() && !objekte_.contains(seite.Name)) objekte_.insert(seite.Name, {s, -1});
    for (int o = 0; o < static_cast<int>(seite.objekte.size()); ++o) {
      const QString& n = seite.objekte[static_cast<std::size_t>(o)].Name;
      if (!objekte_.contains(n)) objekte_.insert(n, {s, o});
    }
  }
}

Berichtsobjekt* Report::objekt(const QString& name) {
  const auto it = objekte_.constFind(name);
  if (it == objekte_.constEnd() || it->second < 0) return nullptr;
  return &seiten_[static_cast<std::size_t>(it->first)].objekte[static_cast<std::size_t>(it->second)];
}

const Berichtsobjekt* Report::objekt(const QString& name) const { return const_cast<Report*>(this)->objekt(name); }

Berichtsseite* Report::seite(const QString& name) {
  const auto it = objekte_.constFind(name);
  if (it == objekte_.constEnd() || it->second >= 0) return nullptr;
  return &seiten_[static_cast<std::size_t>(it->first)];
}

void Report::ladeHintergrund(Berichtsseite& seite, const QString& pfad) {
  seite.Hintergrund = liesDatei(pfad);
  const QString endung = QFileInfo(pfad).suffix().toLower();
  seite.HintergrundFormat = endung == QLatin1String("jpg") || endung == QLatin1String("jpeg") ? QStringLiteral("jpg")
                                                                                              : QStringLiteral("png");
}

}  // namespace plattform
