#include "shell/fenster/Ziehungsanzeige.h"

#include "shell/fenster/Laufsperre.h"

#include "plattform/fenster/befehl.h"
#include "plattform/fenster/datumswahl.h"
#include "plattform/fenster/dienste.h"
#include "plattform/fenster/sanduhr.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/formate.h"
#include "plattform/textdatei.h"
#include "shell/fenster/LoEingab.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <memory>

using plattform::neu;
using plattform::setzeHint;

namespace {

qint64 tagzahl(const QDate& d) { return static_cast<qint64>(plattform::alsTagzahl(d)); }
QDateTime tagesbeginn(const QDate& d) { return QDateTime(d, QTime(0, 0)); }

QToolButton* knopf(QWidget* eltern, const char* name, const QRect& platz, const QString& text) {
  auto* b = neu<QToolButton>(eltern, plattform::Elementart::SpeedButton, name, platz);
  b->setText(text);
  b->setAutoRaise(true);
  return b;
}

}  // namespace

Ziehungsanzeige::Ziehungsanzeige(Programmzustand& zustand, Tippvergleicher& tipps, QWidget* fenster,
                                 QWidget* TabSheet1, QWidget* TabSheet4, QWidget* TabSheet5)
    : QObject(fenster), z_(zustand), tipps_(tipps), fenster_(fenster) {
  setObjectName(QStringLiteral("Ziehungsanzeige"));
  bauePanel4(TabSheet1);
  baueDatenbank(TabSheet4);

  DateTimePicker2 = neu<plattform::DatumsWahl>(TabSheet5, plattform::Elementart::ohne, "DateTimePicker2", QRect(446, 4, 104, 24));
  DateTimePicker2->setMinimumDate(kKleinstesDatum);
  DateTimePicker2->setzeDatum(kKleinstesDatum);
  setzeHint(DateTimePicker2, QStringLiteral("Beginn des Zeitraums der Auswertungen"));
  DateTimePicker2->setToolTip(QString());  // its hint is held, never shown
}

void Ziehungsanzeige::bauePanel4(QWidget* seite) {
  Panel4 = neu<QFrame>(seite, plattform::Elementart::Panel, "Panel4", QRect(46, 0, 460, 38));
  Panel4->setFrameShape(QFrame::StyledPanel);

  SpeedButton10 = knopf(Panel4, "SpeedButton10", QRect(4, 5, 28, 28), QString());
  SpeedButton10->setIcon(Panel4->style()->standardIcon(QStyle::SP_BrowserReload));
  SpeedButton10->setIconSize(QSize(20, 20));

  SpeedButton6 = knopf(Panel4, "SpeedButton6", QRect(36, 5, 22, 28), QStringLiteral("◀"));
  setzeHint(SpeedButton6, QStringLiteral("vorhergehende Ziehung anzeigen"));

  Label35 = neu<QLabel>(Panel4, plattform::Elementart::Label, "Label35", QRect(62, 3, 300, 16));
  Label13 = neu<QLabel>(Panel4, plattform::Elementart::Label, "Label13", QRect(62, 20, 110, 15));
  Losnummer = neu<QLabel>(Panel4, plattform::Elementart::Label, "Losnummer", QRect(176, 20, 186, 15));
  // The code writes these labels: a language switch gives them its hint only.
  for (QLabel* l : {Label35, Label13, Losnummer}) plattform::setzeTag(l, 1);

  SpeedButton7 = knopf(Panel4, "SpeedButton7", QRect(364, 5, 22, 28), QStringLiteral("▶"));
  setzeHint(SpeedButton7, QStringLiteral("nächste Ziehung anzeigen"));

  // Not stored with the settings: both ticked at every start.
  Mittag = neu<QCheckBox>(Panel4, plattform::Elementart::CheckBox, "Mittag", QRect(394, 2, 62, 17), QStringLiteral("13:00"));
  Abend = neu<QCheckBox>(Panel4, plattform::Elementart::CheckBox, "Abend", QRect(394, 19, 62, 17), QStringLiteral("20:30"));
  Mittag->setChecked(true);
  Abend->setChecked(true);

  QObject::connect(SpeedButton10, &QToolButton::clicked, this, &Ziehungsanzeige::downloadGeklickt);
  plattform::verbinde(SpeedButton6, &QToolButton::clicked, this, &Ziehungsanzeige::SpeedButton6Click);
  plattform::verbinde(SpeedButton7, &QToolButton::clicked, this, &Ziehungsanzeige::SpeedButton7Click);
}

