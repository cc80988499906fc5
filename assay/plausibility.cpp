// Plausibility of an assay: laboratory readings a curve of its standard cannot hold and
// cut boundaries that miss the curve are refused; a Watson K, curve ends and boundaries
// that are possible but unusual are noted in the cut table.
#include <algorithm>

#include "assay/assay_internal.h"

namespace qira {
namespace assay {
namespace {

// ASTM D86 distils at atmospheric pressure; its scope covers products with final boiling
// points up to about 400 C, above which fractions crack in the flask. A reading above it
// is a curve in other units (degrees F labelled C, kelvin labelled C) or of another method.
constexpr double kD86Highest = 673.15;
// ASTM D2887 applies to petroleum fractions with final boiling points of 538 C (1000 F)
// or lower (its scope).
constexpr double kD2887Highest = 811.15;
// A laboratory curve covers at least this part of the stream; yields spanning less are
// fractions read as percent (or percent divided twice).
constexpr double kShortestSpan = 0.1;
// Watson K of petroleum lies between about 10 (highly aromatic) and 13 (paraffinic):
// K. M. Watson, E. F. Nelson, Ind. Eng. Chem. 25 (1933) 880.
constexpr double kWatsonKLow = 10.0;
constexpr double kWatsonKHigh = 13.0;
// A laboratory curve that starts or ends further than this (in yield) from its standard's
// grid leaves the TBP curve extrapolated over that stretch.
constexpr double kExtrapolatedYield = 0.05;
// Boundaries further than this beyond the TBP curve are noted.
constexpr double kBeyondCurve = 0.5;  // K

const char* standardName(int standard) {
  static const char* const names[] = {"D86", "D2887", "D1160", "TBP"};
  return names[standard];
}

// The first yield the standard's reader reads the laboratory curve at.
double firstGridYield(int standard) {
  switch (standard) {
    case QIRA_ASSAY_D86:
    case QIRA_ASSAY_D1160:
      return 0.01;
    case QIRA_ASSAY_D2887:
      return 0.05;
    default:
      return 0.0;
  }
}

}  // namespace

void refuseImplausibleCurve(int standard, const Curve& lab) {
  const double highest = lab.temps.back();
  const double limit = standard == QIRA_ASSAY_D86     ? kD86Highest
                       : standard == QIRA_ASSAY_D2887 ? kD2887Highest
                                                      : 0.0;
  if (limit > 0.0 && highest > limit)
    fail(QIRA_ASSAY_IMPLAUSIBLE,
         "temperatures: the %s reading %.10g K (%.6g C) lies above %.10g K (%.6g C), the "
         "highest the method reaches; is the curve in degrees F or kelvin labelled C, or "
         "of another method?",
         standardName(standard), highest, highest - kCelsiusZero, limit, limit - kCelsiusZero);
  const double span = lab.yields.back() - lab.yields.front();
  if (span < kShortestSpan)
    fail(QIRA_ASSAY_IMPLAUSIBLE,
         "yields: the curve spans %.6g to %.6g of the stream, less than the %.6g a "
         "laboratory curve covers; are fractions given where percent was declared?",
         lab.yields.front(), lab.yields.back(), kShortestSpan);
}

void refuseBoundariesOutsideCurve(const Stream& s, const Boundaries& b) {
  const double first = s.tbp.temps.front(), last = s.tbp.temps.back();
  const double tol = 1e-9 * last;
  const bool inside = std::any_of(b.bounds.begin(), b.bounds.end(), [&](double t) {
    return first - tol <= t && t <= last + tol;
  });
  if (!inside)
    fail(QIRA_ASSAY_IMPLAUSIBLE,
         "boundaries: %.10g to %.10g K leave no boundary within the TBP curve's range "
         "%.10g to %.10g K (the whole stream would fall in one cut); are they in degrees C "
         "or of another stream?",
         b.bounds.front(), b.bounds.back(), first, last);
}

void noteUnusualTable(const Stream& s, const Boundaries& b, CutTable& t) {
  if (t.watsonK < kWatsonKLow || t.watsonK > kWatsonKHigh)
    t.notes.push_back(format("Watson K %.3f lies outside the %g to %g of petroleum "
                             "fractions; check the gravity and the curve's units",
                             t.watsonK, kWatsonKLow, kWatsonKHigh));
  if (!s.isMixture) {
    const double lo = s.laboratory.yields.front(), hi = s.laboratory.yields.back();
    if (lo > firstGridYield(s.standard) + kExtrapolatedYield)
      t.notes.push_back(format("the curve starts at %.4g of the stream: the TBP curve is "
                               "extrapolated below it", lo));
    if (hi < 1.0 - kExtrapolatedYield)
      t.notes.push_back(format("the curve ends at %.4g of the stream: the TBP curve is "
                               "extrapolated above it", hi));
  }
  const double first = s.tbp.temps.front(), last = s.tbp.temps.back();
  if (b.bounds.front() < first - kBeyondCurve || b.bounds.back() > last + kBeyondCurve)
    t.notes.push_back(format("boundaries %.10g to %.10g K reach beyond the TBP curve's "
                             "%.10g to %.10g K: the end cuts hold what the curve's ends hold",
                             b.bounds.front(), b.bounds.back(), first, last));
}

}  // namespace assay
}  // namespace qira
