#include "web/window_markup.h"

#include <string_view>

#include "form/form_definition.h"
#include "form/form_texts.h"
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

void AppendPairRows(std::string& out, const std::string& listId) {
  for (int row = 0; row < kGivenPairCount; ++row) {
    out += "<div id=\"" + listId + "_row" + std::to_string(row) +
           "\" class=\"row\" role=\"option\" aria-selected=\"false\">";
    AppendEscaped(out, kGivenPairs[static_cast<std::size_t>(row)].listText);
    out += "</div>";
  }
}

// One control; a frame is left open for the controls inside it.
void AppendControl(std::string& out, const ControlDefinition& def) {
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
        out += "<input" + Common(def) + Name(def) +
               " type=\"text\" inputmode=\"decimal\" autocomplete=\"off\" spellcheck=\"false\"";
        if (def.maxLength > 0) out += " maxlength=\"" + std::to_string(def.maxLength) + "\"";
        if (def.locked) out += " readonly";
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
    case ControlKind::CheckBox:
      out += "<label" + Common(def) + "><input type=\"checkbox\"" + Name(def);
      if (!def.enabled) out += " disabled";
      out += "><span aria-hidden=\"true\">";
      AppendEscaped(out, text);
      out += "</span></label>\n";
      return;
    case ControlKind::ListBox: {
      const std::string id = ObjectNameOf(def);
      out += "<div" + Common(def) + " role=\"listbox\" tabindex=\"0\"" + Name(def) + ">";
      AppendPairRows(out, id);
      out += "</div>\n";
      return;
    }
    case ControlKind::Button:
      out += "<button type=\"button\"" + Common(def) + Name(def) + ">";
      AppendEscaped(out, text);
      out += "</button>\n";
      return;
    case ControlKind::PictureBox:
      out += "<div" + Common(def) + " role=\"img\"" + Name(def) +
             "><img src=\"triangle.png\" srcset=\"triangle.png 1x, triangle@2x.png 2x\" width=\"" +
             std::to_string(Pixels(def.width) - 4) + "\" height=\"" + std::to_string(Pixels(def.height) - 4) +
             "\" alt=\"\" draggable=\"false\"></div>\n";
      return;
  }
}

}  // namespace

std::string WindowMarkup() {
  std::string out;
  bool frameOpen = false;
  for (const ControlDefinition& def : kControls) {
    if (frameOpen && !def.inFrame) {
      out += "</div>\n";
      frameOpen = false;
    }
    AppendControl(out, def);
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
  // The window is 2 pixels wider than its client area, with its frame.
  const int windowWidth = Pixels(kWindow.clientWidth) + 2;
  return colours + "@media (min-width: " + std::to_string(windowWidth) + "px) {\n" + geometry + "}\n";
}

std::string WindowTitle() { return Escaped(std::string(kWebAddress) + " " + std::string(kCaptionText)); }

}  // namespace rt::web
