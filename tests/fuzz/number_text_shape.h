#pragma once

#include <string_view>

#include "runtime/regional_settings.h"

namespace rt::fuzz {

// Whether `text` has the form that the number formatting promises: an
// optional negative sign, integer digits grouped as the settings say, the
// decimal separator and exactly seven digits.
bool HasSevenDecimalShape(std::string_view text, const RegionalSettings& settings);

}  // namespace rt::fuzz
