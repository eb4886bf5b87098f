#include <QtTest>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>

// The layers of src/ as the build names them (lowest first, "a|b" side by side): a file may
// include files of its own layer and of the layers below; nothing includes upward or sideways,
// and no file includes itself back through others. The stand-in server (server/) is a program of
// its own beside the layers and may use the core only; src/main.cpp stands above everything.
namespace {

struct Schichtordnung {
  QHash<QString, int> rang;  // layer folder -> rank
  int kernRang = -1;         // the highest rank of a core layer (no fenster/, not programm)
};

Schichtordnung ordnung(const QString& liste) {
  Schichtordnung o;
  int r = 0;
  for (const QString& stufe : liste.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    for (const QString& schicht : stufe.split(QLatin1Char('|'))) {
      o.rang.insert(schicht, r);
      if (!schicht.contains(QLatin1String("fenster")) && schicht != QLatin1String("programm")) o.kernRang = r;
    }
    ++r;
  }
  return o;
}

// The layer a file belongs to: its folder below src/, "server" for the stand-in, "" for the top.
QString schichtVon(const QString& relativ) {
  if (relativ.startsWith(QLatin1String("server/"))) return QStringLiteral("server");
  const QString ordner = QFileInfo(relativ.mid(4)).path();  // behind "src/"
  return ordner == QLatin1String(".") ? QString() : ordner;
}

struct Befund {
  QStringList verstoesse;  // "file -> include: why"
  QStringList kreise;      // "a -> b -> a"
};

// Reads every .h and .cpp below wurzel/src and wurzel/server.
Befund pruefe(const QString& wurzel, const QString& liste) {
  const Schichtordnung o = ordnung(liste);
  const int oben = static_cast<int>(o.rang.size()) + 1;
  static const QRegularExpression kInclude(QStringLiteral("^\\s*#\\s*include\\s*\"([^\"]+)\""));

  QHash<QString, QStringList> kanten;  // relative file -> included relative files
  QStringList dateien;
  for (const QString& teil : {QStringLiteral("src"), QStringLiteral("server")}) {
    QDirIterator it(wurzel + QLatin1Char('/') + teil, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) dateien << QDir(wurzel).relativeFilePath(it.next());
  }
  dateien.sort();

  Befund b;
  auto rangVon = [&](const QString& schicht) {
    if (schicht.isEmpty()) return oben;
    return o.rang.value(schicht, -1);
  };
  for (const QString& datei : dateien) {
    QFile f(wurzel + QLatin1Char('/') + datei);
    if (!f.open(QIODevice::ReadOnly)) {
      b.verstoesse << datei + QStringLiteral(": cannot be read");
      continue;
    }
    const QString schicht = schichtVon(datei);
    if (schicht != QLatin1String("server") && rangVon(schicht) < 0) {
      b.verstoesse << datei + QStringLiteral(": folder is no layer");
      continue;
    }
    for (const QByteArray& zeile : f.readAll().split('\n')) {
      const auto m = kInclude.match(QString::fromUtf8(zeile));
      if (!m.hasMatch()) continue;
      const QString name = m.captured(1);
      // Includes name a file below src/, or one beside the including file.
      QString ziel;
      const QString nebenan = QFileInfo(datei).path() + QLatin1Char('/') + name;
      if (QFileInfo::exists(wurzel + QStringLiteral("/src/") + name)) ziel = QStringLiteral("src/") + name;
      else if (QFileInfo::exists(wurzel + QLatin1Char('/') + nebenan)) ziel = QDir::cleanPath(nebenan);
      else continue;  // a library's header
      kanten[datei] << ziel;

      const QString zielschicht = schichtVon(ziel);
      if (zielschicht == schicht) continue;
      const int von = schicht == QLatin1String("server") ? o.kernRang : rangVon(schicht);
      const int nach = zielschicht == QLatin1String("server") ? oben + 1 : rangVon(zielschicht);
      if (nach > von) b.verstoesse << datei + QStringLiteral(" -> ") + ziel + QStringLiteral(": reaches up");
      else if (nach == von) b.verstoesse << datei + QStringLiteral(" -> ") + ziel + QStringLiteral(": reaches sideways");
    }
  }

  // Circles among the files: a depth-first walk that meets a file still on its path.
  QHash<QString, int> zustand;  // 0 new, 1 on the path, 2 done
  QStringList pfad;
  std::function<void(const QString&)> besuche = [&](const QString& d) {
    zustand[d] = 1;
    pfad << d;
    for (const QString& z : kanten.value(d)) {
      if (zustand.value(z) == 1) {
        b.kreise << (pfad.mid(pfad.indexOf(z)) << z).join(QStringLiteral(" -> "));
      } else if (zustand.value(z) == 0) {
        besuche(z);
      }
    }
    pfad.removeLast();
    zustand[d] = 2;
  };
  for (const QString& d : dateien)
    if (zustand.value(d) == 0) besuche(d);
  return b;
}

void lege(const QString& wurzel, const QString& datei, const QByteArray& inhalt) {
  const QString pfad = wurzel + QLatin1Char('/') + datei;
  QDir().mkpath(QFileInfo(pfad).path());
  QFile f(pfad);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(inhalt);
}

const QString kMuster = QStringLiteral("plattform shell output plattform/fenster shell/fenster stats/fenster|output/fenster programm");

}  // namespace

