#include "engine/fenster/Rueckblickbefehle.h"

#include "plattform/fehler.h"
#include "plattform/fenster/befehl.h"
#include "plattform/fenster/datumswahl.h"
#include "plattform/fenster/dienste.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/formate.h"
#include "plattform/textdatei.h"
#include "plattform/zufall.h"
#include "shell/fenster/Laufsperre.h"
#include "shell/fenster/Parameterseite.h"
#include "shell/fenster/Tippschein.h"
#include "shell/fenster/Ziehungsanzeige.h"

#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

using plattform::Elementart;
using plattform::neu;

namespace {
// The window was closed during a week: the back-test ends without its report.
struct Geschlossen {};
}  // namespace

Rueckblickbefehle::Rueckblickbefehle(const Berechnungsorte& orte, Berechnung& rechner, QWidget* TabSheet4,
                                     QObject* eltern)
    : QObject(eltern), o_(orte), rechner_(rechner) {
  setObjectName(QStringLiteral("Rueckblickbefehle"));
  SpeedButton13 = neu<QToolButton>(o_.schein->Panel3, Elementart::SpeedButton, "SpeedButton13", QRect(342, 7, 26, 26));
  SpeedButton13->setIcon(SpeedButton13->style()->standardIcon(QStyle::SP_DialogHelpButton));
  plattform::setzeHint(SpeedButton13,
                       QStringLiteral("Hier können Sie den Zufall etwas nachhelfen und wirklich Ihren Tipp generieren"));
  BitBtn9 = neu<QPushButton>(TabSheet4, Elementart::BitBtn, "BitBtn9", QRect(16, 362, 520, 26),
                             QStringLiteral("Historische Analyse der Parameter beginnenden mit oben gewähltem Datum"));
  plattform::setzeHint(BitBtn9, QStringLiteral("Berechnung und Erfolg beginnend mit dem oben gewählten Datum"));
  RueckblickLabel = neu<QLabel>(TabSheet4, Elementart::Label, "RueckblickLabel", QRect(16, 392, 520, 17),
                                QStringLiteral("Anhand der eingestellten Parameter werden Tipps berechnet und ausgewertet"));
  plattform::verbinde(SpeedButton13, &QToolButton::clicked, this, &Rueckblickbefehle::SpeedButton13Click);
  plattform::verbinde(BitBtn9, &QPushButton::clicked, this, &Rueckblickbefehle::BitBtn9Click);
  o_.fenster->installEventFilter(this);
}

void Rueckblickbefehle::SpeedButton13Click() {
  Programmzustand& z = *o_.zustand;
  if (abgelehntWeilBerechnungLaeuft(z)) return;
  const QString text = plattform::dialoge().eingabe(z.M(35), z.M(36), engine::glueckszahlVorschlag());
  if (const auto zahl = engine::liesGlueckszahl(text)) {
    engine::setzeGlueckszahl(*zahl);
    o_.status->setzePanel(1, engine::glueckszahlText(z.Meldungen, *zahl));
  } else {
    plattform::Zufall::Randomize();
  }
}

void Rueckblickbefehle::BitBtn9Click() {
  Programmzustand& z = *o_.zustand;
  if (laeuft_ || abgelehntWeilBerechnungLaeuft(z)) return;
  Ziehungsanzeige& ziehungen = *o_.ziehungen;
  if (!plattform::dialoge().frage(z.M(40) + QLatin1Char(' ') + plattform::kurzesDatum(ziehungen.DateTimePicker1->Datum()) +
                                      QLatin1Char(' ') + z.M(41),
                                  z.M(42)))
    return;
  laeuft_ = true;
  geschlossen_ = false;
  QCheckBox* auswahl = o_.parameter->CheckBox20;
  const bool auswahlVorher = auswahl->isChecked();
  auswahl->setChecked(false);
  const QDate start = ziehungen.DateTimePicker1->Datum();
  ziehungen.SpeedButton5Click();
  // Every week is a run of the tip sheet, compared on the sheet: a week counts the tips of its
  // own run only, never the list with the rows of earlier weeks.
  Tippschein& schein = *o_.schein;
  const bool listeVorher = schein.listenansichtGezeigt();
  schein.Gewinnzahlen->setVisible(false);
  schein.Gewinne->setVisible(false);

  const QString saattext = plattform::dialoge().eingabe(z.M(35), z.M(36), engine::saatVorgabe());
  try {
    const int saat = plattform::StrToInt(saattext);
    engine::setzeGlueckszahl(saat);
    o_.status->setzePanel(1, engine::glueckszahlText(z.Meldungen, saat));
    // The weeks read the history again and again: one read while they go.
    struct Puffer {
      Historienpuffer& h;
      explicit Puffer(Historienpuffer& p) : h(p) { ++h.an; }
      ~Puffer() {
        if (--h.an == 0) h = Historienpuffer{};
      }
    } puffer(z.historienpuffer);
    const engine::Rueckblick r = engine::wochenschleife(*this, saattext, start, QDate::currentDate());
    const QStringList bericht = engine::rueckblickbericht(r, schein.UpDown8->Position(), z.Meldungen);
    ziehungen.RichEdit1->clear();
    for (const QString& zeile : bericht) ziehungen.RichEdit1->appendPlainText(zeile);
    const QString pfad = z.Home + QStringLiteral("Test.txt");
    // A translation's letters that the ANSI code page lacks would turn into '?'.
    plattform::schreibeTextZeilen(pfad, bericht);
    plattform::shell().oeffnen(pfad);
  } catch (const Geschlossen&) {
    // Closed during a week: no report, no message; the window closes below.
  } catch (...) {
    plattform::dialoge().nachricht(z.M(46));
  }
  schein.Gewinnzahlen->setVisible(listeVorher);
  schein.Gewinne->setVisible(listeVorher);
  if (listeVorher) schein.Listengewinncheck();
  auswahl->setChecked(auswahlVorher);
  laeuft_ = false;
  if (geschlossen_) QTimer::singleShot(0, o_.fenster, [w = o_.fenster] { w->close(); });
}

bool Rueckblickbefehle::eventFilter(QObject* o, QEvent* e) {
  if (o == o_.fenster && e->type() == QEvent::Close && laeuft_) {
    geschlossen_ = true;
    // Between two weeks no run takes the close as its stop; the back-test ends first.
    if (!o_.zustand->Berechnunglaeuft) {
      e->ignore();
      return true;
    }
  }
  return QObject::eventFilter(o, e);
}

void Rueckblickbefehle::lauf() {
  rechner_.Label28Click();
  o_.schein->Gewinnzahlen->setVisible(false);
  o_.schein->Gewinne->setVisible(false);
  if (geschlossen_) throw Geschlossen{};
}

QDate Rueckblickbefehle::DateTimePicker1() { return o_.ziehungen->DateTimePicker1->Datum(); }

void Rueckblickbefehle::setzeDateTimePicker1(const QDate& tag) { o_.ziehungen->DateTimePicker1->setzeDatum(tag); }

bool Rueckblickbefehle::SpeedButton5Click() {
  // A failing draw step raises, so the back-test shows message 46 instead of the error's text.
  o_.ziehungen->zeigeEnddatumsziehung();
  // A missing history is the draw step's own message; for the back-test a week without its draw
  // is an error.
  const QFileInfo datei(o_.zustand->Home + o_.zustand->ZahlenFile);
  if (!datei.isFile() || datei.size() < Ziehung::kGroesse) throw plattform::Fehler(o_.zustand->M(17));
  return true;
}

const tippcheck::Statistiktabelle& Rueckblickbefehle::Statistik() { return o_.zustand->Statistik; }
