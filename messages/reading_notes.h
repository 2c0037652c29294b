#pragma once

#include <string>
#include <string_view>

#include "model/quantity.h"
#include "runtime/regional_settings.h"

namespace rt {

// What a student is told about how the text of a given box was read, where
// the boxes alone would say nothing: the reading stopped before the end
// („Прочетено е само 4 от „4,8“: тук десетичният знак е точка.“), blanks
// between digits were skipped, the value is not a positive number, or the
// box is empty. Empty where the text was read whole as a positive number.
// What the window computes does not change: this only says it.
std::string ReadingNote(Quantity q, std::string_view text, const RegionalSettings& settings);

}  // namespace rt
