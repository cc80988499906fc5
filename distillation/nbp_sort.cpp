// Boiling-point sorting with the caller's positions, in the exact exchange order that
// the component-list callers rely on for ties.
#include <utility>

#include "QIRACutting.h"
#include "distillation/curve_tools.h"
#include "frame/boundary.h"

namespace qira {

void sortNbp(double* values, int* indices, int n) {
  for (int i = 0; i < n; ++i) indices[i] = i;
  for (int i = 0; i < n - 1; ++i)
    for (int j = i + 1; j < n; ++j)
      if (values[i] > values[j]) {
        std::swap(values[i], values[j]);
        std::swap(indices[i], indices[j]);
      }
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API bool Blend_SortNBP(double* values, int* indices, int n) {
  if (n <= 0) return true;
  if (!values || !indices) return false;
  return qira::guarded(false, [&] {
    qira::sortNbp(values, indices, n);
    return true;
  });
}

QIRA_C_END
