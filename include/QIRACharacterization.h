/* Molecular weight, gravity and Watson K correlations and the Whitson gamma-distribution split of a plus fraction. */
#ifndef QIRA_CHARACTERIZATION_H
#define QIRA_CHARACTERIZATION_H

#include "QIRAExport.h"

QIRA_C_BEGIN

QIRA_C_END

#endif /* QIRA_CHARACTERIZATION_H */
