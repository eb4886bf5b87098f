#pragma once
#include <QString>

namespace plattform {

// APPDATA with a trailing separator when set and not empty, else the user's data folder
// (XDG data home) with a trailing separator. Never the working folder: data left below
// whatever folder the program happened to start in would be lost to the next start.
// The data folder is created when missing: the program expects it to be there.
QString AppDatenPfad();

// XDG_<name> when set to an absolute path, else the home folder plus the fallback, with a
// trailing separator (benutzerOrdner("XDG_CONFIG_HOME", ".config")).
QString benutzerOrdner(const char* xdgVariable, const char* unterHome);

// Folder of the executable with a trailing separator (language files, sound, seed history).
QString Programmpfad();
// Tests point the program folder at a temporary copy of data/.
void setzeProgrammpfad(const QString& ordner);

// Appends the platform's separator when missing.
QString mitTrenner(const QString& ordner);

// Base addresses of the download server and the product-family web server
// (build-time defaults, overridden by ZK_DOWNLOAD_URL and ZK_WEB_URL).
QString DownloadServer();
QString WebServer();

}  // namespace plattform
