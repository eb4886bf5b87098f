#include "shell/ziehungsdaten.h"

#include "plattform/dateien.h"
#include "plattform/fehler.h"

#include <QFile>
#include <utility>

namespace {
QByteArray alsBytes(std::span<const Ziehung> saetze) {
  QByteArray b(static_cast<qsizetype>(saetze.size()) * Ziehung::kGroesse, '\0');
  char* p = b.data();
  for (const Ziehung& z : saetze) {
    z.inBytes(p);
    p += Ziehung::kGroesse;
  }
  return b;
}
}  // namespace

Ziehungsdaten::Ziehungsdaten(QString home, QString dateiname, Historienpuffer* puffer)
    : home_(std::move(home)), pfad_(home_ + dateiname), puffer_(puffer) {}

bool Ziehungsdaten::existiert() const { return QFile::exists(pfad_); }

std::vector<Ziehung> Ziehungsdaten::zerlege(const QByteArray& inhalt) {
  const qsizetype n = inhalt.size() / Ziehung::kGroesse;
  std::vector<Ziehung> saetze;
  saetze.reserve(static_cast<std::size_t>(n));
  const char* p = inhalt.constData();
  for (qsizetype i = 0; i < n; ++i, p += Ziehung::kGroesse) saetze.push_back(Ziehung::ausBytes(p));
  return saetze;
}

std::vector<Ziehung> Ziehungsdaten::lesen() const {
  if (!puffer_ || puffer_->an <= 0) return zerlege(plattform::liesDatei(pfad_));
  return *lesenGeteilt();
}

std::shared_ptr<const std::vector<Ziehung>> Ziehungsdaten::lesenGeteilt() const {
  if (!puffer_ || puffer_->an <= 0) return std::make_shared<const std::vector<Ziehung>>(zerlege(plattform::liesDatei(pfad_)));
  Historienpuffer& p = *puffer_;
  // Size and time are taken before the read: a file written meanwhile differs at the next read.
  const std::optional<plattform::Dateistand> stand = plattform::dateistand(pfad_);
  if (p.gueltig && p.pfad == pfad_ && stand && *stand == p.stand) return p.saetze;
  p.gueltig = false;
  p.saetze = std::make_shared<const std::vector<Ziehung>>(zerlege(plattform::liesDatei(pfad_)));
  p.pfad = pfad_;
  p.stand = stand.value_or(plattform::Dateistand{});
  p.gueltig = stand.has_value();
  return p.saetze;
}

void Ziehungsdaten::loeschen() const {
  QFile datei(pfad_);
  if (datei.exists() && !datei.remove())
    throw plattform::Fehler(QStringLiteral("Die Datei %1 kann nicht gelöscht werden."), {pfad_});
}

void Ziehungsdaten::erzeugeLeerWennFehlt() const {
  if (!existiert()) plattform::haengeAnImRaster(pfad_, QByteArray(), Ziehung::kGroesse);
}

void Ziehungsdaten::anhaengen(const Ziehung& z) const { anhaengen(std::span<const Ziehung>(&z, 1)); }

void Ziehungsdaten::anhaengen(std::span<const Ziehung> saetze) const {
  plattform::haengeAnImRaster(pfad_, alsBytes(saetze), Ziehung::kGroesse);
}

void Ziehungsdaten::ersetzen(const std::vector<Ziehung>& saetze, const QString& tempName) const {
  plattform::schreibeGesichert(tempName, alsBytes(saetze));
  plattform::ersetzeDurch(pfad_, tempName);
}

void Ziehungsdaten::kopiereGanzeSaetze(const QString& quelle, const QString& ziel) {
  const QByteArray inhalt = plattform::liesDatei(quelle);
  const qsizetype ganz = inhalt.size() - inhalt.size() % Ziehung::kGroesse;
  const QString temp = ziel + QLatin1Char('~');
  plattform::schreibeGesichert(temp, inhalt.left(ganz));
  plattform::ersetzeDurch(ziel, temp);
}
