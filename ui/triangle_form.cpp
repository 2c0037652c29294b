#include "ui/triangle_form.h"

#include <QCheckBox>
#include <QPushButton>
#include <string>

#include "messages/failure_messages.h"
#include "model/given_pair.h"
#include "model/triangle_solver.h"
#include "ui/form_definition.h"
#include "ui/form_texts.h"
#include "ui/pair_list.h"
#include "ui/qt_text.h"
#include "ui/value_box.h"
#include "ui/warning_presenter.h"

namespace rt::ui {
namespace {

constexpr int kTypingLimit = 7;  // the definition says 4; start-up raises it

}  // namespace

TriangleForm::TriangleForm(RegionalSettings settings, WarningPresenter& warnings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      settings_(std::move(settings)),
      warnings_(warnings) {
  setObjectName(QStringLiteral("TriangleForm"));
  setWindowTitle(ToQString(kWebAddress) + QLatin1Char(' ') + ToQString(kCaptionText));
  setFixedSize(Pixels(kWindow.clientWidth), Pixels(kWindow.clientHeight));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window,
                   QColor(kWindow.background.red, kWindow.background.green, kWindow.background.blue));
  setPalette(palette);
  setAutoFillBackground(true);
  QFont font(ToQString(kWindow.fontFamily), kWindow.fontPointSize, QFont::Normal);
  font.setStyleHint(QFont::Serif);
  setFont(font);

  controls_ = BuildControls(this);
  for (int i = 0; i < static_cast<int>(controls_.command1.size()); ++i) {
    connect(controls_.command1[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
            [this, i] { Command1_Click(i); });
  }
  connect(controls_.list1, &PairList::currentRowChanged, this, [this] { List1_Click(0); });

  Form_Load();
}

void TriangleForm::Form_Load() {
  ClearValues();
  for (ValueBox* box : controls_.text2) box->setTypingLimit(kTypingLimit);
  // Selecting row 0 raises List1_Click, which runs SelectGivenPair to its end
  // before the write returns.
  controls_.list1->setListIndex(0);
  controls_.check1[IndexOf(Quantity::A)]->setChecked(true);
  controls_.text2[IndexOf(Quantity::A)]->setLocked(false);
  controls_.check1[IndexOf(Quantity::B)]->setChecked(true);
  controls_.text2[IndexOf(Quantity::B)]->setLocked(false);
}

void TriangleForm::Command1_Click(int index) {
  if (index == 0) SolveTriangle();
  if (index == 1) ClearValues();
}

void TriangleForm::List1_Click(int index) {
  if (index == 0) SelectGivenPair();
}

void TriangleForm::SelectGivenPair() {
  for (std::size_t i = 0; i < kQuantityCount; ++i) {
    controls_.check1[i]->setEnabled(false);
    controls_.check1[i]->setChecked(false);
    controls_.text2[i]->WriteText(QString());
    controls_.text2[i]->setLocked(true);
  }
  const auto pair = PairOfListIndex(controls_.list1->listIndex());
  if (!pair) return;
  for (Quantity q : {pair->first, pair->second}) {
    controls_.check1[static_cast<std::size_t>(q)]->setChecked(true);
    controls_.text2[static_cast<std::size_t>(q)]->setLocked(false);
  }
}

void TriangleForm::SolveTriangle() {
  SolverInput input;
  input.listIndex = controls_.list1->listIndex();
  std::array<std::string, kQuantityCount> texts;
  for (std::size_t i = 0; i < kQuantityCount; ++i) {
    input.checks[i] = controls_.check1[i]->isChecked() ? 1 : 0;
    texts[i] = controls_.text2[i]->text().toStdString();
    input.texts[i] = texts[i];
  }

  const SolveOutcome outcome = rt::SolveTriangle(input, settings_);
  switch (outcome.status) {
    case SolveStatus::Unchanged: return;  // a given value is not a positive number: nothing happens
    case SolveStatus::Failed: {
      const FailureMessage message = DescribeFailure(input.listIndex, outcome.error, outcome.fault);
      warnings_.ShowWarning(this, ToQString(message.title), ToQString(message.explanation),
                            ToQString(message.advice));
      return;
    }
    case SolveStatus::Written:
      for (std::size_t i = 0; i < kQuantityCount; ++i)
        controls_.text2[i]->WriteText(ToQString(outcome.texts[i]));
      return;
  }
}

void TriangleForm::ClearValues() {
  for (ValueBox* box : controls_.text2) box->WriteText(QString());
}

}  // namespace rt::ui
