#pragma once

#include <string>
#include <string_view>

namespace text {

// Converts Windows-1252 bytes to UTF-8. Every byte has a character: the five
// bytes the code page leaves unassigned map to the control characters of the
// same number, so that the conversion back restores them.
std::string Cp1252NachUtf8(std::string_view bytes);

// Converts UTF-8 to Windows-1252. Returns false when the text holds a
// character the code page cannot represent, or invalid UTF-8; then `fehler`
// names the first such character and its position (1-based).
bool Utf8NachCp1252(std::string_view utf8, std::string& bytes, std::string* fehler = nullptr);

// Converts UTF-8 to UTF-16 code units; false for invalid UTF-8.
bool Utf8NachUtf16(std::string_view utf8, std::u16string& aus);

// Tells whether the bytes are well-formed UTF-8.
bool IstUtf8(std::string_view bytes);

// Appends one character (a Unicode code point) in UTF-8.
void Utf8Anhaengen(std::string& aus, char32_t cp);

// Number of characters of a UTF-8 text (invalid bytes count one each).
std::size_t Zeichenzahl(std::string_view utf8);

}  // namespace text
