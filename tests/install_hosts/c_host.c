/* A plain-C host against the installed headers and the pkg-config flags. */
#include <QIRAPropCalculator.h>
#include <stdio.h>

int main(void) {
  if (GetD86Setting() != 1) return 1;
  printf("installed C host ok\n");
  return 0;
}
