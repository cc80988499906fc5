// Example host: loads the library as a simulator would and runs typical requests.
#include <cstdio>

#include "QIRAPropCalculator.h"

int main() {
  std::printf("QIRAPropCalculator example host\n");
  std::printf("D86 method setting: %d\n", GetD86Setting());
  return 0;
}
