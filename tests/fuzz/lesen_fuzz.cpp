// The reader and a whole run on arbitrary lines: no crash, no undefined
// behaviour, and the run's own bounds hold.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzPlattform.h"
#include "KadrelDoc.h"
#include "Textdatei.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  if (laenge < 1) return 0;
  // The first byte picks the options, the rest are the file's bytes.
  const std::uint8_t optionen = daten[0];
  const std::string_view bytes(reinterpret_cast<const char*>(daten + 1), laenge - 1);
  FuzzPlattform plattform;
  CKadrelDoc doc(plattform);
  doc.OnNewDocument();
  doc.Eingabezeilen = text::ZeilenAusBytes(bytes, (optionen & 0x40) != 0);
  doc.iTabelle = optionen % 3;
  doc.bTestwerte = (optionen >> 2) & 1;
  doc.bPolynom3 = (optionen >> 3) & 1;
  doc.iGrafik = (optionen >> 4) % 5;
  if ((optionen & 0x80) != 0 && !doc.Eingabezeilen.empty()) {
    // A single measurement: the permeability of the first header, if any.
    doc.bEinzelmessung = 1;
    doc.PermAuswahl = 1.0f;
  }
  doc.Berechnung();
  FUZZ_PRUEFEN(doc.Maxwerte >= 0 && doc.Maxwerte <= 100);
  FUZZ_PRUEFEN(doc.iStart >= 0);
  FUZZ_PRUEFEN(doc.Parameterliste.size() >= 3 || doc.bTestwerte == 1 || doc.iTabelle > 0);
  return 0;
}
