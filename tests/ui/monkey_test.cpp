// A monkey at the keyboard and mouse: tens of thousands of random user events
// against the real window, with the window's invariants checked after each.
// The seed comes from RT_MONKEY_SEED or the clock, and is printed so that a
// failing run can be replayed; RT_MONKEY_EVENTS sets the number of events.

#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>
#include <chrono>
#include <random>

#include "model/given_pair.h"
#include "tests/fuzz/number_text_shape.h"
#include "tests/ui/form_fixture.h"
#include "ui/application_look.h"

namespace rt::ui::test {

class MonkeyTest : public QObject {
  Q_OBJECT

 private:
  enum class Action {
    ClickAnywhere,
    ClickRow,
    ClickValueBox,
    ClickButton,
    Key,
    Text,
    Paste,
    TypeNumber,
    Count
  };

  std::mt19937_64 random_;
  std::unique_ptr<RecordingPresenter> warnings_;
  std::unique_ptr<TriangleForm> form_;
  std::unique_ptr<FormHandles> ui_;

  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  QWidget* Focused() const {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus : form_.get();
  }

  // Performs one random event; returns whether it may let the program write
  // the value boxes (a button or a row of the list was pressed or chosen).
  QString Perform(Action action) {
    switch (action) {
      case Action::ClickAnywhere: {
        const QPoint point(Uniform(0, form_->width() - 1), Uniform(0, form_->height() - 1));
        QWidget* target = form_->childAt(point);
        if (target == nullptr) target = form_.get();
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(form_.get(), point));
        return QStringLiteral("click at %1,%2 on %3").arg(point.x()).arg(point.y()).arg(target->objectName());
      }
      case Action::ClickRow: {
        const int row = Uniform(0, kGivenPairCount - 1);
        ClickRow(ui_->List1(), row);
        return QStringLiteral("click row %1").arg(row);
      }
      case Action::ClickValueBox: {
        const int i = Uniform(0, kQuantityCount - 1);
        QTest::mouseClick(ui_->Text2(i), Qt::LeftButton, {}, QPoint(Uniform(2, 80), Uniform(2, 20)));
        return QStringLiteral("click Text2_%1").arg(i);
      }
      case Action::ClickButton: {
        const int i = Uniform(0, 1);
        QTest::mouseClick(ui_->Command1(i), Qt::LeftButton);
        return QStringLiteral("click Command1_%1").arg(i);
      }
      case Action::Key: {
        static const Qt::Key kKeys[] = {Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Return,  Qt::Key_Enter,
                                        Qt::Key_Escape, Qt::Key_Left,    Qt::Key_Right,   Qt::Key_Up,
                                        Qt::Key_Down,   Qt::Key_Home,    Qt::Key_End,     Qt::Key_Backspace,
                                        Qt::Key_Delete, Qt::Key_Space,   Qt::Key_PageDown};
        const Qt::Key key = kKeys[Uniform(0, std::size(kKeys) - 1)];
        const Qt::KeyboardModifiers modifiers = Uniform(0, 9) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
        QTest::keyClick(Focused(), key, modifiers);
        return QStringLiteral("key %1").arg(key, 0, 16);
      }
      case Action::Text: {
        static const QString kChars = QStringLiteral("0123456789.,e-+ aбx");
        const int length = Uniform(1, 4);
        QString text;
        for (int i = 0; i < length; ++i) text += kChars[Uniform(0, static_cast<int>(kChars.size()) - 1)];
        for (const QChar c : text) {
          // QTest maps only ASCII characters to keys; others come as text.
          if (c.unicode() < 128) {
            QTest::keyClick(Focused(), c.toLatin1());
          } else {
            QTest::sendKeyEvent(QTest::Click, Focused(), Qt::Key_unknown, QString(c), Qt::NoModifier);
          }
        }
        return QStringLiteral("type \"%1\"").arg(text);
      }
      case Action::Paste: {
        QString text;
        const int length = Uniform(1, 400);
        for (int i = 0; i < length; ++i)
          text += QChar(Uniform(0, 3) == 0 ? Uniform(32, 126) : '0' + Uniform(0, 9));
        QApplication::clipboard()->setText(text);
        QTest::keyClick(Focused(), Qt::Key_V, Qt::ControlModifier);
        return QStringLiteral("paste %1 characters").arg(length);
      }
      case Action::TypeNumber: {
        // A plausible length into a random box, so that Calculate often computes.
        static const char* const kNumbers[] = {"3",  "4",   "5",   "2.4",  "1.8", "3.2",
                                               "10", "0.5", "1e3", "7.25", "0"};
        const int i = Uniform(0, kQuantityCount - 1);
        QTest::mouseClick(ui_->Text2(i), Qt::LeftButton);
        QTest::keyClick(ui_->Text2(i), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(ui_->Text2(i), kNumbers[Uniform(0, std::size(kNumbers) - 1)]);
        return QStringLiteral("type a number into Text2_%1").arg(i);
      }
      case Action::Count: break;
    }
    return {};
  }

