// Saves a picture of the window as PNG: form-screenshot FILE [ROW A B]
// selects ROW of the pair list, types A and B and presses Calculate first.
// Runs headless unless the caller chose a platform.

#include <QApplication>
#include <QTest>

#include "model/given_pair.h"
#include "platform/system_regional_settings.h"
#include "tests/ui/form_fixture.h"
#include "ui/application_look.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QStringList args = QApplication::arguments();
  if (args.size() != 2 && args.size() != 5) {
    qWarning("usage: form-screenshot FILE [ROW A B]");
    return 64;
  }
  rt::ui::ApplyApplicationLook();
  rt::ui::test::RecordingPresenter warnings;
  rt::ui::TriangleForm form(rt::SystemRegionalSettings(), warnings);
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;
  if (args.size() == 5) {
    const rt::ui::test::FormHandles ui(&form);
    const int row = args[2].toInt();
    const auto pair = rt::PairOfListIndex(row);
    if (!pair) return 64;
    rt::ui::test::ClickRow(ui.List1(), row);
    QTest::keyClicks(ui.Text2(rt::IndexOf(pair->first)), args[3]);
    QTest::keyClicks(ui.Text2(rt::IndexOf(pair->second)), args[4]);
    QTest::mouseClick(ui.Command1(0), Qt::LeftButton);
  }
  return form.grab().save(args[1], "PNG") ? 0 : 1;
}
