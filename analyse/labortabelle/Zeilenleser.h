#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace labor {

// The bytes of a table file as UTF-8 text. With a UTF-16 byte order mark
// (little or big endian, as spreadsheets save "Unicode text") the bytes are
// UTF-16: a code unit without its surrogate partner, and an odd last byte,
// become U+FFFD, as the document loader decodes its 16-bit strings. Any other
// file is decoded as the text import decodes it: well-formed UTF-8 that holds
// a byte above 127 as UTF-8 (a leading byte order mark dropped), the rest as
// Windows-1252. Characters Windows-1252 cannot hold are kept, as the import
// keeps them; saving the document refuses them by name.
std::string TextAusBytes(std::string_view bytes);

// Walks the lines of such a text as the text import splits a file
// (TextdateiZerlegen): a line ends at a line feed, a carriage return before
// it is dropped; a text without any line feed ends its lines at a carriage
// return; a line ends at a NUL character.
class Zeilenleser {
 public:
  // `text` is the whole text: its line ends are told from all of it.
  explicit Zeilenleser(std::string_view text);

  // Continues at byte `pos`, the start of line `nummer`.
  void Setzen(std::size_t pos, int nummer);
  // The next line; false at the end of the text.
  bool Naechste(std::string_view& zeile);
  // The number (from 1) of the line Naechste gave last.
  int Nummer() const { return nummer_; }
  // Where the line after it begins.
  std::size_t Position() const { return pos_; }

 private:
  std::string_view text_;
  char ende_;
  std::size_t pos_ = 0;
  int nummer_ = 0;
};

}  // namespace labor
