#pragma once

#include <string>

namespace rt::web {

// The window's static markup, written from the control table when the site
// is built, so that the browser paints the whole window before any script
// has run; the page's script then takes over the same elements by id.

// When the window's drawing is fetched: with the page, or last, once the
// page's script asks for it (on a slow network the window's logic, which
// shares the bandwidth, comes first).
enum class PictureLoading { kAtOnce, kLast };

// The twenty-one controls inside TriangleForm, in tab order, as Form_Load
// leaves them: the first row selected, its two value boxes open and ticked.
std::string WindowMarkup(PictureLoading picture);

// The window's geometry as the definition draws it, in CSS pixels: applied
// where WindowMedia holds; elsewhere the page lays the same controls out in
// one column.
std::string WindowStyle();

// Where the page shows the window as the definition draws it: a screen at
// least as wide as the window, unless touch is its pointer (the
// definition's rows, boxes and buttons, 19 to 27 px high, are too small for
// a finger). The page's style sheet holds the complement for the column.
std::string WindowMedia();

// The window's full width in CSS pixels, with its frame.
int WindowWidth();

// The browser's title of the window.
std::string WindowTitle();

}  // namespace rt::web
