/* Closed-form property estimates of petroleum fractions. */
#ifndef QIRA_ESTIMATES_H
#define QIRA_ESTIMATES_H

#include "QIRAExport.h"

QIRA_C_BEGIN

QIRA_C_END

#endif /* QIRA_ESTIMATES_H */
