#pragma once
#include <QObject>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QWidget;

namespace plattform {
class RadioGroup;
class UpDown;
}  // namespace plattform

// The tab "Parameter": the options of the engine on the sub-tabs of PageControl2
// ("Statistisch", "Schein Optimierung", "Mathematisch", the hidden "Eurozahlen", "Allgemein"),
// with their designed captions, ranges and defaults. The settings store them; the engine
// reads them at the moment it applies each rule.
class Parameterseite : public QObject {
  Q_OBJECT
 public:
  Parameterseite(QTabWidget* PageControl2, QObject* eltern);

  // Places the controls whose place follows the width of a caption (the sentence rows of the
  // history filters, the sum window, the run count) after the caption as it reads now. Runs at
  // creation and again after a caption has changed.
  void anordnen();

  // By number, for the settings ("Chekcbox" + n, "UpDown" + n); nullptr for a number that
  // lies elsewhere (CheckBox21 on "Internet-Optionen", UpDown8 on "Tipp-Übersicht", UpDown21 on "Diagramm").
  QCheckBox* checkBox(int n) const;
  plattform::UpDown* upDown(int n) const;

  // Couplings of limits, at a press or release on the arrows: the even and odd minimum counts
  // together stay at most 6, the minimum overlap at most the maximum one. Not stored.
  void UpDown15MouseDown();
  void UpDown15MouseUp();
  void UpDown16MouseDown();
  void UpDown16MouseUp();
  void UpDown3MouseDown();
  void UpDown9MouseUp();

  // Sub-tabs.
  QWidget* TabSheet7 = nullptr;   // "Statistisch"
  QWidget* TabSheet8 = nullptr;   // "Schein Optimierung"
  QWidget* TabSheet9 = nullptr;   // "Mathematisch"
  QWidget* TabSheet10 = nullptr;  // "Eurozahlen", never shown
  QWidget* TabSheet11 = nullptr;  // "Allgemein"

  // "Statistisch": the pool's statistical bands.
  QCheckBox *CheckBox1 = nullptr, *CheckBox11 = nullptr;  // pairs, frequent / rarest
  QCheckBox *CheckBox6 = nullptr, *CheckBox12 = nullptr;  // triples
  QCheckBox *CheckBox7 = nullptr, *CheckBox13 = nullptr;  // quadruples
  QCheckBox* CheckBox2 = nullptr;                          // often drawn, percentage UpDown12
  QCheckBox* CheckBox14 = nullptr;                         // rarely drawn, percentage UpDown14
  QCheckBox* CheckBox10 = nullptr;                         // overdue longer than UpDown13 draws
  QCheckBox* CheckBox19 = nullptr;                         // neighbours of the last draw
  plattform::UpDown *UpDown12 = nullptr, *UpDown13 = nullptr, *UpDown14 = nullptr;
  QLineEdit *Edit85 = nullptr, *Edit86 = nullptr, *Edit87 = nullptr;

  // "Schein Optimierung": overlaps, recent draws, the history filters, pool exclusions.
  QCheckBox* CheckBox27 = nullptr;                         // bounds per row
  QCheckBox* CheckBox3 = nullptr;                          // maximum overlap UpDown3
  QCheckBox* CheckBox24 = nullptr;                         // minimum overlap UpDown9
  QCheckBox *CheckBox4 = nullptr, *CheckBox5 = nullptr, *CheckBox23 = nullptr;  // last three draws
  QCheckBox* CheckBox9 = nullptr;                          // history, date window (UpDown6)
  QCheckBox* CheckBox28 = nullptr;                         // history, recent (UpDown17, UpDown18)
  QCheckBox *CheckBox29 = nullptr, *CheckBox30 = nullptr;  // avoid 1-12, weaken 1-31
  QCheckBox* CheckBox31 = nullptr;                         // extra numbers in matches
  plattform::UpDown *UpDown3 = nullptr, *UpDown9 = nullptr, *UpDown4 = nullptr, *UpDown5 = nullptr,
                    *UpDown11 = nullptr, *UpDown6 = nullptr, *UpDown17 = nullptr, *UpDown18 = nullptr;
  QLineEdit *Edit39 = nullptr, *Edit88 = nullptr, *Edit40 = nullptr, *Edit41 = nullptr, *Edit84 = nullptr,
            *Edit42 = nullptr, *Edit91 = nullptr, *Edit92 = nullptr;

  // "Mathematisch": the sum window, pair and runs, minimum counts.
  QLabel* QuersummenLabel = nullptr;
  plattform::UpDown *UpDown1 = nullptr, *UpDown2 = nullptr;
  QLineEdit *Edit37 = nullptr, *Edit38 = nullptr;
  QCheckBox *CheckBox8 = nullptr, *CheckBox18 = nullptr;
  QCheckBox *CheckBox25 = nullptr, *CheckBox26 = nullptr, *CheckBox22 = nullptr;  // even, odd, primes
  plattform::UpDown *UpDown15 = nullptr, *UpDown16 = nullptr, *UpDown10 = nullptr;
  QLineEdit *Edit89 = nullptr, *Edit90 = nullptr, *Edit83 = nullptr;

  // "Eurozahlen" (hidden; stored only).
  QCheckBox *CheckBox16 = nullptr, *CheckBox17 = nullptr;
  plattform::UpDown *UpDown19 = nullptr, *UpDown20 = nullptr;
  QLineEdit *Edit105 = nullptr, *Edit106 = nullptr;
  plattform::RadioGroup *RadioGroup1 = nullptr, *RadioGroup2 = nullptr;

  // "Allgemein".
  QCheckBox *CheckBox15 = nullptr, *CheckBox20 = nullptr;
  plattform::UpDown* UpDown7 = nullptr;  // "Max. Berechnungsläufe" in thousands
  QLineEdit* Edit55 = nullptr;

 private:
  void baueStatistisch();
  void baueScheinOptimierung();
  void baueMathematisch();
  void baueEurozahlen();
  void baueAllgemein();
  void getipptUngekoppelt(plattform::UpDown* ud);
  QCheckBox* box(QWidget* seite, int n, const QString& text, bool an, int x, int y, int breite);
  plattform::UpDown* zahl(QWidget* seite, int n, int edit, int min, int max, int pos, int x, int y,
                          QLineEdit*& partner, int breite = 33);

  // The sentence parts of the history filters (labels of our own).
  QLabel *Label9Satz_ = nullptr, *Label28Satz_ = nullptr, *Label28Ende_ = nullptr;
  QLabel *LaufMaxLabel_ = nullptr, *TausendLabel_ = nullptr;
  std::array<QCheckBox*, 32> boxen_{};
  std::array<plattform::UpDown*, 22> upDowns_{};
};
