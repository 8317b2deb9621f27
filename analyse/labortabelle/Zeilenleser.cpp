#include "Zeilenleser.h"

#include "Cp1252.h"

namespace labor {

namespace {

constexpr char32_t kErsatz = 0xFFFD;

std::string Utf16NachUtf8(std::string_view b, bool grossEndian) {
  const auto einheit = [b, grossEndian](std::size_t i) -> char32_t {
    const auto hoch = static_cast<unsigned char>(b[grossEndian ? i : i + 1]);
    const auto tief = static_cast<unsigned char>(b[grossEndian ? i + 1 : i]);
    return static_cast<char32_t>(hoch << 8 | tief);
  };
  std::string aus;
  aus.reserve(b.size() / 2);
  std::size_t i = 0;
  for (; i + 1 < b.size(); i += 2) {
    char32_t cp = einheit(i);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < b.size()) {
      const char32_t tief = einheit(i + 2);
      if (tief >= 0xDC00 && tief <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (tief - 0xDC00);
        i += 2;
      }
    }
    if (cp >= 0xD800 && cp <= 0xDFFF) cp = kErsatz;
    text::Utf8Anhaengen(aus, cp);
  }
  if (i < b.size()) text::Utf8Anhaengen(aus, kErsatz);
  return aus;
}

bool NurAscii(std::string_view bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

std::string TextAusBytes(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) return Utf16NachUtf8(bytes.substr(2), false);
  if (bytes.starts_with("\xFE\xFF")) return Utf16NachUtf8(bytes.substr(2), true);
  if (!NurAscii(bytes) && text::IstUtf8(bytes)) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    return std::string(bytes);
  }
  return text::Cp1252NachUtf8(bytes);
}

Zeilenleser::Zeilenleser(std::string_view text)
    : text_(text), ende_(text.find('\n') == std::string_view::npos ? '\r' : '\n') {}

void Zeilenleser::Setzen(std::size_t pos, int nummer) {
  pos_ = pos;
  nummer_ = nummer - 1;
}

bool Zeilenleser::Naechste(std::string_view& zeile) {
  if (pos_ >= text_.size()) return false;
  std::size_t ende = text_.find(ende_, pos_);
  const std::size_t naechste = ende == std::string_view::npos ? text_.size() : ende + 1;
  if (ende == std::string_view::npos) ende = text_.size();
  zeile = text_.substr(pos_, ende - pos_);
  if (ende_ == '\n' && !zeile.empty() && zeile.back() == '\r' && ende < text_.size()) zeile.remove_suffix(1);
  const std::size_t nul = zeile.find('\0');
  if (nul != std::string_view::npos) zeile = zeile.substr(0, nul);
  pos_ = naechste;
  ++nummer_;
  return true;
}

}  // namespace labor
