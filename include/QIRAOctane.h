/* Octane blending and octane estimates. */
#ifndef QIRA_OCTANE_H
#define QIRA_OCTANE_H

#include "QIRAExport.h"

QIRA_C_BEGIN

QIRA_C_END

#endif /* QIRA_OCTANE_H */
