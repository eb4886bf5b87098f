#pragma once
#include <QDate>
#include <QDateEdit>

namespace plattform {

// A date picker with a lowest date. A date before it, or no date at all, makes the picker take
// its lowest date, as the pickers of the history do; a date after the highest takes the highest.
class DatumsWahl : public QDateEdit {
  Q_OBJECT
 public:
  explicit DatumsWahl(QWidget* eltern = nullptr);
  // Returns false when the picker refused the date and took its lowest date instead.
  bool setzeDatum(const QDate& datum);
  QDate Datum() const { return date(); }
};

}  // namespace plattform
