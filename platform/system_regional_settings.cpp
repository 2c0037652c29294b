#include "platform/system_regional_settings.h"

#include <QLocale>
#include <QString>

namespace rt {
namespace {

// Qt does not publish its group sizes, so read them off formatted numbers:
// the digits after the last separator of a long number are the primary
// group, those between the last two separators the secondary group, and the
// shortest number that is grouped at all tells where grouping starts.
void ReadGrouping(const QLocale& locale, const QString& separator, RegionalSettings& settings) {
  const QString grouped = locale.toString(Q_INT64_C(1234567890123));
  const qsizetype last = grouped.lastIndexOf(separator);
  if (last < 0) {
    settings.groupSeparator.clear();
    return;
  }
  settings.primaryGroupSize = static_cast<int>(grouped.size() - last - separator.size());
  const qsizetype before = grouped.lastIndexOf(separator, last - 1);
  settings.secondaryGroupSize =
      before < 0 ? settings.primaryGroupSize : static_cast<int>(last - before - separator.size());

  settings.groupingMinimumDigits = settings.primaryGroupSize + 1;
  qint64 number = 1;
  for (int digits = 1; digits <= settings.primaryGroupSize + 4; ++digits, number *= 10) {
    if (locale.toString(number).contains(separator)) {
      settings.groupingMinimumDigits = digits;
      break;
    }
  }
}

}  // namespace

RegionalSettings RegionalSettingsOf(const QLocale& locale) {
  RegionalSettings settings;
  settings.decimalSeparator = locale.decimalPoint().toStdString();
  settings.negativeSign = locale.negativeSign().toStdString();
  const QString group = locale.groupSeparator();
  const bool posix = locale.language() == QLocale::C;
  if (posix || group.isEmpty() || locale.numberOptions().testFlag(QLocale::OmitGroupSeparator)) {
    settings.groupSeparator.clear();
  } else {
    settings.groupSeparator = group.toStdString();
    ReadGrouping(locale, group, settings);
  }
  return settings;
}

RegionalSettings SystemRegionalSettings() { return RegionalSettingsOf(QLocale::system()); }

}  // namespace rt
