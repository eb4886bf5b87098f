#include "output/fenster/Spielwahl.h"

#include "output/losnummer.h"
#include "plattform/fenster/befehl.h"
#include "plattform/fenster/dienste.h"
#include "plattform/fenster/fensterliste.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/formate.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

TForm5* Form5 = nullptr;

namespace {
using plattform::Elementart;
using plattform::neu;
constexpr std::array<const char*, 7> kEdits = {"Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9"};
constexpr std::array<const char*, 7> kUpDowns = {"UpDown3", "UpDown4", "UpDown5", "UpDown6", "UpDown7", "UpDown8", "UpDown9"};
}  // namespace

TForm5::TForm5(QWidget* eltern) : QDialog(eltern) {
  setObjectName(QStringLiteral("Form5"));
  plattform::fensterAnmelden(this);
  setWindowTitle(QStringLiteral("Übergabe des Tippscheins direkt an Tippland"));
  resize(380, 300);
  Form5 = this;

  Spiel77 = neu<QCheckBox>(this, Elementart::CheckBox, "Spiel77", QRect(16, 12, 110, 20), QStringLiteral("Spiel 77"));
  Super6 = neu<QCheckBox>(this, Elementart::CheckBox, "Super6", QRect(16, 34, 110, 20), QStringLiteral("Super 6"));
  glueck = neu<QCheckBox>(this, Elementart::CheckBox, "glueck", QRect(16, 56, 110, 20), QStringLiteral("Glücksspirale"));
  Label3 = neu<QLabel>(this, Elementart::Label, "Label3", QRect(150, 34, 60, 20), QStringLiteral("Kosten:"));
  Label4 = neu<QLabel>(this, Elementart::Label, "Label4", QRect(214, 34, 140, 20), QStringLiteral("Kosten:"));
  for (size_t i = 0; i < 7; ++i) {
    const int x = 16 + static_cast<int>(i) * 36;
    Ziffer[i] = neu<QLineEdit>(this, Elementart::Edit, kEdits[i], QRect(x, 96, 20, 22), QStringLiteral("0"));
    ZifferAuf[i] = neu<plattform::UpDown>(this, Elementart::ohne, kUpDowns[i], QRect(x + 20, 96, 14, 22));
    ZifferAuf[i]->setMin(0);
    ZifferAuf[i]->setMax(9);
    ZifferAuf[i]->setAssociate(Ziffer[i]);
    ZifferAuf[i]->setPosition(0);
  }
  SpeedButton2 = neu<QToolButton>(this, Elementart::SpeedButton, "SpeedButton2", QRect(276, 95, 24, 24));
  SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
  plattform::setzeHint(SpeedButton2, QStringLiteral("Neu Losnummer welche noch nie gezogen wurde erzeugen"));
  SpeedButton3 = neu<QToolButton>(this, Elementart::SpeedButton, "SpeedButton3", QRect(304, 95, 24, 24));
  SpeedButton3->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
  plattform::setzeHint(SpeedButton3, QStringLiteral("Suchen ob diese Losnr schon gezogen wurde"));
  RadioGroup2 = neu<plattform::RadioGroup>(this, Elementart::RadioGroup, "RadioGroup2", QRect(16, 128, 348, 124));
  RadioGroup2->setTitle(QStringLiteral("Super6 und Spiel77 Option"));
  RadioGroup2->setItems({QStringLiteral("einfach per Zufall bestimmen"), QStringLiteral("Losnummer noch nie gezogen"),
                         QStringLiteral("letzten 6 Stellen der Losnummer nie gezogen"),
                         QStringLiteral("letzten 5 Stellen der Losnummer nie gezogen"),
                         QStringLiteral("letzten 4 Stellen der Losnummer nie gezogen")});
  RadioGroup2->setItemIndex(0);
  Label5 = neu<QLabel>(this, Elementart::Label, "Label5", QRect(16, 128, 348, 60),
                       QStringLiteral("Klicken Sie auf \"Warenkorb\" um  zu übergeben.  Anschließend können Sie sich  "
                                      "einloggen oder neu registrieren."));
  Label5->setWordWrap(true);
  BitBtn1 = neu<QPushButton>(this, Elementart::BitBtn, "BitBtn1", QRect(160, 262, 96, 28), QStringLiteral("Abbrechen"));
  BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  BitBtn3 = neu<QPushButton>(this, Elementart::BitBtn, "BitBtn3", QRect(264, 262, 100, 28), QStringLiteral("&Warenkorb"));
  BitBtn3->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  BitBtn3->setDefault(true);

  for (QCheckBox* c : {Spiel77, Super6, glueck}) plattform::verbinde(c, &QCheckBox::clicked, this, &TForm5::glueckClick);
  plattform::verbinde(SpeedButton2, &QToolButton::clicked, this, &TForm5::SpeedButton2Click);
  plattform::verbinde(SpeedButton3, &QToolButton::clicked, this, &TForm5::SpeedButton3Click);
  plattform::verbinde(BitBtn3, &QPushButton::clicked, this, &TForm5::BitBtn3Click);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

TForm5::~TForm5() {
  if (Form5 == this) Form5 = nullptr;
}

void TForm5::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  plattform::mitMeldung([this] { FormShow(); });
}

