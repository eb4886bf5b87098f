#pragma once
#include <QList>
#include <QString>

class QWidget;

namespace plattform {

// The program's windows in the order of their creation (Form1, Form5, Form6, Form8, Form9,
// QZTForm as they come). Each window of the program joins as it is created; a window that has
// gone drops out. The zoom and every walk over the windows use this list, whose order is that of
// the language files. A dialog made afresh for one command (Form3) does not join.
void fensterAnmelden(QWidget* fenster);
QList<QWidget*> programmfenster();
// The window of that object name, or nullptr while it does not exist.
QWidget* programmfenster(const QString& name);

}  // namespace plattform
