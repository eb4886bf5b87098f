// Writes the language files of data/land/ from the program's own export of its windows after a
// fresh start and the translation tables of werkzeug/sprachen/.
//
//   zk-sprachdateien TABELLEN ZIEL
//
// Texts without an entry are printed as blocks to fill in, and nothing is written.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "glossar.h"
#include "plattform/fehler.h"
#include "plattform/fenster/dienste.h"
#include "plattform/fenster/steuerelemente.h"
#include "plattform/pfade.h"
#include "plattform/textdatei.h"
#include "programm/Hauptprogramm.h"
#include "programm/LottoZahlen.h"
#include "shell/fenster/Parameterseite.h"
#include "shell/fenster/Sprachmenue.h"
#include "shell/meldungstabelle.h"

namespace {

// Nothing is asked while the windows are made; whatever would be shown goes to stderr.
class Stumm final : public plattform::Dialoge {
 public:
  void nachricht(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
  bool frage(const QString& text, const QString&) override {
    nachricht(text);
    return false;
  }
  QString eingabe(const QString&, const QString&, const QString& vorgabe) override { return vorgabe; }
  QString oeffnen(const QString&, const QString&, const QString&) override { return {}; }
  QString speichern(const QString&, const QString&, const QString&) override { return {}; }
};

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // A fresh start: no settings, no data, no language files, no server.
  QTemporaryDir wurzel;
  const QString w = wurzel.path();
  for (const char* o : {"appdata", "registry", "programm", "xdg-data", "xdg-config"}) QDir(w).mkpath(QString::fromLatin1(o));
  qputenv("APPDATA", (w + QStringLiteral("/appdata/")).toUtf8());
  qputenv("ZK_REGISTRY_DIR", (w + QStringLiteral("/registry")).toUtf8());
  qputenv("XDG_DATA_HOME", (w + QStringLiteral("/xdg-data")).toUtf8());
  qputenv("XDG_CONFIG_HOME", (w + QStringLiteral("/xdg-config")).toUtf8());
  qputenv("XDG_RUNTIME_DIR", w.toUtf8());
  qputenv("ZK_DOWNLOAD_URL", "kein-server://");
  qputenv("ZK_WEB_URL", "kein-server://");
  QApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() != 3) {
    std::fprintf(stderr, "zk-sprachdateien TABELLEN ZIEL\n");
    return 2;
  }
  plattform::setzeProgrammpfad(w + QStringLiteral("/programm/"));
  plattform::setzeDialoge(std::make_unique<Stumm>());
  try {
    const auto glossar = sprachquellen::Glossar::ausOrdner(args[1]);
    sprachquellen::Sprachdateien d;
    {
      Programmfenster fenster;
      d = sprachquellen::erzeuge(glossar, sprache::exportZeilen(Sprachmenue::alleElemente()),
                                 fenster.form1().Parameter->RadioGroup1->Items(), Meldungstabelle::eingebaut());
    }
    if (!d.fehlend.isEmpty()) {
      std::printf("Ohne Eintrag in den Tabellen (nichts geschrieben):\n\n%s", qPrintable(sprachquellen::alsVorlage(d.fehlend)));
      return 1;
    }
    const QDir ziel(args[2]);
    QDir().mkpath(ziel.absolutePath());
    // Files of languages or names that are no longer written go.
    for (const QString& alt : ziel.entryList({QStringLiteral("Zelano.txt*"), QStringLiteral("Radio.txt.*"),
                                              QStringLiteral("meldungen.txt.*")},
                                             QDir::Files)) {
      if (!d.dateien.contains(alt)) QFile::remove(ziel.filePath(alt));
    }
    for (auto it = d.dateien.constBegin(); it != d.dateien.constEnd(); ++it)
      plattform::schreibeDateiAtomar(ziel.filePath(it.key()), it.value());
    std::printf("%lld Dateien in %s\n", static_cast<long long>(d.dateien.size()), qPrintable(ziel.absolutePath()));
  } catch (const plattform::Fehler& e) {
    std::fprintf(stderr, "%s\n", qPrintable(e.text()));
    return 1;
  }
  return 0;
}
