#pragma once

#include <set>
#include <string>
#include <string_view>

// The mnemonics of menu and button texts ("&Datei": Alt+D). Texts are UTF-8;
// "&&" stands for an ampersand itself.
namespace mnemonik {

// The character after the text's single '&', in lower case (as UTF-8), or
// "" when the text has none.
std::string Zeichen(std::string_view text);

// Returns `text` with a mnemonic that is not among `vergeben` (characters as
// Zeichen gives them): unchanged when it has one already; otherwise '&' goes
// before the first free letter or digit (A-Z, 0-9) that begins a word, else
// before the first free one anywhere. Unchanged when none is free.
std::string Ergaenzen(std::string_view text, const std::set<std::string>& vergeben);

}  // namespace mnemonik
