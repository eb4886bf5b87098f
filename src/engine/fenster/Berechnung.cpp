#include "engine/fenster/Berechnung.h"

#include "plattform/fenster/datumswahl.h"
#include "plattform/fenster/dienste.h"
#include "plattform/fenster/steuerelemente.h"
#include "shell/fenster/Parameterseite.h"
#include "shell/fenster/Tippschein.h"
#include "shell/fenster/Zahlenwahl.h"
#include "shell/fenster/Ziehungsanzeige.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>

namespace {
constexpr qint64 kStatusAbstandNs = 50'000'000;
// Handling input costs a system call or more, so the run handles it at most this often; a
// person cannot tell half a millisecond.
constexpr qint64 kEingabeAbstandNs = 500'000;
// Even reading the clock costs as much as a third of a candidate, so it is read every few
// candidates; a candidate takes a microsecond or less, so a click waits no longer for that.
constexpr int kKandidatenJeUhrzeit = 8;
}

Berechnung::Berechnung(const Berechnungsorte& orte, QObject* eltern) : QObject(eltern), o_(orte), lauf_(*this) {
  o_.fenster->installEventFilter(this);
  // The lines read are kept up to the first line that changed since.
  QAbstractItemModel* m = o_.schein->Gewinnzahlen->model();
  const auto ab = [this](int zeile) { zeilenGelesen_ = std::min(zeilenGelesen_, std::max(0, zeile)); };
  connect(m, &QAbstractItemModel::rowsInserted, this, [ab](const QModelIndex&, int erste, int) { ab(erste); });
  connect(m, &QAbstractItemModel::rowsRemoved, this, [ab](const QModelIndex&, int erste, int) { ab(erste); });
  connect(m, &QAbstractItemModel::dataChanged, this, [ab](const QModelIndex& von, const QModelIndex&) { ab(von.row()); });
  connect(m, &QAbstractItemModel::modelReset, this, [ab] { ab(0); });
  connect(m, &QAbstractItemModel::rowsMoved, this, [ab] { ab(0); });
  connect(m, &QAbstractItemModel::layoutChanged, this, [ab] { ab(0); });
}

template <class F>
void Berechnung::befehl(F&& f) {
  if (tiefe_ == 0) diagrammUhr_.invalidate();
  ++tiefe_;
  // The run reads the history for each batch and each draw step: one read while it goes.
  ++o_.zustand->historienpuffer.an;
  struct Ende {
    Berechnung* b;
    ~Ende() {
      Historienpuffer& h = b->o_.zustand->historienpuffer;
      if (--h.an == 0) h = Historienpuffer{};
      // The chart as the run left it, before the window is seen again.
      if (b->tiefe_ == 1) {
        try {
          b->abgleichen();
        } catch (...) {
        }
      }
      if (--b->tiefe_ == 0 && b->schliessen_) {
        b->schliessen_ = false;
        // The close that came during the run: now the settings store the restored options.
        QTimer::singleShot(0, b->o_.fenster, [w = b->o_.fenster] { w->close(); });
      }
    }
  } ende{this};
  f();
}

void Berechnung::BrechnungStart() {
  befehl([&] { lauf_.BrechnungStart(); });
}

void Berechnung::Berechnen1Click() {
  befehl([&] { lauf_.Berechnen1Click(); });
}

void Berechnung::Label28Click() {
  befehl([&] { lauf_.Label28Click(); });
}

bool Berechnung::eventFilter(QObject* o, QEvent* e) {
  if (o == o_.fenster && e->type() == QEvent::Close && (lauf_.laeuft() || tiefe_ > 0)) {
    // Closing during a run is a stop request; the window closes after the finish.
    schliessen_ = true;
    if (laeuftBerechnung()) lauf_.Label28Click();
    e->ignore();
    return true;
  }
  return QObject::eventFilter(o, e);
}

