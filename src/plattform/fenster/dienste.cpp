#include "plattform/fenster/dienste.h"

#include "plattform/meldung.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QSoundEffect>
#include <QTranslator>
#include <QUrl>

namespace plattform {
namespace {

QPointer<QWidget>& besitzer() {
  static QPointer<QWidget> w;
  return w;
}

QString titelDerAnwendung() { return QApplication::applicationDisplayName(); }

}  // namespace

QStringList qtFilter(const QString& filter) {
  if (filter.isEmpty()) return {};
  if (!filter.contains(QLatin1Char('|'))) return filter.split(QStringLiteral(";;"));
  const QStringList teile = filter.split(QLatin1Char('|'));
  QStringList l;
  for (qsizetype i = 0; i + 1 < teile.size(); i += 2)
    l << teile[i] + QStringLiteral(" (") + QString(teile[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) +
             QLatin1Char(')');
  return l;
}

namespace {

class QtDialoge final : public Dialoge {
 public:
  void nachricht(const QString& text) override {
    QMessageBox box(QMessageBox::NoIcon, titelDerAnwendung(), meldungstext(text), QMessageBox::Ok, besitzer());
    box.exec();
  }
  bool frage(const QString& text, const QString& titel) override {
    QMessageBox box(QMessageBox::NoIcon, titel, meldungstext(text), QMessageBox::Yes | QMessageBox::No, besitzer());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
  }
  QString eingabe(const QString& titel, const QString& prompt, const QString& vorgabe) override {
    bool ok = false;
    const QString s = QInputDialog::getText(besitzer(), titel, prompt, QLineEdit::Normal, vorgabe, &ok);
    return ok ? s : vorgabe;
  }
  QString oeffnen(const QString& titel, const QString& ordner, const QString& filter) override {
    return dateiwahl(false, titel, ordner, filter, QString());
  }
  QString speichern(const QString& titel, const QString& vorschlag, const QString& filter) override {
    return dateiwahl(true, titel, vorschlag, filter, QString());
  }
  QString oeffnenMitEndung(const QString& titel, const QString& ordner, const QString& filter,
                           const QString& endung) override {
    return dateiwahl(false, titel, ordner, filter, endung);
  }
  QString speichernMitEndung(const QString& titel, const QString& vorschlag, const QString& filter,
                             const QString& endung) override {
    return dateiwahl(true, titel, vorschlag, filter, endung);
  }

 private:
  static QString dateiwahl(bool speichern, const QString& titel, const QString& pfad, const QString& filter,
                           const QString& endung) {
    QFileDialog d(besitzer(), titel);
    d.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // An existing file is replaced without a question, as every save of the program does.
    if (speichern) d.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filter_ = qtFilter(filter);
    if (!filter_.isEmpty()) d.setNameFilters(filter_);
    d.setDefaultSuffix(endung);
    const QFileInfo info(pfad);
    if (pfad.isEmpty() || info.isDir()) {
      d.setDirectory(pfad);
    } else {
      d.setDirectory(info.absolutePath());
      d.selectFile(info.fileName());
    }
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
    return d.selectedFiles().constFirst();
  }
};

QUrl alsUrl(const QString& ziel) {
  const QUrl url(ziel);
  if (url.isValid() && !url.scheme().isEmpty() && url.scheme().size() > 1) return url;
  return QUrl::fromLocalFile(QFileInfo(ziel).absoluteFilePath());
}

class QtShell final : public Shell {
 public:
  bool oeffnen(const QString& ziel) override { return QDesktopServices::openUrl(alsUrl(ziel)); }
  bool bearbeiten(const QString& datei) override {
    // No "edit" verb here: the editor named by VISUAL or EDITOR when it is a windowed one,
    // else whatever the desktop opens text files with.
    const QString editor = qEnvironmentVariable("VISUAL");
    if (!editor.isEmpty() && QProcess::startDetached(editor, {datei})) return true;
    return QDesktopServices::openUrl(alsUrl(datei));
  }
  bool starten(const QString& programm, const QStringList& parameter) override {
    return QProcess::startDetached(programm, parameter);
  }
};

class QtKlang final : public Klang {
 public:
  void spielen(const QString& wavDatei) override {
    if (!QFileInfo::exists(wavDatei)) {
      QApplication::beep();
      return;
    }
    if (!effekt_) effekt_ = std::make_unique<QSoundEffect>();
    effekt_->stop();
    effekt_->setSource(QUrl::fromLocalFile(QFileInfo(wavDatei).absoluteFilePath()));
    effekt_->play();
  }

 private:
  std::unique_ptr<QSoundEffect> effekt_;
};

std::unique_ptr<Dialoge>& dialogeInstanz() {
  static std::unique_ptr<Dialoge> d;
  return d;
}
std::unique_ptr<Shell>& shellInstanz() {
  static std::unique_ptr<Shell> s;
  return s;
}
std::unique_ptr<Klang>& klangInstanz() {
  static std::unique_ptr<Klang> k;
  return k;
}

}  // namespace

Dialoge& dialoge() {
  if (!dialogeInstanz()) dialogeInstanz() = std::make_unique<QtDialoge>();
  return *dialogeInstanz();
}
Shell& shell() {
  if (!shellInstanz()) shellInstanz() = std::make_unique<QtShell>();
  return *shellInstanz();
}
Klang& klang() {
  if (!klangInstanz()) klangInstanz() = std::make_unique<QtKlang>();
  return *klangInstanz();
}

void setzeDialoge(std::unique_ptr<Dialoge> d) { dialogeInstanz() = std::move(d); }
void setzeShell(std::unique_ptr<Shell> s) { shellInstanz() = std::move(s); }
void setzeKlang(std::unique_ptr<Klang> k) { klangInstanz() = std::move(k); }

bool ladeQtUebersetzung(const QStringList& namen) {
  // One translator at a time, replaced when another language is loaded.
  static QTranslator* uebersetzer = nullptr;
  if (uebersetzer) {
    QCoreApplication::removeTranslator(uebersetzer);
    delete uebersetzer;
    uebersetzer = nullptr;
  }
  const QString ordner = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  for (const QString& name : namen) {
    auto* neu = new QTranslator(QCoreApplication::instance());
    if (neu->load(QStringLiteral("qtbase_") + name, ordner)) {
      uebersetzer = neu;
      QCoreApplication::installTranslator(uebersetzer);
      return true;
    }
    delete neu;
  }
  return false;
}

void diensteBeenden() {
  klangInstanz().reset();
  shellInstanz().reset();
  dialogeInstanz().reset();
}

void setzeHauptfenster(QWidget* w) { besitzer() = w; }
QWidget* hauptfenster() { return besitzer(); }

}  // namespace plattform
