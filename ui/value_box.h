#pragma once

#include <QLineEdit>

namespace rt::ui {

// A one-line text box with the forms runtime's Locked and MaxLength: both
// limit only the user. A locked box keeps taking the focus and showing its
// text, but typing, deleting and pasting change nothing; the typing limit
// cuts what the user inserts, never what the program writes. (QLineEdit's own
// maxLength would truncate the program's "3.0000000" to "3.00000".)
class ValueBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit ValueBox(QWidget* parent = nullptr);

  // The program's write: replaces the whole text, whatever the limits say.
  void WriteText(const QString& text);

  bool locked() const { return isReadOnly(); }
  void setLocked(bool locked) { setReadOnly(locked); }

  int typingLimit() const { return typingLimit_; }
  void setTypingLimit(int limit) { typingLimit_ = limit; }

 private:
  friend class TypingLimitValidator;
  int typingLimit_ = 0;  // 0: no limit
  bool writing_ = false;
  QString lastText_;  // the text before the edit being validated
};

}  // namespace rt::ui
