#include "shell/sprachdateien.h"

#include "plattform/fehler.h"
#include "plattform/formate.h"
#include "plattform/textdatei.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <functional>

namespace sprache {

const std::array<Sprache, 19>& Sprachtabelle() {
  static const std::array<Sprache, 19> tabelle = {{
      {1, "Deutsch1", "Deutsch", "de"},
      {2, "Englich1", "Englisch", "en"},
      {3, "Franz1", "Französisch", "fr"},
      {4, "Spanisch1", "Spanisch", "es"},
      {5, "Italenisch1", "Italienisch", "it"},
      {6, "Russisch1", "Russisch", "ru"},
      {7, "rkisch1", "Türkisch", "tr"},
      {8, "Niederlndisch1", "Niederländisch", "nl"},
      {9, "Polnisch1", "Polnisch", "pl"},
      {10, "schechisch1", "Tschechisch", "cz"},
      {16, "Slowakisch1", "Slowakisch", "sk"},
      {11, "Ungarisch1", "Ungarisch", "hu"},
      {12, "Grischisch1", "Griechisch", "gr"},
      {13, "Schwedisch1", "Schwedisch", "se"},
      {14, "Norwegisch1", "Norwegisch", "nor"},
      {17, "Finnisch1", "Finnisch", "fi"},
      {15, "Dnisch1", "Dänisch", "dae"},
      {18, "Portugisisch1", "Portugiesisch", "pt"},
      {19, "Chinese1", "Chinese", "cn"},
  }};
  return tabelle;
}

const Sprache* sprachMitNummer(int nummer) {
  for (const Sprache& s : Sprachtabelle()) {
    if (s.nummer == nummer) return &s;
  }
  return nullptr;
}

QString zeile(const QStringList& zeilen, qsizetype i) {
  return i >= 0 && i < zeilen.size() ? zeilen.at(i) : QString();
}

namespace {

Sprachdateifehler nichtLesbar(const QString& pfad) {
  const QString p = QDir::toNativeSeparators(pfad);
  return Sprachdateifehler(QStringLiteral("Die Sprachdatei %1 kann nicht gelesen werden.").arg(p), p, false);
}
Sprachdateifehler beschaedigt(const QString& pfad) {
  const QString p = QDir::toNativeSeparators(pfad);
  return Sprachdateifehler(QStringLiteral("Die Sprachdatei %1 ist beschädigt.").arg(p), p, true);
}

std::optional<QString> dekodiere(const QByteArray& bytes) {
  const auto streng = [](QStringDecoder::Encoding e, QByteArrayView rest) -> std::optional<QString> {
    // A UTF-16 file of an odd length lost a byte somewhere.
    if (e != QStringDecoder::Utf8 && rest.size() % 2 != 0) return std::nullopt;
    QStringDecoder d(e, QStringDecoder::Flag::Stateless);
    QString text = d.decode(rest);
    if (d.hasError()) return std::nullopt;
    return text;
  };
  if (bytes.startsWith("\xEF\xBB\xBF")) return streng(QStringDecoder::Utf8, QByteArrayView(bytes).sliced(3));
  if (bytes.startsWith("\xFF\xFE")) return streng(QStringDecoder::Utf16LE, QByteArrayView(bytes).sliced(2));
  if (bytes.startsWith("\xFE\xFF")) return streng(QStringDecoder::Utf16BE, QByteArrayView(bytes).sliced(2));
  return plattform::ausAnsi(bytes);
}

}  // namespace

QStringList liesSprachdatei(const QString& pfad) {
  if (QFileInfo(pfad).isDir()) throw nichtLesbar(pfad);
  std::optional<QByteArray> bytes;
  try {
    bytes = plattform::liesHoechstens(pfad, kDateiMax);
  } catch (const plattform::Fehler&) {
    throw nichtLesbar(pfad);
  }
  // Larger than any language file, or a device or pipe that may never end.
  if (!bytes) throw beschaedigt(pfad);
  const std::optional<QString> text = dekodiere(*bytes);
  // A NUL never stands in a text file: binary data, or UTF-16 that lost its mark.
  if (!text || text->contains(QChar(0))) throw beschaedigt(pfad);
  QStringList zeilen = plattform::zerlegeZeilen(*text);
  for (QString& z : zeilen) {
    if (z.size() > kZeilenlaengeMax) z.truncate(kZeilenlaengeMax);
  }
  return zeilen;
}

std::optional<Sprachstand> liesSprache(const QString& stammdatei, const QString& endung) {
  if (!QFileInfo::exists(stammdatei)) return std::nullopt;
  const QString ordner = QFileInfo(stammdatei).absolutePath() + QLatin1Char('/');
  Sprachstand stand;
  stand.stamm = liesSprachdatei(stammdatei);
  const QString uebersetzung = stammdatei + QLatin1Char('.') + endung;
  if (QFileInfo::exists(uebersetzung)) {
    stand.uebersetzung = liesSprachdatei(uebersetzung);
    stand.uebersetzungsmodus = true;
  }
  const QString radio = ordner + radioName(endung);
  if (QFileInfo::exists(radio)) stand.radio = liesSprachdatei(radio);
  const QString meldungen = ordner + meldungsName(endung);
  if (QFileInfo::exists(meldungen)) stand.meldungen = liesSprachdatei(meldungen);
  return stand;
}

Suche::Suche(const Sprachstand& stand) : stand_(stand) {
  const qsizetype n = stand.eintraege();
  besitzer_.reserve(n);
  namen_.reserve(n);
  for (qsizetype i = 0; i < n; ++i) {
    besitzer_.append(zeile(stand.stamm, 5 * i).trimmed());
    namen_.append(zeile(stand.stamm, 5 * i + 1).trimmed());
  }
}

std::optional<Suche::Eintrag> Suche::EintragSuchen(const QString& besitzer, const QString& name) {
  const qsizetype ende = std::min<qsizetype>(last_ + kFenster, besitzer_.size());
  for (qsizetype i = last_; i < ende; ++i) {
    if (besitzer_.at(i) != besitzer || namen_.at(i) != name) continue;
    last_ = i;
    Eintrag e{i, {}, {}, {}};
    const QStringList& s = stand_.stamm;
    if (stand_.uebersetzungsmodus) {
      // A short translation leaves the master's texts to the elements beyond its end.
      const QStringList& u = stand_.uebersetzung;
      e.caption = 2 * i < u.size() ? u.at(2 * i) : zeile(s, 5 * i + 2);
      e.hint = 2 * i + 1 < u.size() ? u.at(2 * i + 1) : zeile(s, 5 * i + 3);
    } else {
      e.caption = zeile(s, 5 * i + 2);
      e.hint = zeile(s, 5 * i + 3);
      e.charset = zeile(s, 5 * i + 4);
    }
    return e;
  }
  return std::nullopt;
}

namespace {

// A character-set line is a whole number of 0..255; anything else is no number.
std::optional<int> liesCharset(const QString& text) {
  const auto v = plattform::liesGanzzahl(text);
  if (!v || *v < 0 || *v > 255) return std::nullopt;
  return v;
}

}  // namespace

QList<Aenderung> wendeAn(const Sprachstand& stand, const QList<Element>& elemente) {
  QList<Aenderung> aenderungen;
  Suche suche(stand);
  for (qsizetype k = 0; k < elemente.size(); ++k) {
    const Element& el = elemente.at(k);
    const auto e = suche.EintragSuchen(el.besitzer, el.name);
    if (!e) continue;
    // Link labels (tag 8) keep both texts; the lookup has moved all the same.
    if (el.art != Art::Fenster && el.tag == 8) continue;
    Aenderung a;
    a.index = k;
    switch (el.art) {
      case Art::Fenster:  // windows and menu items take no character set
      case Art::Menue:
        a.caption = e->caption;
        a.hint = e->hint;
        aenderungen.append(a);
        continue;
      case Art::Label:
        if (el.tag == 0) a.caption = e->caption;
        a.hint = e->hint;
        break;
      case Art::Edit:
        a.hint = e->hint;
        break;
      default:
        a.caption = e->caption;
        a.hint = e->hint;
        break;
    }
    // A set that is not a number ends this element's steps after its texts.
    if (!stand.uebersetzungsmodus) a.charset = liesCharset(e->charset);
    aenderungen.append(a);
  }
  return aenderungen;
}

namespace {

// A line break inside a text would shift every later line of the files.
QString einzeilig(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String(" "));
  text.replace(QLatin1Char('\r'), QLatin1Char(' '));
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return text;
}

bool istZahl(const QString& text) { return plattform::liesGanzzahl(text).has_value(); }

// The caption line of an element that the export writes, or nullopt when it is left out.
std::optional<QString> captionzeile(const Element& el) {
  const bool text = !el.caption.isEmpty() || !el.hint.isEmpty();
  switch (el.art) {
    case Art::Fenster:
      return text ? std::optional(el.caption) : std::nullopt;
    case Art::Menue:
      return el.sichtbar ? std::optional(el.caption) : std::nullopt;
    case Art::Label:
      return text && el.tag == 0 && !istZahl(el.caption) ? std::optional(el.caption) : std::nullopt;
    case Art::Panel:
    case Art::BitBtn:
    case Art::Button:
    case Art::SpeedButton:
      return text ? std::optional(el.caption) : std::nullopt;
    case Art::CheckBox:
      return text && !istZahl(el.caption) ? std::optional(el.caption) : std::nullopt;
    case Art::RadioButton:
    case Art::TabSheet:
    case Art::RadioGroup:
      return el.caption;
    case Art::Edit:
      return !el.hint.isEmpty() && !istZahl(el.hint) ? std::optional(el.hint) : std::nullopt;
  }
  return std::nullopt;
}

QByteArray mitCrLf(const QStringList& zeilen, const std::function<QByteArray(const QString&)>& kodiere) {
  QByteArray out;
  for (const QString& z : zeilen) out += kodiere(z + QStringLiteral("\r\n"));
  return out;
}

}  // namespace

