#pragma once

#include <string_view>

namespace rt {

// The window's two long texts, UTF-8, lines ending in CR LF.
extern const std::string_view kTaskText;   // the task, notation, formulas and an example
extern const std::string_view kQuotation;  // a hidden quotation

inline constexpr std::string_view kWebAddress = "www.right-triangle.example";
inline constexpr std::string_view kCaptionText = "Математика - правоъгълен триъгълник";

}  // namespace rt