void Berechnung::liesOptionen() {
  const Parameterseite& s = *o_.parameter;
  Berechnungsparameter& p = p_;
  p.CheckBox27 = s.CheckBox27->isChecked();
  p.CheckBox3 = s.CheckBox3->isChecked();
  p.UpDown3 = s.UpDown3->Position();
  p.CheckBox24 = s.CheckBox24->isChecked();
  p.UpDown9 = s.UpDown9->Position();
  p.CheckBox8 = s.CheckBox8->isChecked();
  p.CheckBox18 = s.CheckBox18->isChecked();
  p.UpDown1 = s.UpDown1->Position();
  p.UpDown2 = s.UpDown2->Position();
  p.CheckBox4 = s.CheckBox4->isChecked();
  p.UpDown4 = s.UpDown4->Position();
  p.CheckBox5 = s.CheckBox5->isChecked();
  p.UpDown5 = s.UpDown5->Position();
  p.CheckBox23 = s.CheckBox23->isChecked();
  p.UpDown11 = s.UpDown11->Position();
  p.CheckBox25 = s.CheckBox25->isChecked();
  p.UpDown15 = s.UpDown15->Position();
  p.CheckBox26 = s.CheckBox26->isChecked();
  p.UpDown16 = s.UpDown16->Position();
  p.CheckBox22 = s.CheckBox22->isChecked();
  p.UpDown10 = s.UpDown10->Position();
  p.CheckBox9 = s.CheckBox9->isChecked();
  p.UpDown6 = s.UpDown6->Position();
  p.CheckBox28 = s.CheckBox28->isChecked();
  p.UpDown17 = s.UpDown17->Position();
  p.UpDown18 = s.UpDown18->Position();
  p.CheckBox31 = s.CheckBox31->isChecked();
  p.CheckBox1 = s.CheckBox1->isChecked();
  p.CheckBox11 = s.CheckBox11->isChecked();
  p.CheckBox6 = s.CheckBox6->isChecked();
  p.CheckBox12 = s.CheckBox12->isChecked();
  p.CheckBox7 = s.CheckBox7->isChecked();
  p.CheckBox13 = s.CheckBox13->isChecked();
  p.CheckBox2 = s.CheckBox2->isChecked();
  p.UpDown12 = s.UpDown12->Position();
  p.CheckBox14 = s.CheckBox14->isChecked();
  p.UpDown14 = s.UpDown14->Position();
  p.CheckBox10 = s.CheckBox10->isChecked();
  p.UpDown13 = s.UpDown13->Position();
  p.CheckBox19 = s.CheckBox19->isChecked();
  p.CheckBox15 = s.CheckBox15->isChecked();
  p.CheckBox29 = s.CheckBox29->isChecked();
  p.CheckBox30 = s.CheckBox30->isChecked();
  p.CheckBox20 = s.CheckBox20->isChecked();
  p.DateTimePicker2 = o_.ziehungen->DateTimePicker2->Datum();
  const Ziehungszeitfilter f = o_.ziehungen->zeitfilter();
  p.Mittag = f.mittag;
  p.Abend = f.abend;
}

const Berechnungsparameter& Berechnung::optionen() {
  liesOptionen();
  return p_;
}

void Berechnung::setzeCheckBox8(bool an) { o_.parameter->CheckBox8->setChecked(an); }
void Berechnung::setzeUpDown4(int wert) { o_.parameter->UpDown4->setPosition(wert); }
void Berechnung::setzeUpDown5(int wert) { o_.parameter->UpDown5->setPosition(wert); }

void Berechnung::setzeUpDown6(int wert) {
  plattform::UpDown* u = o_.parameter->UpDown6;
  if (wert > u->Max()) {
    // A loosening step may go past the range the options allow; the range is back at the finish.
    if (upDown6Max_ < 0) upDown6Max_ = u->Max();
    u->setMax(wert);
  } else if (upDown6Max_ >= 0 && wert <= upDown6Max_) {
    u->setPosition(wert);
    u->setMax(upDown6Max_);
    upDown6Max_ = -1;
  }
  u->setPosition(wert);
}

int Berechnung::upDown7() { return o_.parameter->UpDown7->Position(); }
int Berechnung::laufMax() { return o_.zustand->LaufMax; }
void Berechnung::setzeLaufMax(int wert) { o_.zustand->LaufMax = wert; }
int Berechnung::upDown8() { return o_.schein->UpDown8->Position(); }

void Berechnung::setzeUpDown8(int maximum, int position) {
  o_.schein->UpDown8->setMax(maximum);
  o_.schein->UpDown8->setPosition(position);
}

