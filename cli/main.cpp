#include <iostream>
#include <string>
#include <vector>

#include "KadrelCli.h"

int main(int argc, char** argv) {
  std::vector<std::string> argumente(argv + 1, argv + argc);
  return KadrelCliAusfuehren(argumente, std::cout, std::cerr);
}
