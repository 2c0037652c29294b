// Writes a page of the site from its template, with the window's static
// markup, its geometry and its title filled in from the control table.
// Runs at build time under node (NODERAWFS reaches the build's files).
// Usage: node render_page.js TEMPLATE OUTPUT

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

#include "web/window_markup.h"

namespace {

void ReplaceAll(std::string& text, std::string_view placeholder, const std::string& value) {
  for (std::size_t at = text.find(placeholder); at != std::string::npos;
       at = text.find(placeholder, at + value.size())) {
    text.replace(at, placeholder.size(), value);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: render_page TEMPLATE OUTPUT\n", stderr);
    return 64;  // EX_USAGE
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "render_page: cannot read %s\n", argv[1]);
    return 66;  // EX_NOINPUT
  }
  std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ReplaceAll(page, "@WINDOW_TITLE@", rt::web::WindowTitle());
  ReplaceAll(page, "@WINDOW_STYLE@", rt::web::WindowStyle());
  ReplaceAll(page, "@WINDOW_MARKUP@", rt::web::WindowMarkup());
  std::ofstream out(argv[2], std::ios::binary);
  out << page;
  out.close();
  if (!out) {
    std::fprintf(stderr, "render_page: cannot write %s\n", argv[2]);
    return 73;  // EX_CANTCREAT
  }
  return 0;
}
