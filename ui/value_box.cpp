#include "ui/value_box.h"

#include <QValidator>
#include <algorithm>

namespace rt::ui {

// Sees every edit of the user (typing, pasting, dropping, undoing) as the
// whole new text, and cuts what the edit inserted so that the text grows to
// at most the typing limit. An edit that would insert nothing while it
// removes nothing is refused.
class TypingLimitValidator : public QValidator {
 public:
  explicit TypingLimitValidator(ValueBox* box) : QValidator(box), box_(box) {}

  State validate(QString& input, int& pos) const override {
    const int limit = box_->typingLimit_;
    const QString& before = box_->lastText_;
    if (box_->writing_ || limit <= 0) return Acceptable;

    // The edit replaced before[prefix, before.size() - suffix) with
    // input[prefix, input.size() - suffix).
    qsizetype prefix = 0;
    const qsizetype shorter = std::min(before.size(), input.size());
    while (prefix < shorter && before[prefix] == input[prefix]) ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == input[input.size() - 1 - suffix]) {
      ++suffix;
    }
    const qsizetype removed = before.size() - prefix - suffix;
    const qsizetype inserted = input.size() - prefix - suffix;
    const qsizetype room = std::max<qsizetype>(0, limit - (before.size() - removed));
    if (inserted <= room) return Acceptable;
    if (room == 0 && removed == 0) return Invalid;
    input.remove(prefix + room, inserted - room);
    pos = static_cast<int>(prefix + room);
    return Acceptable;
  }

 private:
  ValueBox* box_;
};

ValueBox::ValueBox(QWidget* parent) : QLineEdit(parent) {
  setValidator(new TypingLimitValidator(this));
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { lastText_ = text; });
}

void ValueBox::WriteText(const QString& text) {
  writing_ = true;
  setText(text);
  writing_ = false;
  lastText_ = text;
}

}  // namespace rt::ui
