#pragma once
#include <QObject>
#include <QString>

class QLineEdit;
class Tippschein;
class TForm6;
struct Programmzustand;

// The tip editor: the five numbers of a tip row picked in the number-selection dialog
// (Form6), opened by the row's edit button.
class Tippeditor : public QObject {
  Q_OBJECT
 public:
  Tippeditor(Programmzustand& zustand, Tippschein& schein, QObject* eltern = nullptr);

  // Edits the five consecutive number fields "Edit<Anfang>" .. "Edit<Ende>" with the dialog.
  void TippEdit(int Anfang, int Ende);

  // The row buttons Tipp1Edit .. Tipp12Edit, one handler per row, all alike.
  void TippEditClick(int k);
  void Tipp1EditClick() { TippEditClick(1); }
  void Tipp2EditClick() { TippEditClick(2); }
  void Tipp3EditClick() { TippEditClick(3); }
  void Tipp4EditClick() { TippEditClick(4); }
  void Tipp5EditClick() { TippEditClick(5); }
  void Tipp6EditClick() { TippEditClick(6); }
  void Tipp7EditClick() { TippEditClick(7); }
  void Tipp8EditClick() { TippEditClick(8); }
  void Tipp9EditClick() { TippEditClick(9); }
  void Tipp10EditClick() { TippEditClick(10); }
  void Tipp11EditClick() { TippEditClick(11); }
  void Tipp12EditClick() { TippEditClick(12); }

 private:
  QLineEdit* feld(int nummer) const;
  void zieheExtras(int k);

  Programmzustand& zustand_;
  Tippschein& schein_;
};
