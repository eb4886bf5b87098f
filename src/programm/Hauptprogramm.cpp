#include "programm/Hauptprogramm.h"

#include "output/fenster/Scriptwahl.h"
#include "output/fenster/Spielwahl.h"
#include "output/fenster/anders.h"
#include "plattform/endesignal.h"
#include "plattform/fenster/dienste.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Zahlenwahl.h"
#include "stats/fenster/auswert.h"

#include <QApplication>
#include <QLocale>

namespace {
const char* kTitel = "Kestrells Quintavola";
}

Programmfenster::Programmfenster() {
  form1_ = std::make_unique<TForm1>();
  form1_->setWindowIconText(QString::fromLatin1(kTitel));
  dialoge_.push_back(std::make_unique<TForm5>());
  auto form6 = std::make_unique<TForm6>();
  form6->Ordner = form1_->zustand().Home;
  dialoge_.push_back(std::move(form6));
  dialoge_.push_back(std::make_unique<TForm8>());
  dialoge_.push_back(std::make_unique<TForm9>());
  dialoge_.push_back(std::make_unique<TQZTForm>());
  // Once every window exists: the dialogs' zoom and the coupon layout texts.
  form1_->StartAbschliessen();
}

// The dialogs go before the main window, in the reverse order of their creation.
Programmfenster::~Programmfenster() {
  while (!dialoge_.empty()) dialoge_.pop_back();
  form1_.reset();
}

int Hauptprogramm() {
  // Everything formatted or parsed without the German record follows the user's settings.
  QLocale::setDefault(QLocale::system());
  // Qt's own texts (the buttons of a question) speak the program's language: German until the
  // stored or chosen language replaces it.
  plattform::ladeQtUebersetzung({QStringLiteral("de")});
  // The application title. Not the display name: that would be appended to every window
  // caption here; message boxes take it as their caption, the task bar as the icon text.
  QApplication::setApplicationName(QString::fromLatin1(kTitel));
  Programmfenster fenster;
  TForm1& form1 = fenster.form1();
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
