#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "Textliste.h"

namespace text {

// The largest file the program reads as input lines, document or import.
inline constexpr std::size_t kMaxDateiGroesse = std::size_t{256} << 20;

// Splits Windows-1252 file bytes into UTF-8 lines: LF or CRLF ends a line,
// and a last line without line end counts too. Bytes without any LF take a
// lone CR as line end instead. With `bisLeerzeile` the list ends after the
// first blank line (only blanks in the sense of IstLeer), which stops every
// run anyway.
Textliste ZeilenAusBytes(std::string_view bytes, bool bisLeerzeile = false);

// Goes through the lines of file bytes one at a time, as ZeilenAusBytes
// splits them, for files whose lines are not held in memory as a whole.
class Zeilenleser {
 public:
  explicit Zeilenleser(std::string_view bytes);
  // The next line's raw bytes (without its line end); false after the last.
  bool Naechste(std::string_view& roh);
  // The next line in UTF-8; false after the last.
  bool Naechste(std::string& zeile);

 private:
  std::string_view bytes_;
  char ende_;
  std::size_t pos_ = 0;
};

// Reads a whole file of at most kMaxDateiGroesse bytes; returns false with
// the reason (naming the file) when it cannot. Never throws.
bool DateiLesen(const std::string& pfad, std::string& bytes, std::string& fehler);

// Reads the first `hoechstens` bytes of a file (all of a shorter one) and
// leaves the rest unread; false with the reason when it cannot.
bool DateiAnfangLesen(const std::string& pfad, std::size_t hoechstens, std::string& bytes, std::string& fehler);

// Reads a file block by block, for readers that do not hold it whole. A
// regular file larger than kMaxDateiGroesse is refused before anything is
// read, anything else (a pipe, a device) once it grows beyond that bound;
// the messages are those of DateiLesen. Never throws.
class Blockleser {
 public:
  Blockleser() = default;
  Blockleser(const Blockleser&) = delete;
  Blockleser& operator=(const Blockleser&) = delete;
  ~Blockleser();

  // Opens the file; false with the reason.
  bool Oeffnen(const std::string& pfad, std::string& fehler);
  // Reads up to `n` bytes into `ziel`; `gelesen` is 0 at the end of the
  // file. False with the reason.
  bool Lesen(char* ziel, std::size_t n, std::size_t& gelesen, std::string& fehler);
  // The bytes read so far.
  std::uintmax_t Gelesen() const { return summe_; }

 private:
  int fd_ = -1;
  std::string pfad_;
  std::uintmax_t summe_ = 0;
};

// Hands the bytes of a file to `schreiben` piece by piece, which returns
// false once writing failed. Returns false, with the reason in `fehler`, to
// abandon the file.
using Schreibfunktion = std::function<bool(std::string_view)>;
using Dateierzeuger = std::function<bool(const Schreibfunktion& schreiben, std::string& fehler)>;

// Saves a whole file as a careful editor does: a symbolic link is followed
// to its final target (the link stays), a target that is no regular file or
// that the user may not write (no write permission bit counts even for
// root) is refused, the bytes go to a new temporary file beside the target,
// are flushed to disk, take the target's permission bits and replace it by
// a rename. On failure the old file is unchanged, no temporary file is left
// and `fehler` holds the reason.
bool DateiSchreiben(const std::string& pfad, std::string_view bytes, std::string& fehler);

// DateiSchreiben for a file too large to be held in memory: `erzeugen`
// gives its bytes piece by piece. When it gives up, the old file stays as
// it was, no temporary file is left and `fehler` holds its reason.
bool DateiSchreibenStueckweise(const std::string& pfad, const Dateierzeuger& erzeugen, std::string& fehler);

}  // namespace text
