#pragma once
#include <QColor>
#include <QDialog>
#include <QString>
#include <array>

#include "shell/werteliste.h"

class QCheckBox;
class QFrame;
class QPushButton;
class QTimer;
class QToolButton;

namespace plattform {
class StatusLeiste;
}

// The number-selection dialog: the numbers 1 to 55 as boxes, each with a weight. A view over
// its Werteliste: box n shows tick n, its hint (and tooltip) weight n. The tip editor picks five
// numbers with it, the engine shows and edits its pool in it.
class TForm6 : public QDialog {
  Q_OBJECT
 public:
  // Modal results.
  enum Ergebnis { mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4 };

  // The dialog becomes Form6.
  explicit TForm6(QWidget* eltern = nullptr);
  ~TForm6() override;

  Werteliste& werteliste() { return liste_; }
  const Werteliste& werteliste() const { return liste_; }

  // Fields the callers set before they show the dialog.
  int MaxZahl = 55;
  int MaxTipp = 5;
  QString Zufall = QStringLiteral("Zufall");
  QString Stopp = QStringLiteral("Stopp");
  // The data folder: both value-list dialogs open there.
  QString Ordner;

  // Handlers.
  void CheckBox49Click(int n);                       // every tick change of box n
  void CheckBox1MouseDown(int n, Qt::MouseButton taste);
  void CheckBox2MouseMove(int n);
  void CheckBox1MouseActivate(int n);
  void BitBtn4Click();
  void Timer1Timer();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void FormClose();

  // Colours of the boxes: yellow for picked numbers, else the neutral tooltip background.
  static QColor gelb() { return QColor(255, 255, 0); }
  QColor neutral() const;
  void faerbe(int n, const QColor& farbe);
  void alleNeutral();
  QColor farbe(int n) const;
  QCheckBox* box(int n) const;

  // The spin's state, for the tip editor and for looking at it.
  bool dreht() const;
  int Losgeht() const { return losgeht_; }
  int Tippreihe(int i) const { return (i >= 1 && i <= 26) ? tippreihe_[static_cast<size_t>(i)] : 0; }

  // Controls.
  std::array<QCheckBox*, 56> CheckBox{};  // 1..55
  QFrame* Panel1 = nullptr;
  QPushButton* BitBtn2 = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QToolButton* SpeedButton2 = nullptr;
  QPushButton* BitBtn4 = nullptr;
  QPushButton* BitBtn3 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  plattform::StatusLeiste* StatusBar1 = nullptr;
  QTimer* Timer1 = nullptr;

  // Every way the dialog closes passes here: the spin ends first.
  void done(int ergebnis) override;
  // Title bar and Escape give Cancel.
  void reject() override;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  void zeigeBox(int n);
  void schreibeStatus(int n);
  QString dateiname() const;
  int boxNummer(QObject* o) const;

  Werteliste liste_;
  std::array<int, 27> tippreihe_{};  // 1..26
  int losgeht_ = 1;
};

// The program-wide window variable; empty until the dialog exists.
extern TForm6* Form6;
