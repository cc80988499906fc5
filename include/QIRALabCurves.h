/* Laboratory-curve cutting, NBP range fractions, yield cuts, mid-cut boiling points and extrapolation correction. */
#ifndef QIRA_LABCURVES_H
#define QIRA_LABCURVES_H

#include "QIRAExport.h"

QIRA_C_BEGIN

QIRA_C_END

#endif /* QIRA_LABCURVES_H */
