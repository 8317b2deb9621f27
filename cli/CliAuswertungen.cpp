#include "BohrungCli.h"
#include "CliAuswertung.h"
#include "CliGrundlage.h"
#include "KurvenCli.h"
#include "LagerstaettenCli.h"
#include "PetrophysikCli.h"
#include "ThomeerCli.h"

std::vector<std::unique_ptr<CliAuswertung>> CliAuswertungen() {
  // The conditions, the corrected curves and the Thomeer fit are shared.
  const auto grundlage = std::make_shared<CliGrundlage>();
  std::vector<std::unique_ptr<CliAuswertung>> a;
  a.push_back(std::make_unique<ThomeerCli>(grundlage));
  a.push_back(std::make_unique<LagerstaettenCli>(grundlage));
  a.push_back(std::make_unique<PetrophysikCli>(grundlage));
  a.push_back(std::make_unique<BohrungCli>(grundlage));
  a.push_back(std::make_unique<KurvenCli>());
  return a;
}
