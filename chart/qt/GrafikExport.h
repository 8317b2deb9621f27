#pragma once

#include <string>

#include "Grafikoptionen.h"

class CKadrelDoc;
struct Datendiagramm;

// Writes the chart chosen by the document's iGrafik/iTabelle to `pfad` as
// PNG (300 dpi), SVG or PDF, by the file's ending, as it prints on an A4
// page taller than wide, drawn by the same code as the screen. The file is
// replaced only when written completely. On failure returns false with the
// reason in `fehler`. Needs a QGuiApplication.
bool GrafikExportieren(const CKadrelDoc& doc, const std::string& pfad, std::string& fehler);
// As above, but draws `daten` instead when it is not null.
bool GrafikExportieren(const CKadrelDoc& doc, const Datendiagramm* daten, const std::string& pfad, std::string& fehler);
// As above, the document's chart drawn with `optionen`.
bool GrafikExportieren(const CKadrelDoc& doc, const Datendiagramm* daten, const Grafikoptionen& optionen,
                       const std::string& pfad, std::string& fehler);
