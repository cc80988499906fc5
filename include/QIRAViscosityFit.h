/* Fit of a component's two viscosity thetas of the crude-oil viscosity correlation. */
#ifndef QIRA_VISCOSITYFIT_H
#define QIRA_VISCOSITYFIT_H

#include "QIRAExport.h"

QIRA_C_BEGIN

QIRA_C_END

#endif /* QIRA_VISCOSITYFIT_H */
