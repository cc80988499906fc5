/* Local curve fitting: Simple_spline, Blend_lstsqr, Blend_Linear and the monotone interpolator Blend_spline. */
#ifndef QIRA_CURVEFIT_H
#define QIRA_CURVEFIT_H

#include "QIRAExport.h"

QIRA_C_BEGIN

QIRA_C_END

#endif /* QIRA_CURVEFIT_H */
