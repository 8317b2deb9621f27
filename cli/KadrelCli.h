#pragma once

#include <ostream>
#include <string>
#include <vector>

// The batch front end: evaluates an input file like the desktop program's
// "Daten ändern" with OK, and prints the chosen list or a JSON object.
// Returns the exit status: 0 after a run (also when it reported failures),
// 2 for bad options or an input that cannot be read.
int KadrelCliAusfuehren(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler);
