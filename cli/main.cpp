#include <iostream>
#include <string>
#include <vector>

#include "KadrelCli.h"
#ifdef KADREL_MIT_GRAFIK
#include "QtGrafikExporter.h"
#endif

int main(int argc, char** argv) {
  std::vector<std::string> argumente(argv + 1, argv + argc);
  GrafikExporter exporter;
#ifdef KADREL_MIT_GRAFIK
  exporter = QtGrafikExporter();
#endif
  return KadrelCliAusfuehren(argumente, std::cout, std::cerr, exporter);
}
