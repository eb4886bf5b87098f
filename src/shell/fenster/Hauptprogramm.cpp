#include "shell/fenster/Hauptprogramm.h"

#include "plattform/endesignal.h"
#include "plattform/fenster/dienste.h"
#include "shell/fenster/LottoZahlen.h"
#include "output/fenster/anders.h"
#include "shell/fenster/Zahlenwahl.h"
#include "stats/fenster/auswert.h"

#include <QApplication>
#include <QLocale>

namespace {
const char* kTitel = "Kestrells Quintavola";
}

int Hauptprogramm() {
  // Everything formatted or parsed without the German record follows the user's settings.
  QLocale::setDefault(QLocale::system());
  // Qt's own texts (the buttons of a question) follow the user's language too.
  plattform::ladeQtUebersetzung(QLocale::system());
  // The application title. Not the display name: that would be appended to every window
  // caption here; message boxes take it as their caption, the task bar as the icon text.
  QApplication::setApplicationName(QString::fromLatin1(kTitel));
  // The windows in their creation order, each joining the window list as it is made: Form1
  // (its creation step runs while every other window variable is still empty), then Form5,
  // Form6, Form8, Form9, QZTForm. Form3 is made afresh for every manual entry.
  TForm1 form1;
  form1.setWindowIconText(QString::fromLatin1(kTitel));
  TForm6 form6;
  form6.Ordner = form1.zustand().Home;
  TForm8 form8;
  TForm9 form9;
  // Once every window exists: the dialogs' zoom and the coupon layout texts.
  form1.StartAbschliessen();
  // A signal to end (a session that logs out) closes the main window as the user would, so the
  // settings are written; an open dialog goes first.
  plattform::beiEndesignal([&form1] {
    if (QWidget* dialog = QApplication::activeModalWidget(); dialog && dialog != &form1) dialog->close();
    form1.close();
  });
  // The message loop shows the main window and runs until it has closed.
  form1.show();
  const int code = QApplication::exec();
  plattform::beiEndesignal(nullptr);
  return code;
}
