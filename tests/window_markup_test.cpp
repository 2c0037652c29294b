// The page's static markup, as the build writes it from the control table:
// every control once, by the name the page's script looks for, inside the
// frame where the definition puts it, with its texts escaped.
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
  const std::string markup = WindowMarkup();
  for (const ControlDefinition& control : kControls) {
    EXPECT_EQ(Count(markup, "id=\"" + ObjectNameOf(control) + "\""), 1U) << ObjectNameOf(control);
  }
  EXPECT_EQ(Count(markup, "role=\"option\""), 15U);
  EXPECT_EQ(Count(markup, "aria-selected=\"true\""), 0U);  // Form_Load selects the first row
}

TEST(WindowMarkup, TheFrameHoldsTheCheckBoxesAndTheValueBoxes) {
  const std::string markup = WindowMarkup();
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
  const std::string markup = WindowMarkup();
  EXPECT_EQ(Count(markup, "<h1"), 1U);
  EXPECT_NE(markup.find("<h1 id=\"Label1_0\""), std::string::npos);
  // The task text whole, its lines ending in LF as a text area breaks them.
  std::string task(kTaskText);
  for (std::size_t at = task.find('\r'); at != std::string::npos; at = task.find('\r')) task.erase(at, 1);
  EXPECT_NE(markup.find(">" + task + "</textarea>"), std::string::npos);
  EXPECT_EQ(markup.find('\r'), std::string::npos);
  EXPECT_EQ(WindowTitle(), "www.right-triangle.example Математика - правоъгълен триъгълник");
}

TEST(WindowStyle, TheGeometryHoldsFromTheWindowsFullWidth) {
  const std::string style = WindowStyle();
  const std::size_t media = style.find("@media (min-width: 483px) {");
  ASSERT_NE(media, std::string::npos);
  // Colours apply in both layouts, places only in the wide one.
  EXPECT_LT(style.find("#Command1_0{background-color:rgb(0, 255, 0)}"), media);
  EXPECT_GT(style.find("#Text2_0{left:56px;top:24px;width:89px;height:27px}"), media);
  EXPECT_GT(style.find("#TriangleForm{width:481px;height:424px}"), media);
}

}  // namespace
}  // namespace rt::web
