/* Cetane indices and viscosity estimates of petroleum fractions. */
#ifndef QIRA_CETANE_H
#define QIRA_CETANE_H

#include "QIRAExport.h"

QIRA_C_BEGIN

QIRA_C_END

#endif /* QIRA_CETANE_H */
