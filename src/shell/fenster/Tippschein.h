#pragma once
#include <QColor>
#include <QLabel>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

#include "shell/panelschnittstellen.h"
#include "shell/programmzustand.h"
#include "shell/tippcheck.h"

class QFrame;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace plattform {
class UpDown;
}

// A label that reports a click (mouse released over it), as the row labels need.
class Klicklabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void geklickt();

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  bool gedrueckt_ = false;
};

// One row of the tip sheet.
struct Tippzeile {
  Klicklabel* Label = nullptr;               // red = Tippsperre
  std::array<QLineEdit*, 5> Zahlen{};        // the five numbers
  std::array<QLineEdit*, 2> Extras{};        // hidden extra numbers
  QLabel* Treffer = nullptr;                 // hits
  QLabel* Summe = nullptr;                   // Quersumme
  QToolButton* Edit = nullptr;               // opens the tip editor
  // Fields 0..4 the numbers, 5 and 6 the extras.
  QLineEdit* feld(int i) const { return i < 5 ? Zahlen[i] : Extras[i - 5]; }
};

// The tab "Tipp-Übersicht" without its draw panel: the tip sheet of twelve rows, the list view
// laid over it, the tip count and the calculate button, and the checks of both against the
// current draw. The draw panel Panel4 of the same tab is not placed here; it keeps the strip
// above y = 38, the sheet and the list use 40..310, Panel3 lies below at y = 318.
class Tippschein : public QObject, public Tippvergleicher, public Tippablage, public Tippzeilen {
  Q_OBJECT
 public:
  Tippschein(Programmzustand& zustand, Statusanzeige& status, QWidget* seite);

  // Rows 1 to 12 in the order every caller walks them.
  const Tippzeile& zeile(int k) const { return zeilen_[static_cast<size_t>(k - 1)]; }
  bool gesperrt(int k) const;
  // The list view is shown exactly when Gewinnzahlen is (its own visibility flag).
  bool listenansichtGezeigt() const override;
  QStringList listenzeilen() const override;
  void listeErsetzen(const QStringList& zeilen) override;
  tippblatt::Blatt blatt() const override;
  int tippanzahl() const override;
  void zeileSetzen(int k, const tippblatt::Feldtexte& texte) override;

  // Field handlers.
  void Edit1Change(QLineEdit* feld);
  void Edit6Change(QLineEdit* feld);
  void Edit1Exit();
  void Label30Click(Klicklabel* label);

  // Buttons.
  void SpeedButton11Click() override;
  void alleTippsLoeschen() override;  // the clearing without the question (historical analysis)

  // The rows as the history search and the analysis walk them.
  std::array<std::array<QString, 7>, 12> zeilentexte() const override;
  void trefferZeigen(int zeile, int treffer) override;
  QString trefferHint(int zeile) const override;
  void ersteZeileSetzen(const Ziehung& z) override;
  void StandardansichtClick();
  void ListenansichtClick();
  void ListenansichtOhneClick();
  // The list boxes shown as they are, nothing appended (a run that ends early in list mode).
  void listeZeigen();
  // The 84 fields read-only while a run draws its tips.
  void nurLesen(bool an);
  void SpeedButton28Click();
  void GewinnzahlenClick();
  void GewinnzahlenMouseDown();
  void GewinneClick();
  void GewinneMouseDown();

  // Checks against the current draw; each returns the best Trefferwert.
  int Komplettcheck() override;
  int Listengewinncheck() override;

  // Start and exit. The settings show the list view when it was shown at exit, before the
  // stored tip count is applied; the creation step then loads the list file (raises Fehler
  // when it cannot be read); the write-back saves the list files (raises Fehler on failure).
  void listenansichtBeimStart();
  void listeBeimStartLaden();
  void listendateienSchreiben();

  // Controls.
  QToolButton* Standardansicht = nullptr;
  QToolButton* Listenansicht = nullptr;
  QToolButton* SpeedButton11 = nullptr;
  QToolButton* SpeedButton28 = nullptr;
  QListWidget* Gewinnzahlen = nullptr;
  QListWidget* Gewinne = nullptr;
  QFrame* Panel3 = nullptr;
  QPushButton* BitBtn4 = nullptr;
  QLineEdit* Edit80 = nullptr;
  plattform::UpDown* UpDown8 = nullptr;

  static QColor rot() { return QColor(255, 0, 0); }
  static QColor limette() { return QColor(0, 255, 0); }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void baueZeilen(QWidget* seite);
  void baueListe(QWidget* seite);
  void baueUntereLeiste(QWidget* seite);
  void zeigeListe(bool an);
  void faerbe(QLineEdit* feld, const QColor& farbe);
  void setzeSchriftfarbe(QLabel* label, const QColor& farbe);
  QString listendatei() const;
  bool laeuftBerechnung() const;

  Programmzustand& z_;
  Statusanzeige& status_;
  std::array<Tippzeile, 12> zeilen_{};
  // The list check so far: the results of the first `zeilen` lines against `zahl`, which
  // Gewinne holds. Any change of the list but lines appended at its end, and any change of
  // Gewinne by others, makes the next check start again from the first line.
  struct Listenpruefung {
    int zeilen = -1;  // -1: nothing checked that still holds
    std::array<int, 9> zahl{};
    tippcheck::Statistiktabelle statistik{};
    int bester = 0;
    int mitZweiTreffern = 0;
    tippcheck::Trefferstand letzter;
  };
  Listenpruefung geprueft_;
  bool gewinneSchreiben_ = false;  // Gewinne changed by the check itself
  QColor fensterfarbe_;
  QColor fenstertextfarbe_;
};
