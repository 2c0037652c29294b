#include "form/triangle_form_logic.h"

#include <array>
#include <string>
#include <utility>

#include "messages/failure_messages.h"
#include "messages/reading_notes.h"
#include "model/given_pair.h"
#include "model/triangle_solver.h"

namespace rt {
namespace {

constexpr int kTypingLimit = 7;  // the definition says 4; start-up raises it

}  // namespace

TriangleFormLogic::TriangleFormLogic(FormProperties& form, RegionalSettings settings, Solver solver)
    : form_(form),
      settings_(std::move(settings)),
      solver_(solver != nullptr ? solver : static_cast<Solver>(&rt::SolveTriangle)) {}

void TriangleFormLogic::Form_Load() {
  ClearValues();
  for (int i = 0; i < kQuantityCount; ++i) form_.SetMaxLength(i, kTypingLimit);
  // Selecting row 0 raises List1_Click, which runs SelectGivenPair to its end
  // before the write returns; the four writes after it repeat its marking.
  form_.SetListIndex(0);
  form_.SetCheckValue(IndexOf(Quantity::A), 1);
  form_.SetLocked(IndexOf(Quantity::A), false);
  form_.SetCheckValue(IndexOf(Quantity::B), 1);
  form_.SetLocked(IndexOf(Quantity::B), false);
}

void TriangleFormLogic::Command1_Click(int index) {
  if (index == 0) SolveTriangle();
  if (index == 1) ClearValues();
}

std::vector<TriangleFormLogic::BoxNote> TriangleFormLogic::GivenReadingNotes() const {
  std::vector<BoxNote> notes;
  const auto pair = PairOfListIndex(form_.ListIndex());
  if (!pair) return notes;
  for (const Quantity q : {pair->first, pair->second}) {
    std::string note = ReadingNote(q, form_.Text(IndexOf(q)), settings_);
    if (!note.empty()) notes.push_back({IndexOf(q), std::move(note)});
  }
  return notes;
}

void TriangleFormLogic::List1_Click(int index) {
  if (index == 0) SelectGivenPair();
}

void TriangleFormLogic::SelectGivenPair() {
  for (int i = 0; i < kQuantityCount; ++i) {
    form_.SetCheckEnabled(i, false);
    form_.SetCheckValue(i, 0);
    form_.SetText(i, "");
    form_.SetLocked(i, true);
  }
  form_.ClearSolution();
  const auto pair = PairOfListIndex(form_.ListIndex());
  if (!pair) return;  // no row selected: nothing is given, nothing editable
  for (const Quantity q : {pair->first, pair->second}) {
    form_.SetCheckValue(IndexOf(q), 1);
    form_.SetLocked(IndexOf(q), false);
  }
}

void TriangleFormLogic::SolveTriangle() {
  SolverInput input;
  input.listIndex = form_.ListIndex();
  std::array<std::string, kQuantityCount> texts;
  for (int i = 0; i < kQuantityCount; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    input.checks[slot] = form_.CheckValue(i);
    texts[slot] = form_.Text(i);
    input.texts[slot] = texts[slot];
  }

  SolveDetail detail;
  const SolveOutcome outcome = solver_(input, settings_, detail);
  form_.ShowSolutionOf(detail, outcome);
  switch (outcome.status) {
    case SolveStatus::Unchanged: return;  // a given value is not a positive number: nothing happens
    case SolveStatus::Failed:
      form_.ShowFailure(DescribeFailure(input.listIndex, outcome.error, outcome.fault));
      return;
    case SolveStatus::Written:
      for (int i = 0; i < kQuantityCount; ++i) form_.SetText(i, outcome.texts[static_cast<std::size_t>(i)]);
      return;
  }
}

void TriangleFormLogic::ClearValues() {
  for (int i = 0; i < kQuantityCount; ++i) form_.SetText(i, "");
  form_.ClearSolution();
}

}  // namespace rt
