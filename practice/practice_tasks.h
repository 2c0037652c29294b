#pragma once

#include <string>
#include <vector>

#include "model/triangle_fault.h"
#include "practice/practice_code.h"
#include "runtime/regional_settings.h"

namespace rt {

// A task: a row of the pair list and its two given values, in hundredths
// (a textbook prints at most two decimals).
struct PracticeTask {
  int listIndex = 0;
  long long firstHundredths = 0;
  long long secondHundredths = 0;
  bool hasTriangle = true;
  // For a task with no triangle, the condition its values break.
  TriangleFault fault = TriangleFault::None;

  double First() const { return static_cast<double>(firstHundredths) / 100.0; }
  double Second() const { return static_cast<double>(secondHundredths) / 100.0; }
};

// The tasks of a set, in order: as many as it asks for.
std::vector<PracticeTask> TasksOf(const PracticeSet& set);

// The set's tasks, then for each of them a retry: a task of the same pair
// with other numbers, which comes back after the task was solved with
// mistakes or hints. Retry k is at index count + k.
std::vector<PracticeTask> TasksWithRetries(const PracticeSet& set);

// The first `count` tasks that the set's generator makes, whatever count the
// set asks for (a set's tasks are the first of these).
std::vector<PracticeTask> TaskSequence(const PracticeSet& set, int count);

// A given value as a textbook prints it in the regional decimal sign:
// "6", "4,5", "2,25".
std::string GivenValueText(long long hundredths, const RegionalSettings& settings);

}  // namespace rt
