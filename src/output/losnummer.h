#pragma once
#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The 7-digit ticket number of the cart and the draw history of the sibling 6-of-49 product,
// whose "Spiel 77" and "Super 6" results a new number can avoid.
namespace losnummer {

// One 32-byte record of the sibling history: bytes 0-7 the date (day count since 30.12.1899),
// 16-22 the seven Spiel 77 digits, 23-28 the six Super 6 digits.
struct Ziehung08 {
  double datum = 0;
  int spiel77 = -1;  // the seven digits as one number; -1 when a byte is no digit 0..9
  int super6 = -1;   // likewise for the six digits
};

// The file of the sibling product: AppDatenPfad() + "kestrell/zahlen-kenner/Rorevo08.dat".
QString zahlenfile08();

// Reads the whole file at once; whole records only (a short trailing piece is ignored).
// Raises plattform::Fehler when it cannot be read.
std::vector<Ziehung08> lies(const QString& pfad);
std::vector<Ziehung08> ausBytes(const QByteArray& bytes);

using Ziffern = std::array<int, 7>;  // first digit first
int alsZahl(const Ziffern& z);

// Mode 1: digits 1-7 equal the Spiel 77 digits, or digits 2-7 the Super 6 digits.
// Mode 2: digits 2-7 equal the last six Spiel 77 digits or the Super 6 digits.
// Mode 3 and 4: the last five (four) digits equal those of Spiel 77 or of Super 6.
bool istTreffer(int nummer, const Ziehung08& z, int modus);

// Draws seven digits 0..9 from the shared RandSeed, first to seventh.
Ziffern zieheZiffern();

struct Ergebnis {
  Ziffern ziffern{};
  int modus = 0;  // SpielzahlTest at the end
};
// The generator: draws a number, and while a record of the history is a hit under the mode,
// draws again; after more than 1000 hits the mode goes down by one, and at mode 0 the digits
// stand. Mode 0 (or less), or no history: the first digits stand.
Ergebnis neueLosnummer(int modus, const std::vector<Ziehung08>& historie);
// The same from digits already drawn.
Ergebnis neueLosnummer(const Ziffern& erste, int modus, const std::vector<Ziehung08>& historie);

// The search: the message for the number, or nothing when no history is given.
QString suche(const Ziffern& ziffern, const std::vector<Ziehung08>& historie);

}  // namespace losnummer