void TForm5::FormShow() {
  const QString datei = losnummer::zahlenfile08();
  const bool da = QFileInfo(datei).isFile();
  if (da) {
    Homedir = QFileInfo(datei).absolutePath() + QLatin1Char('/');
    Zahlenfile08 = QFileInfo(datei).fileName();
    SpielzahlTest = 0;
  }
  SpeedButton3->setVisible(da);
  RadioGroup2->setVisible(da);
  Label5->setVisible(!da);
  RadioGroup2->setItemIndex(0);
}

void TForm5::glueckClick() {
  if (glueck->isChecked() && !Spiel77->isChecked() && !Super6->isChecked()) Super6->setChecked(true);
  double kosten = 2.0 * Tipp;
  if (Spiel77->isChecked()) kosten += 1.5;
  if (Super6->isChecked()) kosten += 1.25;
  if (glueck->isChecked()) kosten += 5;
  Label4->setText(plattform::waehrung(kosten, 5, 2));
}

void TForm5::BitBtn3Click() {
  QString nr;
  for (const QLineEdit* e : Ziffer) nr += e->text();
  LosNr = nr;
  accept();
}

void TForm5::SpeedButton2Click() {
  losnummer::Ziffern z = losnummer::zieheZiffern();
  for (size_t i = 0; i < 7; ++i) ZifferAuf[i]->setPosition(z[i]);
  SpielzahlTest = RadioGroup2->ItemIndex();
  if (SpielzahlTest <= 0) return;
  // The history is read once for the whole search; a file that went away raises its error.
  const auto historie = losnummer::lies(Homedir + Zahlenfile08);
  const losnummer::Ergebnis e = losnummer::neueLosnummer(z, SpielzahlTest, historie);
  for (size_t i = 0; i < 7; ++i) ZifferAuf[i]->setPosition(e.ziffern[i]);
  SpielzahlTest = e.modus;
}

void TForm5::SpeedButton3Click() {
  if (Zahlenfile08.isEmpty() || !QFileInfo(Homedir + Zahlenfile08).isFile()) return;
  losnummer::Ziffern z{};
  for (size_t i = 0; i < 7; ++i) z[i] = ZifferAuf[i]->Position();
  plattform::dialoge().nachricht(losnummer::suche(z, losnummer::lies(Homedir + Zahlenfile08)));
}

void TForm5::DruckenClick() {
  if (QWidget* f8 = plattform::programmfenster(QStringLiteral("Form8"))) {
    if (auto* d = qobject_cast<QDialog*>(f8)) d->exec();
  }
}
