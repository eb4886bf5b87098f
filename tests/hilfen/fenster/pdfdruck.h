#pragma once
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>

class QDialog;

// A page of a PDF written by Qt's PDF printer: its size (MediaBox, points) and where each shown
// text begins (points from the page's top-left corner).
struct PdfSeite {
  QSizeF groesse;
  QList<QPointF> texte;
};
// The pages of the file in their order; empty when it is no PDF of that kind.
QList<PdfSeite> pdfSeiten(const QString& pfad);
inline double ptZuMm(double pt) { return pt * 25.4 / 72; }

// Runs `tun` once on the next dialog of that class that shows (a modal one runs its own loop);
// gives up after 10 s.
void beimDialog(const char* klasse, std::function<void(QDialog&)> tun);
// Answers the next print dialogs, one for each file, as a user printing to a file does: chooses
// "Print to File (PDF)", notes the proposed file name in `vorschlaege`, types the file's name and
// prints.
void druckeInDateien(const QStringList& pfade, QStringList* vorschlaege = nullptr);
