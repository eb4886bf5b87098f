#pragma once
#include <QString>
#include <QStringList>
#include <vector>

#include "shell/ziehung.h"

// The rules that choose the current draw in the history and that rebuild it. They work on the
// records as one read of the file gives them; indices count from 0.

// The check boxes "13:00" and "20:30": with one time ticked, previous and next move two records
// from a draw of that time, so that an alternating history is walked at that time only.
struct Ziehungszeitfilter {
  bool mittag = true;
  bool abend = true;
  bool doppelschritt(bool istMittag) const { return mittag != abend && mittag == istMittag; }
};

// Show: the first record dated on or after zieltag, else the last record; -1 for an empty history.
// Records whose date cannot be read never qualify; they are counted, and the search moves on.
struct Fundstelle {
  int index = -1;
  int lesefehler = 0;
  int ersterFehler = -1;  // index of the first record passed over
};
Fundstelle sucheAbTag(const std::vector<Ziehung>& saetze, qint64 zieltag);

// Previous: the new Position (never below 0), and the record that reading up to it reaches.
int vorherigePosition(int position, bool doppelschritt);
int erreichterSatz(int position, int anzahl);  // -1 for an empty history

// Next: the record reached by the scan from record 0 towards Position + 1; -1 when empty.
int naechsterSatz(const std::vector<Ziehung>& saetze, int position, const Ziehungszeitfilter& filter);

// Deletion: every record not dated on that day, in order.
std::vector<Ziehung> ohneTag(const std::vector<Ziehung>& saetze, qint64 tag);

// Manual entry: the reference is the first record dated exactly endtag, else the last record;
// -1 for an empty history (the proposal then stands).
int referenzSatz(const std::vector<Ziehung>& saetze, qint64 endtag);
// Whether the new record is appended: it is dated later than every stored record.
bool wirdAngehaengt(const std::vector<Ziehung>& saetze, const Ziehung& neu);
// The rebuilt history: the new record right before the first record dated on or after it, and
// every stored record of exactly its day dropped.
std::vector<Ziehung> mitEingabe(const std::vector<Ziehung>& saetze, const Ziehung& neu);

// The text of Label29 for the shown draw. The show command separates date and numbers by two
// blanks (three for the first record of a history of two or more) and ends with two blanks;
// previous and next use two blanks and end with "   (13:00)" for a 13:00 draw.
enum class Anzeigeart { zeigen, schritt };
QString anzeigetext(const Ziehung& z, Anzeigeart art, bool ersterVonMehreren);

// "Export nach Text": YYYYMMDD, the five numbers, the two extra numbers, joined by ",".
QStringList textExport(const std::vector<Ziehung>& saetze);
