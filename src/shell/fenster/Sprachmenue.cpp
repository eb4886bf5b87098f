#include "shell/fenster/Sprachmenue.h"

#include "shell/fenster/Laufsperre.h"

#include "plattform/fenster/befehl.h"
#include "plattform/fenster/dienste.h"
#include "plattform/fenster/elemente.h"
#include "plattform/fenster/fensterliste.h"
#include "plattform/fenster/passform.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/pfade.h"
#include "shell/fenster/LoEingab.h"
#include "shell/programmzustand.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMenu>
#include <memory>

namespace {

using plattform::Elementart;
using sprache::Art;

Art alsArt(Elementart a) {
  switch (a) {
    case Elementart::Fenster: return Art::Fenster;
    case Elementart::Menuepunkt: return Art::Menue;
    case Elementart::Label: return Art::Label;
    case Elementart::Panel: return Art::Panel;
    case Elementart::BitBtn: return Art::BitBtn;
    case Elementart::Button: return Art::Button;
    case Elementart::SpeedButton: return Art::SpeedButton;
    case Elementart::CheckBox: return Art::CheckBox;
    case Elementart::RadioButton: return Art::RadioButton;
    case Elementart::RadioGroup: return Art::RadioGroup;
    case Elementart::TabSheet: return Art::TabSheet;
    case Elementart::Edit: return Art::Edit;
    case Elementart::ohne: break;
  }
  return Art::Label;
}

bool sichtbar(const QObject* o) {
  if (const auto* m = qobject_cast<const QMenu*>(o)) return m->menuAction()->isVisible();
  if (const auto* a = qobject_cast<const QAction*>(o)) return a->isVisible();
  return true;
}

sprache::Element alsElement(const QWidget* fenster, const plattform::Element& e) {
  sprache::Element s;
  s.art = alsArt(e.art);
  s.besitzer = fenster->objectName();
  s.name = e.name();
  s.caption = plattform::caption(e);
  s.hint = plattform::hint(e);
  const QVariant satz = e.objekt->property("charset");
  s.charset = satz.isValid() ? satz.toInt() : 1;
  s.tag = e.tag();
  s.sichtbar = sichtbar(e.objekt);
  return s;
}

// The windows of one walk with their elements, in the element order.
struct Walk {
  std::unique_ptr<TForm3> form3;  // made for the walk, after the main window
  QList<QWidget*> fenster;
  QList<qsizetype> ab;  // index of each window's first element in the flat lists
  QList<plattform::Element> objekte;
  QList<sprache::Element> elemente;
};

void sammle(Walk& w) {
  QList<QWidget*> liste = plattform::programmfenster();
  w.form3 = std::make_unique<TForm3>();
  const qsizetype haupt = liste.indexOf(plattform::programmfenster(QStringLiteral("Form1")));
  liste.insert(haupt + 1, w.form3.get());
  for (QWidget* f : liste) {
    w.fenster.append(f);
    w.ab.append(w.objekte.size());
    for (const plattform::Element& e : plattform::elementliste(f).elemente()) {
      if (e.art == Elementart::ohne) continue;
      w.objekte.append(e);
      w.elemente.append(alsElement(f, e));
    }
  }
}

void setze(const plattform::Element& e, const sprache::Aenderung& a) {
  if (a.caption) plattform::setzeCaption(e, *a.caption);
  if (a.hint) plattform::setzeHint(e, *a.hint);
  if (a.charset) plattform::setzeCharset(e.objekt, *a.charset);
}

// The menu of the running main window.
Sprachmenue*& aktuell() {
  static Sprachmenue* m = nullptr;
  return m;
}

// Qt's translations for a language, by the ending of its files; the nearest one first where Qt
// has none of its own (Portugal's Portuguese, Norwegian Bokmål).
QStringList qtNamen(const QString& endung) {
  static const QHash<QString, QStringList> namen = {
      {QStringLiteral("cz"), {QStringLiteral("cs")}},
      {QStringLiteral("gr"), {QStringLiteral("el")}},
      {QStringLiteral("se"), {QStringLiteral("sv")}},
      {QStringLiteral("nor"), {QStringLiteral("nb"), QStringLiteral("nn")}},
      {QStringLiteral("dae"), {QStringLiteral("da")}},
      {QStringLiteral("pt"), {QStringLiteral("pt_PT"), QStringLiteral("pt"), QStringLiteral("pt_BR")}},
      {QStringLiteral("cn"), {QStringLiteral("zh_CN")}},
  };
  return namen.value(endung, {endung});
}

// The lower layers' messages from this table, a copy of it, so that no message outlives it.
void meldungenAus(const Meldungstabelle& tabelle) {
  plattform::setzeUebersetzer([t = tabelle](const QString& deutsch) { return t.uebersetze(deutsch); });
}

// Qt's texts for the language of that number, German for none.
void qtTexteFuer(int nummer) {
  const sprache::Sprache* s = sprache::sprachMitNummer(nummer);
  plattform::ladeQtUebersetzung(qtNamen(QString::fromLatin1(s ? s->endung : "de")));
}

}  // namespace

