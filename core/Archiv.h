#pragma once

#include <string>
#include <string_view>

#include "Textliste.h"

// The bytes of a document file on their way to or from the document, with
// the reason of a failure. The file holds a list of strings: a count
// (2 bytes, or 0xFFFF and 4 bytes) and each string with its length prefix
// (1 byte; 0xFF and 2 bytes; or 0xFF, 0xFFFF and 4 bytes), little-endian,
// characters in Windows-1252.
class Archiv {
 public:
  static Archiv ZumSpeichern() { return Archiv(true, {}); }
  static Archiv ZumLaden(std::string_view bytes) { return Archiv(false, std::string(bytes)); }

  bool IsStoring() const { return speichern_; }
  const std::string& Bytes() const { return bytes_; }
  const std::string& Fehler() const { return fehler_; }

  // Appends the list; fails when a line cannot be written in Windows-1252.
  bool ListeSchreiben(const Textliste& liste);
  // Reads a whole list from the bytes; fails on a truncated or malformed file.
  bool ListeLesen(Textliste& liste);

 private:
  Archiv(bool speichern, std::string bytes) : speichern_(speichern), bytes_(std::move(bytes)) {}

  bool speichern_;
  std::string bytes_;
  std::string fehler_;
};
