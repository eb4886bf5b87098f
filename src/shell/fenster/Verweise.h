#pragma once
#include <QLabel>
#include <QObject>
#include <QString>
#include <array>

class QFrame;

// A label whose caption reads upwards, as the banner beside the tip sheet shows it.
class Senkrechtlabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
  // The text runs upwards: its length is the label's height.
  QSize sizeHint() const override { return QLabel::sizeHint().transposed(); }
  QSize minimumSizeHint() const override { return QLabel::minimumSizeHint().transposed(); }

 protected:
  void paintEvent(QPaintEvent* e) override;
};

// The links of the main window: the banner on "Tipp-Übersicht" (the side panels Panel2 and
// Panel8 with Label43 and Label44), which opens the product page, and the ten link labels in
// Panel1 of "Internet-Optionen", each opening its caption. The labels carry the tag 8, which
// the language switch leaves alone.
class Verweise : public QObject {
  Q_OBJECT
 public:
  Verweise(QWidget* TabSheet1, QWidget* TabSheet3, QObject* eltern);

  void Label43Click();
  void Label52Click(QObject* Sender);

  // Hands an address to the user's browser; only an http or https address is ever opened.
  static void oeffne(const QString& adresse);

  QFrame* Panel2 = nullptr;
  QFrame* Panel8 = nullptr;
  Senkrechtlabel* Label43 = nullptr;
  Senkrechtlabel* Label44 = nullptr;
  QFrame* Panel1 = nullptr;
  // Label12, Label52, Label54, Label56, Label98 .. Label103.
  std::array<QLabel*, 10> Links{};

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  bool doppelklick_ = false;  // the next left release ends a double click
};
