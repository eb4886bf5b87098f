#pragma once
#include <QObject>

#include "plattform/http.h"
#include "shell/panelschnittstellen.h"
#include "shell/programmzustand.h"
#include "shell/ziehungsdownload.h"

class QWidget;

// The draw download on the main window: started by BitBtn1, SpeedButton10 and the menu item
// Aktualisieren1 (Ctrl+A), stopped by SpeedButton8, and run at the end of the show road. The
// controls belong to the draw history's panel, which shows the download through Downloadanzeige;
// this class owns the command.
class Download : public QObject, private Downloadfenster {
  Q_OBJECT
 public:
  // fenster: the main window, whose closing during a download ends the program after it.
  Download(Programmzustand& zustand, Downloadanzeige& anzeige, Proxyangaben& proxy, Tippvergleicher& tipps,
           Statusanzeige& status, QWidget* fenster);

  void ZahlenKennerClick();
  void Aktualisieren1Click();

  // The main window's HTTP client, shared with the cart hand-off.
  plattform::HttpClient HttpCli1{plattform::HttpClient::Profil::ZahlenKenner};

 signals:
  // The prize evaluation (auswertungClick) is due: a listed tip has two or more hits.
  void auswertungGewuenscht();

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  QString proxyHost() const override;
  QString proxyPort() const override;
  void beginnt(const QDate& tag) override;
  void tagZeigen(const QDate& tag) override;
  void status(int panel, const QString& text) override;
  void antwortZeigen(const QString& text) override;
  void zeileGelesen(const QDate& tag) override;
  void gespeichert(const QDate& tag) override;
  void unlesbar(const QString& meldung) override;
  void eingabenVerarbeiten() override;
  bool stoppGezeigt() const override;

  Programmzustand& z_;
  Downloadanzeige& anzeige_;
  Proxyangaben& proxy_;
  Tippvergleicher& tipps_;
  Statusanzeige& status_;
  QWidget* fenster_;
  bool fensterGeschlossen_ = false;
};
