// The dialog's import with scripted answers: every line it takes is a header
// in the reader's form (whose porosity and closure pressure the line check
// takes), an end line or a value line, and it stops at most once.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "DateiImport.h"
#include "FuzzPlattform.h"
#include "Kopfzusatz.h"
#include "TextScan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  if (laenge < 2) return 0;
  FuzzPlattform plattform;
  plattform.AntwortenAus(daten, laenge, 2);
  const std::string_view bytes(reinterpret_cast<const char*>(daten + 2), laenge - 2);
  Textliste genommen;
  int bNeuRechnen = 0;
  ZeilenImportieren(
      TextdateiZerlegen(bytes), plattform, [&genommen](const std::string& z) { genommen.push_back(z); }, bNeuRechnen);
  int werte = 0;
  for (const auto& z : genommen) {
    float p = 0.0f;
    float s = 0.0f;
    if (z == "ENDE") continue;
    if (z.rfind("PERMEABILITAET: ", 0) == 0) {
      std::string wort;
      float perm = 0.0f;
      FUZZ_PRUEFEN(text::Scan(z, "%s %f", &wort, &perm) == 2 && perm > 0.0f);
      FUZZ_PRUEFEN(kopfzeile::Lesen(z).Fehler.empty());
      continue;
    }
    bool ausserhalb = false;
    FUZZ_PRUEFEN(text::ScanGeprueft(z, "%f %f", ausserhalb, &p, &s) == 2 && !ausserhalb);
    FUZZ_PRUEFEN(p >= 0.0f && s >= 0.0f && s <= 1.0f);
    ++werte;
  }
  FUZZ_PRUEFEN((werte > 0) == (bNeuRechnen == 1));
  return 0;
}
