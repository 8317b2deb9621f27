#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FakePlattform.h"
#include "KadrelDoc.h"

// A document on a scripted user, with helpers to run the reader on lines.
class DokumentFixture : public ::testing::Test {
 protected:
  DokumentFixture() : doc(plattform) { doc.OnNewDocument(); }

  // Prepares a read from the first line, as the run does.
  void Zeilen(std::vector<std::string> zeilen) {
    doc.Eingabezeilen = std::move(zeilen);
    doc.iMaxZeilen = static_cast<int>(doc.Eingabezeilen.size());
    doc.iStart = 0;
  }

  // Runs "Daten ändern" with OK on the given lines and options.
  void Auswerten(std::vector<std::string> zeilen, int iTabelle = 0) {
    plattform.dialog = [&](EingabeDaten& d) {
      d.Eingabezeilen = zeilen;
      d.iTabelle = iTabelle;
      d.bNeuRechnen = 1;
      return true;
    };
    doc.OnDatenAendern();
  }

  FakePlattform plattform;
  CKadrelDoc doc;
};
