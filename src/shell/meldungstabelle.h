#pragma once
#include <QString>
#include <QStringList>

// Every text the code shows by index. A language's message file replaces the whole table;
// a read past its end gives the empty text and never fails.
class Meldungstabelle {
 public:
  static constexpr int kZeilenlaengeMax = 4096;

  Meldungstabelle();
  QString text(int index) const;
  QString operator[](int index) const { return text(index); }
  void ersetzen(const QStringList& zeilen);
  int anzahl() const { return static_cast<int>(zeilen_.size()); }
  const QStringList& zeilen() const { return zeilen_; }

  static const QStringList& eingebaut();

 private:
  QStringList zeilen_;
};
