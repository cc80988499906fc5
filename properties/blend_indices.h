// Index blending of mixture properties (internal forms).
#pragma once

namespace qira {

// A blending rule: which components count, their index, the sum the index total must
// exceed, and the inverse that turns the total back into the property.
struct IndexRule {
  bool (*counts)(double value);
  double (*index)(double value);
  double threshold;
  double (*inverse)(double index);
};

// Sum of f_i * index(v_i) over the counting components, turned back into the property;
// kMissing when the sum does not exceed the rule's threshold. n >= 0.
double mixByIndex(const IndexRule& rule, const double* fractions, const double* values, int n);

// Freeze point of a blend by the extremes rule; kMissing when no component counts.
double freezePointBlend(const double* fractions, const double* values, int n);

}  // namespace qira
