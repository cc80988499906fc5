/* Numerical services: Newton-Raphson solver, linear and cubic solvers, normal distribution. */
#ifndef QIRA_SOLVERS_H
#define QIRA_SOLVERS_H

#include "QIRAExport.h"

QIRA_C_BEGIN

QIRA_C_END

#endif /* QIRA_SOLVERS_H */
