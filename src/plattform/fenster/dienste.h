#pragma once
#include <QString>
#include <QStringList>
#include <memory>

class QLocale;
class QWidget;

namespace plattform {

// Modal dialogs. Tests replace them with a scripted double.
class Dialoge {
 public:
  virtual ~Dialoge() = default;
  virtual void nachricht(const QString& text) = 0;                          // one OK button
  virtual bool frage(const QString& text, const QString& titel) = 0;        // Yes/No, no icon, Yes default
  virtual QString eingabe(const QString& titel, const QString& prompt,     // Cancel gives the default
                          const QString& vorgabe) = 0;
  virtual QString oeffnen(const QString& titel, const QString& ordner,     // "" when cancelled
                          const QString& filter) = 0;
  virtual QString speichern(const QString& titel, const QString& vorschlag,
                            const QString& filter) = 0;
  // The same with a default extension, which a name typed without one receives. The filter may
  // be written "Name|*.ext|Name2|*.a;*.b"; ordner may end in a file name, which is proposed.
  virtual QString oeffnenMitEndung(const QString& titel, const QString& ordner, const QString& filter,
                                   const QString& endung) {
    (void)endung;
    return oeffnen(titel, ordner, filter);
  }
  virtual QString speichernMitEndung(const QString& titel, const QString& vorschlag, const QString& filter,
                                     const QString& endung) {
    (void)endung;
    return speichern(titel, vorschlag, filter);
  }
};

// Hands files and addresses to other programs; never waits for them.
class Shell {
 public:
  virtual ~Shell() = default;
  virtual bool oeffnen(const QString& dateiOderUrl) = 0;  // verb "open"
  virtual bool bearbeiten(const QString& datei) = 0;      // verb "edit"
  virtual bool starten(const QString& programm, const QStringList& parameter) = 0;
};

// Plays a WAV asynchronously; a new call replaces a running sound.
class Klang {
 public:
  virtual ~Klang() = default;
  virtual void spielen(const QString& wavDatei) = 0;
};

// A filter written "Name|*.a;*.b|Name2|*.c" (name and pattern in turns) as the file dialog's
// entries "Name (*.a *.b)", "Name2 (*.c)"; a filter without '|' is split at ";;".
QStringList qtFilter(const QString& filter);

Dialoge& dialoge();
Shell& shell();
Klang& klang();

// Tests install doubles; passing nullptr restores the real service.
void setzeDialoge(std::unique_ptr<Dialoge> d);
void setzeShell(std::unique_ptr<Shell> s);
void setzeKlang(std::unique_ptr<Klang> k);

// Ends every service (the real ones hold Qt objects: a sound effect, its audio backend) while the
// application object still exists; a service asked for afterwards starts afresh. The program
// entry holds one Dienstende for the life of the application: it is destroyed first.
void diensteBeenden();
class Dienstende {
 public:
  Dienstende() = default;
  ~Dienstende() { diensteBeenden(); }
  Dienstende(const Dienstende&) = delete;
  Dienstende& operator=(const Dienstende&) = delete;
};

// Qt's own texts (the buttons "Ja" and "Nein" of a question, the file dialogs) from Qt's
// translations, the first of the names ("de", "pt_BR") that has one. False when none has: Qt's
// own English texts then stand, not those of a language loaded before.
bool ladeQtUebersetzung(const QStringList& namen);

// Owner window of message boxes.
void setzeHauptfenster(QWidget* w);
QWidget* hauptfenster();

}  // namespace plattform
