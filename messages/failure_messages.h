#pragma once

#include <string>

#include "model/triangle_fault.h"
#include "runtime/regional_settings.h"
#include "runtime/runtime_error.h"

namespace rt {

// What a student is told, in Bulgarian, when the lengths cannot be computed:
// the broken relation in school words where there is one, otherwise a general
// explanation; always followed by what to do.
struct FailureMessage {
  std::string title;
  std::string explanation;
  std::string advice;
};

FailureMessage DescribeFailure(int listIndex, RuntimeError error, TriangleFault fault);

// What a student is told when the computation gives a length of 0: the
// "triangle" is a segment. The same words as a failure of that row.
FailureMessage DescribeDegenerate(int listIndex);

// What a student is told when a given value is not a positive number; the
// example uses the regional decimal sign.
std::string DescribeInvalidInput(const RegionalSettings& settings);

}  // namespace rt
