#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rt {

// A text as a message quotes what someone typed: in „…“, its first
// `mostCharacters` characters (whole UTF-8 ones) and "…" where it is longer.
std::string QuotedText(std::string_view text, std::size_t mostCharacters);

}  // namespace rt
