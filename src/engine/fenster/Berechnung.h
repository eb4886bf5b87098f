#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <functional>

#include "engine/generierungslauf.h"
#include "engine/laufumgebung.h"
#include "shell/programmzustand.h"

class Parameterseite;
class QTabWidget;
class QWidget;
class Tippschein;
class TForm6;
class Ziehungsanzeige;
namespace plattform {
class StatusLeiste;
}

// What the run works on in the main window.
struct Berechnungsorte {
  Programmzustand* zustand = nullptr;
  Parameterseite* parameter = nullptr;
  Tippschein* schein = nullptr;
  Ziehungsanzeige* ziehungen = nullptr;
  plattform::StatusLeiste* status = nullptr;
  QTabWidget* PageControl1 = nullptr;
  QWidget* TabSheet1 = nullptr;  // "Tipp-Übersicht"
  QWidget* TabSheet5 = nullptr;  // "Diagramm"
  QWidget* fenster = nullptr;    // the main window
};

// The generation run in the main window: the environment of the run over the window's
// controls, the calculate button BitBtn4 and the menu command Berechnen1. Closing the window
// while a run goes stops it; the window closes once the run has finished.
class Berechnung : public QObject, public engine::Laufumgebung {
  Q_OBJECT
 public:
  Berechnung(const Berechnungsorte& orte, QObject* eltern);

  void BrechnungStart();   // BitBtn4
  void Berechnen1Click();  // Berechnen1, Ctrl+R
  void Label28Click();     // one run, as the back-test starts it
  engine::Generierung& generierung() { return lauf_; }

  // The chart page shows a statistic of the pool, and is emptied by the history filters. A
  // statistic that may wait is drawn only if the chart is seen before it is emptied;
  // diagrammAbgleichen draws what waits, before anyone may see the chart.
  std::function<void(engine::Topfstatistik, const statistik::Zahlenstatistik&, bool aufschieben)> imDiagramm;
  std::function<void()> diagrammLeeren;
  std::function<void()> diagrammAbgleichen;

  // Laufumgebung
  const Berechnungsparameter& optionen() override;
  void setzeCheckBox8(bool an) override;
  void setzeUpDown4(int wert) override;
  void setzeUpDown5(int wert) override;
  void setzeUpDown6(int wert) override;
  int upDown7() override;
  int laufMax() override;
  void setzeLaufMax(int wert) override;
  int upDown8() override;
  void setzeUpDown8(int maximum, int position) override;
  bool listeSichtbar() override;
  int listenzeilen() override;
  QString listenzeile(int i) override;
  void StandardansichtClick() override;
  void ListenansichtOhneClick() override;
  void listeZeigen() override;
  void setzeListeSichtbar(bool sichtbar) override;
  bool SpeedButton5Click() override;
  bool SpeedButton6Click() override;
  std::array<int, 9> Zahl() override;
  QDate Datum1() override;
  void setzeAktuelleZiehung(const std::array<int, 9>& zahl, const QDate& datum) override;
  QDate DateTimePicker1() override;
  void setzeDateTimePicker1(const QDate& d) override;
  std::vector<Ziehung> historie() override;
  void alleTippsLoeschen() override;
  engine::Zeilenstand Tippzeile(int t) override;
  void schreibeZeile(int t, const std::array<int, 8>& reihe) override;
  void setzeSummenlabel(int t, int summe) override;
  int Komplettcheck() override;
  QString knopftext() override;
  void setzeKnopftext(const QString& text) override;
  QString& Tippsberechnen() override;
  bool laeuftBerechnung() override;
  void setzeSortieren(bool wert) override;
  void setzeBerechnunglaeuft(bool wert) override;
  QString meldung(int index) override;
  void setzePanel(int panel, const QString& text) override;
  void zeichneStatus() override;
  void zeichneFenster() override;
  void sanduhr(bool an) override;
  void zeigeTippUebersicht() override;
  void zeigeStatistik(engine::Topfstatistik art, const statistik::Zahlenstatistik& s) override;
  void leereDiagramm() override;
  void nachricht(const QString& text) override;
  Werteliste& werteliste() override;
  engine::Zahlenwahlergebnis zeigeZahlenwahl() override;
  void kandidat(int t, const std::array<int, 8>& reihe, int qs) override;
  void positionsende(int t) override;
  bool eingabenVerarbeiten() override;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  template <class F>
  void befehl(F&& f);
  void liesOptionen();
  void zeigeKandidat();
  TForm6* form6();

  Berechnungsorte o_;
  engine::Generierung lauf_;
  Berechnungsparameter p_;
  int upDown6Max_ = -1;  // the range UpDown6 had before a loosening step raised it
  bool sanduhr_ = false;
  bool schliessen_ = false;
  int tiefe_ = 0;  // commands of the run in progress, nested ones included
  bool entsperren_ = false;  // the sheet still locked after a batch, unlocked when next seen
  void eingabenJetzt(qint64 jetzt);
  // Since the run started: the last input handling and the last status text, which shows
  // the newest candidate at most every 50 ms.
  QElapsedTimer uhr_;
  qint64 eingabeZeit_ = 0;
  int ohneUhr_ = 0;  // candidates since the clock was read
  qint64 statusZeit_ = 0;
  bool statusFaellig_ = false;
  int kandidatT_ = 0;
  std::array<int, 8> kandidatReihe_{};
  int kandidatQs_ = 0;
  bool kandidatGezeigt_ = true;
  TForm6* eigenesForm6_ = nullptr;
  // The list's lines as read, valid for the first zeilenGelesen_ of them.
  QStringList zeilen_;
  int zeilenGelesen_ = 0;
  // The window with the chart page drawn in this command: at most every 50 ms.
  QElapsedTimer diagrammUhr_;
  void abgleichen();
};
