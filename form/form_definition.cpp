#include "form/form_definition.h"

namespace rt {

std::string_view KindNameOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::TextBox: return "TextBox";
    case ControlKind::Label: return "Label";
    case ControlKind::Frame: return "Frame";
    case ControlKind::CheckBox: return "CheckBox";
    case ControlKind::ListBox: return "ListBox";
    case ControlKind::Button: return "Button";
    case ControlKind::PictureBox: return "PictureBox";
  }
  return {};
}

std::string ObjectNameOf(const ControlDefinition& control) {
  std::string name(control.name);
  if (control.index >= 0) name += "_" + std::to_string(control.index);
  return name;
}

}  // namespace rt
