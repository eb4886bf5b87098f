#pragma once
#include <memory>
#include <vector>

class QWidget;
class TForm1;

// The program's windows, made as a start makes them: in their creation order, each joining the
// window list as it is made (Form1 first, its creation step running while every other window
// variable is still empty, then Form5, Form6, Form8, Form9, QZTForm), and once every window
// exists the start is completed (the dialogs' zoom, the coupon layout texts). Form3 is made
// afresh for every manual entry. The tools that write the language files make them the same way.
class Programmfenster {
 public:
  Programmfenster();
  ~Programmfenster();
  Programmfenster(const Programmfenster&) = delete;
  Programmfenster& operator=(const Programmfenster&) = delete;
  TForm1& form1() { return *form1_; }

 private:
  std::unique_ptr<TForm1> form1_;
  std::vector<std::unique_ptr<QWidget>> dialoge_;  // in their creation order
};

// The program entry once the application object exists: locale, title, the windows, the message
// loop. Returns the loop's exit code.
int Hauptprogramm();
