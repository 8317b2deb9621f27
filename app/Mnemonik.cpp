#include "Mnemonik.h"

#include <cctype>

namespace mnemonik {

namespace {

bool AsciiBuchstabeOderZiffer(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

std::size_t Zeichenlaenge(unsigned char c) {
  if (c >= 0xF0) return 4;
  if (c >= 0xE0) return 3;
  if (c >= 0xC0) return 2;
  return 1;
}

// Lower case of one UTF-8 character: ASCII and the German capitals.
std::string Klein(std::string_view zeichen) {
  if (zeichen.size() == 1)
    return std::string(1, static_cast<char>(std::tolower(static_cast<unsigned char>(zeichen[0]))));
  if (zeichen == "Ä") return "ä";
  if (zeichen == "Ö") return "ö";
  if (zeichen == "Ü") return "ü";
  return std::string(zeichen);
}

}  // namespace

std::string Zeichen(std::string_view text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;  // an ampersand itself
      continue;
    }
    const std::size_t n = Zeichenlaenge(static_cast<unsigned char>(text[i + 1]));
    return Klein(text.substr(i + 1, n));
  }
  return "";
}

std::string Ergaenzen(std::string_view text, const std::set<std::string>& vergeben) {
  if (!Zeichen(text).empty()) return std::string(text);
  const auto frei = [&](std::size_t i) {
    return AsciiBuchstabeOderZiffer(text[i]) && vergeben.count(Klein(text.substr(i, 1))) == 0;
  };
  std::size_t stelle = std::string_view::npos;
  // First a word's initial, then any letter or digit.
  for (std::size_t i = 0; i < text.size() && stelle == std::string_view::npos; ++i) {
    const bool wortanfang = i == 0 || text[i - 1] == ' ' || text[i - 1] == '-';
    if (wortanfang && frei(i)) stelle = i;
  }
  for (std::size_t i = 0; i < text.size() && stelle == std::string_view::npos; ++i) {
    if (frei(i)) stelle = i;
  }
  if (stelle == std::string_view::npos) return std::string(text);
  std::string aus(text.substr(0, stelle));
  aus += '&';
  aus += text.substr(stelle);
  return aus;
}

}  // namespace mnemonik
