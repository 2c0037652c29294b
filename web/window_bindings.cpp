// The browser edition's window module: the window's logic in WebAssembly
// (the same C++ as on the desktop), bound to the page's controls. It is the
// page's first load and holds nothing else: the worked solution and the
// practice are in the tutor module, which the page loads after it. To stay
// small it has no binding library: a few exported functions, and the
// page's properties reached through the functions of window_module.js.

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <memory>
#include <string>
#include <string_view>

#include "form/form_definition.h"
#include "form/form_properties.h"
#include "form/triangle_form_logic.h"
#include "model/given_pair.h"

// The page's side, in window_module.js: Module.page is the page's
// properties object, Module.settings its regional settings. A text comes
// back as UTF-8 in `out` (cut to `size` with its terminator) and its whole
// length in bytes, so that a text too long for `out` is asked for again.
// clang-format off
EM_JS(int, rt_page_call, (const char* name, int i), { return Module.page[UTF8ToString(name)](i); });
EM_JS(void, rt_page_set, (const char* name, int i, int value), { Module.page[UTF8ToString(name)](i, value); });
EM_JS(int, rt_page_text, (int i, char* out, int size), {
  const text = Module.page.text(i);
  stringToUTF8(text, out, size);
  return lengthBytesUTF8(text);
});
EM_JS(void, rt_page_set_text, (int i, const char* text, int length), {
  Module.page.setText(i, UTF8ToString(text, length));
});
EM_JS(void, rt_page_show_failure, (const char* title, const char* explanation, const char* advice), {
  Module.page.showFailure(UTF8ToString(title), UTF8ToString(explanation), UTF8ToString(advice));
});
EM_JS(void, rt_page_show_solution_of, (int row, const char* first, const char* second), {
  Module.page.showSolutionOf(row, UTF8ToString(first), UTF8ToString(second));
});
EM_JS(int, rt_setting_text, (int field, char* out, int size), {
  const text = [Module.settings.decimalSeparator, Module.settings.groupSeparator, Module.settings.negativeSign][field];
  stringToUTF8(text, out, size);
  return lengthBytesUTF8(text);
});
EM_JS(int, rt_setting_number, (int field), {
  const s = Module.settings;
  return [s.primaryGroupSize, s.secondaryGroupSize, s.groupingMinimumDigits, s.leadingZero ? 1 : 0][field];
});
EM_JS(void, rt_give, (const char* text), { Module.given.push(UTF8ToString(text)); });
EM_JS(void, rt_give_number, (int number), { Module.given.push(number); });
// clang-format on

