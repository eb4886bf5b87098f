#pragma once
#include <QDateTime>
#include <QDialog>
#include <QString>
#include <array>

#include "plattform/http.h"
#include "stats/auswertung.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
namespace plattform {
class StatusLeiste;
}

// "Auswertung und Gewinnberechnung": the prizes of the last tip check in twelve prize
// classes, with quotas downloaded for the evaluated draw, filled in as averages or typed. The
// main window sets the public fields and the counts, then shows it modally. Its message and
// format texts are the hints of its own controls, so that a language file translates them.
class TForm9 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm9(QWidget* eltern = nullptr);
  ~TForm9() override;

  void FormCreate();
  void FormResize() {}

  // The recalculation: bound to the text change of all 24 count and quota fields.
  void Edit9Change();
  void SpeedButton1Click();  // average quotas
  void SpeedButton2Click();  // quota download

  // Rows 4 and 5 take their class labels from the evaluated date.
  void klassenNachDatum();
  // The evaluation's part in the dialog before the main window shows it, as one command: the
  // counts of the hit classes (rows 1 to 3, then 4 and 5 with their labels by the date, then 6
  // to 12), the recalculation once more, the quota download. A proxy port that is not a whole
  // number ends it with Fehler.
  void auswerten(const tippcheck::Statistiktabelle& statistik);

  // Set by the main window before each evaluation.
  QString Port;
  QString proxy;
  QDateTime Datum;
  const Meldungstabelle* Meldungen = nullptr;  // the texts of the chosen language; German without

  // Row r (0..11) top to bottom.
  std::array<QLineEdit*, auswertung::kKlassen> Anzahl{};   // Edit1..Edit8, Edit17..Edit20
  std::array<QLabel*, auswertung::kKlassen> Klasse{};      // Label4..Label11, Label21..Label24
  std::array<QLineEdit*, auswertung::kKlassen> Quote{};    // Edit9..Edit16, Edit21..Edit24
  std::array<QLabel*, auswertung::kKlassen> Ergebnis{};    // Label12..Label19, Label25..Label28

  QLabel* Label1 = nullptr;  // "Anzahl"
  QLabel* Label2 = nullptr;  // "Richtig + E + E"; its hint: the text after a taken answer
  QLabel* Label3 = nullptr;  // "Gewinnquoten"
  QFrame* Panel1 = nullptr;  // "Summe"; its hint: panel 0 after a taken answer
  QLabel* Label20 = nullptr;  // the total
  QToolButton* SpeedButton1 = nullptr;
  QToolButton* SpeedButton2 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  plattform::StatusLeiste* StatusBar1 = nullptr;

  plattform::HttpClient HttpCli1{plattform::HttpClient::Profil::Indy};

 private:
  friend class Auswertungsbefehl;
  int befehle_ = 0;                 // commands running (the recalculation's message shows once in each)
  bool meldungGezeigt_ = false;
};

// The dialog, living for the run; empty until it exists.
extern TForm9* Form9;
