#pragma once

#include <functional>

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
  // Reads the bytes in place: they must outlive the archive.
  static Archiv ZumLaden(std::string_view bytes) { return Archiv(false, bytes); }
  // A temporary string would be gone before the first read.
  static Archiv ZumLaden(std::string&&) = delete;

  bool IsStoring() const { return speichern_; }
  // The bytes written so far (storing) or to be read (loading).
  std::string_view Bytes() const { return speichern_ ? std::string_view(bytes_) : laden_; }
  const std::string& Fehler() const { return fehler_; }

  // Appends the list; fails when a line cannot be written in Windows-1252.
  bool ListeSchreiben(const Textliste& liste);
  // The same line by line, for lists not held in memory as a whole: the
  // count, then exactly that many lines. On failure the archive holds what
  // it held before ListeBeginnen.
  void ListeBeginnen(std::size_t anzahl);
  bool ZeileSchreiben(const std::string& zeile);
  // Reads a whole list from the bytes; fails on a truncated or malformed file.
  // With `bisLeerzeile` the whole file is still checked, but the list ends
  // after its first blank line.
  bool ListeLesen(Textliste& liste, bool bisLeerzeile = false);
  // Checks the whole file, then hands its line count and each line in turn
  // to the callers, without building the list.
  bool ListeDurchgehen(const std::function<void(std::size_t anzahl)>& anzahl,
                       const std::function<void(std::string&& zeile)>& zeile);

 private:
  Archiv(bool speichern, std::string_view laden) : speichern_(speichern), laden_(laden) {}

  bool speichern_;
  std::string_view laden_;
  std::string bytes_;
  std::string fehler_;
  // Line by line writing: where the list began and how many lines it holds.
  std::size_t listenAnfang_ = 0;
  std::size_t geschrieben_ = 0;
};
