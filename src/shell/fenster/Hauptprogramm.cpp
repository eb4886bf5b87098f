#include "shell/fenster/Hauptprogramm.h"

#include "shell/fenster/LottoZahlen.h"

#include <QApplication>
#include <QLocale>

namespace {
const char* kTitel = "Kestrells Quintavola";
}

int Hauptprogramm() {
  // 1. Everything formatted or parsed without the German record follows the user's settings.
  QLocale::setDefault(QLocale::system());
  // 2. The application title. Not the display name: that would be appended to every window
  //    caption here; message boxes take it as their caption, the task bar as the icon text.
  QApplication::setApplicationName(QString::fromLatin1(kTitel));
  // 3. The windows in their creation order: Form1 (its creation step runs while every other
  //    window variable is still empty), then Form5, Form6, Form8, Form9, QZTForm, each with
  //    its object name, by which the zoom finds it. Form3 is made afresh for every manual entry.
  TForm1 form1;
  form1.setWindowIconText(QString::fromLatin1(kTitel));
  // 4. C1 and C2.
  form1.StartAbschliessen();
  // 5. The message loop shows the main window and runs until it has closed.
  form1.show();
  return QApplication::exec();
}
