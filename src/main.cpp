#include "shell/fenster/LottoZahlen.h"

#include <QApplication>
#include <QLocale>

// Hauptprogramm: locale, title, the windows in their creation order, completion, message loop.
int main(int argc, char* argv[]) {
  QLocale::setDefault(QLocale::system());
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Kestrells Quintavola"));
  QApplication::setApplicationName(QStringLiteral("Kestrells Quintavola"));

  TForm1 form1;
  form1.StartAbschliessen();
  form1.show();
  return QApplication::exec();
}