class TstSchichten : public QObject {
  Q_OBJECT
 private slots:
  // Small trees show that each kind of fault is found, and that a clean tree passes.
  void erkennt_data() {
    QTest::addColumn<QString>("datei");
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("down") << "src/output/a.cpp" << QByteArray("#include \"shell/b.h\"\n") << "";
    QTest::newRow("up in the core") << "src/shell/b.h" << QByteArray("#include \"output/a.h\"\n")
                                    << "src/shell/b.h -> src/output/a.h: reaches up";
    QTest::newRow("core into a window") << "src/shell/b.h" << QByteArray("#include \"shell/fenster/c.h\"\n")
                                        << "src/shell/b.h -> src/shell/fenster/c.h: reaches up";
    QTest::newRow("window into the top") << "src/shell/fenster/c.h" << QByteArray("#include \"programm/d.h\"\n")
                                         << "src/shell/fenster/c.h -> src/programm/d.h: reaches up";
    QTest::newRow("sideways") << "src/stats/fenster/e.cpp" << QByteArray("  # include \"output/fenster/f.h\"\n")
                              << "src/stats/fenster/e.cpp -> src/output/fenster/f.h: reaches sideways";
    QTest::newRow("server into a window") << "server/s.cpp" << QByteArray("#include \"shell/fenster/c.h\"\n")
                                          << "server/s.cpp -> src/shell/fenster/c.h: reaches up";
    QTest::newRow("unknown folder") << "src/neu/x.h" << QByteArray() << "src/neu/x.h: folder is no layer";
  }
  void erkennt() {
    QFETCH(QString, datei);
    QFETCH(QByteArray, inhalt);
    QFETCH(QString, erwartet);
    QTemporaryDir dir;
    const QString w = dir.path();
    lege(w, QStringLiteral("src/shell/b.h"), "#include <QString>\n");
    lege(w, QStringLiteral("src/output/a.h"), "#include \"shell/b.h\"\n");
    lege(w, QStringLiteral("src/shell/fenster/c.h"), "#include \"shell/b.h\"\n");
    lege(w, QStringLiteral("src/programm/d.h"), "#include \"shell/fenster/c.h\"\n");
    lege(w, QStringLiteral("src/output/fenster/f.h"), "#include \"shell/fenster/c.h\"\n");
    lege(w, QStringLiteral("server/s.h"), "#include \"shell/b.h\"\n");
    lege(w, datei, inhalt);
    const Befund b = pruefe(w, kMuster);
    QCOMPARE(b.verstoesse.join(QLatin1Char('\n')), erwartet);
  }

  void findetKreise() {
    QTemporaryDir dir;
    const QString w = dir.path();
    lege(w, QStringLiteral("src/shell/a.h"), "#include \"shell/b.h\"\n");
    lege(w, QStringLiteral("src/shell/b.h"), "#include \"shell/c.h\"\n");
    lege(w, QStringLiteral("src/shell/c.h"), "#include \"shell/a.h\"\n");
    lege(w, QStringLiteral("server/x.h"), "#include \"x.h\"\n");
    const Befund b = pruefe(w, kMuster);
    QVERIFY(b.verstoesse.isEmpty());
    QCOMPARE(b.kreise, QStringList({QStringLiteral("server/x.h -> server/x.h"),
                                    QStringLiteral("src/shell/a.h -> src/shell/b.h -> src/shell/c.h -> src/shell/a.h")}));
  }

  // The program's own tree.
  void quellbaum() {
    const Befund b = pruefe(QStringLiteral(ZK_QUELLBAUM), QStringLiteral(ZK_SCHICHTEN));
    if (!b.verstoesse.isEmpty() || !b.kreise.isEmpty())
      QFAIL(qPrintable((b.verstoesse + b.kreise).join(QLatin1Char('\n'))));
  }
};

QTEST_GUILESS_MAIN(TstSchichten)
#include "tst_schichten.moc"
