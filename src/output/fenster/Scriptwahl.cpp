#include "output/fenster/Scriptwahl.h"

#include "output/klickskript.h"
#include "plattform/dateien.h"
#include "plattform/fenster/befehl.h"
#include "plattform/fenster/dienste.h"
#include "plattform/fenster/fensterliste.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/pfade.h"
#include "plattform/textdatei.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QUrl>

TQZTForm* QZTForm = nullptr;

namespace {
using plattform::Elementart;
using plattform::neu;

constexpr int kZeitlimitMs = 5000;

QLineEdit* beschriftet(QWidget* w, const char* name, const QString& beschriftung, int x, int y) {
  auto* e = neu<QLineEdit>(w, Elementart::Edit, name, QRect(x, y + 16, 150, 22));
  // The label belongs to its edit, as one control: it takes no part in the element list.
  auto* l = neu<QLabel>(w, Elementart::ohne, (QByteArray(name) + "Label").constData(), QRect(x, y, 150, 16), beschriftung);
  l->setBuddy(e);
  return e;
}
}  // namespace

TQZTForm::TQZTForm(QWidget* eltern) : QDialog(eltern) {
  setObjectName(QStringLiteral("QZTForm"));
  plattform::fensterAnmelden(this);
  setWindowTitle(QStringLiteral("Script für Zahlenübergabe auswählen!"));
  resize(400, 240);
  QZTForm = this;

  Label1 = neu<QLabel>(this, Elementart::Label, "Label1", QRect(12, 10, 300, 18), QStringLiteral("Kestrells Click-Script File"));
  LabeledEdit1 = neu<QComboBox>(this, Elementart::ohne, "LabeledEdit1", QRect(12, 30, 340, 24));
  LabeledEdit1->setEditable(true);
  BitBtn1 = neu<QPushButton>(this, Elementart::BitBtn, "BitBtn1", QRect(358, 30, 30, 24));
  BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
  Label2 = neu<QLabel>(this, Elementart::Label, "Label2", QRect(12, 64, 300, 18), QStringLiteral("Parameter "));
  LabeledEdit2 = beschriftet(this, "LabeledEdit2", QStringLiteral("ZAHL1"), 12, 86);
  LabeledEdit3 = beschriftet(this, "LabeledEdit3", QStringLiteral("ZAHL2"), 200, 86);
  LabeledEdit4 = beschriftet(this, "LabeledEdit4", QStringLiteral("TEXT1"), 12, 132);
  LabeledEdit5 = beschriftet(this, "LabeledEdit5", QStringLiteral("TEXT2"), 200, 132);
  LabeledEdit2->setText(QStringLiteral("0"));
  LabeledEdit3->setText(QStringLiteral("0"));
  // No credentials are built in: TEXT1 and TEXT2 start empty.
  BitBtn3 = neu<QPushButton>(this, Elementart::BitBtn, "BitBtn3", QRect(196, 200, 92, 28), QStringLiteral("Abbrechen"));
  BitBtn3->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  BitBtn2 = neu<QPushButton>(this, Elementart::BitBtn, "BitBtn2", QRect(296, 200, 92, 28), QStringLiteral("OK"));
  BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  BitBtn2->setDefault(true);

  IdHTTP1.setzeProxy(QString(), 0);
  IdHTTP1.setzeZeitlimits(kZeitlimitMs, kZeitlimitMs);
  // A template over its bound fails like any other refresh: the local file stays.
  IdHTTP1.setzeGrenze(klickskript::kVorlageGrenze);
  plattform::verbinde(BitBtn1, &QPushButton::clicked, this, &TQZTForm::BitBtn1Click);
  plattform::verbinde(BitBtn2, &QPushButton::clicked, this, &TQZTForm::BitBtn2Click);
  connect(BitBtn3, &QPushButton::clicked, this, &QDialog::reject);
}

TQZTForm::~TQZTForm() {
  if (QZTForm == this) QZTForm = nullptr;
}

void TQZTForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  plattform::mitMeldung([this] { FormShow(); });
}

void TQZTForm::done(int ergebnis) {
  plattform::mitMeldung([this] { FormClose(); });
  QDialog::done(ergebnis);
}

void TQZTForm::FormShow() {
  const QString behalten = LabeledEdit1->currentText();
  LabeledEdit1->clear();
  const QDir ordner(plattform::Programmpfad() + QStringLiteral("Script"));
  // Files only, "*.qzt" in any letter case, by name.
  QStringList gefunden;
  for (const QFileInfo& i : ordner.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase))
    if (i.fileName().endsWith(QStringLiteral(".qzt"), Qt::CaseInsensitive)) gefunden << i.absoluteFilePath();
  LabeledEdit1->addItems(gefunden);
  LabeledEdit1->setEditText(behalten.isEmpty() && !gefunden.isEmpty() ? gefunden.constLast() : behalten);
}

void TQZTForm::BitBtn1Click() {
  const QString datei = plattform::dialoge().oeffnenMitEndung(QString(), InitialDir, QStringLiteral("Kestrells Click Script|*.qzt"),
                                                              DefaultExt);
  if (!datei.isEmpty()) LabeledEdit1->setEditText(datei);
}

void TQZTForm::BitBtn2Click() {
  // The refresh never stops the OK: every failure is swallowed.
  try {
    const QString vorlage = LabeledEdit1->currentText();
    const QFileInfo lokal(vorlage);
    if (lokal.isFile()) {
      const QString url = plattform::WebServer() + QStringLiteral("/scripts/") +
                          QString::fromLatin1(QUrl::toPercentEncoding(lokal.fileName())) + QStringLiteral(".txt");
      const plattform::HttpAntwort a = IdHTTP1.get(url);
      // Only a real template replaces the file: status 200, a body, and a later date.
      if (a.status == 200 && !a.inhalt.isEmpty() && a.geaendert.isValid() &&
          a.geaendert > lokal.lastModified().toUTC())
        plattform::schreibeDateiAtomar(vorlage, a.inhalt);
    }
  } catch (...) {
  }
  IdHTTP1.trennen();
  accept();
}

void TQZTForm::FormClose() {
  if (LabeledEdit2->text().isEmpty()) LabeledEdit2->setText(QStringLiteral("0"));
  if (LabeledEdit3->text().isEmpty()) LabeledEdit3->setText(QStringLiteral("0"));
}
