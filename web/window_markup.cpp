#include "web/window_markup.h"

#include <array>
#include <string_view>

#include "form/form_definition.h"
#include "form/form_properties.h"
#include "form/form_texts.h"
#include "form/triangle_form_logic.h"
#include "model/given_pair.h"

namespace rt::web {
namespace {

// Text for an element's content or a quoted attribute.
void AppendEscaped(std::string& out, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\r': break;  // the definition's lines end in CR LF; a text area breaks at LF
      default: out += c;
    }
  }
}

std::string Escaped(std::string_view text) {
  std::string out;
  AppendEscaped(out, text);
  return out;
}

// The window's controls as Form_Load leaves them, found by running the
// window's own logic on them: the page is written in that state, so that the
// window takes typing and a pair before any of its script has arrived.
class LoadedWindow : public FormProperties {
 public:
  LoadedWindow() {
    // The definition's state first, as the forms runtime builds the window.
    for (const ControlDefinition& def : kControls) {
      if (def.name == "Check1") checks_[Slot(def.index)] = {0, def.enabled};
      if (def.name == "Text2") boxes_[Slot(def.index)] = {std::string(), def.locked, def.maxLength};
    }
    TriangleFormLogic logic(*this, RegionalSettings::Posix());
    logic_ = &logic;
    logic.Form_Load();
    logic_ = nullptr;
  }

  struct Check {
    int value;
    bool enabled;
  };
  struct Box {
    std::string text;
    bool locked;
    int maxLength;
  };
  const Check& check(int i) const { return checks_[Slot(i)]; }
  const Box& box(int i) const { return boxes_[Slot(i)]; }

  int ListIndex() const override { return row_; }
  void SetListIndex(int row) override {
    if (row == row_) return;
    row_ = row;
    if (logic_ != nullptr) logic_->List1_Click(0);
  }
  int CheckValue(int i) const override { return checks_[Slot(i)].value; }
  void SetCheckValue(int i, int value) override { checks_[Slot(i)].value = value; }
  void SetCheckEnabled(int i, bool enabled) override { checks_[Slot(i)].enabled = enabled; }
  std::string Text(int i) const override { return boxes_[Slot(i)].text; }
  void SetText(int i, std::string_view text) override { boxes_[Slot(i)].text = text; }
  void SetLocked(int i, bool locked) override { boxes_[Slot(i)].locked = locked; }
  void SetMaxLength(int i, int length) override { boxes_[Slot(i)].maxLength = length; }
  void ShowFailure(const FailureMessage& /*message*/) override {}

 private:
  static std::size_t Slot(int i) { return static_cast<std::size_t>(i); }

  int row_ = -1;
  std::array<Check, kQuantityCount> checks_{};
  std::array<Box, kQuantityCount> boxes_{};
  TriangleFormLogic* logic_ = nullptr;
};

std::string_view TextOf(const ControlDefinition& def) {
  switch (def.source) {
    case TextSource::Caption: return def.caption;
    case TextSource::TaskText: return kTaskText;
    case TextSource::Quotation: return kQuotation;
    case TextSource::PairList:
    case TextSource::Picture: return {};
  }
  return {};
}

std::string Px(int twips) { return std::to_string(Pixels(twips)) + "px"; }

std::string Colour(Rgb rgb) {
  return "rgb(" + std::to_string(rgb.red) + ", " + std::to_string(rgb.green) + ", " +
         std::to_string(rgb.blue) + ")";
}

// id, the classes that the style sheet knows, and hidden.
std::string Common(const ControlDefinition& def, std::string_view extraClass = {}) {
  std::string out = " id=\"" + ObjectNameOf(def) + "\" class=\"control ";
  out += KindNameOf(def.kind);
  if (!extraClass.empty()) out.append(" ").append(extraClass);
  out += "\"";
  if (!def.visible) out += " hidden";
  return out;
}

std::string Name(const ControlDefinition& def) {
  return " aria-label=\"" + Escaped(def.accessibleName) + "\"";
}

// Each row names its two value boxes, for the page's script to open them
// before the window's logic has arrived.
void AppendPairRows(std::string& out, const std::string& listId, int selected) {
  for (int row = 0; row < kGivenPairCount; ++row) {
    const GivenPair& pair = kGivenPairs[static_cast<std::size_t>(row)];
    const bool chosen = row == selected;
    out += "<div id=\"" + listId + "_row" + std::to_string(row) + "\" class=\"row" +
           (chosen ? " selected" : "") + "\" role=\"option\" aria-selected=\"" + (chosen ? "true" : "false") +
           "\" data-given=\"" + std::to_string(IndexOf(pair.first)) + " " +
           std::to_string(IndexOf(pair.second)) + "\">";
    AppendEscaped(out, pair.listText);
    out += "</div>";
  }
}

