#include <stdio.h>
#include "QIRAPropCalculator.h"

int main(void) {
  const double sg = QiraRel_SgFromApi(35.0), tb = 450.0; /* a 35 API kerosene cut */
  printf("SG %.4f  API back %.2f\n", sg, QiraRel_ApiFromSg(sg));
  printf("Watson K %.3f  MW %.2f kg/kmol\n", QiraRel_WatsonK(tb, sg),
         QiraRel_MwRiaziDaubert1980(tb, sg));
  /* 20 cSt at 40 C and 4 cSt at 100 C: the Walther line read at 60 C */
  const double x40 = QiraRel_WaltherAbscissa(313.15), x100 = QiraRel_WaltherAbscissa(373.15);
  const double y40 = QiraRel_WaltherOrdinate(20.0), y100 = QiraRel_WaltherOrdinate(4.0);
  const double y60 = y40 + (y100 - y40) * (QiraRel_WaltherAbscissa(333.15) - x40) / (x100 - x40);
  printf("viscosity at 60 C %.3f cSt\n", QiraRel_WaltherViscosity(y60));
  printf("bad input %.1f\n", QiraRel_ApiFromSg(0.0));
  return 0;
}
