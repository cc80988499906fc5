/* Blending indices of flash, pour, cloud, freeze, aniline and smoke points, vapour pressure and viscosity. */
#ifndef QIRA_INDICES_H
#define QIRA_INDICES_H

#include "QIRAExport.h"

QIRA_C_BEGIN

QIRA_C_END

#endif /* QIRA_INDICES_H */