bool Berechnung::listeSichtbar() { return o_.schein->listenansichtGezeigt(); }
int Berechnung::listenzeilen() { return o_.schein->Gewinnzahlen->count(); }
QString Berechnung::listenzeile(int i) {
  // Each batch of a list run reads every line; the lines are read from the box once.
  if (i >= zeilenGelesen_) {
    const QListWidget* box = o_.schein->Gewinnzahlen;
    zeilen_.resize(zeilenGelesen_);
    for (int k = zeilenGelesen_; k <= i; ++k) zeilen_.append(box->item(k)->text());
    zeilenGelesen_ = i + 1;
  }
  return zeilen_.at(i);
}
void Berechnung::StandardansichtClick() { o_.schein->StandardansichtClick(); }
void Berechnung::ListenansichtOhneClick() { o_.schein->ListenansichtOhneClick(); }
void Berechnung::listeZeigen() { o_.schein->listeZeigen(); }

void Berechnung::setzeListeSichtbar(bool sichtbar) {
  o_.schein->Gewinnzahlen->setVisible(sichtbar);
  o_.schein->Gewinne->setVisible(sichtbar);
}

bool Berechnung::SpeedButton5Click() {
  o_.ziehungen->SpeedButton5Click();
  return QFileInfo(o_.zustand->Home + o_.zustand->ZahlenFile).size() >= Ziehung::kGroesse;
}

bool Berechnung::SpeedButton6Click() {
  o_.ziehungen->SpeedButton6Click();
  return QFileInfo(o_.zustand->Home + o_.zustand->ZahlenFile).size() >= Ziehung::kGroesse;
}

std::array<int, 9> Berechnung::Zahl() { return o_.zustand->Zahl; }
QDate Berechnung::Datum1() { return o_.zustand->Datum1; }

void Berechnung::setzeAktuelleZiehung(const std::array<int, 9>& zahl, const QDate& datum) {
  o_.zustand->Zahl = zahl;
  o_.zustand->Datum1 = datum;
}

QDate Berechnung::DateTimePicker1() { return o_.ziehungen->DateTimePicker1->Datum(); }
void Berechnung::setzeDateTimePicker1(const QDate& d) { o_.ziehungen->DateTimePicker1->setzeDatum(d); }
std::vector<Ziehung> Berechnung::historie() { return o_.zustand->historie().lesen(); }
void Berechnung::alleTippsLoeschen() { o_.schein->SpeedButton11Click(); }

engine::Zeilenstand Berechnung::Tippzeile(int t) {
  engine::Zeilenstand s;
  s.gesperrt = o_.schein->gesperrt(t);
  const ::Tippzeile& z = o_.schein->zeile(t);
  for (int i = 0; i < 7; ++i) s.felder[static_cast<std::size_t>(i)] = z.feld(i)->text();
  return s;
}

void Berechnung::schreibeZeile(int t, const std::array<int, 8>& reihe) {
  // A 0 is cleared by the field's own validation, so an empty position shows empty fields.
  const ::Tippzeile& z = o_.schein->zeile(t);
  for (int i = 0; i < 7; ++i) z.feld(i)->setText(QString::number(reihe[static_cast<std::size_t>(i + 1)]));
}

void Berechnung::setzeSummenlabel(int t, int summe) { o_.schein->zeile(t).Summe->setText(QString::number(summe)); }
int Berechnung::Komplettcheck() { return o_.schein->Komplettcheck(); }
QString Berechnung::knopftext() { return o_.schein->BitBtn4->text(); }
void Berechnung::setzeKnopftext(const QString& text) { o_.schein->BitBtn4->setText(text); }
QString& Berechnung::Tippsberechnen() { return o_.zustand->Tippsberechnen; }
bool Berechnung::laeuftBerechnung() { return o_.schein->BitBtn4->text() == o_.zustand->M(20); }
void Berechnung::setzeSortieren(bool wert) { o_.zustand->sortieren = wert; }

void Berechnung::setzeBerechnunglaeuft(bool wert) {
  // A batch that showed statistics but never emptied the bars leaves them drawn.
  if (!wert) abgleichen();
  o_.zustand->Berechnunglaeuft = wert;
  // Between the batches of a list run the sheet stays locked: it is unlocked before anything
  // can see it (input, a message, the command's end), as the chart is brought up to date.
  if (wert || tiefe_ == 0) o_.schein->nurLesen(wert);
  entsperren_ = !wert && tiefe_ > 0;
  if (wert) {
    uhr_.start();
    statusZeit_ = eingabeZeit_ = 0;
    ohneUhr_ = 0;
    statusFaellig_ = false;
    kandidatGezeigt_ = true;
  }
}

