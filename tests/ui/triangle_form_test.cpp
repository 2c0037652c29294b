#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>
#include <cmath>
#include <tuple>
#include <utility>

#include "form/form_definition.h"
#include "form/form_texts.h"
#include "model/given_pair.h"
#include "runtime/regional_settings.h"
#include "tests/ui/form_fixture.h"
#include "ui/application_look.h"
#include "ui/face_button.h"
#include "ui/qt_text.h"

namespace rt::ui::test {

// The colour that most pixels of `rect` have, and their share of it.
inline std::pair<QColor, double> CommonestColour(const QImage& image, const QRect& rect) {
  QHash<QRgb, int> counts;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) ++counts[image.pixel(x, y) | 0xff000000u];
  }
  QRgb best = 0;
  int most = 0;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
    if (it.value() > most) std::tie(best, most) = std::pair{it.key(), it.value()};
  }
  return {QColor(best), static_cast<double>(most) / (rect.width() * rect.height())};
}

// The contrast ratio of two colours, as WCAG 2 defines it.
inline double Contrast(const QColor& one, const QColor& other) {
  const auto luminance = [](const QColor& c) {
    const auto linear = [](double channel) {
      return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  const double a = luminance(one);
  const double b = luminance(other);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// Each test starts from a freshly loaded window, shown and active, with the
// POSIX regional settings ("." and no grouping) unless it says otherwise.
class TriangleFormTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<RecordingPresenter> warnings_;
  std::unique_ptr<TriangleForm> form_;
  std::unique_ptr<FormHandles> ui_;
  std::unique_ptr<ModalWatchdog> watchdog_;

  void Open(RegionalSettings settings = RegionalSettings::Posix()) {
    form_.reset();
    warnings_ = std::make_unique<RecordingPresenter>();
    form_ = std::make_unique<TriangleForm>(std::move(settings), *warnings_);
    ui_ = std::make_unique<FormHandles>(form_.get());
    form_->show();
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  }

  // Selects a row, types the two values and presses Calculate, all with real events.
  void TypeAndCalculate(int row, const QString& first, const QString& second) {
    ClickRow(ui_->List1(), row);
    const GivenPair pair = *PairOfListIndex(row);
    QTest::keyClicks(ui_->Text2(IndexOf(pair.first)), first);
    QTest::keyClicks(ui_->Text2(IndexOf(pair.second)), second);
    QTest::mouseClick(ui_->Command1(0), Qt::LeftButton);
  }

  void ExpectOnlyGivenOpen(int row) {
    const GivenPair pair = *PairOfListIndex(row);
    for (int i = 0; i < kQuantityCount; ++i) {
      const bool given = i == IndexOf(pair.first) || i == IndexOf(pair.second);
      QCOMPARE(ui_->Check1(i)->isChecked(), given);
      QVERIFY(!ui_->Check1(i)->isEnabled());
      QCOMPARE(ui_->Text2(i)->locked(), !given);
      QCOMPARE(ui_->Text2(i)->text(), QString());
    }
  }

 private slots:
  void initTestCase() { ApplyApplicationLook(); }
  void init() {
    Open();
    watchdog_ = std::make_unique<ModalWatchdog>();
  }
  void cleanup() {
    QVERIFY2(!watchdog_->tripped(), "a modal window was left open");
    watchdog_.reset();
    form_.reset();
    QApplication::clipboard()->clear();
  }

  void start_up_opens_pair_a_b_with_only_its_two_boxes_open() {
    QCOMPARE(ui_->List1()->listIndex(), 0);
    ExpectOnlyGivenOpen(0);
    for (int i = 0; i < kQuantityCount; ++i) QCOMPARE(ui_->Text2(i)->typingLimit(), 7);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1_0"));
  }

  void selecting_a_row_ticks_and_opens_its_pair_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < kGivenPairCount; ++row) {
      QTest::newRow(std::string(PairOfListIndex(row)->listText).c_str()) << row;
    }
  }
  void selecting_a_row_ticks_and_opens_its_pair() {
    QFETCH(int, row);
    if (row == 0) ClickRow(ui_->List1(), 14);  // start from another row, a value typed
    QTest::keyClicks(ui_->Text2(row == 0 ? 4 : 0), "12");
    ClickRow(ui_->List1(), row);
    QCOMPARE(ui_->List1()->listIndex(), row);
    ExpectOnlyGivenOpen(row);
    QCOMPARE(QApplication::focusWidget(), ui_->List1());
  }

  void clicking_the_selected_row_again_keeps_what_was_typed() {
    QTest::keyClicks(ui_->Text2(0), "12");
    ClickRow(ui_->List1(), 0);
    QCOMPARE(ui_->Text2(0)->text(), QStringLiteral("12"));
  }

  void selecting_a_row_with_the_keyboard_selects_its_pair() {
    ui_->List1()->setFocus();
    QTest::keyClick(ui_->List1(), Qt::Key_Down);
    QTest::keyClick(ui_->List1(), Qt::Key_Down);
    QCOMPARE(ui_->List1()->listIndex(), 2);
    ExpectOnlyGivenOpen(2);
    QTest::keyClick(ui_->List1(), Qt::Key_End);
    ExpectOnlyGivenOpen(14);
  }

  void ctrl_click_on_the_selected_row_keeps_it_selected() {
    ClickRow(ui_->List1(), 3);
    const QRect rect = ui_->List1()->visualItemRect(ui_->List1()->item(3));
    QTest::mouseClick(ui_->List1()->viewport(), Qt::LeftButton, Qt::ControlModifier, rect.center());
    QCOMPARE(ui_->List1()->selectedItems().size(), 1);
    QCOMPARE(ui_->List1()->listIndex(), 3);
    ExpectOnlyGivenOpen(3);
  }

  void selecting_another_row_empties_values_typed_for_a_shared_quantity() {
    QTest::keyClicks(ui_->Text2(0), "3");
    QTest::keyClicks(ui_->Text2(1), "4");
    ClickRow(ui_->List1(), 1);  // a,c: a is given in both rows
    ExpectOnlyGivenOpen(1);
  }

  void typing_into_a_locked_box_changes_nothing() {
    TypeAndCalculate(0, "3", "4");
    ValueBox* c = ui_->Text2(2);
    c->setFocus();
    QTest::keyClicks(c, "99");
    QTest::keyClick(c, Qt::Key_Backspace);
    QTest::keyClick(c, Qt::Key_Home);
    QTest::keyClick(c, Qt::Key_Delete);
    QApplication::clipboard()->setText("777");
    QTest::keyClick(c, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(c->text(), QStringLiteral("5.0000000"));
  }

  void a_value_box_takes_at_most_seven_typed_characters() {
    QTest::keyClicks(ui_->Text2(0), "123456789");
    QCOMPARE(ui_->Text2(0)->text(), QStringLiteral("1234567"));
  }

  void a_paste_is_cut_to_the_room_left() {
    QTest::keyClicks(ui_->Text2(0), "12");
    QApplication::clipboard()->setText("3456789012");
    QTest::keyClick(ui_->Text2(0), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(ui_->Text2(0)->text(), QStringLiteral("1234567"));
  }

  void calculate_writes_nine_character_texts_whole() {
    TypeAndCalculate(0, "3", "4");
    QCOMPARE(ui_->Texts(),
             QStringList({"3.0000000", "4.0000000", "5.0000000", "2.4000000", "1.8000000", "3.2000000"}));
  }

  void calculate_twice_reproduces_the_texts() {
    TypeAndCalculate(9, "10", "4.8");
    const QStringList first = ui_->Texts();
    QCOMPARE(first,
             QStringList({"6.0000000", "8.0000001", "10.0000000", "4.8000000", "3.5999999", "6.4000000"}));
    QTest::mouseClick(ui_->Command1(0), Qt::LeftButton);
    QCOMPARE(ui_->Texts(), first);
  }

  void typing_after_a_calculation_adds_nothing_to_a_full_box() {
    TypeAndCalculate(0, "3", "4");
    QTest::keyClick(ui_->Text2(0), Qt::Key_End);
    QTest::keyClicks(ui_->Text2(0), "5");
    QCOMPARE(ui_->Text2(0)->text(), QStringLiteral("3.0000000"));
    for (int i = 0; i < 3; ++i) QTest::keyClick(ui_->Text2(0), Qt::Key_Backspace);
    QTest::keyClicks(ui_->Text2(0), "91");  // six characters left: room for one
    QCOMPARE(ui_->Text2(0)->text(), QStringLiteral("3.00009"));
  }

  void bulgarian_settings_write_commas_and_read_them_back() {
    Open([] {
      RegionalSettings s;
      s.decimalSeparator = ",";
      s.groupSeparator = "\u00A0";
      s.groupingMinimumDigits = 5;
      return s;
    }());
    TypeAndCalculate(0, "2.5", "12345");
    const QStringList first = ui_->Texts();
    QCOMPARE(first.mid(0, 2), QStringList({"2,5000000", QStringLiteral("12\u00A0345,0000000")}));
    QTest::mouseClick(ui_->Command1(0), Qt::LeftButton);
    QCOMPARE(ui_->Texts(), first);
  }

  void a_value_that_is_not_positive_stops_and_a_balloon_says_why() {
    TypeAndCalculate(0, "-2", "4");
    QCOMPARE(ui_->Texts(), QStringList({"-2", "4", "", "", "", ""}));
    QVERIFY(warnings_->shown.isEmpty());
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(),
             QStringLiteral("Стойността на a („-2“) не е положително число; нищо не е изчислено."));
    // Another row takes the balloon away.
    ClickRow(ui_->List1(), 1);
    QVERIFY(!QToolTip::isVisible());
  }

  void a_value_read_in_part_is_said_in_a_balloon_and_the_boxes_stay_as_computed() {
    TypeAndCalculate(9, "10", "4,8");  // POSIX: "," is no decimal sign
    QCOMPARE(ui_->Texts(),
             QStringList({"4.4721360", "8.9442719", "10.0000000", "4.0000000", "2.0000000", "8.0000000"}));
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("Прочетено е само 4 от „4,8“: тук десетичният знак е точка."));
    // Read whole: no balloon.
    TypeAndCalculate(0, "3", "4");
    QVERIFY(!QToolTip::isVisible());
  }

  void a_failing_computation_warns_and_keeps_every_text() {
    TypeAndCalculate(1, "5", "3");
    QCOMPARE(ui_->Texts(), QStringList({"5", "", "3", "", "", ""}));
    QCOMPARE(warnings_->shown.size(), 1);
    QVERIFY2(warnings_->shown[0].contains(QStringLiteral("Катетът a трябва да е по-къс от хипотенузата c")),
             qPrintable(warnings_->shown[0]));
    // The window goes on working.
    QTest::keyClick(ui_->Text2(2), Qt::Key_Backspace);
    QTest::keyClicks(ui_->Text2(2), "13");
    QTest::keyClick(ui_->Text2(0), Qt::Key_Backspace);
    QTest::keyClicks(ui_->Text2(0), "12");
    QTest::mouseClick(ui_->Command1(0), Qt::LeftButton);
    QCOMPARE(ui_->Text2(1)->text(), QStringLiteral("5.0000000"));
    QCOMPARE(warnings_->shown.size(), 1);
  }

  void a_failure_from_rounding_gets_the_general_warning() {
    TypeAndCalculate(8, "3.2", "3.2");
    QCOMPARE(warnings_->shown.size(), 1);
    QVERIFY(warnings_->shown[0].contains(QStringLiteral("твърде близо до граничен случай")));
  }

  void an_overflow_says_a_value_is_too_large() {
    TypeAndCalculate(0, "1e200", "1");
    QCOMPARE(warnings_->shown.size(), 1);
    QVERIFY(warnings_->shown[0].contains(QStringLiteral("твърде голяма")));
    QCOMPARE(ui_->Text2(0)->text(), QStringLiteral("1e200"));
  }

  void clear_empties_the_values_and_keeps_the_selection() {
    TypeAndCalculate(5, "4", "5");
    QTest::mouseClick(ui_->Command1(1), Qt::LeftButton);
    ExpectOnlyGivenOpen(5);
    QCOMPARE(ui_->List1()->listIndex(), 5);
    QTest::mouseClick(ui_->Command1(1), Qt::LeftButton);  // on empty boxes: nothing changes
    ExpectOnlyGivenOpen(5);
  }

  void the_handlers_ignore_other_indices() {
    QTest::keyClicks(ui_->Text2(0), "3");
    form_->Command1_Click(2);
    form_->Command1_Click(-1);
    form_->List1_Click(1);
    QCOMPARE(ui_->Text2(0)->text(), QStringLiteral("3"));
  }

  void selecting_no_row_locks_every_box() {
    ui_->List1()->setListIndex(-1);
    QCOMPARE(ui_->List1()->listIndex(), -1);
    for (int i = 0; i < kQuantityCount; ++i) {
      QVERIFY(!ui_->Check1(i)->isChecked());
      QVERIFY(ui_->Text2(i)->locked());
    }
  }

  void a_check_box_cannot_be_toggled() {
    for (int i = 0; i < kQuantityCount; ++i) {
      const bool before = ui_->Check1(i)->isChecked();
      QTest::mouseClick(ui_->Check1(i), Qt::LeftButton);
      QTest::keyClick(ui_->Check1(i), Qt::Key_Space);
      QCOMPARE(ui_->Check1(i)->isChecked(), before);
      QCOMPARE(ui_->Check1(i)->focusPolicy(), Qt::NoFocus);
    }
  }

  void tab_visits_the_controls_in_the_defined_order() {
    const QStringList expected = {"Text2_0", "Text2_1", "Text2_2",    "Text2_3",    "Text2_4",
                                  "Text2_5", "List1_0", "Command1_0", "Command1_1", "Text1_0"};
    QApplication::focusWidget()->setFocus();
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1_0"));
    for (const QString& name : expected) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1_1"));
  }

  void enter_and_escape_press_no_button() {
    QTest::keyClicks(ui_->Text2(0), "3");
    QTest::keyClicks(ui_->Text2(1), "4");
    for (QWidget* target : {static_cast<QWidget*>(ui_->Text2(1)), static_cast<QWidget*>(ui_->Command1(0)),
                            static_cast<QWidget*>(ui_->Command1(1))}) {
      target->setFocus();
      QTest::keyClick(target, Qt::Key_Return);
      QTest::keyClick(target, Qt::Key_Enter);
      QTest::keyClick(target, Qt::Key_Escape);
    }
    QCOMPARE(ui_->Texts(), QStringList({"3", "4", "", "", "", ""}));
    QVERIFY(form_->isVisible());
  }

  void space_presses_the_focused_button() {
    QTest::keyClicks(ui_->Text2(0), "3");
    QTest::keyClicks(ui_->Text2(1), "4");
    ui_->Command1(0)->setFocus();
    QTest::keyClick(ui_->Command1(0), Qt::Key_Space);
    QCOMPARE(ui_->Text2(2)->text(), QStringLiteral("5.0000000"));
  }

  void every_control_stands_where_the_definition_puts_it() {
    QCOMPARE(form_->size(), QSize(481, 424));
    QCOMPARE(form_->minimumSize(), form_->maximumSize());
    QVERIFY(!(form_->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(form_->windowFlags() & Qt::WindowMinimizeButtonHint));
    QCOMPARE(form_->palette().color(QPalette::Window), QColor(128, 128, 255));
    QCOMPARE(form_->windowTitle(),
             QStringLiteral("www.right-triangle.example Математика - правоъгълен триъгълник"));
    int count = 0;
    for (const ControlDefinition& def : kControls) {
      const QString name = QString::fromStdString(ObjectNameOf(def));
      QWidget* widget = ui_->Find<QWidget>(name);
      QCOMPARE(widget->geometry(), QRect(def.left / 15, def.top / 15, def.width / 15, def.height / 15));
      QCOMPARE(widget->parentWidget()->objectName(),
               def.inFrame ? QStringLiteral("Frame1") : QStringLiteral("TriangleForm"));
      QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(name));
      QCOMPARE(widget->font(), form_->font());
      ++count;
    }
    QCOMPARE(count, 21);
    QCOMPARE(ui_->Find<QLabel>("Picture1")->pixmap().deviceIndependentSize(), QSizeF(180, 140));
  }

  void colours_follow_the_definition() {
    QCOMPARE(ui_->Command1(0)->palette().color(QPalette::Button), QColor(0, 255, 0));
    QCOMPARE(ui_->Command1(1)->palette().color(QPalette::Button), QColor(255, 0, 0));
    QVERIFY(!ui_->Command1(0)->isDefault() && !ui_->Command1(0)->autoDefault());
    QVERIFY(!ui_->Command1(1)->isDefault() && !ui_->Command1(1)->autoDefault());
    const QImage shot = form_->grab().toImage();
    auto pixel = [&](const QString& name, QPoint offset) {
      QWidget* w = ui_->Find<QWidget>(name);
      return QColor(shot.pixel(w->mapTo(form_.get(), offset)));
    };
    QCOMPARE(pixel("Label1_0", QPoint(3, 3)), QColor(255, 192, 128));
    QCOMPARE(pixel("Label1_1", QPoint(3, 3)), QColor(255, 192, 128));
    QCOMPARE(pixel("Check1_5", QPoint(38, 3)), QColor(128, 128, 255));
    QCOMPARE(pixel("Frame1", QPoint(2, 5)), QColor(128, 128, 255));
  }

  void the_button_faces_are_filled_flat_with_their_colours() {
    const QImage shot = form_->grab().toImage();
    for (const auto& [index, colour] : {std::pair{0, QColor(0, 255, 0)}, std::pair{1, QColor(255, 0, 0)}}) {
      const QRect face = ui_->Command1(index)->geometry();
      const auto [commonest, share] = CommonestColour(shot, face.adjusted(3, 3, -3, -3));
      QCOMPARE(commonest, colour);
      QVERIFY2(share > 0.6, qPrintable(QString::number(share)));
      // The edge stays visible: the outline is darker than the face.
      QCOMPARE(QColor(shot.pixel(face.topLeft())), QColor(Qt::black));
    }
  }

  void pressing_a_button_sinks_its_face_and_focus_marks_it() {
    FaceButton* button = qobject_cast<FaceButton*>(ui_->Command1(0));
    QVERIFY(button != nullptr);
    const QImage up = button->grab().toImage();
    button->setDown(true);
    const QImage down = button->grab().toImage();
    button->setDown(false);
    QVERIFY(up != down);
    QCOMPARE(up.pixel(1, 1) | 0xff000000u, QColor(0, 255, 0).lighter(160).rgb());
    QCOMPARE(down.pixel(1, 1) | 0xff000000u, QColor(0, 255, 0).darker(180).rgb());
    button->setFocus();
    const QImage focused = button->grab().toImage();
    int marked = 0;
    for (int x = 4; x < focused.width() - 4; ++x) marked += QColor(focused.pixel(x, 4)) == Qt::black;
    QVERIFY2(marked > focused.width() / 4, qPrintable(QString::number(marked)));
  }

  void the_check_box_captions_are_readable_on_the_blue() {
    const QImage shot = form_->grab().toImage();
    for (int i = 0; i < kQuantityCount; ++i) {
      QCheckBox* box = ui_->Check1(i);
      QVERIFY(!box->isEnabled());
      const QRect rect(box->mapTo(form_.get(), QPoint(0, 0)), box->size());
      const QColor background = CommonestColour(shot, rect).first;
      QCOMPARE(background, QColor(128, 128, 255));
      // The caption stands right of the square; its strongest pixel is the
      // colour of its strokes.
      double best = 1;
      for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left() + 20; x <= rect.right(); ++x)
          best = std::max(best, Contrast(QColor(shot.pixel(x, y)), background));
      }
      QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("Check1_%1: %2:1").arg(i).arg(best)));
    }
  }

  void the_picture_writes_the_blank_before_the_plus() {
    const QImage shot = ui_->Find<QLabel>("Picture1")->grab().toImage();
    // The formula stands in the bottom band of the 180 x 140 drawing, inside
    // the 2-pixel border: "c", "=", "a1", "+" and "b1" are five groups of ink
    // with a blank between each two (5 to 7 pixels; the subscript stands 2
    // pixels from its letter, and a missing blank leaves 3).
    QString profile;
    for (int x = 2; x < 182; ++x) {
      bool ink = false;
      for (int y = 2 + 122; y < 2 + 140; ++y) ink = ink || qGray(shot.pixel(x, y)) < 128;
      profile += ink ? QLatin1Char('#') : QLatin1Char('.');
    }
    const QStringList groups =
        profile.split(QRegularExpression(QStringLiteral("\\.{4,}")), Qt::SkipEmptyParts);
    QVERIFY2(groups.size() == 5, qPrintable(profile));
  }

  void the_font_is_a_serif_with_cyrillic() {
    const QFontInfo info(ui_->Text2(0)->font());
    QVERIFY2(info.family() == "Times New Roman" || info.family() == "Liberation Serif",
             qPrintable(info.family()));
    QCOMPARE(info.pointSize(), 12);
    QVERIFY(QFontMetrics(ui_->Text2(0)->font()).inFont(QChar(0x0416)));  // Ж
  }

  void the_task_text_is_the_whole_text_and_scrolls_to_its_end() {
    const QString task = ToQString(kTaskText);
    QCOMPARE(task.size(), 1202);
    QCOMPARE(task.count(QStringLiteral("\r\n")), 15);
    QVERIFY(task.endsWith(QStringLiteral("Изход: c=5, hc=2.4 a1=1.8, b1=3.2\r\n")));
    auto* box = ui_->Find<QPlainTextEdit>("Text1_0");
    QCOMPARE(box->toPlainText(), QString(task).replace("\r\n", "\n"));
    QVERIFY(box->isReadOnly());
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(box->verticalScrollBar()->maximum() > 0);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(box, "x");
    QCOMPARE(box->toPlainText(), QString(task).replace("\r\n", "\n"));
    // The worked example on the last line is in view.
    QTextCursor example = box->document()->find(QStringLiteral("Пример:"));
    QVERIFY(!example.isNull());
    QVERIFY(box->viewport()->rect().contains(box->cursorRect(example)));
  }

  void the_quotation_is_never_shown() {
    auto* quotation = ui_->Find<QPlainTextEdit>("Text1_1");
    QVERIFY(!quotation->isVisible());
    const QString text = ToQString(kQuotation);
    QCOMPARE(text.size(), 118);
    for (int i = 0; i < 12; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(!quotation->isVisible());
    QVERIFY(!quotation->hasFocus());
  }

  void the_pair_list_holds_the_fifteen_rows_in_order() {
    QCOMPARE(ui_->List1()->count(), 15);
    for (int row = 0; row < 15; ++row) {
      QCOMPARE(ui_->List1()->item(row)->text().toStdString(), std::string(PairOfListIndex(row)->listText));
    }
  }
};

}  // namespace rt::ui::test

RT_UI_TEST_MAIN(rt::ui::test::TriangleFormTest)
#include "triangle_form_test.moc"
