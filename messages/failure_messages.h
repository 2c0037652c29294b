#pragma once

#include <string>

#include "model/triangle_fault.h"
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

// What a student is told when a given value is not a positive number.
std::string DescribeInvalidInput();

}  // namespace rt
