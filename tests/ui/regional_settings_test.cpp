// The regional settings read off Qt's locales: separators, where grouping
// starts and the group sizes, for the locales our students use and for the
// POSIX locale, which has no grouping.

#include <QLocale>
#include <QTest>

#include "platform/system_regional_settings.h"

namespace rt::test {

class RegionalSettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void settings_of_a_locale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("minimumDigits");
    QTest::addColumn<int>("secondary");
    QTest::newRow("C") << "C"
                       << "."
                       << "" << 4 << 3;
    QTest::newRow("en_US") << "en_US"
                           << "."
                           << "," << 4 << 3;
    QTest::newRow("bg_BG") << "bg_BG"
                           << "," << QStringLiteral("\u00A0") << 5 << 3;
    QTest::newRow("de_DE") << "de_DE"
                           << ","
                           << "." << 4 << 3;
    QTest::newRow("hi_IN") << "hi_IN"
                           << "."
                           << "," << 4 << 2;
  }
  void settings_of_a_locale() {
    QFETCH(QString, locale);
    QFETCH(QString, decimal);
    QFETCH(QString, group);
    QFETCH(int, minimumDigits);
    QFETCH(int, secondary);
    const RegionalSettings settings = RegionalSettingsOf(QLocale(locale));
    QCOMPARE(QString::fromStdString(settings.decimalSeparator), decimal);
    QCOMPARE(QString::fromStdString(settings.groupSeparator), group);
    QCOMPARE(QString::fromStdString(settings.negativeSign), QStringLiteral("-"));
    if (!group.isEmpty()) {
      QCOMPARE(settings.groupingMinimumDigits, minimumDigits);
      QCOMPARE(settings.primaryGroupSize, 3);
      QCOMPARE(settings.secondaryGroupSize, secondary);
    }
  }

  void system_settings_follow_lc_all() {
    // CTest runs this with LC_ALL=bg_BG.UTF-8.
    const RegionalSettings settings = SystemRegionalSettings();
    QCOMPARE(QString::fromStdString(settings.decimalSeparator), QStringLiteral(","));
    QCOMPARE(QString::fromStdString(settings.groupSeparator), QStringLiteral("\u00A0"));
  }
};

}  // namespace rt::test

QTEST_GUILESS_MAIN(rt::test::RegionalSettingsTest)
#include "regional_settings_test.moc"
