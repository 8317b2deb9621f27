#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "CliAuswertung.h"
#include "Grafikoptionen.h"

class CKadrelDoc;
struct Datendiagramm;

// Writes the chosen chart of a document, drawn with `optionen`, or the data
// chart `daten` when it is not null, to a picture file; false with the
// reason on failure. The batch program passes one that needs the toolkit.
using GrafikExporter =
    std::function<bool(const CKadrelDoc& doc, const Datendiagramm* daten, const Grafikoptionen& optionen,
                       const std::string& pfad, std::string& fehler)>;

// The batch front end: evaluates an input file like the desktop program's
// "Daten ändern" with OK, and prints the chosen list or a JSON object.
// Returns the exit status: 0 after a run (also when it reported failures),
// 2 for bad options or an input that cannot be read, 3 when a requested
// output file (aus.txt, --speichern, --grafik-datei, --csv) was not written.
int KadrelCliAusfuehren(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler,
                        const GrafikExporter& exporter = {});
// The same with the analyses given in place of CliAuswertungen().
int KadrelCliAusfuehren(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler,
                        const GrafikExporter& exporter, std::vector<std::unique_ptr<CliAuswertung>> auswertungen);