  // The invariants of the window after any event; `before` are the six texts
  // before it, `mayWrite` whether the event may have let the program write.
  void CheckInvariants(const QStringList& before, bool mayWrite, const QString& event) {
    const auto fail = [&](const QString& what) {
      QFAIL(qPrintable(QStringLiteral("after %1: %2").arg(event, what)));
    };
    const auto pair = PairOfListIndex(ui_->List1()->listIndex());
    if (!pair) return fail(QStringLiteral("no row selected"));
    if (QApplication::activeModalWidget() != nullptr) return fail(QStringLiteral("a modal window is open"));
    if (!ui_->Find<QPlainTextEdit>("Text1_1")->isHidden()) return fail(QStringLiteral("the quotation shows"));
    const RegionalSettings posix = RegionalSettings::Posix();
    for (int i = 0; i < kQuantityCount; ++i) {
      const bool given = i == IndexOf(pair->first) || i == IndexOf(pair->second);
      const QString text = ui_->Text2(i)->text();
      if (ui_->Check1(i)->isChecked() != given)
        return fail(QStringLiteral("Check1_%1 ticked wrongly").arg(i));
      if (ui_->Check1(i)->isEnabled()) return fail(QStringLiteral("Check1_%1 enabled").arg(i));
      if (ui_->Text2(i)->locked() == given) return fail(QStringLiteral("Text2_%1 locked wrongly").arg(i));
      const bool written = fuzz::HasSevenDecimalShape(text.toStdString(), posix);
      if (!given && !text.isEmpty() && !written)
        return fail(QStringLiteral("locked Text2_%1 holds \"%2\"").arg(i).arg(text));
      if (!given && !mayWrite && text != before[i])
        return fail(QStringLiteral("locked Text2_%1 changed").arg(i));
      if (given && !mayWrite && text.size() > std::max<qsizetype>(7, before[i].size())) {
        return fail(QStringLiteral("Text2_%1 grew to \"%2\"").arg(i).arg(text));
      }
    }
  }

 private slots:
  void initTestCase() { ApplyApplicationLook(); }

  void random_events_keep_the_window_consistent() {
    const quint64 seed =
        qEnvironmentVariableIsSet("RT_MONKEY_SEED")
            ? qEnvironmentVariable("RT_MONKEY_SEED").toULongLong()
            : static_cast<quint64>(std::chrono::steady_clock::now().time_since_epoch().count());
    const int events = qEnvironmentVariableIsSet("RT_MONKEY_EVENTS")
                           ? qEnvironmentVariableIntValue("RT_MONKEY_EVENTS")
                           : 50000;
    qInfo("monkey seed %llu (replay with RT_MONKEY_SEED=%llu), %d events", seed, seed, events);
    random_.seed(seed);

    warnings_ = std::make_unique<RecordingPresenter>();
    form_ = std::make_unique<TriangleForm>(RegionalSettings::Posix(), *warnings_);
    ui_ = std::make_unique<FormHandles>(form_.get());
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));

    int writes = 0;
    for (int n = 0; n < events; ++n) {
      const auto action = static_cast<Action>(Uniform(0, static_cast<int>(Action::Count) - 1));
      const QStringList before = ui_->Texts();
      const QString event = QStringLiteral("event %1 (%2)").arg(n).arg(Perform(action));
      const bool mayWrite = action == Action::ClickButton || action == Action::ClickRow ||
                            action == Action::ClickAnywhere || action == Action::Key;
      CheckInvariants(before, mayWrite, event);
      if (QTest::currentTestFailed()) {
        qWarning("monkey seed %llu failed at event %d", seed, n);
        return;
      }
      writes += ui_->Texts() != before;
    }
    qInfo("%d events changed the value boxes, %lld warnings shown", writes,
          static_cast<long long>(warnings_->shown.size()));
    QVERIFY(writes > events / 100);  // the monkey reached the logic, not just the frame
  }
};

}  // namespace rt::ui::test

RT_UI_TEST_MAIN(rt::ui::test::MonkeyTest)
#include "monkey_test.moc"
