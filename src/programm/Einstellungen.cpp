#include "programm/Einstellungen.h"

#include "plattform/fenster/fensterliste.h"

#include "plattform/fehler.h"
#include "plattform/fenster/dienste.h"
#include "plattform/fenster/datumswahl.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/formate.h"
#include "plattform/registry.h"
#include "shell/fenster/Internetseite.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Tippschein.h"
#include "shell/lebenszyklus.h"
#include "shell/ziehung.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <exception>
#include <optional>
#include <vector>

using plattform::Registry;
using plattform::RegistryFehler;

namespace Einstellungen {

const QString& schluessel() {
  static const QString k = QStringLiteral("\\SOFTWARE\\Kestrell\\Zelano");
  return k;
}

namespace {

// The check boxes stored as "Chekcbox" + n; CheckBox21 is stored as "Browser".
const std::vector<int>& pruefboxen() {
  static const std::vector<int> n = [] {
    std::vector<int> v;
    for (int i = 1; i <= 31; ++i)
      if (i != 21) v.push_back(i);
    return v;
  }();
  return n;
}

std::vector<int> bereich(std::vector<int> v, int von, int bis) {
  for (int i = von; i <= bis; ++i) v.push_back(i);
  return v;
}

// The tip-sheet edits: read in the order of their numbers ...
const std::vector<int>& tippfelderLesen() {
  static const std::vector<int> n = bereich(bereich(bereich(bereich({}, 1, 36), 43, 54), 56, 79), 93, 104);
  return n;
}

// ... and written in the order the program has always written them.
const std::vector<int>& tippfelderSchreiben() {
  static const std::vector<int> n =
      bereich(bereich(bereich(bereich({1, 2, 3, 7, 8, 9, 4, 5, 6}, 10, 36), 43, 54), 56, 79), 93, 104);
  return n;
}

// The room the screen of the window has for it.
QRect verfuegbar(const TForm1& f) {
  const QScreen* s = f.screen() ? f.screen() : QGuiApplication::primaryScreen();
  return s ? s->availableGeometry() : QRect(0, 0, TForm1::kDesignBreite, TForm1::kDesignHoehe);
}

QString nr(const char* art, int n) { return QString::fromLatin1(art) + QString::number(n); }

// Controls are found by name on the tabs, so that a dialog's control of the same name never
// answers; a control that is not there reads and writes nothing.
template <class T>
T* ctl(TForm1& f, const QString& name) {
  return f.PageControl1 ? f.PageControl1->findChild<T*>(name) : nullptr;
}

// A failure inside a group ends that group silently; the next group runs.
template <class F>
void gruppe(F&& lies) {
  try {
    lies();
  } catch (const plattform::Fehler&) {
  } catch (const std::exception&) {
  }
}

// For the values read outside the groups: a value of another type counts as missing, so that
// it cannot end the creation step of the window.
std::optional<int> ganzzahlOderNichts(const Registry& reg, const QString& name) {
  try {
    if (reg.ValueExists(name)) return reg.ReadInteger(name);
  } catch (const RegistryFehler&) {
  }
  return std::nullopt;
}

std::optional<QString> textOderNichts(const Registry& reg, const QString& name) {
  try {
    if (reg.ValueExists(name)) return reg.ReadString(name);
  } catch (const RegistryFehler&) {
  }
  return std::nullopt;
}

void liesGanzzahl(const Registry& reg, const QString& name, int& feld) {
  if (reg.ValueExists(name)) feld = reg.ReadInteger(name);
}

void liesText(TForm1& f, const Registry& reg, const QString& name, const QString& edit) {
  if (!reg.ValueExists(name)) return;
  const QString text = reg.ReadString(name);
  if (auto* e = ctl<QLineEdit>(f, edit)) e->setText(text);
}

void setzeRadioGroup(TForm1& f, const Registry& reg, const QString& name) {
  const auto index = ganzzahlOderNichts(reg, name);
  if (!index) return;
  if (auto* g = ctl<plattform::RadioGroup>(f, name)) g->setItemIndex(*index);
}

void schreibeText(TForm1& f, Registry& reg, const QString& name, const QString& edit) {
  if (auto* e = ctl<QLineEdit>(f, edit)) reg.WriteString(name, e->text());
}

}  // namespace

void lesen(TForm1& f) {
  // A store that cannot be read is never overwritten; the user learns it once, now, rather than
  // losing the settings of this session silently at exit.
  if (Registry::ablageUnlesbar())
    plattform::dialoge().nachricht(QStringLiteral("Die Einstellungen in %1 können nicht gelesen werden. Sie werden "
                                                  "beim Beenden nicht gespeichert.")
                                       .arg(QDir::toNativeSeparators(Registry::ablageDatei(plattform::Hive::CurrentUser))));
  Registry reg;
  if (!reg.OpenKey(schluessel(), true)) return;

  if (const auto los = textOderNichts(reg, QStringLiteral("Losnummer"))) {
    if (auto* l = ctl<QLabel>(f, QStringLiteral("Losnummer"))) l->setText(*los);
  }
  if (const auto n = ganzzahlOderNichts(reg, QStringLiteral("NeuerSchein"))) f.zustand().neuerSchein = *n;

  gruppe([&] {
    // The list view comes first, so that the stored tip count may go beyond 12.
    if (reg.ValueExists(QStringLiteral("Ansicht")) && reg.ReadInteger(QStringLiteral("Ansicht")) == 1 && f.Schein)
      f.Schein->listenansichtBeimStart();
    for (const int n : pruefboxen()) {
      const QString name = nr("Chekcbox", n);
      if (!reg.ValueExists(name)) continue;
      const bool an = reg.ReadBool(name);
      if (auto* b = ctl<QCheckBox>(f, nr("CheckBox", n))) b->setChecked(an);
    }
    // Seven draws back only when the extra numbers count in the matches.
    if (auto* ud = ctl<plattform::UpDown>(f, QStringLiteral("UpDown6"))) {
      const auto* b31 = ctl<QCheckBox>(f, QStringLiteral("CheckBox31"));
      ud->setMax(b31 && b31->isChecked() ? 7 : 5);
    }
    liesGanzzahl(reg, QStringLiteral("Land"), f.zustand().Land);
    // A size that would leave the window unusable (damaged, or from a larger screen) gives way
    // to the designed size, which the next exit stores.
    const QRect platz = verfuegbar(f);
    if (reg.ValueExists(QStringLiteral("height"))) {
      const int h = reg.ReadInteger(QStringLiteral("height"));
      f.setHeight(nutzbareGroesse(h, TForm1::kDesignHoehe, platz.height()).value_or(TForm1::kDesignHoehe));
    }
    if (reg.ValueExists(QStringLiteral("width"))) {
      const int w = reg.ReadInteger(QStringLiteral("width"));
      f.setWidth(nutzbareGroesse(w, TForm1::kDesignBreite, platz.width()).value_or(TForm1::kDesignBreite));
    }
    f.zustand().TippTop = 39;
    f.zustand().TippLeft = 47;
    liesGanzzahl(reg, QStringLiteral("TippTop"), f.zustand().TippTop);
    liesGanzzahl(reg, QStringLiteral("TippLeft"), f.zustand().TippLeft);
    f.zustand().sprache = 0;
    liesGanzzahl(reg, QStringLiteral("Sprache"), f.zustand().sprache);
  });

  setzeRadioGroup(f, reg, QStringLiteral("RadioGroup1"));
  setzeRadioGroup(f, reg, QStringLiteral("RadioGroup2"));

  gruppe([&] {
    for (int n = 1; n <= 20; ++n) {
      const QString name = nr("UpDown", n);
      if (!reg.ValueExists(name)) continue;
      const int pos = reg.ReadInteger(name);
      if (auto* ud = ctl<plattform::UpDown>(f, name)) ud->setPosition(pos);
    }
    if (reg.ValueExists(QStringLiteral("Lottoportal"))) {
      const QString portal = reg.ReadString(QStringLiteral("Lottoportal"));
      if (auto* c = ctl<QComboBox>(f, QStringLiteral("Lottoportal"))) {
        // A list without that name would lose it at the next exit.
        if (!c->isEditable() && c->findText(portal) < 0) c->addItem(portal);
        c->setCurrentText(portal);
      }
    }
    // Setting a text runs the field's own check: a stored text that is no valid number for
    // its field comes back empty.
    for (const int n : tippfelderLesen()) liesText(f, reg, nr("Edit", n), nr("Edit", n));
  });

  gruppe([&] {
    liesText(f, reg, QStringLiteral("ZWEIPREIS"), QStringLiteral("Edit81"));
    liesText(f, reg, QStringLiteral("EINPREIS"), QStringLiteral("Edit82"));
  });

  gruppe([&] {
    if (!reg.ValueExists(QStringLiteral("Browser"))) return;
    const bool an = reg.ReadBool(QStringLiteral("Browser"));
    if (auto* b = ctl<QCheckBox>(f, QStringLiteral("CheckBox21"))) b->setChecked(an);
  });

  gruppe([&] {
    f.zustand().sortieren = true;
    if (reg.ValueExists(QStringLiteral("URLEdit"))) {
      liesText(f, reg, QStringLiteral("URLEdit"), QStringLiteral("URLEdit"));
    } else if (auto* e = ctl<QLineEdit>(f, QStringLiteral("URLEdit"))) {
      e->setText(Internetseite::urlVorgabe());
    }
    liesText(f, reg, QStringLiteral("ProxyHostEdit"), QStringLiteral("ProxyHostEdit"));
    liesText(f, reg, QStringLiteral("ProxyPortEdit"), QStringLiteral("ProxyPortEdit"));
  });

  auto* picker = ctl<plattform::DatumsWahl>(f, QStringLiteral("DateTimePicker2"));
  gruppe([&] {
    if (!reg.ValueExists(QStringLiteral("DateTimePicker2"))) return;
    // A value the picker refuses, or that is no date, leaves the first start date; the
    // creation step applies the start rule afterwards.
    const QDate datum = plattform::ausTagzahl(reg.ReadDateTime(QStringLiteral("DateTimePicker2")));
    if (picker && !picker->setzeDatum(datum)) picker->setzeDatum(kKleinstesDatum);
  });

  // The coupon dialog's six layout texts ("Edit1F8" to "Edit6F8") are read once that dialog
  // exists, in the completion of the start (scheinLesen).
}

void scheinLesen() {
  QWidget* form8 = plattform::programmfenster(QStringLiteral("Form8"));
  if (!form8) return;
  gruppe([&] {
    Registry reg;
    if (!reg.OpenKey(schluessel(), true)) return;
    for (int n = 1; n <= 6; ++n) {
      const auto text = textOderNichts(reg, QStringLiteral("Edit%1F8").arg(n));
      auto* e = form8->findChild<QLineEdit*>(nr("Edit", n));
      if (text && e) e->setText(*text);
    }
    reg.CloseKey();
  });
}

void schreiben(TForm1& f) {
  Registry reg;
  if (!reg.OpenKey(schluessel(), true))
    throw RegistryFehler(QStringLiteral("Der Schlüssel %1 kann nicht geöffnet werden."), {schluessel()});

  reg.WriteInteger(QStringLiteral("NeuerSchein"), f.zustand().neuerSchein);
  for (const int n : pruefboxen()) {
    if (auto* b = ctl<QCheckBox>(f, nr("CheckBox", n))) reg.WriteBool(nr("Chekcbox", n), b->isChecked());
  }
  // A maximised or minimised window keeps the size of the last normal exit.
  if (f.normalerZustand()) {
    reg.WriteInteger(QStringLiteral("height"), f.Height());
    reg.WriteInteger(QStringLiteral("width"), f.Width());
  }
  const bool liste = f.Schein && f.Schein->listenansichtGezeigt();
  reg.WriteInteger(QStringLiteral("Ansicht"), liste ? 1 : 0);
  // The list files when the list view is shown and holds lines; a failure ends the write-back.
  if (f.Schein) f.Schein->listendateienSchreiben();
  reg.WriteInteger(QStringLiteral("Sprache"), f.zustand().sprache);
  reg.WriteInteger(QStringLiteral("TippTop"), f.zustand().TippTop);
  reg.WriteInteger(QStringLiteral("TippLeft"), f.zustand().TippLeft);
  for (const char* name : {"RadioGroup1", "RadioGroup2"}) {
    if (auto* g = ctl<plattform::RadioGroup>(f, QString::fromLatin1(name)))
      reg.WriteInteger(QString::fromLatin1(name), g->ItemIndex());
  }
  for (int n = 1; n <= 20; ++n) {
    if (auto* ud = ctl<plattform::UpDown>(f, nr("UpDown", n))) reg.WriteInteger(nr("UpDown", n), ud->Position());
  }
  if (auto* c = ctl<QComboBox>(f, QStringLiteral("Lottoportal")))
    reg.WriteString(QStringLiteral("Lottoportal"), c->currentText());
  for (const int n : tippfelderSchreiben()) schreibeText(f, reg, nr("Edit", n), nr("Edit", n));
  schreibeText(f, reg, QStringLiteral("ZWEIPREIS"), QStringLiteral("Edit81"));
  schreibeText(f, reg, QStringLiteral("EINPREIS"), QStringLiteral("Edit82"));
  if (auto* b = ctl<QCheckBox>(f, QStringLiteral("CheckBox21"))) reg.WriteBool(QStringLiteral("Browser"), b->isChecked());
  schreibeText(f, reg, QStringLiteral("URLEdit"), QStringLiteral("URLEdit"));
  schreibeText(f, reg, QStringLiteral("ProxyHostEdit"), QStringLiteral("ProxyHostEdit"));
  schreibeText(f, reg, QStringLiteral("ProxyPortEdit"), QStringLiteral("ProxyPortEdit"));
  if (auto* p = ctl<plattform::DatumsWahl>(f, QStringLiteral("DateTimePicker2")))
    reg.WriteDateTime(QStringLiteral("DateTimePicker2"), plattform::alsTagzahl(p->Datum()));
  reg.WriteInteger(QStringLiteral("Land"), f.zustand().Land);
  // The coupon dialog's six layout texts, under a guard of their own.
  try {
    if (QWidget* form8 = plattform::programmfenster(QStringLiteral("Form8")))
      for (int n = 1; n <= 6; ++n)
        if (auto* e = form8->findChild<QLineEdit*>(nr("Edit", n))) reg.WriteString(QStringLiteral("Edit%1F8").arg(n), e->text());
  } catch (const plattform::Fehler&) {
  }
  reg.CloseKey();
}

}  // namespace Einstellungen
