#pragma once

#include <string>
#include <vector>

// An ordered, growable list of text lines (UTF-8 inside the program,
// Windows-1252 in files).
using Textliste = std::vector<std::string>;