void wendeLetzteSpracheAn(QWidget* fenster) {
  if (aktuell()) aktuell()->fuerNeuesFenster(fenster);
}

void Sprachmenue::fuerNeuesFenster(QWidget* fenster) const {
  const auto it = spaetere_.constFind(fenster->objectName());
  if (it == spaetere_.constEnd()) return;
  const QList<plattform::Element> elemente = plattform::elementliste(fenster).elemente();
  for (const sprache::Aenderung& a : *it) {
    if (a.index < elemente.size()) setze(elemente.at(a.index), a);
  }
  plattform::passeCaptionsAn(fenster);
}

Sprachmenue::Sprachmenue(QMenu* SpracheLanguage1, QWidget* fenster, Programmzustand& zustand, Sprachumgebung& umgebung)
    : QObject(fenster), z_(zustand), umgebung_(umgebung) {
  setObjectName(QStringLiteral("Sprachmenue"));
  aktuell() = this;
  using H = void (Sprachmenue::*)();
  static constexpr std::array<H, 19> handler = {
      &Sprachmenue::Deutsch1Click,      &Sprachmenue::Englich1Click,       &Sprachmenue::Franz1Click,
      &Sprachmenue::Spanisch1Click,     &Sprachmenue::Italenisch1Click,    &Sprachmenue::Russisch1Click,
      &Sprachmenue::rkisch1Click,       &Sprachmenue::Niederlndisch1Click, &Sprachmenue::Polnisch1Click,
      &Sprachmenue::schechisch1Click,   &Sprachmenue::Slowakisch1Click,    &Sprachmenue::Ungarisch1Click,
      &Sprachmenue::Grischisch1Click,   &Sprachmenue::Schwedisch1Click,    &Sprachmenue::Norwegisch1Click,
      &Sprachmenue::Finnisch1Click,     &Sprachmenue::Dnisch1Click,        &Sprachmenue::Portugisisch1Click,
      &Sprachmenue::Chinese1Click};
  const auto& tabelle = sprache::Sprachtabelle();
  for (std::size_t i = 0; i < tabelle.size(); ++i) {
    QAction* a = SpracheLanguage1->addAction(QString::fromUtf8(tabelle[i].caption));
    a->setObjectName(QString::fromLatin1(tabelle[i].menuepunkt));
    a->setCheckable(true);
    plattform::alsElement(fenster, Elementart::Menuepunkt, a);
    plattform::verbinde(a, &QAction::triggered, this, handler[i]);
    punkte_[i] = a;
  }
  Dateispeichern1 = SpracheLanguage1->addAction(QStringLiteral("Datei &speichern"));
  Dateispeichern1->setObjectName(QStringLiteral("Dateispeichern1"));
  plattform::alsElement(fenster, Elementart::Menuepunkt, Dateispeichern1);
  plattform::verbinde(Dateispeichern1, &QAction::triggered, this, &Sprachmenue::Dateispeichern1Click);
}

Sprachmenue::~Sprachmenue() {
  if (aktuell() == this) {
    aktuell() = nullptr;
    plattform::setzeUebersetzer(nullptr);
  }
}

void Sprachmenue::Deutsch1Click() { waehle(1); }
void Sprachmenue::Englich1Click() { waehle(2); }
void Sprachmenue::Franz1Click() { waehle(3); }
void Sprachmenue::Spanisch1Click() { waehle(4); }
void Sprachmenue::Italenisch1Click() { waehle(5); }
void Sprachmenue::Russisch1Click() { waehle(6); }
void Sprachmenue::rkisch1Click() { waehle(7); }
void Sprachmenue::Niederlndisch1Click() { waehle(8); }
void Sprachmenue::Polnisch1Click() { waehle(9); }
void Sprachmenue::schechisch1Click() { waehle(10); }
void Sprachmenue::Slowakisch1Click() { waehle(16); }
void Sprachmenue::Ungarisch1Click() { waehle(11); }
void Sprachmenue::Grischisch1Click() { waehle(12); }
void Sprachmenue::Schwedisch1Click() { waehle(13); }
void Sprachmenue::Norwegisch1Click() { waehle(14); }
void Sprachmenue::Finnisch1Click() { waehle(17); }
void Sprachmenue::Dnisch1Click() { waehle(15); }
void Sprachmenue::Portugisisch1Click() { waehle(18); }
void Sprachmenue::Chinese1Click() { waehle(19); }

bool Sprachmenue::sprachHandler(int nummer) {
  if (!sprache::sprachMitNummer(nummer)) return false;
  waehle(nummer);
  return true;
}

