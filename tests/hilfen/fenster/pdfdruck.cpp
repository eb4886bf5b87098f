#include "hilfen/fenster/pdfdruck.h"

#include "plattform/reportvorlage.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <QTimer>
#include <QTransform>

namespace {

QByteArray inhalt(const QByteArray& pdf, qsizetype anfang) {
  const qsizetype ende = pdf.indexOf("endstream", anfang);
  return ende < 0 ? QByteArray() : pdf.mid(anfang, ende - anfang);
}

// Follows the operators that place text: q, Q, cm, BT, Tm, Td, Tj and TJ; a Tj or TJ notes the
// point where its text begins.
QList<QPointF> textanfaenge(const QByteArray& strom, double hoehe) {
  QList<QPointF> punkte;
  QList<QTransform> stapel;
  QTransform ctm, tm, tlm;
  QList<double> zahlen;
  const QString s = QString::fromLatin1(strom);
  static const QRegularExpression token(QStringLiteral(R"(<[0-9A-Fa-f\s]*>|\((?:\\.|[^\\)])*\)|\[|\]|/[^\s/\[\]<>()]+|[-+]?\d*\.?\d+|[A-Za-z'"*]+)"));
  auto m = [&](int i) { return zahlen.value(zahlen.size() - 6 + i); };
  for (auto it = token.globalMatch(s); it.hasNext();) {
    const QString t = it.next().captured();
    bool zahl = false;
    const double w = t.toDouble(&zahl);
    if (zahl) {
      zahlen << w;
      continue;
    }
    if (t == QLatin1String("q")) stapel << ctm;
    else if (t == QLatin1String("Q") && !stapel.isEmpty()) ctm = stapel.takeLast();
    else if (t == QLatin1String("cm") && zahlen.size() >= 6) ctm = QTransform(m(0), m(1), m(2), m(3), m(4), m(5)) * ctm;
    else if (t == QLatin1String("BT")) tm = tlm = QTransform();
    else if (t == QLatin1String("Tm") && zahlen.size() >= 6) tm = tlm = QTransform(m(0), m(1), m(2), m(3), m(4), m(5));
    else if (t == QLatin1String("Td") && zahlen.size() >= 2)
      tm = tlm = QTransform::fromTranslate(zahlen.value(zahlen.size() - 2), zahlen.last()) * tlm;
    else if (t == QLatin1String("Tj") || t == QLatin1String("TJ")) {
      const QPointF p = ctm.map(tm.map(QPointF()));
      punkte << QPointF(p.x(), hoehe - p.y());
    }
    if (t.front().isLetter()) zahlen.clear();
  }
  return punkte;
}

}  // namespace

QList<PdfSeite> pdfSeiten(const QString& pfad) {
  QFile f(pfad);
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray pdf = f.readAll();
  const QString text = QString::fromLatin1(pdf);
  // Every object with a stream, by its number, unpacked.
  QMap<int, QByteArray> stroeme;
  static const QRegularExpression objekt(QStringLiteral(R"((\d+) 0 obj\s*<<((?:(?!endobj).)*?)>>\s*stream\r?\n)"),
                                         QRegularExpression::DotMatchesEverythingOption);
  for (auto it = objekt.globalMatch(text); it.hasNext();) {
    const auto t = it.next();
    QByteArray d = inhalt(pdf, t.capturedEnd());
    if (t.captured(2).contains(QLatin1String("/FlateDecode")))
      d = plattform::entpacke(d, 64 * 1024 * 1024).value_or(QByteArray());
    stroeme.insert(t.captured(1).toInt(), d);
  }
  QList<PdfSeite> seiten;
  static const QRegularExpression seite(
      QStringLiteral(R"(/Type /Page\b(?:(?!endobj).)*?/Contents (\d+) 0 R(?:(?!endobj).)*?/MediaBox \[([-\d. ]+)\])"),
      QRegularExpression::DotMatchesEverythingOption);
  for (auto it = seite.globalMatch(text); it.hasNext();) {
    const auto t = it.next();
    const QStringList box = t.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (box.size() != 4) continue;
    PdfSeite s;
    s.groesse = QSizeF(box[2].toDouble() - box[0].toDouble(), box[3].toDouble() - box[1].toDouble());
    s.texte = textanfaenge(stroeme.value(t.captured(1).toInt()), s.groesse.height());
    seiten << s;
  }
  return seiten;
}

void beimDialog(const char* klasse, std::function<void(QDialog&)> tun) {
  auto* uhr = new QTimer(qApp);
  const QDeadlineTimer frist(10000);
  QObject::connect(uhr, &QTimer::timeout, uhr, [uhr, klasse, tun, frist] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* d = qobject_cast<QDialog*>(w);
      if (d && d->isVisible() && d->inherits(klasse)) {
        uhr->stop();
        uhr->deleteLater();
        tun(*d);
        return;
      }
    }
    if (frist.hasExpired()) {
      qWarning("no dialog %s showed", klasse);
      uhr->stop();
      uhr->deleteLater();
    }
  });
  uhr->start(10);
}

void druckeInDateien(const QStringList& pfade, QStringList* vorschlaege) {
  if (pfade.isEmpty()) return;
  beimDialog("QPrintDialog", [pfade, vorschlaege](QDialog& d) {
    auto* drucker = d.findChild<QComboBox*>(QStringLiteral("printers"));
    auto* datei = d.findChild<QLineEdit*>(QStringLiteral("filename"));
    if (!drucker || !datei) {
      qWarning("the print dialog has no printer list or file name");
      d.reject();
      return;
    }
    drucker->setCurrentIndex(drucker->count() - 1);  // "Print to File (PDF)" comes last
    if (vorschlaege) *vorschlaege << datei->text();
    datei->setText(pfade.front());
    druckeInDateien(pfade.mid(1), vorschlaege);
    d.accept();
  });
}