// One control; a frame is left open for the controls inside it.
void AppendControl(std::string& out, const ControlDefinition& def, const LoadedWindow& loaded,
                   PictureLoading picture) {
  const std::string_view text = TextOf(def);
  switch (def.kind) {
    case ControlKind::TextBox:
      if (def.multiLine) {
        out += "<textarea" + Common(def) + Name(def) + " wrap=\"soft\" spellcheck=\"false\"";
        if (def.locked) out += " readonly";
        out += ">";
        AppendEscaped(out, text);
        out += "</textarea>\n";
      } else {
        const LoadedWindow::Box& box = loaded.box(def.index);
        out += "<input" + Common(def) + Name(def) +
               " type=\"text\" inputmode=\"decimal\" autocomplete=\"off\" spellcheck=\"false\"";
        if (box.maxLength > 0) out += " maxlength=\"" + std::to_string(box.maxLength) + "\"";
        if (!box.text.empty()) out += " value=\"" + Escaped(box.text) + "\"";
        if (box.locked) out += " readonly";
        out += ">\n";
      }
      return;
    case ControlKind::Label: {
      // The window's caption is the page's level-one heading; it looks like
      // the other label.
      const char* tag = def.index == 0 ? "h1" : "div";
      out += std::string("<") + tag + Common(def, def.centred ? "centred" : "") + ">";
      AppendEscaped(out, text);
      out += std::string("</") + tag + ">\n";
      return;
    }
    case ControlKind::Frame:
      out += "<div" + Common(def) + " role=\"group\"" + Name(def) +
             "><span class=\"caption\" aria-hidden=\"true\">";
      AppendEscaped(out, text);
      out += "</span>\n";
      return;
    case ControlKind::CheckBox: {
      const LoadedWindow::Check& check = loaded.check(def.index);
      out += "<label" + Common(def) + "><input type=\"checkbox\"" + Name(def);
      if (check.value == 1) out += " checked";
      if (!check.enabled) out += " disabled";
      out += "><span aria-hidden=\"true\">";
      AppendEscaped(out, text);
      out += "</span></label>\n";
      return;
    }
    case ControlKind::ListBox: {
      const std::string id = ObjectNameOf(def);
      const int row = loaded.ListIndex();
      out += "<div" + Common(def) + " role=\"listbox\" tabindex=\"0\"" + Name(def);
      if (row >= 0) out += " aria-activedescendant=\"" + id + "_row" + std::to_string(row) + "\"";
      out += ">";
      AppendPairRows(out, id, row);
      out += "</div>\n";
      return;
    }
    case ControlKind::Button:
      out += "<button type=\"button\"" + Common(def) + Name(def) + ">";
      AppendEscaped(out, text);
      out += "</button>\n";
      return;
    case ControlKind::PictureBox:
      out += "<div" + Common(def) + " role=\"img\"" + Name(def) + "><img " +
             (picture == PictureLoading::kLast ? "data-" : "") + "src=\"triangle.png\" " +
             (picture == PictureLoading::kLast ? "data-" : "") +
             "srcset=\"triangle.png 1x, triangle@2x.png 2x\" width=\"" +
             std::to_string(Pixels(def.width) - 4) + "\" height=\"" + std::to_string(Pixels(def.height) - 4) +
             "\" alt=\"\" draggable=\"false\"></div>\n";
      return;
  }
}

}  // namespace

std::string WindowMarkup(PictureLoading picture) {
  const LoadedWindow loaded;
  std::string out;
  bool frameOpen = false;
  for (const ControlDefinition& def : kControls) {
    if (frameOpen && !def.inFrame) {
      out += "</div>\n";
      frameOpen = false;
    }
    AppendControl(out, def, loaded, picture);
    if (def.kind == ControlKind::Frame) frameOpen = true;
  }
  if (frameOpen) out += "</div>\n";
  return out;
}

std::string WindowStyle() {
  std::string colours;
  std::string geometry =
      "#TriangleForm{width:" + Px(kWindow.clientWidth) + ";height:" + Px(kWindow.clientHeight) + "}\n";
  colours += "#TriangleForm{background-color:" + Colour(kWindow.background) + "}\n";
  for (const ControlDefinition& def : kControls) {
    const std::string id = "#" + ObjectNameOf(def);
    geometry += id + "{left:" + Px(def.left) + ";top:" + Px(def.top) + ";width:" + Px(def.width) +
                ";height:" + Px(def.height) + "}\n";
    if (def.background) colours += id + "{background-color:" + Colour(*def.background) + "}\n";
  }
  return colours + "@media " + WindowMedia() + " {\n" + geometry + "}\n";
}

std::string WindowMedia() {
  const std::string wide = "(min-width: " + std::to_string(WindowWidth()) + "px)";
  return wide + " and (pointer: fine), " + wide + " and (pointer: none)";
}

// The window is 2 pixels wider than its client area, with its frame.
int WindowWidth() { return Pixels(kWindow.clientWidth) + 2; }

std::string WindowTitle() { return Escaped(std::string(kWebAddress) + " " + std::string(kCaptionText)); }

}  // namespace rt::web