void Sprachmenue::meldungenVorab(int nummer) {
  const sprache::Sprache* s = sprache::sprachMitNummer(nummer);
  if (!s) return;
  const QString datei = plattform::Programmpfad() + QStringLiteral("land/") +
                        sprache::meldungsName(QString::fromLatin1(s->endung));
  if (!QFileInfo::exists(datei)) return;
  Meldungstabelle tabelle;
  try {
    tabelle.ersetzen(sprache::liesSprachdatei(datei));
  } catch (const plattform::Fehler&) {
    return;
  }
  meldungenAus(tabelle);
  qtTexteFuer(nummer);
}

QAction* Sprachmenue::menuepunkt(int nummer) const {
  const auto& t = sprache::Sprachtabelle();
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i].nummer == nummer) return punkte_[i];
  }
  return nullptr;
}

void Sprachmenue::hakenZeigen() {
  const auto& t = sprache::Sprachtabelle();
  for (std::size_t i = 0; i < t.size(); ++i) punkte_[i]->setChecked(t[i].nummer == angehakt_);
}

void Sprachmenue::waehle(int nummer) {
  // A click has toggled the item already; on every way out the ticks show angehakt_ again.
  struct Haken {
    Sprachmenue& m;
    ~Haken() { m.hakenZeigen(); }
  } haken{*this};
  // While the run draws its tips the refusal says so; otherwise a run going passes silently.
  if (abgelehntWeilBerechnungLaeuft(z_) || umgebung_.berechnungLaeuft()) return;
  const sprache::Sprache* s = sprache::sprachMitNummer(nummer);
  if (!s) return;
  try {
    DateiLaden1Click(plattform::Programmpfad() + QStringLiteral("land/") + sprache::stammName(),
                     QString::fromLatin1(s->endung));
  } catch (const sprache::Sprachdateifehler& f) {
    // Said in the language that stays, which may not be German; the messages and Qt's texts
    // loaded ahead of the start's switch go back to it too.
    meldungenAus(z_.Meldungen);
    qtTexteFuer(angehakt_);
    throw plattform::Fehler(z_.M(f.beschaedigt() ? Meldungstabelle::kSprachdateiBeschaedigt
                                                 : Meldungstabelle::kSprachdateiNichtLesbar)
                                .arg(f.pfad()));
  }
  // The buttons of a question and the file dialogs speak the chosen language too, or Qt's
  // English where Qt has no translation for it.
  qtTexteFuer(nummer);
  angehakt_ = nummer;
  z_.sprache = nummer;
}

QList<sprache::Element> Sprachmenue::alleElemente() {
  Walk w;
  sammle(w);
  return w.elemente;
}

void Sprachmenue::DateiLaden1Click(const QString& Dateiname, const QString& Sprache) {
  const std::optional<sprache::Sprachstand> stand = sprache::liesSprache(Dateiname, Sprache);
  if (!stand) return;
  Walk w;
  sammle(w);
  const QList<sprache::Aenderung> aenderungen = sprache::wendeAn(*stand, w.elemente);
  const qsizetype f3 = w.fenster.indexOf(w.form3.get());
  const qsizetype f3ab = w.ab.at(f3);
  const qsizetype f3ende = f3 + 1 < w.ab.size() ? w.ab.at(f3 + 1) : w.objekte.size();
  for (const sprache::Aenderung& a : aenderungen) {
    if (a.index >= f3ab && a.index < f3ende) {
      sprache::Aenderung& m = spaetere_[w.form3->objectName()][a.index - f3ab];
      m.index = a.index - f3ab;
      if (a.caption) m.caption = a.caption;
      if (a.hint) m.hint = a.hint;
      if (a.charset) m.charset = a.charset;
    } else {
      setze(w.objekte.at(a.index), a);
    }
  }
  if (stand->radio && !stand->radio->isEmpty()) umgebung_.optionenSetzen(*stand->radio);
  if (stand->meldungen) z_.Meldungen.ersetzen(*stand->meldungen);
  meldungenAus(z_.Meldungen);
  umgebung_.nachSprachwechsel();
  for (QWidget* f : w.fenster) plattform::passeCaptionsAn(f);
}

void Sprachmenue::Dateispeichern1Click() {
  if (umgebung_.berechnungLaeuft()) return;
  const QString ziel = plattform::dialoge().speichernMitEndung(z_.M(Meldungstabelle::kExportTitel), z_.Home + sprache::stammName(),
                                                               z_.M(Meldungstabelle::kTextdatei) + QStringLiteral("|*.txt"),
                                                               QStringLiteral("txt"));
  if (ziel.isEmpty()) return;
  try {
    sprache::schreibeExport(ziel, sprache::exportZeilen(alleElemente()));
  } catch (const plattform::Fehler&) {
    throw plattform::Fehler(z_.M(Meldungstabelle::kExportNichtGeschrieben).arg(QDir::toNativeSeparators(ziel)));
  }
}
