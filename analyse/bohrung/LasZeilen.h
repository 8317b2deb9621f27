#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "Textdatei.h"

// The lines of a LAS file, read from memory or block by block from a file,
// with the size and a checksum of all its bytes. Used by the reader and the
// writer of the well room, which both go through the file once from start
// to end.
namespace bohrung {

// A 64-bit checksum of a byte sequence, the same however the bytes are cut
// into pieces: tells a file changed since it was read (with its size).
class Pruefsumme {
 public:
  void Hinzufuegen(std::string_view bytes);
  std::uint64_t Wert() const;

 private:
  void Wort(std::uint64_t w);

  std::uint64_t h_ = 0x243F6A8885A308D3ull;
  std::uint64_t rest_ = 0;  // bytes of an incomplete word, little end first
  int restBytes_ = 0;
  std::uint64_t laenge_ = 0;
};

// One line of the file: its bytes without the line end, and the line end
// itself (LF, CR LF, a lone CR, or empty for a last line without one).
struct Laszeile {
  std::string_view inhalt;
  std::string_view ende;
  int nummer = 0;  // from 1
};

// Blank as LAS separates values: blank, tab, CR, LF, vertical tab, form feed.
inline bool IstLeerzeichen(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// What a line is, by its first character that is not blank.
enum class Zeilenart { Leer, Kommentar, Abschnitt, Inhalt };

// The kind of a line; for a section line (~) `abschnitt` is the letter
// after the tilde in upper case ('?' when none follows).
Zeilenart Art(std::string_view inhalt, char& abschnitt);

// The line's bytes, without a byte order mark at the start of the file.
std::string_view Inhalt(const Laszeile& z);

class Zeilenquelle {
 public:
  // The bytes of a file held in memory; `name` is the file's name in
  // messages.
  Zeilenquelle(std::string_view bytes, std::string name);
  // A file, read in blocks of 1 MiB (a line longer than that grows the
  // buffer).
  explicit Zeilenquelle(std::string pfad);

  // Opens the file (a file above 256 MB is refused before it is read);
  // false with the reason.
  bool Oeffnen(std::string& fehler);
  // The next line; false at the end or on a read error (then `fehler` is
  // set). The views stay valid until the next call.
  bool Naechste(Laszeile& zeile, std::string& fehler);
  // After the last line: the file's size and checksum.
  std::uintmax_t Groesse() const { return groesse_; }
  std::uint64_t Summe() const { return summe_.Wert(); }
  const std::string& Name() const { return name_; }

 private:
  // Reads more bytes behind those not yet taken; false on an error.
  bool Nachladen(std::string& fehler);

  std::string name_;
  bool ausDatei_ = false;
  text::Blockleser datei_;
  std::string puffer_;      // file: the bytes read and not yet handed out
  std::string_view daten_;  // the bytes at hand (memory: all of them)
  std::size_t pos_ = 0;     // first byte not yet handed out
  bool dateiende_ = false;  // no more bytes than those at hand
  int nummer_ = 0;
  std::uintmax_t groesse_ = 0;
  Pruefsumme summe_;
};

}  // namespace bohrung
