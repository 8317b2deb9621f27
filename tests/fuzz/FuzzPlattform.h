#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "EingabeDaten.h"
#include "Plattform.h"

// A user for the fuzz targets: answers questions from a list of bits taken
// from the input (Yes when it runs dry) and records the messages.
class FuzzPlattform : public Plattform {
 public:
  void Meldung(const std::string& text) override { meldungen.push_back(text); }
  bool Frage(const std::string& text) override {
    fragen.push_back(text);
    if (antworten.empty()) return true;
    const bool ja = antworten.back();
    antworten.pop_back();
    return ja;
  }
  void WarteCursor(bool) override {}
  void AnsichtenAktualisieren() override {}
  bool DatenDialog(EingabeDaten&) override { return false; }

  // Takes up to 64 answers from the bits of the first bytes.
  void AntwortenAus(const std::uint8_t* daten, std::size_t laenge, std::size_t bytes) {
    for (std::size_t i = 0; i < bytes && i < laenge; ++i) {
      for (int b = 0; b < 8; ++b) antworten.push_back(((daten[i] >> b) & 1) != 0);
    }
  }

  std::vector<std::string> meldungen;
  std::vector<std::string> fragen;
  std::vector<bool> antworten;
};

// Stops the fuzzer with a finding when a property does not hold.
#define FUZZ_PRUEFEN(bedingung)                                                              \
  do {                                                                                       \
    if (!(bedingung)) {                                                                      \
      std::fprintf(stderr, "property failed: %s (%s:%d)\n", #bedingung, __FILE__, __LINE__); \
      __builtin_trap();                                                                      \
    }                                                                                        \
  } while (0)