namespace rt::web {
namespace {

// A text of the page's, however long.
template <typename Ask>
std::string TextFromPage(Ask ask) {
  std::string text(64, '\0');
  int length = ask(text.data(), static_cast<int>(text.size()));
  if (length >= static_cast<int>(text.size())) {
    text.resize(static_cast<std::size_t>(length) + 1);
    length = ask(text.data(), static_cast<int>(text.size()));
  }
  text.resize(static_cast<std::size_t>(length));
  return text;
}

// The page's controls, reached through the page's properties object; each
// property is one call.
class PageProperties : public FormProperties {
 public:
  int ListIndex() const override { return rt_page_call("listIndex", 0); }
  void SetListIndex(int row) override { rt_page_call("setListIndex", row); }
  int CheckValue(int i) const override { return rt_page_call("checkValue", i); }
  void SetCheckValue(int i, int value) override { rt_page_set("setCheckValue", i, value); }
  void SetCheckEnabled(int i, bool enabled) override { rt_page_set("setCheckEnabled", i, enabled ? 1 : 0); }
  std::string Text(int i) const override {
    return TextFromPage([i](char* out, int size) { return rt_page_text(i, out, size); });
  }
  void SetText(int i, std::string_view text) override {
    rt_page_set_text(i, text.data(), static_cast<int>(text.size()));
  }
  void SetLocked(int i, bool locked) override { rt_page_set("setLocked", i, locked ? 1 : 0); }
  void SetMaxLength(int i, int length) override { rt_page_set("setMaxLength", i, length); }
  void ShowFailure(const FailureMessage& message) override {
    rt_page_show_failure(message.title.c_str(), message.explanation.c_str(), message.advice.c_str());
  }
  // The run is told by its row and the two texts as typed: the tutor
  // module solves them again, with steps, for „Решение“.
  void ShowSolutionOf(const SolveDetail& detail, const SolveOutcome& /*outcome*/) override {
    const bool given = detail.given.size() == 2;
    rt_page_show_solution_of(detail.listIndex, given ? detail.given[0].text.c_str() : "",
                             given ? detail.given[1].text.c_str() : "");
  }
  void ClearSolution() override { rt_page_call("clearSolution", 0); }
};

RegionalSettings PageSettings() {
  const auto text = [](int field) {
    return TextFromPage([field](char* out, int size) { return rt_setting_text(field, out, size); });
  };
  RegionalSettings settings;
  settings.decimalSeparator = text(0);
  settings.groupSeparator = text(1);
  settings.negativeSign = text(2);
  settings.primaryGroupSize = rt_setting_number(0);
  settings.secondaryGroupSize = rt_setting_number(1);
  settings.groupingMinimumDigits = rt_setting_number(2);
  settings.leadingZero = rt_setting_number(3) != 0;
  return settings;
}

// The one window of the page.
struct Window {
  explicit Window(RegionalSettings settings) : logic(properties, std::move(settings)) {}
  PageProperties properties;
  TriangleFormLogic logic;
};

std::unique_ptr<Window>& TheWindow() {
  static std::unique_ptr<Window> window;
  return window;
}

}  // namespace
}  // namespace rt::web

extern "C" {

// Binds the logic to the page's controls and raises Form_Load, as the forms
// runtime does once the window has been built.
EMSCRIPTEN_KEEPALIVE void rt_load() {
  rt::web::TheWindow() = std::make_unique<rt::web::Window>(rt::web::PageSettings());
  rt::web::TheWindow()->logic.Form_Load();
}

EMSCRIPTEN_KEEPALIVE void rt_command1_click(int index) {
  if (rt::web::TheWindow()) rt::web::TheWindow()->logic.Command1_Click(index);
}

EMSCRIPTEN_KEEPALIVE void rt_list1_click(int index) {
  if (rt::web::TheWindow()) rt::web::TheWindow()->logic.List1_Click(index);
}

// How the selected row's given boxes read, where the boxes alone would not
// say it; taken before „Изчисли“, which writes the boxes too.
EMSCRIPTEN_KEEPALIVE void rt_reading_notes() {
  if (!rt::web::TheWindow()) return;
  for (const auto& note : rt::web::TheWindow()->logic.GivenReadingNotes()) rt_give(note.note.c_str());
}

// The twenty-one controls in tab order, nine fields each: the names that
// the page's markup gives them (written from the same table at build
// time), their kind, and where the definition puts them.
EMSCRIPTEN_KEEPALIVE void rt_control_table() {
  for (const rt::ControlDefinition& def : rt::kControls) {
    rt_give(rt::ObjectNameOf(def).c_str());
    rt_give(std::string(rt::KindNameOf(def.kind)).c_str());
    rt_give_number(def.index);
    rt_give_number(def.inFrame ? 1 : 0);
    rt_give_number(def.left);
    rt_give_number(def.top);
    rt_give_number(def.width);
    rt_give_number(def.height);
    rt_give_number(def.visible ? 1 : 0);
  }
}

// The window's size, and the two quantities of each row of the pair list.
EMSCRIPTEN_KEEPALIVE void rt_window_definition() {
  rt_give_number(rt::kWindow.clientWidth);
  rt_give_number(rt::kWindow.clientHeight);
  rt_give_number(rt::kTwipsPerPixel);
  for (const rt::GivenPair& pair : rt::kGivenPairs) {
    rt_give_number(rt::IndexOf(pair.first));
    rt_give_number(rt::IndexOf(pair.second));
  }
}

}  // extern "C"
