#include "CliAuswertung.h"
#include "KurvenCli.h"
#include "LagerstaettenCli.h"
#include "ThomeerCli.h"

std::vector<std::unique_ptr<CliAuswertung>> CliAuswertungen() {
  std::vector<std::unique_ptr<CliAuswertung>> a;
  a.push_back(std::make_unique<ThomeerCli>());
  a.push_back(std::make_unique<LagerstaettenCli>());
  a.push_back(std::make_unique<KurvenCli>());
  return a;
}
