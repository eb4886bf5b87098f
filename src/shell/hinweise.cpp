#include "shell/hinweise.h"

#include <QUrl>
#include <array>

namespace hinweise {
namespace {
using enum Art;
constexpr std::array<Eintrag, 87> kTabelle{{
    // Label30MouseMove
    {"Label28", Label}, {"Label30", Label}, {"Label31", Label}, {"Label32", Label}, {"Label33", Label},
    {"Label34", Label}, {"Label43", Label}, {"Label44", Label}, {"Label46", Label}, {"Label48", Label},
    {"Label61", Label}, {"Label62", Label}, {"Label63", Label}, {"Label64", Label},
    // SpeedButton4MouseMove
    {"BitBtn4", SpeedButton}, {"BitBtn7", SpeedButton}, {"Button6", SpeedButton},
    {"Listenansicht", SpeedButton}, {"OnlineTipp", SpeedButton}, {"SpeedButton2", SpeedButton},
    {"SpeedButton4", SpeedButton}, {"SpeedButton5", SpeedButton}, {"SpeedButton6", SpeedButton},
    {"SpeedButton7", SpeedButton}, {"SpeedButton8", SpeedButton}, {"SpeedButton9", SpeedButton},
    {"SpeedButton10", SpeedButton}, {"SpeedButton11", SpeedButton}, {"SpeedButton13", SpeedButton},
    {"SpeedButton15", SpeedButton}, {"SpeedButton16", SpeedButton}, {"SpeedButton21", SpeedButton},
    {"SpeedButton28", SpeedButton}, {"SpeedButton29", SpeedButton}, {"SpeedButton30", SpeedButton},
    {"Standardansicht", SpeedButton}, {"Tipp1Edit", SpeedButton}, {"Tipp2Edit", SpeedButton},
    {"Tipp3Edit", SpeedButton}, {"Tipp4Edit", SpeedButton}, {"Tipp5Edit", SpeedButton},
    {"Tipp6Edit", SpeedButton}, {"Tipp7Edit", SpeedButton}, {"Tipp8Edit", SpeedButton},
    {"Tipp9Edit", SpeedButton}, {"Tipp10Edit", SpeedButton}, {"Tipp11Edit", SpeedButton},
    {"Tipp12Edit", SpeedButton}, {"auswertung", SpeedButton},
    // BitBtn7MouseMove
    {"BitBtn1", BitBtn}, {"BitBtn2", BitBtn}, {"BitBtn3", BitBtn}, {"BitBtn6", BitBtn}, {"BitBtn8", BitBtn},
    {"BitBtn9", BitBtn},
    // Button6MouseMove
    {"Button2", Button}, {"Button3", Button}, {"Button4", Button}, {"Button5", Button},
    // CheckBox16MouseMove
    {"CheckBox1", CheckBox}, {"CheckBox2", CheckBox}, {"CheckBox3", CheckBox}, {"CheckBox4", CheckBox},
    {"CheckBox5", CheckBox}, {"CheckBox6", CheckBox}, {"CheckBox7", CheckBox}, {"CheckBox8", CheckBox},
    {"CheckBox9", CheckBox}, {"CheckBox10", CheckBox}, {"CheckBox11", CheckBox}, {"CheckBox12", CheckBox},
    {"CheckBox13", CheckBox}, {"CheckBox14", CheckBox}, {"CheckBox18", CheckBox}, {"CheckBox23", CheckBox},
    {"CheckBox24", CheckBox}, {"CheckBox27", CheckBox}, {"CheckBox28", CheckBox},
    // Edit85MouseMove
    {"Edit40", Edit}, {"Edit41", Edit}, {"Edit42", Edit}, {"Edit84", Edit}, {"Edit85", Edit}, {"Edit86", Edit},
    {"Edit87", Edit}, {"Edit91", Edit}, {"Edit92", Edit},
}};
}  // namespace

std::span<const Eintrag> tabelle() { return kTabelle; }

bool oeffenbareAdresse(const QString& adresse) {
  if (adresse.isEmpty() || adresse.size() > kMaxAdresse) return false;
  const QUrl url(adresse, QUrl::StrictMode);
  if (!url.isValid() || url.isRelative()) return false;
  const QString schema = url.scheme().toLower();
  if (schema != QLatin1String("http") && schema != QLatin1String("https")) return false;
  // The text must name the host itself ("http:foo" has none).
  return !url.host().isEmpty() && adresse.mid(schema.size()).startsWith(QLatin1String("://"));
}

}  // namespace hinweise