QString Berechnung::meldung(int index) { return o_.zustand->M(index); }
void Berechnung::setzePanel(int panel, const QString& text) { o_.status->setzePanel(panel, text); }
void Berechnung::zeichneStatus() { o_.status->repaint(); }
void Berechnung::zeichneFenster() { o_.fenster->update(); }

void Berechnung::sanduhr(bool an) {
  if (an == sanduhr_) return;
  sanduhr_ = an;
  if (an)
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QGuiApplication::restoreOverrideCursor();
}

void Berechnung::zeigeTippUebersicht() { o_.PageControl1->setCurrentWidget(o_.TabSheet1); }

void Berechnung::zeigeStatistik(engine::Topfstatistik art, const statistik::Zahlenstatistik& s) {
  o_.PageControl1->setCurrentWidget(o_.TabSheet5);
  // The window shows the chart page at most every 50 ms; a statistic not drawn then may wait.
  const bool zeichnen = !diagrammUhr_.isValid() || diagrammUhr_.nsecsElapsed() >= kStatusAbstandNs;
  if (imDiagramm) imDiagramm(art, s, !zeichnen);
  if (!zeichnen) return;
  o_.fenster->repaint();
  diagrammUhr_.start();
}

void Berechnung::leereDiagramm() {
  if (diagrammLeeren) diagrammLeeren();
}

void Berechnung::abgleichen() {
  if (entsperren_) {
    entsperren_ = false;
    o_.schein->nurLesen(false);
  }
  if (diagrammAbgleichen) diagrammAbgleichen();
}

void Berechnung::nachricht(const QString& text) {
  abgleichen();
  plattform::dialoge().nachricht(text);
}

TForm6* Berechnung::form6() {
  if (Form6) return Form6;
  if (!eigenesForm6_) eigenesForm6_ = new TForm6(o_.fenster);
  return eigenesForm6_;
}

Werteliste& Berechnung::werteliste() { return form6()->werteliste(); }

engine::Zahlenwahlergebnis Berechnung::zeigeZahlenwahl() {
  abgleichen();
  TForm6* d = form6();
  d->Zufall = o_.zustand->M(52);
  d->Stopp = o_.zustand->M(53);
  d->MaxZahl = 55;
  const int r = d->exec();
  d->Zufall = o_.zustand->M(52);
  d->Stopp = o_.zustand->M(53);
  if (r == TForm6::mrOk) return engine::Zahlenwahlergebnis::ok;
  if (r == TForm6::mrRetry) return engine::Zahlenwahlergebnis::rechnen;
  return engine::Zahlenwahlergebnis::abbruch;
}

void Berechnung::zeigeKandidat() {
  setzePanel(1, engine::kandidatenstatus(kandidatT_, kandidatReihe_, kandidatQs_, o_.zustand->M(28)));
  o_.status->repaint();
  o_.fenster->update();
  kandidatGezeigt_ = true;
  statusFaellig_ = false;
  statusZeit_ = uhr_.nsecsElapsed();
}

void Berechnung::kandidat(int t, const std::array<int, 8>& reihe, int qs) {
  kandidatT_ = t;
  kandidatReihe_ = reihe;
  kandidatQs_ = qs;
  kandidatGezeigt_ = false;
  if (statusFaellig_) zeigeKandidat();
}

void Berechnung::positionsende(int) {
  // The position's last candidate shows once its 50 ms are up, like any other; the run's end
  // writes its own text into the panel.
  const qint64 jetzt = uhr_.nsecsElapsed();
  if (!kandidatGezeigt_ && jetzt - statusZeit_ >= kStatusAbstandNs) zeigeKandidat();
  // Input that came during the position reaches the next position's gate.
  eingabenJetzt(jetzt);
}

void Berechnung::eingabenJetzt(qint64 jetzt) {
  eingabeZeit_ = jetzt;
  if (jetzt - statusZeit_ >= kStatusAbstandNs) statusFaellig_ = true;
  abgleichen();
  QCoreApplication::processEvents();
}

bool Berechnung::eingabenVerarbeiten() {
  if (++ohneUhr_ < kKandidatenJeUhrzeit) return false;
  ohneUhr_ = 0;
  const qint64 jetzt = uhr_.nsecsElapsed();
  if (jetzt - eingabeZeit_ < kEingabeAbstandNs) return false;
  eingabenJetzt(jetzt);
  return true;
}
