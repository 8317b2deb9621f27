#pragma once

#include <string>
#include <string_view>

#include "Textliste.h"

namespace text {

// Splits Windows-1252 file bytes into UTF-8 lines: LF or CRLF ends a line,
// and a last line without line end counts too.
Textliste ZeilenAusBytes(std::string_view bytes);

// Reads a whole file; returns false with the reason when it cannot.
bool DateiLesen(const std::string& pfad, std::string& bytes, std::string& fehler);

// Writes a whole file through a temporary file beside it and a rename, so
// that the old file stays intact when writing fails; false with the reason.
bool DateiSchreiben(const std::string& pfad, std::string_view bytes, std::string& fehler);

}  // namespace text
