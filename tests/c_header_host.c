/* A plain-C host: the umbrella header compiles as C, and the shared library's
 * undecorated exports link and run. */
#include <stdio.h>

#include "QIRAPropCalculator.h"

int main(void) {
  int method = GetD86Setting();
  SetD86Method(0);
  int changed = GetD86Setting();
  SetD86Method(method);
  if (method != 1 || changed != 0) {
    printf("unexpected D86 method %d / %d\n", method, changed);
    return 1;
  }
  printf("c host ok\n");
  return 0;
}
