#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "KadrelCli.h"

// What one call of kadrel-cli gave: its status and what it wrote.
struct Ergebnis {
  int status;
  std::string aus;
  std::string fehler;
};

inline Ergebnis Aufruf(const std::vector<std::string>& argumente, const GrafikExporter& exporter = {}) {
  std::ostringstream aus, fehler;
  const int status = KadrelCliAusfuehren(argumente, aus, fehler, exporter);
  return {status, aus.str(), fehler.str()};
}
