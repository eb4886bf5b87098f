#include "output/fenster/Online.h"

#include "output/fenster/Scriptwahl.h"
#include "output/klickskript.h"
#include "shell/meldungstabelle.h"
#include "plattform/fenster/befehl.h"
#include "plattform/fenster/dienste.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/formate.h"
#include "plattform/pfade.h"
#include "plattform/registry.h"
#include "plattform/textdatei.h"
#include "plattform/uhr.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace {
using plattform::Elementart;
using plattform::Hive;
using plattform::neu;
using plattform::Registry;

const QString kSchluessel = QStringLiteral("\\SOFTWARE\\Kestrell\\Zugvogel");
const QString kEinstellungen = QStringLiteral("\\SOFTWARE\\Kestrell\\Zugvogel\\Settings");

// The program's folder as the hive's "Path" value names it, when the key is there and names one.
QString ausRegistry(Hive hive) {
  Registry reg(hive);
  if (!reg.KeyExists(kSchluessel) || !reg.OpenKeyReadOnly(kEinstellungen)) return {};
  const QString pfad = reg.ReadString(QStringLiteral("Path"));
  return pfad.isEmpty() ? QString() : plattform::mitTrenner(pfad) + QStringLiteral("Lenkfix.exe");
}
}  // namespace

TAbgabeForm::TAbgabeForm(QWidget* eltern) : QDialog(eltern) {
  // Outside the window list and the language files: it is never shown.
  setObjectName(QStringLiteral("AbgabeForm"));
  setWindowTitle(QStringLiteral("Tipp Online abgaben"));
  resize(300, 200);
  Label1 = neu<QLabel>(this, Elementart::ohne, "Label1", QRect(12, 12, 140, 20), QStringLiteral("Anzahl der Ziehungen:"));
  ComboBox1 = neu<QComboBox>(this, Elementart::ohne, "ComboBox1", QRect(156, 12, 60, 22));
  ComboBox1->setEditable(true);
  for (int i = 1; i <= 10; ++i) ComboBox1->addItem(QString::number(i));
  ComboBox1->addItem(QStringLiteral("100"));
  ComboBox1->setCurrentIndex(0);
  Label2 = neu<QLabel>(this, Elementart::ohne, "Label2", QRect(12, 40, 60, 20), QStringLiteral("Preis:"));
  Label3 = neu<QLabel>(this, Elementart::ohne, "Label3", QRect(76, 40, 140, 20), QStringLiteral("Label3"));
  CheckBox1 = neu<QCheckBox>(this, Elementart::ohne, "CheckBox1", QRect(12, 66, 120, 20), QStringLiteral("Dauerspiel?"));
  CheckBox2 = neu<QCheckBox>(this, Elementart::ohne, "CheckBox2", QRect(12, 88, 120, 20), QStringLiteral("Di/Tue/Ma"));
  CheckBox3 = neu<QCheckBox>(this, Elementart::ohne, "CheckBox3", QRect(140, 88, 120, 20), QStringLiteral("Fr /Ve/Vie"));
  Memo1 = neu<QPlainTextEdit>(this, Elementart::ohne, "Memo1", QRect(12, 110, 100, 40));
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  for (QWidget* w : std::initializer_list<QWidget*>{Label2, Label3, CheckBox1, CheckBox2, CheckBox3, Memo1}) w->hide();
  SpeedButton14 = neu<QToolButton>(this, Elementart::ohne, "SpeedButton14", QRect(12, 160, 180, 28));
  SpeedButton14->setText(QStringLiteral("Tipp an Onlineportal übergeben"));
  BitBtn1 = neu<QPushButton>(this, Elementart::ohne, "BitBtn1", QRect(200, 160, 88, 28), QStringLiteral("Abbrechen"));
  BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  plattform::verbinde(ComboBox1, &QComboBox::currentTextChanged, this, &TAbgabeForm::ComboBox1Change);
  plattform::verbinde(SpeedButton14, &QToolButton::clicked, this, &TAbgabeForm::SpeedButton14Click);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

void TAbgabeForm::ComboBox1Change() {
  Label3->setText(plattform::waehrung(TippAnzahl * 2.3 * plattform::StrToInt(ComboBox1->currentText()), 6, 2));
}

const Meldungstabelle& TAbgabeForm::meldungen() const { return Meldungstabelle::oderDeutsch(Meldungen); }

QString TAbgabeForm::programm() const {
  if (const QString p = ausRegistry(Hive::LocalMachine); !p.isEmpty()) return p;
  if (const QString p = ausRegistry(Hive::CurrentUser); !p.isEmpty()) return p;
  const QString imOrdner = klickskript::programmNachOrt(plattform::Programmpfad());
  return QFileInfo(imOrdner).isFile() ? imOrdner : QString();
}

void TAbgabeForm::SpeedButton14Click() {
  struct Schliessen {
    QDialog* d;
    ~Schliessen() { d->close(); }
  } schliessen{this};
  const QString lenkfix = programm();
  if (!lenkfix.isEmpty() && QFileInfo(lenkfix).isFile()) {
    uebergeben(lenkfix);
    return;
  }
  const Meldungstabelle& m = meldungen();
  if (plattform::dialoge().frage(m.text(Meldungstabelle::kKlickLotseFrage), m.text(Meldungstabelle::kKlickLotseTitel)))
    plattform::shell().oeffnen(klickskript::kInstallation);
}

void TAbgabeForm::uebergeben(const QString& lenkfix) {
  TQZTForm* q = QZTForm;
  if (!q) return;
  Registry reg;
  reg.OpenKey(kSchluessel, true);
  QString vorlage = reg.ReadString(QStringLiteral("KalvatroScript"));
  if (vorlage.isEmpty()) vorlage = plattform::Programmpfad() + QStringLiteral("Script/") + klickskript::kStandardvorlage;
  q->LabeledEdit2->setText(reg.ReadString(QStringLiteral("KalvatroZahl1")));
  q->LabeledEdit4->setText(reg.ReadString(QStringLiteral("KalvatroText1")));
  q->LabeledEdit3->setText(reg.ReadString(QStringLiteral("KalvatroZahl2")));
  q->LabeledEdit5->setText(reg.ReadString(QStringLiteral("KalvatroText2")));
  q->InitialDir = plattform::Programmpfad() + QStringLiteral("Script");
  q->DefaultExt = QStringLiteral("QZT");
  q->LabeledEdit1->setEditText(vorlage);
  if (q->exec() != QDialog::Accepted) return;

  vorlage = q->LabeledEdit1->currentText();
  const QString zahl1 = q->LabeledEdit2->text(), text1 = q->LabeledEdit4->text();
  const QString zahl2 = q->LabeledEdit3->text(), text2 = q->LabeledEdit5->text();
  reg.WriteString(QStringLiteral("KalvatroScript"), vorlage);
  reg.WriteString(QStringLiteral("KalvatroZahl1"), zahl1);
  reg.WriteString(QStringLiteral("KalvatroText1"), text1);
  reg.WriteString(QStringLiteral("KalvatroZahl2"), zahl2);
  reg.WriteString(QStringLiteral("KalvatroText2"), text2);
  reg.CloseKey();
  if (!QFileInfo(vorlage).isFile()) return;

  const QString vorlagentext =
      plattform::leseZeilenMitBom(vorlage, klickskript::kVorlageGrenze).join(QStringLiteral("\r\n"));
  Memo1->setPlainText(vorlagentext);
  const QStringList tipps = plattform::leseAnsiZeilen(TippDateiName);
  const klickskript::Schalter schalter{CheckBox1->isChecked(), CheckBox2->isChecked(), CheckBox3->isChecked()};
  const std::vector<klickskript::Belegung> belegungen = klickskript::belegungen(tipps);
  const QString pfad = klickskript::skriptpfad(TippDateiName, plattform::heute());
  for (size_t i = 0; i < belegungen.size(); ++i) {
    const QString skript = klickskript::fuelle(vorlagentext, belegungen[i], schalter, TippDateiName);
    // The script names the tip file by its path: a folder name that Windows-1252 cannot hold
    // makes the script UTF-8 (with its mark), so that the path stays the path.
    plattform::schreibeTextZeilen(pfad, plattform::zerlegeZeilen(skript));
    plattform::shell().starten(lenkfix, klickskript::parameter(pfad, zahl1, text1, zahl2, text2));
    if (i + 1 < belegungen.size()) plattform::dialoge().nachricht(klickskript::kWeiter);
  }
}
