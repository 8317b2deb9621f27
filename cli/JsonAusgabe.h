#pragma once

#include <string>
#include <vector>

#include "CliPlattform.h"
#include "Thomeer.h"

class CKadrelDoc;

// The document's results as one JSON object (UTF-8): the messages of the
// run in order, the three lists, the texts, the numbers and the arrays.
// Floats are written in their shortest form that reads back to the same
// float; non-finite values become null. With `thomeer`, the key "Thomeer"
// holds one object per fitted measurement.
std::string JsonAusgabe(const CKadrelDoc& doc, const std::vector<CliPlattform::Nachricht>& nachrichten,
                        const std::vector<ThomeerErgebnis>* thomeer = nullptr);
