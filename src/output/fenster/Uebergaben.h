#pragma once
#include <QObject>
#include <memory>

#include "shell/panelschnittstellen.h"
#include "shell/panelschnittstellen.h"
#include "shell/programmzustand.h"

class QAction;
class QComboBox;
class QPushButton;
class QToolButton;
class QWidget;
class TAbgabeForm;
namespace plattform {
class HttpClient;
}

// The two hidden hand-offs on "Tipp-Übersicht": the broker's cart (Warenkorb in Panel3) and the
// browser-automation program (OnlineTipp, the menu item Abgeben1 and Ctrl+G). Nothing shows
// their buttons; the shortcut reaches the second.
class Uebergaben : public QObject {
  Q_OBJECT
 public:
  struct Umgebung {
    Programmzustand& zustand;
    Tippablage& tipps;
    Ziehungswahl& ziehung;
    Proxyangaben& proxy;
    Statusanzeige& status;
    plattform::HttpClient& http;  // the main window's client, shared with the draw download
    QComboBox* Lottoportal;
  };
  // fenster: the main window (owner of the shortcut and of AbgabeForm); seite: "Tipp-Übersicht".
  Uebergaben(const Umgebung& u, QWidget* fenster, QWidget* seite, QWidget* Panel3, QAction* Abgeben1);
  ~Uebergaben() override;

  void WarenkorbClick();
  void SpeedButton17Click();  // the cart hand-off
  void OnlineTippClick();     // the click-script hand-off

  QPushButton* Warenkorb = nullptr;
  QToolButton* OnlineTipp = nullptr;
  TAbgabeForm* AbgabeForm = nullptr;  // made on first use

 private:
  bool befehlLaeuft() const;
  Umgebung u_;
  QWidget* fenster_;
};