void Ziehungsanzeige::baueDatenbank(QWidget* seite) {
  Label29 = neu<QLabel>(seite, plattform::Elementart::Label, "Label29", QRect(16, 12, 420, 20));
  plattform::setzeTag(Label29, 1);
  QFont fett = Label29->font();
  fett.setBold(true);
  Label29->setFont(fett);

  DateTimePicker1 = neu<plattform::DatumsWahl>(seite, plattform::Elementart::ohne, "DateTimePicker1", QRect(16, 42, 110, 24));
  DateTimePicker1->setMinimumDate(kKleinstesDatum);
  DateTimePicker1->setzeDatum(QDate::currentDate());
  setzeHint(DateTimePicker1, QStringLiteral("Datum der angezeigten Ziehung"));
  DateTimePicker1->setToolTip(QString());  // its hint is held, never shown
  SpeedButton5 = knopf(seite, "SpeedButton5", QRect(132, 42, 28, 24), QString());
  SpeedButton5->setIcon(seite->style()->standardIcon(QStyle::SP_DialogApplyButton));
  setzeHint(SpeedButton5, QStringLiteral("Bewertung des Tipps für die Ziehung des gewählten Datums"));

  BitBtn1 = neu<QPushButton>(seite, plattform::Elementart::BitBtn, "BitBtn1", QRect(16, 78, 190, 28), QStringLiteral("&Datenbank aktualisieren"));
  BitBtn1->setIcon(seite->style()->standardIcon(QStyle::SP_BrowserReload));
  SpeedButton8 = knopf(seite, "SpeedButton8", QRect(212, 78, 28, 28), QString());
  SpeedButton8->setIcon(seite->style()->standardIcon(QStyle::SP_BrowserStop));
  setzeHint(SpeedButton8, QStringLiteral("Stoppt das Einlesen"));
  SpeedButton8->hide();

  BitBtn6 = neu<QPushButton>(seite, plattform::Elementart::BitBtn, "BitBtn6", QRect(16, 114, 92, 28), QStringLiteral("Löschen"));
  setzeHint(BitBtn6, QStringLiteral("Löschen der aktuell angezeigten Ziehung"));
  BitBtn8 = neu<QPushButton>(seite, plattform::Elementart::BitBtn, "BitBtn8", QRect(114, 114, 92, 28), QStringLiteral("Eingeben"));
  setzeHint(BitBtn8, QStringLiteral("manuelle eingaben der Ziehungsdaten."));

  BitBtn2 = neu<QPushButton>(seite, plattform::Elementart::BitBtn, "BitBtn2", QRect(250, 78, 170, 28), QStringLiteral("Datenbank neu anlegen"));
  BitBtn3 = neu<QPushButton>(seite, plattform::Elementart::BitBtn, "BitBtn3", QRect(250, 114, 170, 28), QStringLiteral("Export nach Text"));
  SpeedButton14 = knopf(seite, "SpeedButton14", QRect(426, 78, 28, 28), QString());
  for (QWidget* w : {static_cast<QWidget*>(BitBtn2), static_cast<QWidget*>(BitBtn3),
                     static_cast<QWidget*>(SpeedButton14)})
    w->hide();

  RichEdit1 = neu<QPlainTextEdit>(seite, plattform::Elementart::ohne, "RichEdit1", QRect(16, 300, 420, 80));
  RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
  RichEdit1->hide();

  QObject::connect(BitBtn1, &QPushButton::clicked, this, &Ziehungsanzeige::downloadGeklickt);
  plattform::verbinde(SpeedButton5, &QToolButton::clicked, this, &Ziehungsanzeige::SpeedButton5Click);
  plattform::verbinde(SpeedButton8, &QToolButton::clicked, this, &Ziehungsanzeige::SpeedButton8Click);
  plattform::verbinde(BitBtn6, &QPushButton::clicked, this, &Ziehungsanzeige::BitBtn4Click);
  plattform::verbinde(BitBtn8, &QPushButton::clicked, this, &Ziehungsanzeige::BitBtn8Click);
  plattform::verbinde(BitBtn2, &QPushButton::clicked, this, &Ziehungsanzeige::BitBtn2Click);
  plattform::verbinde(BitBtn3, &QPushButton::clicked, this, &Ziehungsanzeige::BitBtn3Click);
  plattform::verbinde(SpeedButton14, &QToolButton::clicked, this, &Ziehungsanzeige::SpeedButton14Click);
}

Ziehungsdaten Ziehungsanzeige::historie() const { return z_.historie(); }

Ziehungszeitfilter Ziehungsanzeige::zeitfilter() const { return {Mittag->isChecked(), Abend->isChecked()}; }

