#pragma once

#include <string_view>

#include "model/triangle_rows.h"

namespace rt {

// The relation in words and as a formula.
std::string_view RelationName(Relation relation);
std::string_view RelationFormula(Relation relation);

}  // namespace rt
