// Writes a page of the site from its template, with the window's static
// markup, its geometry and its title filled in from the control table, and
// files put inline where the template names them: the style sheet and the
// first scripts (so that the first paint waits for no other file, and the
// window works from it) and the icon. Runs at build time under node
// (NODERAWFS reaches the build's files).
// Usage: node render_page.js TEMPLATE OUTPUT [@PLACEHOLDER@=FILE ...]
//   a .css file goes in without its comments, a .js file as it is (files
//   for the same placeholder one after the other), an .svg file as a data
//   address for an attribute.

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
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

std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The style sheet without its comments, which the browser would only skip.
std::string WithoutComments(const std::string& css) {
  std::string out;
  std::size_t from = 0;
  for (std::size_t open = css.find("/*"); open != std::string::npos; open = css.find("/*", from)) {
    out.append(css, from, open - from);
    const std::size_t close = css.find("*/", open + 2);
    from = close == std::string::npos ? css.size() : close + 2;
  }
  out.append(css, from);
  return out;
}

// A picture as a data address in a quoted attribute: the characters that
// an address or the attribute would read otherwise are escaped, line ends
// dropped, and the XML declaration and comments left out.
std::string SvgDataAddress(const std::string& svg) {
  std::string body = svg.substr(svg.find("<svg"));
  std::string out = "data:image/svg+xml,";
  for (std::size_t at = 0; at < body.size(); ++at) {
    if (body.compare(at, 4, "<!--") == 0) {
      at = body.find("-->", at);
      if (at == std::string::npos) break;
      at += 2;
      continue;
    }
    const char c = body[at];
    static constexpr char kHex[] = "0123456789ABCDEF";
    if (c == '\n' || c == '\r') continue;
    if (c == '%' || c == '#' || c == '<' || c == '>' || c == '"' || c == '&') {
      out += '%';
      out += kHex[(static_cast<unsigned char>(c) >> 4) & 0xF];
      out += kHex[static_cast<unsigned char>(c) & 0xF];
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: render_page TEMPLATE OUTPUT [@PLACEHOLDER@=FILE ...]\n", stderr);
    return 64;  // EX_USAGE
  }
  std::optional<std::string> page = ReadFile(argv[1]);
  if (!page) {
    std::fprintf(stderr, "render_page: cannot read %s\n", argv[1]);
    return 66;  // EX_NOINPUT
  }
  std::map<std::string, std::string> inline_files;
  for (int n = 3; n < argc; ++n) {
    const std::string argument = argv[n];
    const std::size_t equals = argument.find('=');
    const std::optional<std::string> contents =
        equals == std::string::npos ? std::nullopt : ReadFile(argument.substr(equals + 1));
    const std::string path = equals == std::string::npos ? argument : argument.substr(equals + 1);
    // Inline, a script must not hold the tag that would end it.
    if (!contents || (EndsWith(path, ".js") && contents->find("</script") != std::string::npos)) {
      std::fprintf(stderr, "render_page: cannot put %s inline\n", path.c_str());
      return 65;  // EX_DATAERR
    }
    std::string& value = inline_files[argument.substr(0, equals)];
    if (EndsWith(path, ".css")) {
      value += WithoutComments(*contents);
    } else if (EndsWith(path, ".svg")) {
      value += SvgDataAddress(*contents);
    } else {
      value += *contents + "\n";
    }
  }
  ReplaceAll(*page, "@WINDOW_TITLE@", rt::web::WindowTitle());
  ReplaceAll(*page, "@WINDOW_STYLE@", rt::web::WindowStyle());
  ReplaceAll(*page, "@WINDOW_MEDIA@", rt::web::WindowMedia());
  ReplaceAll(*page, "@WINDOW_MARKUP@", rt::web::WindowMarkup(rt::web::PictureLoading::kAtOnce));
  ReplaceAll(*page, "@WINDOW_MARKUP_PICTURE_LAST@", rt::web::WindowMarkup(rt::web::PictureLoading::kLast));
  for (const auto& [placeholder, value] : inline_files) ReplaceAll(*page, placeholder, value);
  std::ofstream out(argv[2], std::ios::binary);
  out << *page;
  out.close();
  if (!out) {
    std::fprintf(stderr, "render_page: cannot write %s\n", argv[2]);
    return 73;  // EX_CANTCREAT
  }
  return 0;
}