void Ziehungsanzeige::zeigeSatz(const Ziehung& z, Anzeigeart art, bool ersterVonMehreren) {
  z_.Datum1 = z.datum();
  for (int k = 1; k <= 8; ++k) z_.Zahl[static_cast<std::size_t>(k)] = z.zahl(k);
  Label29->setText(anzeigetext(z, art, ersterVonMehreren));
  Label13->setText(z_.M(8) + QLatin1Char(' ') + QString::number(z.quersumme()));
  Label35->setText(Label29->text());
}

void Ziehungsanzeige::endDatumFolgt() { DateTimePicker1->setzeDatum(z_.Datum1); }

bool Ziehungsanzeige::abgelehntWeilDownloadLaeuft() {
  if (!z_.downloadLaeuft) return false;
  plattform::dialoge().nachricht(z_.M(Meldungstabelle::kDownloadLaeuft));
  return true;
}

void Ziehungsanzeige::downloadStarten() {
  // The menu command "&Ziehungsdaten laden" runs the draw download.
  emit downloadUeberMenue();
}

void Ziehungsanzeige::startknoepfe(bool laeuft) {
  BitBtn1->setEnabled(!laeuft);
  SpeedButton10->setEnabled(!laeuft);
  SpeedButton8->setVisible(laeuft);
}

bool Ziehungsanzeige::stoppGezeigt() const { return !SpeedButton8->isHidden(); }

void Ziehungsanzeige::stoppen() { SpeedButton8->hide(); }

void Ziehungsanzeige::tagZeigen(const QDate& tag) { DateTimePicker1->setzeDatum(tag); }

void Ziehungsanzeige::antwortZeigen(const QString& text) { RichEdit1->setPlainText(text); }

void Ziehungsanzeige::gespeichertZeigen(const QDate& tag) {
  Label29->setText(plattform::DDDddmmyy(tag) + QStringLiteral("   "));
}

void Ziehungsanzeige::nachDownloadZeigen() {
  Label35->setText(Label29->text());
  SpeedButton5Click();
}

QDate Ziehungsanzeige::endeDatum() const { return DateTimePicker1->Datum(); }

void Ziehungsanzeige::SpeedButton5Click() {
  if (abgelehntWeilBerechnungLaeuft(z_)) return;
  plattform::mitMeldung([&] { zeigeEnddatumsziehung(); });
}

void Ziehungsanzeige::meldeLesefehler(const Ziehungsdaten& daten, const Fundstelle& fund) {
  // One message for the search, however many records it had to pass over; the start shows the
  // draw twice (before and after the download), so the same damage is told once.
  if (fund.lesefehler == 0) return;
  const QString text = z_.M(Meldungstabelle::kZiehungenOhneDatum)
                           .arg(QDir::toNativeSeparators(daten.pfad()), QString::number(fund.lesefehler),
                                QString::number(fund.ersterFehler + 1));
  if (text == gemeldet_) return;
  gemeldet_ = text;
  plattform::dialoge().nachricht(text);
}

void Ziehungsanzeige::zeigeEnddatumsziehung() {
  const Ziehungsdaten daten = historie();
  if (!daten.existiert()) {
    plattform::dialoge().nachricht(z_.M(17));
    daten.erzeugeLeerWennFehlt();
    return;
  }
  const QDate ziel = DateTimePicker1->Datum();
  z_.aktDatum = tagesbeginn(ziel);
  const auto geteilt = daten.lesenGeteilt();
  const std::vector<Ziehung>& saetze = *geteilt;
  if (geteilt != gesucht_ || tagzahl(ziel) != gesuchterTag_) {
    fund_ = sucheAbTag(saetze, tagzahl(ziel));
    gesucht_ = geteilt;
    gesuchterTag_ = tagzahl(ziel);
  }
  const Fundstelle fund = fund_;
  meldeLesefehler(daten, fund);
  if (fund.index >= 0) {
    z_.Position = fund.index;
    zeigeSatz(saetze[static_cast<std::size_t>(fund.index)], Anzeigeart::zeigen, fund.index == 0 && saetze.size() >= 2);
  }
  endDatumFolgt();
  Label35->setText(Label29->text());
  tipps_.Tippvergleich();
}

void Ziehungsanzeige::SpeedButton6Click() {
  if (abgelehntWeilBerechnungLaeuft(z_)) return;
  plattform::mitMeldung([&] {
    const auto geteilt = historie().lesenGeteilt();
    const std::vector<Ziehung>& saetze = *geteilt;
    z_.aktDatum = tagesbeginn(DateTimePicker2->Datum());
    z_.Position = vorherigePosition(z_.Position, zeitfilter().doppelschritt(z_.Zahl[6] != 0));
    // Position keeps its value even where the history is shorter; the last record is shown.
    const int satz = erreichterSatz(z_.Position, static_cast<int>(saetze.size()));
    if (satz >= 0) zeigeSatz(saetze[static_cast<std::size_t>(satz)], Anzeigeart::schritt, false);
    endDatumFolgt();
    tipps_.Tippvergleich();
  });
}

