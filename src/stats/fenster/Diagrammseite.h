#pragma once
#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "plattform/fenster/balkendiagramm.h"
#include "shell/panelschnittstellen.h"
#include "shell/programmzustand.h"
#include "shell/ziehungssuche.h"
#include "stats/anzeigeregel.h"
#include "stats/zahlenstatistik.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class QToolButton;
namespace plattform {
class DatumsWahl;
class UpDown;
}  // namespace plattform

// What the tip distribution reads of the tips on "Tipp-Übersicht".
struct Tippzugang {
  std::function<bool()> listenansicht;  // the list view is shown
  std::function<QStringList()> listenzeilen;
  std::function<std::array<std::array<QString, 5>, 12>()> scheinzeilen;  // the five number texts per row
  std::function<void()> gewinneLeeren;  // empties the list's results
};

// Where the controls of the statistics go: the pages, and the rows beside which the chart
// buttons and links of the option tabs stand.
struct Diagrammorte {
  QTabWidget* PageControl1 = nullptr;
  QWidget* TabSheet1 = nullptr;  // "Tipp-Übersicht"
  QWidget* TabSheet4 = nullptr;  // "Datenbank"
  QWidget* TabSheet5 = nullptr;  // "Diagramm"
  QWidget* CheckBox1 = nullptr;  // "Statistisch": pairs, triples, quadruples, frequency, overdue
  QWidget* CheckBox6 = nullptr;
  QWidget* CheckBox7 = nullptr;
  QWidget* CheckBox2 = nullptr;
  QWidget* CheckBox10 = nullptr;
  QWidget* QuersummenLabel = nullptr;  // "Mathematisch": the sum window, forced pairs, no groups
  QWidget* CheckBox8 = nullptr;
  QWidget* CheckBox18 = nullptr;
};

// The draw statistics as bar charts on "Diagramm": their buttons there and on "Datenbank",
// "Parameter" and "Tipp-Übersicht", the display of each statistic, the pairs with a chosen
// number, the day-by-day animation and the distribution of the current tips.
class Diagrammseite : public QObject {
  Q_OBJECT
 public:
  Diagrammseite(Programmzustand& zustand, Statusanzeige& status, plattform::DatumsWahl* DateTimePicker2,
                plattform::DatumsWahl* DateTimePicker1, std::function<Ziehungszeitfilter()> zeitfilter,
                Tippzugang tipps, const Diagrammorte& orte, QObject* eltern);

  // The link labels on "Mathematisch" after their captions changed: each wraps to its new
  // height, and the second part of the "Dreier, Vierer ..." sentence follows the first.
  void anordnen();

  // The statistics: one history read each, the chart, the chart kind, aktDatum and dfb.
  void SpeedButton2Click();   // frequency
  void SpeedButton9Click();   // sums
  void Button2Click();        // pairs
  void Button3Click();        // triples
  void Button4Click();        // quadruples
  void Button5Click();        // overdue
  void SpeedButton30Click();  // pairs with N
  void Button8Click();        // extra-number overdue
  void SuperAusClick();       // the same, from the extra-number tab that is never shown
  void SpeedButton3Click();   // extra-number frequency; reached through SuperseltenClick only
  void SuperseltenClick();
  // Shortcuts: the chart page first, then the statistic.
  void SpeedButton26Click();
  void Label88Click();
  void Label89Click();
  void Label91Click();
  void Label90Click();
  // Next N, the animation, the tip distribution.
  void SpeedButton29Click();
  void BitBtn20Click();
  void BitBtn21Click();
  void Timer1Timer();
  void Button6Click();

  // The generation run's use of the chart: a statistic of its pool shown as its button shows
  // it, and the bars emptied when the history filters begin. A run shows the same statistics
  // and empties the bars batch after batch; once such a cycle has left the chart as it found
  // it, a statistic that may wait (the window is not drawn before the bars are emptied) is
  // only drawn if the chart is seen first, and the cycle leaves the chart alone. Whoever may
  // see the chart while the run goes calls abgleichen() first.
  void zeigeStatistik(statistik::Statistikart art, const statistik::Zahlenstatistik& s, bool aufschieben = false);
  void leeren();
  void abgleichen();

