#include "messages/quoted_text.h"

namespace rt {

std::string QuotedText(std::string_view text, std::size_t mostCharacters) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0U) == 0x80U) continue;  // inside a character
    if (++characters > mostCharacters) return "„" + std::string(text.substr(0, i)) + "…“";
  }
  return "„" + std::string(text) + "“";
}

}  // namespace rt
