/* Blended TBP, D86, D2887 and D1160 curves of a set of components, and the D1160 conversions. */
#ifndef QIRA_BLENDS_H
#define QIRA_BLENDS_H

#include "QIRAExport.h"

QIRA_C_BEGIN

QIRA_C_END

#endif /* QIRA_BLENDS_H */
