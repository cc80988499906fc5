/* Probability scale, cutting a TBP curve into pseudo-components, boiling-point sorting and reading TBP temperatures at yields. */
#ifndef QIRA_CUTTING_H
#define QIRA_CUTTING_H

#include "QIRAExport.h"

QIRA_C_BEGIN

QIRA_C_END

#endif /* QIRA_CUTTING_H */
