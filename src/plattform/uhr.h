#pragma once
#include <QDate>

namespace plattform {

// Today's date; tests fix it to a weekday of their choice (an invalid date restores the clock).
QDate heute();
void setzeHeute(const QDate& tag);

}  // namespace plattform
