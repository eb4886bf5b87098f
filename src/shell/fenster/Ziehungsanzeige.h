#pragma once
#include <QObject>

#include "shell/panelschnittstellen.h"
#include "shell/programmzustand.h"
#include "shell/ziehungsdaten.h"
#include "shell/ziehungssuche.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QWidget;
namespace plattform {
class DatumsWahl;
}

// The draw history and the current draw on the main window: the draw panel Panel4 on
// "Tipp-Übersicht", the controls of the tab "Datenbank", and the two date pickers of the date
// window. The current draw itself (Datum1, Zahl, Position) lives in the program state. The
// draw download shows itself here through Downloadanzeige.
class Ziehungsanzeige : public QObject, public Downloadanzeige, public Ziehungswahl, public Ziehungsschritte {
  Q_OBJECT
 public:
  // fenster: the main window (owner of the manual entry dialog); the three pages
  // "Tipp-Übersicht", "Datenbank" and "Diagramm" receive the controls.
  Ziehungsanzeige(Programmzustand& zustand, Tippvergleicher& tipps, QWidget* fenster, QWidget* TabSheet1,
                  QWidget* TabSheet4, QWidget* TabSheet5);

  // Show the draw of the end date: the first record dated on or after it, else the newest.
  void SpeedButton5Click() override;
  // The same step without its error box: a failure raises (the back-test shows its own message).
  void zeigeEnddatumsziehung();
  QDate endeDatum() const override;
  void SpeedButton6Click();  // previous draw
  void SpeedButton7Click();  // next draw
  void BitBtn4Click();       // delete the draws of the current date (button BitBtn6)
  void BitBtn8Click();       // manual entry through TForm3
  void SpeedButton8Click();  // stop request of the running download
  // Commands that no control reaches; their buttons stay hidden.
  void BitBtn2Click();       // delete the history and download it anew
  void SpeedButton14Click();  // reads the whole history
  void BitBtn3Click();       // "Export nach Text"

  // The history file of the main window.
  Ziehungsdaten historie() const;
  // The state of the check boxes "13:00" and "20:30".
  Ziehungszeitfilter zeitfilter() const override;

  // The steps other panels drive.
  QDate startDatum() const override;
  QDate endDatum() const override;
  void zeigeZiehungDesEnddatums() override { SpeedButton5Click(); }
  void zeigeSchritt(const Ziehung& z, int position, bool vergleichen) override;
  void anzeigeSetzen(const QString& text, const QString& summe) override;

  // What the draw download shows here.
  void startknoepfe(bool laeuft) override;
  bool stoppGezeigt() const override;
  void stoppen() override;
  void tagZeigen(const QDate& tag) override;
  void antwortZeigen(const QString& text) override;
  void gespeichertZeigen(const QDate& tag) override;
  void nachDownloadZeigen() override;

  // Tab "Tipp-Übersicht", panel of the current draw.
  QFrame* Panel4 = nullptr;
  QToolButton* SpeedButton10 = nullptr;  // starts the download
  QToolButton* SpeedButton6 = nullptr;
  QLabel* Label35 = nullptr;
  QLabel* Label13 = nullptr;
  QLabel* Losnummer = nullptr;
  QToolButton* SpeedButton7 = nullptr;
  QCheckBox* Mittag = nullptr;
  QCheckBox* Abend = nullptr;
  // Tab "Datenbank".
  QLabel* Label29 = nullptr;
  plattform::DatumsWahl* DateTimePicker1 = nullptr;  // end date
  QToolButton* SpeedButton5 = nullptr;
  QPushButton* BitBtn1 = nullptr;  // "&Datenbank aktualisieren", starts the download
  QToolButton* SpeedButton8 = nullptr;
  QPushButton* BitBtn6 = nullptr;
  QPushButton* BitBtn8 = nullptr;
  QPushButton* BitBtn2 = nullptr;
  QPushButton* BitBtn3 = nullptr;
  QToolButton* SpeedButton14 = nullptr;
  QPlainTextEdit* RichEdit1 = nullptr;  // text of the last download answer
  // Tab "Diagramm".
  plattform::DatumsWahl* DateTimePicker2 = nullptr;  // start date

 signals:
  // BitBtn1 and SpeedButton10: start the draw download.
  void downloadGeklickt();
  // Rebuilding the history asks for the download through the menu command that runs it.
  void downloadUeberMenue();

 private:
  void bauePanel4(QWidget* seite);
  void baueDatenbank(QWidget* seite);
  void zeigeSatz(const Ziehung& z, Anzeigeart art, bool ersterVonMehreren);
  void endDatumFolgt();
  void meldeLesefehler(const Ziehungsdaten& daten, const Fundstelle& fund);
  bool abgelehntWeilDownloadLaeuft();
  void downloadStarten();

  Programmzustand& z_;
  Tippvergleicher& tipps_;
  QWidget* fenster_;
  QString gemeldet_;  // the last damage of the history told
  // The end date's place in the records last searched: a run looks it up again for every batch
  // in the same shared records.
  std::shared_ptr<const std::vector<Ziehung>> gesucht_;
  qint64 gesuchterTag_ = 0;
  Fundstelle fund_;
};
