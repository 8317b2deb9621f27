#pragma once

#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "CliPlattform.h"

class CKadrelDoc;

// The document's results as one JSON object (UTF-8): the messages of the
// run in order, the three lists, the texts, the numbers and the arrays.
// Floats are written in their shortest form that reads back to the same
// float; non-finite values become null. The keys of `zusatz` (the
// analyses' results) follow those of the document.
std::string JsonAusgabe(const CKadrelDoc& doc, const std::vector<CliPlattform::Nachricht>& nachrichten,
                        const nlohmann::ordered_json* zusatz = nullptr);

// A float as the shortest decimal that reads back to the same float; null
// when it is not finite.
nlohmann::ordered_json FloatWert(float f);
// A double; null when it is not finite.
nlohmann::ordered_json DoubleWert(double d);