Exportzeilen exportZeilen(const QList<Element>& elemente) {
  Exportzeilen ex;
  for (const Element& el : elemente) {
    const auto c = captionzeile(el);
    if (!c) continue;
    const QString caption = einzeilig(*c);
    const QString hint = einzeilig(el.hint);
    ex.stamm << einzeilig(el.besitzer) << einzeilig(el.name) << caption << hint
             << (el.art == Art::Menue ? QStringLiteral("1") : QString::number(el.charset));
    ex.vorlage << caption << hint;
  }
  return ex;
}

QByteArray kodiereStamm(const QStringList& zeilen) {
  bool passt = true;
  for (const QString& z : zeilen) {
    if (plattform::ausAnsi(plattform::zuAnsi(z)) != z) {
      passt = false;
      break;
    }
  }
  if (passt) return mitCrLf(zeilen, [](const QString& z) { return plattform::zuAnsi(z); });
  return kodiereUtf8(zeilen);
}

QByteArray kodiereUtf8(const QStringList& zeilen) {
  return QByteArray("\xEF\xBB\xBF") + mitCrLf(zeilen, [](const QString& z) { return z.toUtf8(); });
}

QByteArray kodiereVorlage(const QStringList& zeilen) {
  QStringEncoder enc(QStringEncoder::Utf16LE);
  QByteArray out("\xFF\xFE");
  for (const QString& z : zeilen) out += enc.encode(z + QStringLiteral("\r\n"));
  return out;
}

void schreibeExport(const QString& pfad, const Exportzeilen& zeilen) {
  const QByteArray stamm = kodiereStamm(zeilen.stamm);
  const QByteArray vorlage = kodiereVorlage(zeilen.vorlage);
  plattform::schreibeDateiAtomar(pfad, stamm);
  plattform::schreibeDateiAtomar(pfad + QStringLiteral(".trans"), vorlage);
}

}  // namespace sprache