  // The chart kind the animation redraws, kept as the tag of BitBtn20.
  int diagrammart() const;
  QDate merkdatum;

  // Tab "Diagramm".
  QToolButton* SpeedButton2 = nullptr;
  QToolButton* SpeedButton9 = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QToolButton* SpeedButton3 = nullptr;
  QToolButton* SpeedButton12 = nullptr;
  QToolButton* SpeedButton19 = nullptr;
  QToolButton* SpeedButton30 = nullptr;
  QLineEdit* Edit107 = nullptr;
  plattform::UpDown* UpDown21 = nullptr;
  QToolButton* SpeedButton29 = nullptr;
  QPushButton* BitBtn20 = nullptr;
  QPushButton* BitBtn21 = nullptr;
  plattform::Balkendiagramm* Chart1 = nullptr;
  QTimer* Timer1 = nullptr;
  // Tab "Datenbank".
  QPushButton* Button2 = nullptr;
  QPushButton* Button3 = nullptr;
  QPushButton* Button4 = nullptr;
  QPushButton* Button5 = nullptr;
  QPushButton* Button8 = nullptr;
  // Tab "Parameter".
  QToolButton* SpeedButton22 = nullptr;
  QToolButton* SpeedButton23 = nullptr;
  QToolButton* SpeedButton24 = nullptr;
  QToolButton* SpeedButton25 = nullptr;
  QToolButton* SpeedButton26 = nullptr;
  QLabel* Label88 = nullptr;
  QLabel* Label89 = nullptr;
  QLabel* Label90 = nullptr;
  QLabel* Label91 = nullptr;
  // Tab "Tipp-Übersicht".
  QToolButton* Button6 = nullptr;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void baueDiagramm(QWidget* seite);
  void baueDatenbank(QWidget* seite);
  void baueParameter(const Diagrammorte& orte);
  QLabel* verweis(QWidget* neben, const char* name, const QString& text, int dx);
  void berechneUndZeige(statistik::Statistikart art);
  void anzeigen(statistik::Statistikart art, const statistik::Zahlenstatistik& s);
  // What a statistic puts on the chart, and whether the chart took it (a refused axis range
  // ends the display).
  struct Laufschritt {
    statistik::Statistikart art{};
    std::vector<statistik::Balken> balken;
    int minimum = 0;
    int maximum = 0;
    QString titel;
    bool gezeigt = false;
    bool operator==(const Laufschritt& o) const {
      return art == o.art && balken == o.balken && minimum == o.minimum && maximum == o.maximum && titel == o.titel;
    }
  };
  Laufschritt schritt(statistik::Statistikart art, const statistik::Zahlenstatistik& s) const;
  bool zeichne(const Laufschritt& l);
  void gezeigt(statistik::Statistikart art);
  // The run's statistics since the bars were last emptied, the first `offen` of them not yet
  // drawn, and the chart's state before them; the cycle known to change nothing.
  struct Laufzyklus {
    std::vector<Laufschritt> schritte;
    std::size_t offen = 0;
    plattform::Balkendiagramm::Stand vorher;
    plattform::Balkendiagramm::Stand erwartet;  // after the steps drawn
    bool folgt = false;  // so far the known cycle, from its state
    bool fremd = false;  // something else changed the chart since the cycle began
    bool bekannt = false;
    std::vector<Laufschritt> bekannteSchritte;
    plattform::Balkendiagramm::Stand stand;
  };
  Laufzyklus lauf_;
  void zyklusBeginnen();
  void pruefeFremd();
  void zeigeDiagrammseite();
  void setzeDiagrammart(int art);
  void animationAus();

  Programmzustand& z_;
  Statusanzeige& status_;
  plattform::DatumsWahl* start_;
  plattform::DatumsWahl* ende_;
  std::function<Ziehungszeitfilter()> zeitfilter_;
  Tippzugang tipps_;
  QTabWidget* PageControl1_;
  QWidget* TabSheet5_;
};
