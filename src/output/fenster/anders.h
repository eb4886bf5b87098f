#pragma once
#include <QDialog>
#include <QString>
#include <QStringList>

#include "output/scheinablage.h"
#include "output/scheinlayout.h"
#include "output/tippsetzen.h"
#include "plattform/reportvorlage.h"

class Meldungstabelle;

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QToolButton;
namespace plattform {
class Berichtsvorschau;
class UpDown;
}

// "Positionierung des Scheindruckes": the coupon template with the marks of the tips in an
// embedded preview; the layout calibrated, typed, stored and read back; the tips placed and
// printed coupon by coupon. Made once at start, shown modally by "Schein drucken (Test)".
class TForm8 : public QDialog, private schein::Scheindialog {
  Q_OBJECT
 public:
  explicit TForm8(QWidget* eltern = nullptr);
  ~TForm8() override;

  void FormShow();
  void FormClose();
  // Every way the dialog closes (button, Escape, the window's close box) stores the layout.
  void done(int r) override;
  void BitBtn1Click();  // "&Drucken"
  void BitBtn2Click();  // "Einstellungen einlesen": the calibration
  void BitBtn3Click();  // "Zahlen eintragen"
  void SeiteClick();
  void SpeedButton1Click();  // template chooser
  void SpeedButton2Click();  // background chooser
  void Button1Click();       // redraw of the preview grids
  void Tippsetzen();         // raises plattform::Fehler for a tip text that is no number

  // The memo's lines as the hand-off file holds them (a final line break adds no empty line).
  void memoLaden(const QStringList& zeilen);
  QStringList memoZeilen() const;
  void eurozahlenVerbergen() override;

  // Public fields set by the callers.
  int TippanzahlMax = 10;
  int MaxZahl = 50;
  int MaxEuroZahl = 10;
  QString schluessel = QStringLiteral("\\SOFTWARE\\Kestrell\\Kalvatro");
  bool oeffnen = true;
  // The texts of its messages and questions in the chosen language; German while none is set.
  const Meldungstabelle* Meldungen = nullptr;
  schein::Scheinlayout layout;
  double PapierH = 0, PapierB = 0;
  plattform::Report frxReport1;

  // Controls.
  QFrame* Panel1 = nullptr;
  QPushButton* BitBtn2 = nullptr;
  QPushButton* Seite = nullptr;
  QPushButton* BitBtn3 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QTabWidget* PageControl1 = nullptr;
  QWidget* TabSheet2 = nullptr;  // "Spielschein"
  QWidget* Zahlenfeld = nullptr;
  QWidget* TabSheet1 = nullptr;  // "Eurozahlen"
  QWidget* Zahlen = nullptr;
  QLineEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr, *Edit5 = nullptr, *Edit6 = nullptr,
            *Edit7 = nullptr, *Edit8 = nullptr, *Edit9 = nullptr, *Edit10 = nullptr, *Edit11 = nullptr, *Edit12 = nullptr,
            *Edit13 = nullptr, *Edit14 = nullptr, *Edit15 = nullptr, *Edit16 = nullptr, *Edit17 = nullptr;
  QLineEdit* Zeichen = nullptr;
  QLineEdit* Reportvorlage = nullptr;
  QLineEdit* BackImage = nullptr;
  plattform::UpDown *UpDown1 = nullptr, *UpDown2 = nullptr, *UpDown5 = nullptr, *UpDown6 = nullptr,
                    *UpDown7 = nullptr, *UpDown8 = nullptr, *UpDown11 = nullptr, *UpDown12 = nullptr,
                    *fontsize = nullptr;
  QCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr, *CheckBox3 = nullptr, *CheckBox4 = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QToolButton* SpeedButton2 = nullptr;
  QTableWidget* StringGrid1 = nullptr;
  QTableWidget* DrawGrid1 = nullptr;
  QTableWidget* StringGrid2 = nullptr;
  QLabel* Label18 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  plattform::Berichtsvorschau* frxPreview1 = nullptr;

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void baueSpielschein();
  void baueZahlenfeld();
  void baueEurozahlen();
  // Loads the template and the picture with their fallbacks; false (after one message naming
  // the file) when the template cannot be used.
  bool vorlageLaden();
  schein::Layoutsteuerung steuerung() const;
  void steuerungSetzen(const schein::Layoutsteuerung& s);
  void zeigeLayout();
  void raster(QTableWidget* g, int zeilen, int spalten, const QString& breite, const QString& hoehe, bool horizontal,
              bool unten, int max);

  std::optional<schein::Papier> papier();  // the paper of Page1, none without it

  schein::Setzen letzteSetzung_ = schein::Setzen::nichts;
  schein::Behalten behalten_;

  // What the placement asks of the dialog.
  void vorschauAuffrischen() override;
  bool druckenFragen() override;
  void drucken() override;
  void meldung(const QString& text) override;
  QString M(int index) const;
};

// The program-wide window variable; empty until the dialog exists.
extern TForm8* Form8;
