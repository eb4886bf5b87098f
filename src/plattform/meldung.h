#pragma once
#include <QString>

namespace plattform {

// The text a message box shows: at most the first 200 characters, then "…". A box lays out its
// whole text, so a server answer of megabytes would freeze the window for a minute.
inline constexpr qsizetype kMeldungslaengeMax = 200;
QString meldungstext(const QString& text);

}  // namespace plattform
