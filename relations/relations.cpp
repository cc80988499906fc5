// The exported relations of a petroleum fraction: thin shells over the library's one copy
// of each formula (frame/fraction_relations.h, frame/walther.h), with the family's
// argument checks and the missing-value marker for failure.
#include "QIRARelations.h"

#include <cmath>

#include "frame/boundary.h"
#include "frame/fraction_relations.h"
#include "frame/missing.h"
#include "frame/walther.h"

namespace {

bool positive(double x) { return std::isfinite(x) && x > 0; }

// The value computed by body when the arguments passed the check, the marker otherwise
// and for a result that is not finite.
template <typename Body>
double checkedRelation(bool argumentsValid, Body&& body) {
  return qira::guarded(qira::kMissing, [&] {
    if (!argumentsValid) return qira::kMissing;
    const double value = body();
    return std::isfinite(value) ? value : qira::kMissing;
  });
}

}  // namespace

QIRA_API double QiraRel_SgFromApi(double api) {
  return checkedRelation(std::isfinite(api) && api > -131.5,
                         [&] { return qira::specificGravityFromApi(api); });
}

QIRA_API double QiraRel_ApiFromSg(double sg) {
  return checkedRelation(positive(sg), [&] { return qira::apiFromSpecificGravity(sg); });
}

QIRA_API double QiraRel_WatsonK(double tb, double sg) {
  return checkedRelation(positive(tb) && positive(sg),
                         [&] { return qira::watsonFactorFromBoilingPoint(tb, sg); });
}

QIRA_API double QiraRel_MwRiaziDaubert1980(double tb, double sg) {
  return checkedRelation(positive(tb) && positive(sg),
                         [&] { return qira::riaziDaubertMolecularWeight(tb, sg); });
}

QIRA_API double QiraRel_WaltherOrdinate(double nu) {
  return checkedRelation(positive(nu), [&] { return qira::waltherOrdinate(nu); });
}

QIRA_API double QiraRel_WaltherViscosity(double y) {
  return checkedRelation(std::isfinite(y), [&] { return qira::waltherViscosity(y); });
}

QIRA_API double QiraRel_WaltherAbscissa(double t) {
  return checkedRelation(positive(t), [&] { return qira::waltherAbscissa(t); });
}
