#include "output/warenkorb.h"

#include "plattform/fehler.h"

#include <QUrl>

namespace warenkorb {
namespace {
void ersetzeErstes(QString& text, const QString& platzhalter, const QString& wert) {
  const qsizetype i = text.indexOf(platzhalter);
  if (i >= 0) text.replace(i, platzhalter.size(), wert);
}

// A value inside the URL-encoded suffix is part of an encoded URL: it is encoded twice.
QString wert(const QString& w, Suffix s) {
  const QString einmal = kodiere(w);
  return s == Suffix::kodiert ? kodiere(einmal) : einmal;
}

QString felderMitKomma(const QStringList& felder, Suffix s) {
  QString aus;
  for (qsizetype i = 0; i < felder.size(); ++i) {
    if (i > 0) aus += QLatin1Char(',');
    aus += wert(felder.at(i), s);
  }
  return aus;
}

bool istZiffer(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
}  // namespace

QString kodiere(const QString& w) { return QString::fromLatin1(QUrl::toPercentEncoding(w, QByteArrayLiteral(","))); }

QString anfrage(const QString& portal, int n) {
  return QStringLiteral("/lotto/lotto.asp?Spiel=Kalvatro&Wo=") + kodiere(portal) + QStringLiteral("&Tipps=") +
         QString::number(n);
}

QString vorlageAusAntwort(const QString& antwort, int n) {
  QString v = antwort.trimmed();
  const QString suche = QStringLiteral("Tipps=") + QString::number(n);
  for (qsizetype i = v.indexOf(suche); i >= 0; i = v.indexOf(suche, i + 1)) {
    const qsizetype ende = i + suche.size();
    if (ende < v.size() && istZiffer(v.at(ende))) continue;
    v.replace(i, suche.size(), QStringLiteral("Tipps=[ANZAHL]"));
    break;
  }
  return v;
}

Suffix suffixFuer(Art art, const QString& portal) {
  const QString& name = art == Art::zweiteStandard ? kPortal2 : kPortal1;
  return portal == name ? Suffix::kodiert : Suffix::einfach;
}

QString trenner(Suffix s) { return s == Suffix::kodiert ? QStringLiteral("%2F") : QStringLiteral(","); }

QString suffixText(Suffix s) {
  if (s == Suffix::einfach)
    return QStringLiteral(
        "spielscheinnummer=[SCHEINNR]&spiel77_teilnahme=[SPIEL77]&super6_teilnahme=[SUPER6]&gs_teilnahme=[GLUECK]&"
        "kasten1=[KASTEN1]&kasten2=[KASTEN2]&kasten3=[KASTEN3]&kasten4=[KASTEN4]&kasten5=[KASTEN5]&kasten6=[KASTEN6]");
  return QStringLiteral(
             "spielscheinnummer%3D[SCHEINNR]%26spiel77_teilnahme%3D[SPIEL77]%26super6_teilnahme%3D[SUPER6]%26"
             "gs_teilnahme%3D[GLUECK]%26kasten1%3D[KASTEN1]%26kasten2%3D[KASTEN2]%26kasten3%3D[KASTEN3]%26"
             "kasten4%3D[KASTEN4]%26kasten5%3D[KASTEN5]%26kasten6%3D[KASTEN6]%26kasten7%3D[KASTEN7]%26"
             "kasten8%3D[KASTEN8]%26laufzeit%3D1%26is_dauerspiel%3D0%26dauerspiel_name%3D0%26name%3D0%26mc%3D") +
         kMarketingcode +
         QStringLiteral("%26redirect_warenkorb%3D1%26jackpot-knacker%3D0%26ref%3D%24ref%24");
}

QString kastenAusListe(const QString& listenzeile, Suffix s) {
  const qsizetype drei = listenzeile.indexOf(QStringLiteral("\t\t\t"));
  if (drei < 0) return felderMitKomma(listenzeile.split(QLatin1Char('\t')), s);
  return felderMitKomma(listenzeile.left(drei).split(QLatin1Char('\t')), s) + trenner(s) +
         felderMitKomma(listenzeile.mid(drei + 3).split(QLatin1Char('\t')), s);
}

QString kastenAusZeile(const tippdatei::Feldtexte& zeile, Suffix s) {
  const QString k = felderMitKomma({zeile[0], zeile[1], zeile[2], zeile[3], zeile[4]}, s) + trenner(s) +
                    felderMitKomma({zeile[5], zeile[6]}, s);
  return k.left(kKastenMax);
}

QString leererKasten(Suffix s) { return QStringLiteral(",,,,") + trenner(s) + QLatin1Char(','); }

QString url(const QString& vorlage, Art art, const QString& portal, int anzahl, const QString& losNr,
            const Zusatzspiele& spiele, const std::array<QString, kProUrl>& kaesten) {
  const Suffix s = suffixFuer(art, portal);
  QString u = vorlage;
  const bool tippsAnhaengen = !vorlage.contains(QStringLiteral("Tipps=")) &&
                              (s == Suffix::einfach || art == Art::ersteStandard);
  if (tippsAnhaengen) u += QStringLiteral("Tipps=[ANZAHL]&");
  u += suffixText(s);
  ersetzeErstes(u, QStringLiteral("[ANZAHL]"), QString::number(anzahl));
  for (int i = 0; i < kProUrl; ++i)
    ersetzeErstes(u, QStringLiteral("[KASTEN%1]").arg(i + 1), kaesten[static_cast<size_t>(i)]);
  const auto flag = [](bool an) { return an ? QStringLiteral("1") : QStringLiteral("0"); };
  ersetzeErstes(u, QStringLiteral("[SPIEL77]"), flag(spiele.Spiel77));
  ersetzeErstes(u, QStringLiteral("[SUPER6]"), flag(spiele.Super6));
  ersetzeErstes(u, QStringLiteral("[GLUECK]"), flag(spiele.glueck));
  ersetzeErstes(u, QStringLiteral("[SCHEINNR]"), wert(losNr, s));

  const QUrl geprueft(u, QUrl::TolerantMode);
  const QString schema = geprueft.scheme().toLower();
  if (!u.startsWith(schema + QLatin1Char(':'), Qt::CaseInsensitive) || (schema != QLatin1String("http") && schema != QLatin1String("https")) ||
      geprueft.host().isEmpty())
    throw plattform::Fehler(kUngueltig, {});
  if (u.size() > kUrlMax) throw plattform::Fehler(kZuLang, {});
  return u;
}

}  // namespace warenkorb
