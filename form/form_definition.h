#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rt {

// The window's fixed definition, as data: the window's own properties and
// its twenty-one controls in tab order. Positions and sizes are in twips
// (1440 to the inch, 15 to the pixel at 96 dots per inch), measured from the
// top-left corner of the container.

inline constexpr int kTwipsPerPixel = 15;
constexpr int Pixels(int twips) { return twips / kTwipsPerPixel; }

struct Rgb {
  std::uint8_t red, green, blue;
};

enum class ControlKind { TextBox, Label, Frame, CheckBox, ListBox, Button, PictureBox };

enum class TextSource { Caption, TaskText, Quotation, PairList, Picture };

struct ControlDefinition {
  std::string_view name;  // control (array) name
  int index;              // member of a control array, or -1 for a single control
  ControlKind kind;
  bool inFrame;  // inside Frame1 rather than on the window
  int left, top, width, height;
  TextSource source;
  std::string_view caption;       // when source is Caption
  std::optional<Rgb> background;  // back colour, or the painted face of a button
  bool multiLine = false;         // with a vertical scroll bar always shown
  bool locked = false;            // focusable, not editable by the user
  bool visible = true;
  bool enabled = true;
  bool centred = false;             // caption centred
  int maxLength = 0;                // typing limit of a value box, 0 = none
  std::string_view accessibleName;  // what a screen reader says (Bulgarian)
};

struct WindowDefinition {
  int clientWidth = 7215;
  int clientHeight = 6360;
  Rgb background{128, 128, 255};
  std::string_view fontFamily = "Times New Roman";
  int fontPointSize = 12;
};

inline constexpr WindowDefinition kWindow{};
inline constexpr Rgb kFrameBlue{128, 128, 255};
inline constexpr Rgb kLabelOrange{255, 192, 128};

// clang-format off
inline constexpr std::array<ControlDefinition, 21> kControls = {{
  {"Text1", 0, ControlKind::TextBox, false, 120, 3360, 6855, 2895, TextSource::TaskText, {}, {},
   true, true, true, true, false, 0, "Условие на задачата"},
  {"Text1", 1, ControlKind::TextBox, false, 600, 4680, 6735, 1815, TextSource::Quotation, {}, {},
   true, true, false, true, false, 0, "Цитат"},
  {"Label1", 0, ControlKind::Label, false, 720, 0, 5655, 375, TextSource::Caption,
   "Математика - проекции в правоъгълен триъгълник", kLabelOrange,
   false, false, true, true, true, 0, "Математика - проекции в правоъгълен триъгълник"},
  {"Frame1", -1, ControlKind::Frame, false, 1560, 480, 2415, 2655, TextSource::Caption,
   "Дължини на страни", kFrameBlue, false, false, true, true, false, 0, "Дължини на страни"},
  {"Check1", 0, ControlKind::CheckBox, true, 120, 360, 615, 405, TextSource::Caption, "a", kFrameBlue,
   false, false, true, false, false, 0, "Дадено a"},
  {"Text2", 0, ControlKind::TextBox, true, 840, 360, 1335, 405, TextSource::Caption, "", {},
   false, true, true, true, false, 4, "Дължина a"},
  {"Check1", 1, ControlKind::CheckBox, true, 120, 720, 615, 405, TextSource::Caption, "b", kFrameBlue,
   false, false, true, false, false, 0, "Дадено b"},
  {"Text2", 1, ControlKind::TextBox, true, 840, 720, 1335, 405, TextSource::Caption, "", {},
   false, true, true, true, false, 4, "Дължина b"},
  {"Check1", 2, ControlKind::CheckBox, true, 120, 1080, 615, 405, TextSource::Caption, "c", kFrameBlue,
   false, false, true, false, false, 0, "Дадено c"},
  {"Text2", 2, ControlKind::TextBox, true, 840, 1080, 1335, 405, TextSource::Caption, "", {},
   false, true, true, true, false, 4, "Дължина c"},
  {"Check1", 3, ControlKind::CheckBox, true, 120, 1440, 615, 405, TextSource::Caption, "hc", kFrameBlue,
   false, false, true, false, false, 0, "Дадено hc"},
  {"Text2", 3, ControlKind::TextBox, true, 840, 1440, 1335, 405, TextSource::Caption, "", {},
   false, true, true, true, false, 4, "Дължина hc"},
  {"Check1", 4, ControlKind::CheckBox, true, 120, 1800, 615, 405, TextSource::Caption, "a1", kFrameBlue,
   false, false, true, false, false, 0, "Дадено a1"},
  {"Text2", 4, ControlKind::TextBox, true, 840, 1800, 1335, 405, TextSource::Caption, "", {},
   false, true, true, true, false, 4, "Дължина a1"},
  {"Check1", 5, ControlKind::CheckBox, true, 120, 2160, 615, 405, TextSource::Caption, "b1", kFrameBlue,
   false, false, true, false, false, 0, "Дадено b1"},
  {"Text2", 5, ControlKind::TextBox, true, 840, 2160, 1335, 405, TextSource::Caption, "", {},
   false, true, true, true, false, 4, "Дължина b1"},
  {"List1", 0, ControlKind::ListBox, false, 120, 960, 1335, 2055, TextSource::PairList, {}, {},
   false, false, true, true, false, 0, "Дадени"},
  {"Command1", 0, ControlKind::Button, false, 4200, 2880, 1215, 375, TextSource::Caption, "Изчисли",
   Rgb{0, 255, 0}, false, false, true, true, false, 0, "Изчисли"},
  {"Command1", 1, ControlKind::Button, false, 5760, 2880, 1215, 375, TextSource::Caption, "Изчисти",
   Rgb{255, 0, 0}, false, false, true, true, false, 0, "Изчисти"},
  {"Label1", 1, ControlKind::Label, false, 120, 600, 1335, 375, TextSource::Caption, "Дадени:", kLabelOrange,
   false, false, true, true, true, 0, "Дадени:"},
  {"Picture1", -1, ControlKind::PictureBox, false, 4200, 600, 2760, 2160, TextSource::Picture, {}, {},
   false, false, true, true, false, 0, "Чертеж на правоъгълен триъгълник"},
}};
// clang-format on

// The kind's own name ("TextBox", "PictureBox"), as the page's markup and
// style sheet know it.
std::string_view KindNameOf(ControlKind kind);

// The name by which tests and accessibility tools find a control:
// "Text2_3", "Command1_0", "Frame1".
std::string ObjectNameOf(const ControlDefinition& control);

}  // namespace rt
