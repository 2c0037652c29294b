#pragma once

#include <string_view>
#include <vector>

// The tool's classroom commands, for scripts and for a teacher without the
// page: the result code a student's page would give, and a class's table
// from pasted lines. Each returns the process's exit code.
namespace rt::tool {

// --result-code CODE OUTCOMES: OUTCOMES one item a task, comma-separated,
// "alone", "mistakes", "hints" or "none", each with ":TAG" for a first
// mistake ("mistakes:swapped-projection").
int RunResultCode(const std::vector<std::string_view>& args);

// --results CODE, the lines on standard input: the table on standard
// output, what was left out and why on standard error.
int RunResults(const std::vector<std::string_view>& args);

}  // namespace rt::tool
