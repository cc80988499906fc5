/* COSTALD liquid densities, Lee-Kesler reduced vapour pressure and Reid vapour pressure by API 5B1.1. */
#ifndef QIRA_LIQUIDPROPS_H
#define QIRA_LIQUIDPROPS_H

#include "QIRAExport.h"

QIRA_C_BEGIN

QIRA_C_END

#endif /* QIRA_LIQUIDPROPS_H */
