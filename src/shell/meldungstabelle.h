#pragma once
#include <QString>
#include <QStringList>

// Every text the code shows by index. A language's message file replaces the whole table;
// a read past its end gives the empty text and never fails.
class Meldungstabelle {
 public:
  static constexpr int kZeilenlaengeMax = 4096;
  // Texts of our own after the table's 76 lines. A message file that ends before one of them, or
  // leaves it empty (an older file), gives its German text instead of the empty one.
  enum Zusatz : int {
    kSprachdateiNichtLesbar = 76,  // "%1": the file
    kSprachdateiBeschaedigt,       // "%1": the file
    kExportTitel,                  // caption of the export's save dialog
    kExportNichtGeschrieben,       // "%1": the master file
    kBerechnungLaeuft,             // a command refused while a generation run goes
    kServerZeitlimit,              // no answer within the time limit
    kServerNichtErreicht,          // no connection to the server
    kUebertragungFehlgeschlagen,   // any other failure without an answer
    kZuVieleZiehungen,             // a day's answer with more draws than a day has; "%1": the day
    kDateiZuGross,                 // "%1": a file beyond the size the program reads
    kZiehungenOhneDatum,           // "%1": the history, "%2": how many, "%3": the first one's number
    kDownloadLaeuft,               // a command refused while the draw download goes
    kReihenErreicht,               // "%1": the wanted count, which the list already holds
    kWarenkorbPruefen,             // status after the tips went to the broker's cart
    kKlickLotseFrage,              // the question when the click program is not found
    kKlickLotseTitel,              // and its caption
    kTextexportTitel,              // caption of the history's text export dialog
    kVorlageFehlt,                 // "%1": the coupon's report template the user chose
    kVorlageUnlesbar,              // "%1": the report template tried last
    kHintergrundUnlesbar,          // "%1": the coupon's background picture
    kVorlageOhneFeld,              // "%1": the report template, "%2": the field it lacks
    kScheinDruckenFrage,           // the question before each coupon is printed
    kDruckenTitel,                 // and its caption
    kKeinIntegerwert,              // "%1": typed text that is no whole number
    kKeinGleitkommawert,           // "%1": typed text that is no number
    kLosnummerSuper6,              // "%1": the day the ticket number was drawn in Super 6
    kLosnummerSpiel77,             // "%1": the day it was drawn in Spiel 77
    kLosnummerNie,                 // the ticket number was never drawn
    kPaareGesamt,                  // the pairs chart's title: all pairs, the count follows
    kPaareMit,                     // "%1": the number whose pairs the count after it gives
    kFeldFehlt,                    // "%1", "%2": the coupon field Zahl%1_%2 the template lacks
    kTopfVoll,                     // "%1": the most entries the number pot holds
    kTextdateien,                  // file dialog: the kind of the "*.txt" files
    kTextdatei,                    // the same where one file is saved or opened
    kTippdatei,                    // file dialog: the kind of the "*.zpk" files
    // The file and settings errors of the lower layers, looked up by their German text:
    kDateiFehlt,                   // "%1": the file
    kDateiNichtGeoeffnet,          // "%1": the file
    kDateiNichtGelesen,            // "%1": the file
    kDateiNichtGeschrieben,        // "%1": the file
    kDateiNichtErsetzt,            // "%1": the file, "%2": the new one that should replace it
    kPlatteVoll,                   // a reason: the disk is full
    kZugriffVerweigert,            // a reason: the system refused access
    kDateizugriffVerweigert,       // the tip sheet could not be written for lack of rights
    kDateiNichtGeoeffnetWeil,      // "%1": the file, "%2": the reason
    kDateiNichtErstelltWeil,       // "%1": the file, "%2": the reason
    kDateiNichtDa,                 // a reason: the file does not exist
    kOrdnerNichtErstellt,          // "%1": the folder
    kKeineTippdatei,               // "%1": the file
    kKeineWerteliste,              // "%1": the file's name
    kKeinDatum,                    // "%1": typed text that is no date
    kDateiNichtGeloescht,          // "%1": the file
    kEinstellungenUnlesbar,        // "%1": the settings file, which stays as it is
    kFalscherDatentyp,             // "%1": a stored value of another type
    kWertNichtGeschrieben,         // "%1": the value's name
    kSchluesselNichtGeoeffnet,     // "%1": the settings key
    kWarenkorbZuLang,              // the cart address is longer than the broker takes
    kWarenkorbUngueltig,           // the server's cart address is no http(s) address
    // The status bar's words of a download (the German program shows them as they stand):
    kLaedt,                        // a download has begun
    kEmpfangen,                    // "%1": the bytes of the answer
    kFehlgeschlagen,               // "%1": the HTTP status; the reason follows the blank
    kZusatzEnde
  };

  Meldungstabelle();
  QString text(int index) const;
  QString operator[](int index) const { return text(index); }
  void ersetzen(const QStringList& zeilen);
  int anzahl() const { return static_cast<int>(zeilen_.size()); }
  const QStringList& zeilen() const { return zeilen_; }

  // A German text of our own after the table's 76 lines in this table's language; empty for any
  // other text. The lower layers' messages are looked up this way where they are shown.
  QString uebersetze(const QString& deutsch) const;

  static const QStringList& eingebaut();
  // The table a window was given, or the built-in German one while it has none.
  static const Meldungstabelle& oderDeutsch(const Meldungstabelle* tabelle);

 private:
  QStringList zeilen_;
};
