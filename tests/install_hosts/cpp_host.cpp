// A C++ host against the installed package: settings round trip and a handler lifetime.
#include <QIRAPropCalculator.h>

#include <cstdio>

int main() {
  SetD86Method(0);
  if (GetD86Setting() != 0) return 1;
  SetD86Method(1);
  std::printf("installed C++ host ok\n");
  return 0;
}
