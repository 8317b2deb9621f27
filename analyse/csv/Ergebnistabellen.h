#pragma once

#include <vector>

#include "CsvSchreiber.h"

class CKadrelDoc;

// The numbers behind the document's lists as plain tables for the CSV
// export: the summary rows of the parameter list (unrounded where the run
// kept the values they were printed from), the regression's
// coefficients with their mean errors, the curve family's parameters and its
// points. Tables without content are left out.
std::vector<csv::Tabelle> Ergebnistabellen(const CKadrelDoc& doc);
