#pragma once

#include <array>
#include <string>
#include <string_view>

#include "practice/answer_check.h"
#include "practice/practice_code.h"
#include "runtime/regional_settings.h"

namespace rt {

// The stable name of a mark: "right", "wrong", "not-number", "not-positive",
// "too-many-decimals", "empty".
std::string_view AnswerMarkName(AnswerMark mark);

// Task `number` (from 1; after the set's count, its retries) of a set checked as the tool prints it: one line
// "SYMBOL<TAB>MARK<TAB>TAG<TAB>SENTENCE" a box, in the order of the sought
// lengths ("-" where there is no tag or no sentence), then the summary.
// An answer "-" stands for an empty box. Empty where the set has no such task.
std::string PlainTaskCheck(const PracticeSet& set, int number,
                           const std::array<std::string, kSoughtCount>& answers, bool noTriangle,
                           const RegionalSettings& settings);

}  // namespace rt
