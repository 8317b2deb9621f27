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

  // The study block: the settings of a study (conditions, model choice, the
  // well) as lines "Schlüssel=Wert", stored after the input lines as a
  // second list that begins with kStudienkennung. A reader of the input
  // lines alone never reaches it. Its lines are stored as 16-bit characters,
  // so any text (a file path) is kept. Nothing is written for an empty block,
  // so a document without one keeps its bytes.
  static constexpr const char* kStudienkennung = "KADREL-STUDIE 1";
  bool StudieSchreiben(const Textliste& studie);
  // Reads the block after the list ListeLesen or ListeDurchgehen read last;
  // empty when there is none. Bytes after the list that are no study block
  // are ignored, as they always were.
  Textliste StudieLesen() const;

 private:
  Archiv(bool speichern, std::string_view laden) : speichern_(speichern), laden_(laden) {}

  bool speichern_;
  std::string_view laden_;
  std::string bytes_;
  std::string fehler_;
  // Line by line writing: where the list began and how many lines it holds.
  std::size_t listenAnfang_ = 0;
  std::size_t geschrieben_ = 0;
  // Loading: where the list read last ended.
  std::size_t listenEnde_ = 0;
};