void Ziehungsanzeige::SpeedButton7Click() {
  if (abgelehntWeilBerechnungLaeuft(z_)) return;
  plattform::mitMeldung([&] {
    const std::vector<Ziehung> saetze = historie().lesen();
    const int satz = naechsterSatz(saetze, z_.Position, zeitfilter());
    if (satz >= 0) {
      zeigeSchritt(saetze[static_cast<std::size_t>(satz)], satz, true);
      return;
    }
    z_.aktDatum = tagesbeginn(DateTimePicker2->Datum());
    endDatumFolgt();
    tipps_.Tippvergleich();
  });
}

void Ziehungsanzeige::zeigeSchritt(const Ziehung& z, int position, bool vergleichen) {
  z_.aktDatum = tagesbeginn(DateTimePicker2->Datum());
  z_.Position = position;
  zeigeSatz(z, Anzeigeart::schritt, false);
  endDatumFolgt();
  if (vergleichen) tipps_.Tippvergleich();
}

QDate Ziehungsanzeige::startDatum() const { return DateTimePicker2->Datum(); }
QDate Ziehungsanzeige::endDatum() const { return DateTimePicker1->Datum(); }

void Ziehungsanzeige::anzeigeSetzen(const QString& text, const QString& summe) {
  Label29->setText(text);
  Label35->setText(text);
  Label13->setText(summe);
}

void Ziehungsanzeige::BitBtn4Click() {
  if (abgelehntWeilBerechnungLaeuft(z_)) return;
  if (abgelehntWeilDownloadLaeuft()) return;
  const bool ok = plattform::mitMeldung([&] {
    const plattform::Sanduhr sanduhr;
    const Ziehungsdaten daten = historie();
    daten.ersetzen(ohneTag(daten.lesen(), tagzahl(z_.Datum1)), daten.tempLoeschen());
  });
  if (ok) SpeedButton5Click();
}

void Ziehungsanzeige::BitBtn8Click() {
  if (abgelehntWeilBerechnungLaeuft(z_)) return;
  if (abgelehntWeilDownloadLaeuft()) return;
  const bool ok = plattform::mitMeldung([&] {
    const Ziehungsdaten daten = historie();
    const std::vector<Ziehung> saetze = daten.lesen();
    Ziehung referenz = Ziehung::vorschlagLeereHistorie();
    const int satz = referenzSatz(saetze, tagzahl(DateTimePicker1->Datum()));
    if (satz >= 0) referenz = saetze[static_cast<std::size_t>(satz)];
    z_.aktDatum = tagesbeginn(referenz.datum());

    auto dialog = std::make_unique<TForm3>(fenster_);
    Form3 = dialog.get();
    struct Freigabe {
      ~Freigabe() { Form3 = nullptr; }
    } freigabe;
    dialog->fuelle(referenz, z_.SternenzahlMax);
    if (dialog->exec() == QDialog::Accepted) {
      Ziehung neu = dialog->eingabe(referenz);
      neu.sortiereZahlen();
      if (wirdAngehaengt(saetze, neu))
        daten.anhaengen(neu);
      else
        daten.ersetzen(mitEingabe(saetze, neu), daten.tempEingabe());
    }
  });
  if (!ok) return;
  DateTimePicker1->setzeDatum(z_.aktDatum.date());
  SpeedButton5Click();
}

void Ziehungsanzeige::SpeedButton8Click() { SpeedButton8->hide(); }

void Ziehungsanzeige::BitBtn2Click() {
  if (abgelehntWeilBerechnungLaeuft(z_)) return;
  if (abgelehntWeilDownloadLaeuft()) return;
  const QString text = z_.M(3) + plattform::kurzesDatum(DateTimePicker1->Datum()) + z_.M(4);
  if (!plattform::dialoge().frage(text, z_.M(5))) return;
  const bool ok = plattform::mitMeldung([&] { historie().loeschen(); });
  if (ok) downloadStarten();
}

void Ziehungsanzeige::SpeedButton14Click() {
  plattform::mitMeldung([&] { historie().lesen(); });
}

void Ziehungsanzeige::BitBtn3Click() {
  plattform::mitMeldung([&] {
    const QString ziel = plattform::dialoge().speichern(z_.M(Meldungstabelle::kTextexportTitel),
                                                        z_.Home + QStringLiteral("ZahlenQV.txt"),
                                                        z_.M(Meldungstabelle::kTextdateien) + QStringLiteral(" (*.txt)"));
    if (ziel.isEmpty()) return;
    plattform::schreibeAnsiZeilen(ziel, textExport(historie().lesen()));
  });
}
