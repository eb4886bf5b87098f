#include "shell/fenster/Tippeditor.h"

#include "shell/fenster/Laufsperre.h"

#include "plattform/fehler.h"
#include "plattform/fenster/befehl.h"
#include "plattform/zufall.h"
#include "shell/fenster/Tippschein.h"
#include "shell/fenster/Zahlenwahl.h"
#include "shell/programmzustand.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <vector>

Tippeditor::Tippeditor(Programmzustand& zustand, Tippschein& schein, QObject* eltern)
    : QObject(eltern), zustand_(zustand), schein_(schein) {
  for (int k = 1; k <= 12; ++k)
    plattform::verbinde(schein_.zeile(k).Edit, &QToolButton::clicked, this, [this, k] { TippEditClick(k); });
}

QLineEdit* Tippeditor::feld(int nummer) const {
  const QString name = QStringLiteral("Edit%1").arg(nummer);
  for (int k = 1; k <= 12; ++k)
    for (int i = 0; i < 7; ++i)
      if (QLineEdit* f = schein_.zeile(k).feld(i); f->objectName() == name) return f;
  return nullptr;
}

namespace {
// The number a field names as a box: only a plain number 1 to 55 ("07" or " 7" name none).
int boxDesFelds(const QString& text) {
  bool ok = false;
  const int n = text.toInt(&ok);
  return (ok && n >= 1 && n <= Werteliste::kAnzahl && QString::number(n) == text) ? n : 0;
}
}  // namespace

void Tippeditor::TippEdit(int Anfang, int Ende) {
  if (abgelehntWeilBerechnungLaeuft(zustand_)) return;
  TForm6* d = Form6;
  if (!d) return;
  std::vector<QLineEdit*> felder;
  for (int n = Anfang; n <= Ende; ++n) {
    QLineEdit* f = feld(n);
    if (!f) throw plattform::Fehler(QStringLiteral("Das Feld Edit%1 gibt es nicht.").arg(n));
    felder.push_back(f);
  }
  Werteliste& liste = d->werteliste();

  // The tip editor's appearance.
  d->Zufall = zustand_.M(52);
  d->Stopp = zustand_.M(53);
  d->BitBtn3->hide();
  d->BitBtn4->show();
  d->MaxTipp = 5;
  d->MaxZahl = 55;
  // A right press in the last use would make the pre-ticking count weights down (and untick).
  liste.setzeMinus(false);

  // Back to the pool appearance on every way out; the ticks stay.
  struct Zurueck {
    TForm6* d;
    const Programmzustand& z;
    ~Zurueck() {
      d->BitBtn3->show();
      d->BitBtn4->hide();
      d->alleNeutral();
      d->setWindowTitle(z.M(50));
      d->Zufall = z.M(52);
      d->Stopp = z.M(53);
    }
  } zurueck{d, zustand_};

  for (int n = 1; n <= Werteliste::kAnzahl; ++n) liste.setzeHaken(n, false);
  d->alleNeutral();
  for (QLineEdit* f : felder) {
    const int n = boxDesFelds(f->text());
    if (n == 0) break;
    liste.setzeHaken(n, true);
    d->faerbe(n, TForm6::gelb());
  }

  if (d->exec() != TForm6::mrOk) return;

  std::vector<int> gewaehlt;
  for (int n = 1; n <= Werteliste::kAnzahl && gewaehlt.size() < felder.size(); ++n)
    if (liste.haken(n)) gewaehlt.push_back(n);
  for (size_t i = 0; i < gewaehlt.size(); ++i) felder[i]->setText(QString::number(gewaehlt[i]));
  // A kept field must not repeat a number just written.
  for (size_t i = gewaehlt.size(); i < felder.size(); ++i) {
    const int alt = boxDesFelds(felder[i]->text());
    if (alt != 0 && std::find(gewaehlt.begin(), gewaehlt.end(), alt) != gewaehlt.end()) felder[i]->clear();
  }
  // The row's hit colours and counts belong to its new numbers.
  schein_.Edit1Exit();
}

void Tippeditor::TippEditClick(int k) {
  if (abgelehntWeilBerechnungLaeuft(zustand_)) return;
  TForm6* d = Form6;
  if (!d || k < 1 || k > 12) return;
  d->setWindowTitle(QString::number(k) + QLatin1Char('.') + zustand_.M(51));
  const Tippzeile& z = schein_.zeile(k);
  const auto nummer = [](const QLineEdit* f) { return f->objectName().mid(4).toInt(); };
  TippEdit(nummer(z.Zahlen[0]), nummer(z.Zahlen[4]));
  zieheExtras(k);
}

void Tippeditor::zieheExtras(int k) {
  const Tippzeile& z = schein_.zeile(k);
  if (!z.Extras[0]->text().isEmpty() || z.Zahlen[4]->text().isEmpty()) return;
  // Two different numbers 1..8, the smaller first.
  const int erste = static_cast<int>(plattform::Zufall::Random(8)) + 1;
  int zweite = 0;
  do {
    zweite = static_cast<int>(plattform::Zufall::Random(8)) + 1;
  } while (zweite == erste);
  z.Extras[0]->setText(QString::number(std::min(erste, zweite)));
  z.Extras[1]->setText(QString::number(std::max(erste, zweite)));
}
