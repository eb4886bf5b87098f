#include "plattform/reportvorlage.h"

#include "plattform/dateien.h"
#include "plattform/fehler.h"
#include "plattform/formate.h"

#include <QFileInfo>
#include <QXmlStreamReader>
#include <zlib.h>

namespace plattform {

namespace {

double zahl(const QXmlStreamAttributes& a, QLatin1String name, double vorgabe) {
  if (!a.hasAttribute(name)) return vorgabe;
  return liesReal(a.value(name), QLatin1Char('.')).value_or(vorgabe);
}

bool wahr(QStringView s) { return s.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0; }

Berichtsseite liesSeite(const QXmlStreamAttributes& a) {
  Berichtsseite s;
  s.Name = a.value(QLatin1String("Name")).toString();
  s.PaperWidth = zahl(a, QLatin1String("PaperWidth"), s.PaperWidth);
  s.PaperHeight = zahl(a, QLatin1String("PaperHeight"), s.PaperHeight);
  if (const auto code = liesGanzzahl(a.value(QLatin1String("PaperSize")))) s.PaperSize = *code;
  s.Querformat = a.value(QLatin1String("Orientation")) == QLatin1String("poLandscape");
  return s;
}

Berichtsobjekt liesObjekt(const QXmlStreamReader& x) {
  const QXmlStreamAttributes a = x.attributes();
  Berichtsobjekt o;
  o.klasse = x.name().toString();
  o.Name = a.value(QLatin1String("Name")).toString();
  o.Left = zahl(a, QLatin1String("Left"), 0);
  o.Top = zahl(a, QLatin1String("Top"), 0);
  o.Width = zahl(a, QLatin1String("Width"), 0);
  o.Height = zahl(a, QLatin1String("Height"), 0);
  o.Text = a.value(QLatin1String("Text")).toString();
  if (const auto g = liesGanzzahl(a.value(QLatin1String("Font.Size")))) o.FontSize = *g;
  if (a.hasAttribute(QLatin1String("Visible"))) o.Visible = wahr(a.value(QLatin1String("Visible")));
  return o;
}

}  // namespace

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
  return ladeDaten(daten);
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
      } else if (tiefeSeite < 0 && x.name() == QLatin1String("TfrxReportPage")) {
        seiten.push_back(liesSeite(x.attributes()));
        tiefeSeite = tiefe;
      } else if (tiefeSeite >= 0 && x.attributes().hasAttribute(QLatin1String("Name"))) {
        seiten.back().objekte.push_back(liesObjekt(x));
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
