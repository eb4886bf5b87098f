#pragma once
#include <QChartView>
#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class QCategoryAxis;
class QBarSeries;
class QBarSet;
class QValueAxis;

namespace plattform {

// One bar series of a Balkendiagramm: a single QBarSet in the series colour; bars of one other
// colour are the set's selected bars, drawn in its selected colour. Refilling the series
// updates the set in place, so a redraw with the same number of bars allocates nothing.
class Balkenserie {
 public:
  struct Balken {
    int x = 0;
    int y = 0;
    QColor farbe;  // invalid: the series colour
  };

  bool aktiv() const;
  void setAktiv(bool aktiv);
  void leeren();
  void wertebeschriftungAus();
  // Replaces every bar; at most one colour besides the series colour (else Fehler, bars as before).
  void setzeBalken(const std::vector<Balken>& balken);
  void hinzufuegen(int x, int y, const QColor& farbe = QColor());

  QColor serienfarbe() const;
  int anzahl() const;
  int x(int k) const;
  int y(int k) const;
  QColor farbe(int k) const;
  bool wertebeschriftung() const;

 private:
  friend class Balkendiagramm;
  Balkenserie(class Balkendiagramm* diagramm, QBarSeries* serie, QBarSet* satz);
  class Balkendiagramm* diagramm_;
  QBarSeries* serie_;
  QBarSet* satz_;
  std::vector<int> xs_;
};

// The bar chart: two series, a left value axis set one bound at a time, a bottom axis that
// follows the bars (their x values as labels, as many as fit) and carries the title. Legend and chart title
// are hidden, the view is flat.
class Balkendiagramm : public QChartView {
  Q_OBJECT
 public:
  explicit Balkendiagramm(QWidget* eltern = nullptr);
  ~Balkendiagramm() override;

  // nr 1 or 2 (Series1, Series2).
  Balkenserie& serie(int nr);

  // Each bound alone: a minimum above the current maximum, or a maximum below the current
  // minimum, raises Fehler and changes nothing.
  void setLinksMinimum(int wert);
  void setLinksMaximum(int wert);
  // Automatic: 0 up to the largest bar of the active series, read back at once.
  void setLinksAutomatisch(bool automatisch);
  bool linksAutomatisch() const { return automatisch_; }
  int linksMinimum() const { return min_; }
  int linksMaximum() const { return max_; }

  void setUntenAutomatisch();
  void setUntenTitel(const QString& titel);
  QString untenTitel() const;

  // Everything of the chart that it shows or that its commands read: two charts with equal
  // states look alike and answer every command alike.
  struct Serienstand {
    bool aktiv = false;
    bool wertebeschriftung = false;
    QList<qreal> werte;
    QList<int> markiert;
    QColor markierfarbe;
    std::vector<int> xs;
    bool operator==(const Serienstand&) const = default;
  };
  struct Stand {
    int min = 0, max = 0;
    bool automatisch = true;
    qreal achseVon = 0, achseBis = 0, achseSchritt = 0;
    QString titel;
    QFont titelschrift;
    std::vector<int> beschriftet;
    std::array<Serienstand, 2> serien;
    bool operator==(const Stand&) const = default;
  };
  Stand stand() const;

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  friend class Balkenserie;
  void passeTitelAn();
  void balkenGeaendert();
  void zeigeBereich();
  void setzeBeschriftung(const std::vector<int>& xs);

  QCategoryAxis* unten_ = nullptr;
  std::vector<int> beschriftet_;
  QString titel_;
  QValueAxis* links_ = nullptr;
  std::vector<Balkenserie> serien_;
  int min_ = 0;
  int max_ = 0;
  bool automatisch_ = true;
};

}  // namespace plattform
