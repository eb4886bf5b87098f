#pragma once
#include <QString>
#include <span>

// The main window's controls that show their hint in panel 1 of the status bar while the mouse
// moves over them, each with the handler of its kind. Every other control leaves the panel alone.
namespace hinweise {

enum class Art { Label, SpeedButton, BitBtn, Button, CheckBox, Edit };

struct Eintrag {
  const char* name;
  Art art;
};

// The 87 controls, by object name.
std::span<const Eintrag> tabelle();

// Whether a link label's caption may be handed to the shell: an absolute http or https address
// with a host, at most 1024 characters. A file, a program or any other scheme is never opened.
bool oeffenbareAdresse(const QString& adresse);
constexpr int kMaxAdresse = 1024;

}  // namespace hinweise
