#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <memory>

#include "ui/pair_list.h"
#include "ui/triangle_form.h"
#include "ui/value_box.h"
#include "ui/warning_presenter.h"

namespace rt::ui::test {

// Records warnings instead of showing a modal box.
class RecordingPresenter : public WarningPresenter {
 public:
  void ShowWarning(QWidget*, const QString& title, const QString& text, const QString& advice) override {
    shown.append(title + "\n" + text + "\n" + advice);
  }
  QStringList shown;
};

// Finds controls by their object names, as accessibility tools do.
struct FormHandles {
  explicit FormHandles(QWidget* form) : form(form) {}
  template <typename Widget>
  Widget* Find(const QString& name) const {
    auto* widget = form->findChild<Widget*>(name);
    if (widget == nullptr) qFatal("no control %s", qPrintable(name));
    return widget;
  }
  ValueBox* Text2(int i) const { return Find<ValueBox>(QStringLiteral("Text2_%1").arg(i)); }
  QCheckBox* Check1(int i) const { return Find<QCheckBox>(QStringLiteral("Check1_%1").arg(i)); }
  PairList* List1() const { return Find<PairList>(QStringLiteral("List1_0")); }
  QPushButton* Command1(int i) const { return Find<QPushButton>(QStringLiteral("Command1_%1").arg(i)); }

  QStringList Texts() const {
    QStringList texts;
    for (int i = 0; i < 6; ++i) texts << Text2(i)->text();
    return texts;
  }
  QWidget* form;
};

// Clicks the row of the pair list with the mouse.
inline void ClickRow(QListWidget* list, int row) {
  list->scrollToItem(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// Fails a test that left a modal window open instead of hanging on it.
class ModalWatchdog {
 public:
  ModalWatchdog() {
    timer_.setInterval(200);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        tripped_ = true;
        modal->close();
      }
    });
    timer_.start();
  }
  bool tripped() const { return tripped_; }

 private:
  QTimer timer_;
  bool tripped_ = false;
};

}  // namespace rt::ui::test

// Runs a Qt Test class headless unless the caller chose a platform.
#define RT_UI_TEST_MAIN(TestClass)                       \
  int main(int argc, char** argv) {                      \
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) { \
      qputenv("QT_QPA_PLATFORM", "offscreen");           \
    }                                                    \
    QApplication app(argc, argv);                        \
    TestClass test;                                      \
    return QTest::qExec(&test, argc, argv);              \
  }
