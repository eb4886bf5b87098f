#include "plattform/fenster/datumswahl.h"

#include <QLocale>

namespace plattform {

DatumsWahl::DatumsWahl(QWidget* eltern) : QDateEdit(eltern) {
  setCalendarPopup(true);
  // The user's short date format, with the full year so that a typed year is never guessed.
  QString format = QLocale().dateFormat(QLocale::ShortFormat);
  if (!format.contains(QStringLiteral("yyyy"))) format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
  setDisplayFormat(format);
}

bool DatumsWahl::setzeDatum(const QDate& datum) {
  if (datum.isValid() && datum > maximumDate()) {
    setDate(maximumDate());
    return false;
  }
  const bool passt = datum.isValid() && datum >= minimumDate();
  setDate(passt ? datum : minimumDate());
  return passt;
}

}  // namespace plattform
