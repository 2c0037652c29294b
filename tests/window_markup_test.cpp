// The page's static markup, as the build writes it from the control table:
// every control once, by the name the page's script looks for, inside the
// frame where the definition puts it, with its texts escaped, in the state
// that Form_Load leaves.
#include "web/window_markup.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "form/form_definition.h"
#include "form/form_texts.h"

namespace rt::web {
namespace {

std::size_t Count(std::string_view text, std::string_view what) {
  std::size_t count = 0;
  for (std::size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

TEST(WindowMarkup, EveryControlOnceByItsName) {
  const std::string markup = WindowMarkup(PictureLoading::kAtOnce);
  for (const ControlDefinition& control : kControls) {
    EXPECT_EQ(Count(markup, "id=\"" + ObjectNameOf(control) + "\""), 1U) << ObjectNameOf(control);
  }
  EXPECT_EQ(Count(markup, "role=\"option\""), 15U);
}

// The element of the control with the id `id`: from its "<" to its ">".
std::string_view ElementOf(std::string_view markup, const std::string& id) {
  const std::size_t at = markup.find("id=\"" + id + "\"");
  if (at == std::string_view::npos) return {};
  const std::size_t open = markup.rfind('<', at);
  return markup.substr(open, markup.find('>', at) - open + 1);
}

// Form_Load's state, so that the window takes typing before its logic has
// arrived: the row a,b selected, its two boxes open and ticked, every box
// taking seven characters, the other four locked and unticked.
TEST(WindowMarkup, IsInTheStateThatFormLoadLeaves) {
  const std::string markup = WindowMarkup(PictureLoading::kAtOnce);
  EXPECT_EQ(Count(markup, "aria-selected=\"true\""), 1U);
  EXPECT_NE(
      markup.find("<div id=\"List1_0_row0\" class=\"row selected\" role=\"option\" aria-selected=\"true\" "
                  "data-given=\"0 1\">a,b</div>"),
      std::string::npos);
  EXPECT_NE(markup.find("<div id=\"List1_0_row14\" class=\"row\" role=\"option\" aria-selected=\"false\" "
                        "data-given=\"4 5\">a1,b1</div>"),
            std::string::npos);
  EXPECT_NE(ElementOf(markup, "List1_0").find("aria-activedescendant=\"List1_0_row0\""), std::string::npos);
  for (int i = 0; i < 6; ++i) {
    const std::string box(ElementOf(markup, "Text2_" + std::to_string(i)));
    EXPECT_NE(box.find("maxlength=\"7\""), std::string::npos) << box;
    EXPECT_EQ(box.find("readonly") == std::string::npos, i < 2) << box;
    EXPECT_EQ(box.find("value="), std::string::npos) << box;
    const std::size_t check = markup.find("id=\"Check1_" + std::to_string(i) + "\"");
    const std::string_view tick =
        std::string_view(markup).substr(check, markup.find("</label>", check) - check);
    EXPECT_EQ(tick.find(" checked") != std::string_view::npos, i < 2) << tick;
    EXPECT_NE(tick.find(" disabled"), std::string_view::npos) << tick;
  }
}

// On the page the drawing is asked for last, by the page's script.
TEST(WindowMarkup, ThePictureAtOnceOrLast) {
  const std::string markup = WindowMarkup(PictureLoading::kAtOnce);
  const std::string_view atOnce = ElementOf(markup, "Picture1");
  const std::string last = WindowMarkup(PictureLoading::kLast);
  EXPECT_NE(markup.find("<img src=\"triangle.png\" srcset=\"triangle.png 1x, triangle@2x.png 2x\""),
            std::string::npos);
  EXPECT_NE(last.find("<img data-src=\"triangle.png\" data-srcset=\"triangle.png 1x, triangle@2x.png 2x\""),
            std::string::npos);
  EXPECT_EQ(last.find(" src="), std::string::npos);
  EXPECT_NE(atOnce.find("role=\"img\""), std::string_view::npos);
}

TEST(WindowMarkup, TheFrameHoldsTheCheckBoxesAndTheValueBoxes) {
  const std::string markup = WindowMarkup(PictureLoading::kAtOnce);
  const std::size_t open = markup.find("id=\"Frame1\"");
  const std::size_t list = markup.find("id=\"List1_0\"");
  ASSERT_NE(open, std::string::npos);
  const std::string_view frame = std::string_view(markup).substr(open, list - open);
  EXPECT_EQ(Count(frame, "type=\"checkbox\""), 6U);
  EXPECT_EQ(Count(frame, "type=\"text\""), 6U);
  EXPECT_EQ(Count(frame, "inputmode=\"decimal\""), 6U);
  // The frame is closed before the list, which stands on the window.
  EXPECT_EQ(Count(frame, "<div"), Count(frame, "</div>"));
  EXPECT_EQ(Count(markup, "<div"), Count(markup, "</div>"));
}

TEST(WindowMarkup, OneLevelOneHeadingAndTheTaskTextWhole) {
  const std::string markup = WindowMarkup(PictureLoading::kAtOnce);
  EXPECT_EQ(Count(markup, "<h1"), 1U);
  EXPECT_NE(markup.find("<h1 id=\"Label1_0\""), std::string::npos);
  // The task text whole, its lines ending in LF as a text area breaks them.
  std::string task(kTaskText);
  for (std::size_t at = task.find('\r'); at != std::string::npos; at = task.find('\r')) task.erase(at, 1);
  EXPECT_NE(markup.find(">" + task + "</textarea>"), std::string::npos);
  EXPECT_EQ(markup.find('\r'), std::string::npos);
  EXPECT_EQ(WindowTitle(), "www.right-triangle.example Математика - правоъгълен триъгълник");
}

// From the window's full width up, with a mouse or no pointer at all: on a
// touch screen the page keeps its column, whose targets fit a finger.
TEST(WindowStyle, TheGeometryHoldsFromTheWindowsFullWidthWithAMouse) {
  const std::string style = WindowStyle();
  EXPECT_EQ(WindowMedia(), "(min-width: 483px) and (pointer: fine), (min-width: 483px) and (pointer: none)");
  const std::size_t media = style.find("@media " + WindowMedia() + " {");
  ASSERT_NE(media, std::string::npos);
  // Colours apply in both layouts, places only in the wide one.
  EXPECT_LT(style.find("#Command1_0{background-color:rgb(0, 255, 0)}"), media);
  EXPECT_GT(style.find("#Text2_0{left:56px;top:24px;width:89px;height:27px}"), media);
  EXPECT_GT(style.find("#TriangleForm{width:481px;height:424px}"), media);
}

}  // namespace
}  // namespace rt::web
