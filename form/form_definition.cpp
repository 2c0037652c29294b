#include "form/form_definition.h"

namespace rt {

std::string ObjectNameOf(const ControlDefinition& control) {
  std::string name(control.name);
  if (control.index >= 0) name += "_" + std::to_string(control.index);
  return name;
}

}  // namespace rt
