#pragma once

#include <string>
#include <vector>

#include "CliPlattform.h"

class CKadrelDoc;

// The document's results as one JSON object (UTF-8): the messages of the
// run in order, the three lists, the texts, the numbers and the arrays.
// Floats are written in their shortest form that reads back to the same
// float; non-finite values become null.
std::string JsonAusgabe(const CKadrelDoc& doc, const std::vector<CliPlattform::Nachricht>& nachrichten);
