#pragma once
#include <QString>
#include <QStringList>
#include <array>

#include "output/tippdatei.h"

// Completing the broker's cart URL template (WarenkorbVorlage) with the tips of one batch.
namespace warenkorb {

// The broker's cart when the server answers with an error that is no message page.
inline const QString kWarenkorbAdresse = QStringLiteral("https://www.tippland.example/warenkorb/?");
// The two portal names of the broker that take the URL-encoded suffix.
inline const QString kPortal1 = QStringLiteral("Tippland-Club");
inline const QString kPortal2 = QStringLiteral("Tippland-Mobil");
inline const QString kMarketingcode = QStringLiteral("zahlenkenner");
inline constexpr int kUrlMax = 2048;
inline constexpr int kKastenMax = 255;
inline constexpr int kProUrl = 6;
// The template is one URL, an error answer a short page: a larger answer is a failed request.
inline constexpr qint64 kAntwortGrenze = 256 * 1024;

inline const QString kZuLang = QStringLiteral("Die Warenkorb-Adresse ist zu lang.");
inline const QString kUngueltig = QStringLiteral("Die Warenkorb-Adresse des Servers ist ungültig.");

// Percent-encoding of a value put into a URL: unreserved characters and "," stay.
QString kodiere(const QString& wert);

// Path and query of the cart request: "/lotto/lotto.asp?Spiel=Kalvatro&Wo=" + portal + "&Tipps=" + n.
QString anfrage(const QString& portal, int n);

// The answer made ready: blanks and line ends trimmed, the first "Tipps=" + n that no
// further digit follows becomes "Tipps=[ANZAHL]".
QString vorlageAusAntwort(const QString& antwort, int n);

enum class Suffix { einfach, kodiert };
// Which cart URL of a hand-off is completed.
enum class Art { liste, ersteStandard, zweiteStandard };

Suffix suffixFuer(Art art, const QString& portal);
QString trenner(Suffix s);  // "," or "%2F"
QString suffixText(Suffix s);

// Box texts; every field is percent-encoded, once more for the URL-encoded suffix.
QString kastenAusListe(const QString& listenzeile, Suffix s);
QString kastenAusZeile(const tippdatei::Feldtexte& zeile, Suffix s);
QString leererKasten(Suffix s);

struct Zusatzspiele {
  bool Spiel77 = false;
  bool Super6 = false;
  bool glueck = false;
};

// The completed URL of one batch. Raises plattform::Fehler kUngueltig when it is no http or
// https address with a host, kZuLang when it holds more than kUrlMax characters.
QString url(const QString& vorlage, Art art, const QString& portal, int anzahl, const QString& losNr,
            const Zusatzspiele& spiele, const std::array<QString, kProUrl>& kaesten);

}  // namespace warenkorb
