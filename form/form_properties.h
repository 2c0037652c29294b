#pragma once

#include <string>
#include <string_view>

#include "messages/failure_messages.h"
#include "model/triangle_solver.h"

namespace rt {

// The control properties of TriangleForm that the window's logic reads and
// writes, and the one message it shows: all that the logic needs of a
// toolkit. The desktop window and the web page each implement it. `i` is a
// Quantity index, 0 to 5, naming Check1(i) and Text2(i).
class FormProperties {
 public:
  virtual ~FormProperties() = default;

  // List1(0).ListIndex: the selected row, -1 when none. Writing a row other
  // than the selected one raises List1_Click(0), which runs to its end
  // before the write returns.
  virtual int ListIndex() const = 0;
  virtual void SetListIndex(int row) = 0;

  // Check1(i).Value, 0 (no tick) or 1 (tick), and Check1(i).Enabled.
  virtual int CheckValue(int i) const = 0;
  virtual void SetCheckValue(int i, int value) = 0;
  virtual void SetCheckEnabled(int i, bool enabled) = 0;

  // Text2(i).Text in UTF-8. A write replaces the whole text, whatever Locked
  // and MaxLength say: those two limit only the user (no editing; at most
  // MaxLength typed characters).
  virtual std::string Text(int i) const = 0;
  virtual void SetText(int i, std::string_view text) = 0;
  virtual void SetLocked(int i, bool locked) = 0;
  virtual void SetMaxLength(int i, int length) = 0;

  // Tells the student, modally, why the lengths cannot be computed; the
  // boxes keep their texts.
  virtual void ShowFailure(const FailureMessage& message) = 0;

  // A window that shows the worked solution of each "Изчисли" hears of
  // every run (WorkedSolutionOf writes its solution), and of its end when the
  // values are cleared or another row is chosen. The desktop window, whose
  // layout is fixed, shows none; the page has the solution written where
  // the tutor's code is, which it loads after the window's.
  virtual void ShowSolutionOf(const SolveDetail& /*detail*/, const SolveOutcome& /*outcome*/) {}
  virtual void ClearSolution() {}
};

}  // namespace rt
