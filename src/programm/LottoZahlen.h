#pragma once
#include <QMainWindow>
#include <QString>
#include <QStringView>
#include <functional>
#include <initializer_list>

#include "plattform/fenster/steuerelemente.h"
#include "shell/fenster/Sprachmenue.h"
#include "shell/panelschnittstellen.h"
#include "shell/programmzustand.h"

class QAction;
class QMenu;
class QPushButton;
class QTabWidget;
class Berechnung;
class Rueckblickbefehle;
class Download;
class Historienbefehle;
class Scheinknopf;
class Internetseite;
class Parameterseite;
class Tippausgabe;
class Statushinweise;
class Tippeditor;
class Verweise;
class Tippschein;
class Uebergaben;
class Ziehungsanzeige;
class Diagrammseite;

// The main window: owns the program state and composes the panels that own the controls of
// each tab. Each panel gets the state and the small interfaces it needs from here.
class TForm1 : public QMainWindow, public Statusanzeige, public Sprachumgebung {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* eltern = nullptr);
  ~TForm1() override;

  // The program state: data folder, current draw, hit state, message table, flags, options.
  Programmzustand& zustand() { return zustand_; }
  const Programmzustand& zustand() const { return zustand_; }

  // Life cycle.
  void FormCreate();
  // Once every window exists: the zoom of the dialogs and the coupon layout texts.
  void StartAbschliessen();
  void FormResize();
  void FormShow();
  // The stored language 1..19 through its menu command (any other value counts as 0 and keeps
  // the German texts), then the draw of the end date is shown and the tips are compared.
  void SpracheSetzen();
  void FormClose();
  void Schlieen1Click();

  // The window's outer size as the settings store it: Height() is 546 and Width() 578 at the
  // designed client size of 562 x 472 (the frame, the caption and the main menu lie outside).
  // Setting the height runs the zoom step at once, also before the window is shown.
  static constexpr int kDesignHoehe = 546;
  static constexpr int kDesignBreite = 578;
  int Height() const;
  int Width() const;
  void setHeight(int h);
  void setWidth(int w);
  // Neither maximised nor minimised: only then the size is stored.
  bool normalerZustand() const;

  // The ways texts of the message table are shown.
  QString M(int index) const { return zustand_.M(index); }
  void setzeStatus(int panel, const QString& text) override { StatusBar1->setzePanel(panel, text); }
  void Nachricht(int text) const;                       // plain message, OK
  bool Frage(int text, int titel) const;                // Yes/No; only Yes goes on
  // Two entries with a date or number between them: M(vor) + mitte + M(nach).
  bool Frage(int vor, const QString& mitte, int nach, int titel) const;
  QString Eingabe(int titel, int prompt, const QString& vorgabe) const;  // Cancel: the default
  void Statustext(int text, const QString& zusatz = QString());          // panel 1

  // Compares the tips with the current draw: the list when the list view is shown,
  // otherwise the tip sheet.
  int Tippvergleich();

  // Tip checks against the current draw (Zahl[1..5]). Zettelcheck compares one tip given as
  // seven texts (five numbers, two extras) and leaves its hits in the hit state; the other two
  // check the sheet or the list and return the best Trefferwert.
  void Zettelcheck(QStringView Edit1T, QStringView Edit2T, QStringView Edit3T, QStringView Edit4T,
                   QStringView Edit5T, QStringView Edit6T, QStringView Edit7T);
  int Komplettcheck();
  int Listengewinncheck(QObject* Sender = nullptr);

  // The prize evaluation: fills the dialog Form9 from the proxy, the end date and the hit
  // classes of the last check, downloads the quotas and shows it modally. Run by the invisible
  // button `auswertung` and at the end of a draw download that found a listed tip of two hits.
  void auswertungClick();

  // The height the window was last zoomed to.
  int Groesse = 0;

  // The tab "Tipp-Übersicht": tip sheet, list view, tip count, calculate button.
  Tippschein* Schein = nullptr;
  // The row buttons' editor of a tip in the number-selection dialog.
  Tippeditor* Editor = nullptr;
  // Edits the number fields "Edit<Anfang>" .. "Edit<Ende>" with the number-selection dialog.
  void TippEdit(int Anfang, int Ende);

  // Controls.
  QAction* Aktualisieren1 = nullptr;
  QAction* Berechnen1 = nullptr;
  QMenu* SpracheLanguage1 = nullptr;
  QAction* Abgeben1 = nullptr;
  QAction* Schlieen1 = nullptr;
  QTabWidget* PageControl1 = nullptr;
  QWidget* TabSheet1 = nullptr;  // "Tipp-Übersicht"
  QWidget* TabSheet2 = nullptr;  // "Zahlen der letzten Ziehung", never shown
  QWidget* TabSheet6 = nullptr;  // "Parameter"
  QWidget* TabSheet5 = nullptr;  // "Diagramm"
  QWidget* TabSheet4 = nullptr;  // "Datenbank"
  QWidget* TabSheet3 = nullptr;  // "Internet-Optionen"
  QTabWidget* PageControl2 = nullptr;
  QPushButton* auswertung = nullptr;  // invisible: no user command reaches the evaluation directly
  plattform::StatusLeiste* StatusBar1 = nullptr;
  // Panels, one per area, each owning the controls of its tab.
  Parameterseite* Parameter = nullptr;  // "Parameter"
  Internetseite* Internet = nullptr;    // "Internet-Optionen"
  Ziehungsanzeige* ziehungsanzeige = nullptr;  // draw history, current draw, date pickers
  Download* download = nullptr;                // the draw download (ZahlenKennerClick)
  Berechnung* Rechner = nullptr;               // the generation run (BitBtn4, Berechnen1)
  Rueckblickbefehle* Rueckblick = nullptr;     // lucky number and back-test (SpeedButton13, BitBtn9)
  Tippausgabe* Ausgabe = nullptr;              // tip files and the text list on "Tipp-Übersicht"
  Historienbefehle* historienbefehle = nullptr;  // history search and historical analysis
  Verweise* verweise = nullptr;                // the banner and the link labels
  Statushinweise* Hinweise = nullptr;          // the controls' hints in panel 1

  // The arrows of "Max. Berechnungsläufe" set the run budget at once, also while a run goes.
  void UpDown7Changing(int Position);
  Diagrammseite* Diagramm = nullptr;           // the statistics and their chart on "Diagramm"
  Scheinknopf* scheinknopf = nullptr;            // "Schein drucken (Test)"
  Sprachmenue* sprachmenue = nullptr;          // the items of SpracheLanguage1
  Uebergaben* Hand = nullptr;                  // the cart and click-script hand-offs

 protected:
  bool berechnungLaeuft() const override;
  void optionenSetzen(const QStringList& items) override;
  void nachSprachwechsel() override;
  void resizeEvent(QResizeEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void baueMenue();
  void baueSeiten();
  void baueDiagramm();
  // Runs one step of the creation; a failure shows its text and the start goes on.
  bool schritt(const std::function<void()>& tue);
  void zoomeDialoge(double faktor, std::initializer_list<const char*> namen);
  Programmzustand zustand_;
  int menueHoehe_ = 0;
  bool gezeigt_ = false;
  bool geschlossen_ = false;
};

// The program-wide window variables; empty until their window exists.
extern TForm1* Form1;
