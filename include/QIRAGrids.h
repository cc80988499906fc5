/* Curve sizes, yield grids and end-point clamps of each distillation standard. */
#ifndef QIRA_GRIDS_H
#define QIRA_GRIDS_H

#include "QIRAExport.h"

QIRA_C_BEGIN

QIRA_C_END

#endif /* QIRA_GRIDS_H */
