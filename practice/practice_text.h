#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/quantity.h"
#include "practice/practice_code.h"
#include "practice/practice_tasks.h"
#include "runtime/regional_settings.h"
#include "solution/math_text.h"

namespace rt {

// The four lengths a task asks for: those its row does not give, in the
// order of the quantities.
std::array<Quantity, 4> SoughtQuantities(int listIndex);

// The task in school notation: "Дадено: a = 6; c = 10. Намерете b, hc, a1, b1."
MathText TaskStatement(const PracticeTask& task, const RegionalSettings& settings);

// The answer of a task as the answer key prints it: the six lengths as
// „Изчисли“ writes them, or, where there is no triangle, why not.
struct TaskKey {
  std::optional<std::array<std::string, kQuantityCount>> texts;  // by Quantity
  // The school's exact form of each length where it says more than the
  // decimal ("4√3", "144/13"), else empty.
  std::array<std::string, kQuantityCount> forms;
  std::string noTriangle;  // "Няма такъв триъгълник: ..." when `texts` is empty
};
TaskKey KeyOf(const PracticeTask& task, const RegionalSettings& settings);

// What a set asks, in one line: "6 задачи, всички двойки, обикновени".
std::string DescribePracticeOptions(const PracticeOptions& options);

// The address fragment that opens a set on the page.
std::string PracticeLinkFragment(std::string_view code);

// The whole set as the tool prints it: the code and what it asks, the
// numbered tasks, then the answer key.
std::string PlainPracticeSheet(const PracticeSet& set, const RegionalSettings& settings);

}  // namespace rt
