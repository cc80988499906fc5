/* Distillation curve conversions between D86, D2887 and TBP (API 3A1.1, API 3A3.1, polynomial form) and single points. */
#ifndef QIRA_CONVERSIONS_H
#define QIRA_CONVERSIONS_H

#include "QIRAExport.h"

QIRA_C_BEGIN

QIRA_C_END

#endif /* QIRA_CONVERSIONS_H */
