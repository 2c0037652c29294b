#pragma once

#include <string>
#include <string_view>

#include "runtime/regional_settings.h"

namespace rt {

// The list index named by a pair argument: a list text such as "c,hc", or a
// list index from 0 to 14 written in decimal digits. -1 when it names none.
int ParsePairArgument(std::string_view text);

// Answers one request line "PAIR<TAB>VALUE1<TAB>VALUE2" (without its line
// end) by appending one answer line to `out`: the six texts joined by TAB,
// "unchanged", "error:invalid", "error:divzero", "error:overflow", or
// "error:request" when the line cannot be parsed. Values are taken verbatim.
void AnswerBatchRequest(std::string_view line, const RegionalSettings& settings, std::string& out);

// Answers every request line of standard input on standard output, chunk by
// chunk as it reads (a caller that sends one line and waits gets its
// answer); a last line without its line end is answered too. False when
// reading or writing fails.
bool AnswerBatchStream(const RegionalSettings& settings);

}  // namespace rt
