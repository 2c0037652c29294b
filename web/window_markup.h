#pragma once

#include <string>

namespace rt::web {

// The window's static markup, written from the control table when the site
// is built, so that the browser paints the whole window before any script
// has run; the page's script then takes over the same elements by id.

// The twenty-one controls inside TriangleForm, in tab order, in their first
// state: the texts, the pair list with no row selected, empty value boxes.
std::string WindowMarkup();

// The window's geometry as the definition draws it, in CSS pixels: applied
// from the window's full width up, below which the page lays the same
// controls out in one column.
std::string WindowStyle();

// The browser's title of the window.
std::string WindowTitle();

}  // namespace rt::web
