#include "shell/fenster/LoEingab.h"

#include "plattform/fenster/befehl.h"
#include "plattform/formate.h"
#include "shell/fenster/Sprachmenue.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

TForm3* Form3 = nullptr;

using plattform::neu;

TForm3::TForm3(QWidget* eltern) : QDialog(eltern) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("Zahlen der Ziehung eingeben"));
  setFixedSize(252, 128);

  DateTimePicker1 = neu<plattform::DatumsWahl>(this, plattform::Elementart::ohne, "DateTimePicker1", QRect(16, 12, 120, 24));
  DateTimePicker1->setMinimumDate(QDate(100, 1, 1));  // any date may be entered
  DateTimePicker1->setzeDatum(Ziehung::vorschlagLeereHistorie().datum());

  for (int k = 1; k <= 8; ++k) {
    const int x = 16 + (k - 1) * 44;
    const QByteArray name = "Edit" + QByteArray::number(k);
    const QByteArray ud = "UpDown" + QByteArray::number(k);
    Edit[k] = neu<QLineEdit>(this, plattform::Elementart::Edit, name.constData(), QRect(x, 48, 26, 22));
    UpDown[k] = neu<plattform::UpDown>(this, plattform::Elementart::ohne, ud.constData(), QRect(x + 26, 48, 14, 22));
    UpDown[k]->setAssociate(Edit[k]);
    UpDown[k]->setMin(1);
    if (k > 5) {
      // Mittagsziehung and the two extra numbers are carried through the dialog, never edited.
      Edit[k]->hide();
      UpDown[k]->hide();
    }
  }
  UpDown[6]->setMax(50);

  BitBtn1 = neu<QPushButton>(this, plattform::Elementart::BitBtn, "BitBtn1", QRect(16, 88, 100, 28), QStringLiteral("Abbrechen"));
  BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  BitBtn2 = neu<QPushButton>(this, plattform::Elementart::BitBtn, "BitBtn2", QRect(136, 88, 100, 28), QStringLiteral("OK"));
  BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  BitBtn2->setDefault(true);
  plattform::verbinde(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
  plattform::verbinde(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
  wendeLetzteSpracheAn(this);
}

void TForm3::fuelle(const Ziehung& referenz, int sternenzahlMax) {
  for (int k = 1; k <= 5; ++k) UpDown[k]->setMax(55);
  UpDown[7]->setMax(sternenzahlMax);
  UpDown[8]->setMax(sternenzahlMax);
  if (referenz.datum().isValid()) DateTimePicker1->setzeDatum(referenz.datum());
  // The texts are set directly: a stored value outside an up-down's range stays in the field.
  for (int k = 1; k <= 8; ++k) Edit[k]->setText(QString::number(referenz.zahl(k)));
}

Ziehung TForm3::eingabe(const Ziehung& referenz) const {
  Ziehung z = referenz;
  z.setzeDatum(DateTimePicker1->Datum());
  for (int k = 1; k <= 8; ++k) {
    int wert = 0;
    if (k <= 5) {
      wert = UpDown[k]->Position();
    } else {
      const auto v = plattform::liesGanzzahl(Edit[k]->text());
      wert = v ? std::clamp(*v, 0, 255) : referenz.zahl(k);
    }
    z.Ziehungszahlen[static_cast<std::size_t>(k - 1)] = static_cast<std::uint8_t>(wert);
  }
  return z;
}
