/* Integer-handle interface to ViscHandler objects: create, fill, characterize, read, delete. */
#ifndef QIRA_VISCHANDLES_H
#define QIRA_VISCHANDLES_H

#include "QIRAExport.h"

QIRA_C_BEGIN

QIRA_C_END

#endif /* QIRA_VISCHANDLES_H */
