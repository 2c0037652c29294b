#include "ui/triangle_form.h"

#include <QCheckBox>
#include <QPushButton>
#include <QStringList>
#include <QToolTip>

#include "form/form_definition.h"
#include "form/form_texts.h"
#include "ui/pair_list.h"
#include "ui/qt_text.h"
#include "ui/value_box.h"
#include "ui/warning_presenter.h"

namespace rt::ui {

TriangleForm::TriangleForm(RegionalSettings settings, WarningPresenter& warnings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      warnings_(warnings),
      logic_(*this, std::move(settings)) {
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
    connect(controls_.command1[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] {
      // Read before the click: „Изчисли“ writes the given boxes too.
      const auto notes = i == 0 ? logic_.GivenReadingNotes() : std::vector<TriangleFormLogic::BoxNote>();
      Command1_Click(i);
      ShowReadingNotes(notes);
    });
  }
  connect(controls_.list1, &PairList::currentRowChanged, this, [this] {
    List1_Click(0);
    ShowReadingNotes({});
  });

  Form_Load();
}

int TriangleForm::ListIndex() const { return controls_.list1->listIndex(); }

void TriangleForm::SetListIndex(int row) { controls_.list1->setListIndex(row); }

int TriangleForm::CheckValue(int i) const {
  return controls_.check1[static_cast<std::size_t>(i)]->isChecked() ? 1 : 0;
}

void TriangleForm::SetCheckValue(int i, int value) {
  controls_.check1[static_cast<std::size_t>(i)]->setChecked(value == 1);
}

void TriangleForm::SetCheckEnabled(int i, bool enabled) {
  controls_.check1[static_cast<std::size_t>(i)]->setEnabled(enabled);
}

std::string TriangleForm::Text(int i) const {
  return controls_.text2[static_cast<std::size_t>(i)]->text().toStdString();
}

void TriangleForm::SetText(int i, std::string_view text) {
  controls_.text2[static_cast<std::size_t>(i)]->WriteText(ToQString(text));
}

void TriangleForm::SetLocked(int i, bool locked) {
  controls_.text2[static_cast<std::size_t>(i)]->setLocked(locked);
}

void TriangleForm::SetMaxLength(int i, int length) {
  controls_.text2[static_cast<std::size_t>(i)]->setTypingLimit(length);
}

// The window's layout is fixed: the notes appear as a balloon at the first
// box they are about, and go with the next click elsewhere.
void TriangleForm::ShowReadingNotes(const std::vector<TriangleFormLogic::BoxNote>& notes) {
  if (notes.empty()) {
    QToolTip::hideText();
    return;
  }
  QStringList lines;
  for (const auto& note : notes) lines << ToQString(note.note);
  ValueBox* box = controls_.text2[static_cast<std::size_t>(notes.front().box)];
  constexpr int kShownMilliseconds = 15000;
  QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), lines.join(QLatin1Char('\n')), box, QRect(),
                     kShownMilliseconds);
}

void TriangleForm::ShowFailure(const FailureMessage& message) {
  warnings_.ShowWarning(this, ToQString(message.title), ToQString(message.explanation),
                        ToQString(message.advice));
}

}  // namespace rt::ui
