// Internal interface of the curve blends, the D1160 conversion, the laboratory-curve
// cutters, the range fractions, the mid-cut boiling points and the extrapolation
// correction. The exported shells in include/QIRABlends.h and include/QIRALabCurves.h
// check their arguments and call these; other families may call them directly with
// arguments that already passed those checks.
#pragma once

#include <vector>

namespace qira {

// ---- TBP blending -------------------------------------------------------------------

// The (cumulative yield, temperature) points a blended TBP curve is read from, built
// from n components in boiling-point order (see tbp_blend.cpp for the rules).
struct BlendPoints {
  std::vector<double> yields;
  std::vector<double> temps;
};
BlendPoints tbpBlendPoints(const double* fractions, const double* nbp, int n,
                           bool pointMode, double initialT, double finalT);

// Blended TBP temperatures (K) at m requested yields; clamps yields[0] and yields[m-1]
// in place to the IBP and FBP values. False (all outputs -32767.0) when the point list
// cannot be read.
bool blendTbp(const double* fractions, const double* nbp, int n, double* tbp,
              double* yields, int m, bool pointMode, double initialT, double finalT);

// The same reading from a point list already built: a blend that reads its components'
// curve at several yield sets builds the list once.
bool readBlendPoints(const BlendPoints& p, double* tbp, double* yields, int m);

// Maps TBP temperatures tq[m] through the transfer table (tg[g] TBP, sg[g] standard):
// Simple_spline, or Blend_Linear when the DistCurFit option is nonzero. False when the
// map fails (the outputs are then not all written).
bool mapThroughTransferTable(int g, const double* tg, const double* sg, int m,
                             const double* tq, double* out);

// ---- D1160 conversion (four points: IBP, 10 %, 30 %, 50 %, in K) ----------------------

bool tbpToD1160(const double* tbp, double* d1160);
bool d1160ToTbp(double* tbp, const double* d1160);

// ---- Blends in a laboratory standard -------------------------------------------------

bool blendD86(const double* fractions, const double* nbp, int n, double* out,
              double* yields, int m, bool pointMode);
bool blendD86Option(const double* fractions, const double* nbp, int n, double* out,
                    double* yields, int m, bool pointMode);
bool blendD2887(const double* fractions, const double* nbp, int n, double* out,
                double* yields, int m);
bool blendD1160(const double* fractions, const double* nbp, int n, double* out,
                double* yields, int m, bool pointMode);

// Fraction basis codes of the basis-aware D2887 blends.
enum FractionBasis { kVolumeBasis = 0, kMassBasis = 1, kMoleBasis = 2 };

bool blendD2887FromTbp(const double* x, const double* nbp, int n, double* out,
                       double* yields, int m, const double* molarMass,
                       const double* density, int fractionBasis, bool pointMode);
bool blendModifiedD2887(const double* x, const double* nbp, int n, double* out,
                        double* yields, int m, const double* molarMass,
                        const double* density, int fractionBasis, int curveBasis,
                        bool pointMode);

// ---- Extrapolation correction --------------------------------------------------------

void correctExtrapolation(double* curve, int i1, int i2, int n, double lo, double hi);
void correctUserCurveOverExtrapolation(double* curve, int i1, int i2, int n, double lo,
                                       double hi);

// ---- Mid-cut boiling points ----------------------------------------------------------

bool midCutBoilingPoints(const double* fractions, const double* nbp, int n, double* out,
                         double upperBound);

// ---- Laboratory-curve readers and cutters ---------------------------------------------

// Each reader writes its standard fractions and the TBP temperatures at them and
// returns the count written (see lab_curve_cutting.cpp).
int readD86AsTbp(int n, const double* fractions, const double* temps, double* tbp,
                 double* fractionsOut);
int readD86AsTbpOption(int n, const double* fractions, const double* temps, double* tbp,
                       double* fractionsOut);
int readD2887AsTbp(int n, const double* fractions, const double* temps, double* tbp,
                   double* fractionsOut);
int readD1160AsTbp(int n, const double* fractions, const double* temps, double* tbp,
                   double* fractionsOut);

void cutD86Curve(int n, double* fractions, const double* temps, const double* cuts,
                 double* out, int nc);
void cutD86CurveOption(int n, double* fractions, const double* temps, const double* cuts,
                       double* out, int nc);
void cutD2887Curve(int n, double* fractions, const double* temps, const double* cuts,
                   double* out, int nc);
void cutD1160Curve(int n, double* fractions, const double* temps, const double* cuts,
                   double* out, int nc);

// ---- NBP range fractions and yield cuts ----------------------------------------------

bool nbpRangeFraction(double upper, double lower, const double* nbp,
                      const double* fractions, int n, double* perComponent,
                      double* total);
void tbpCutsFromNbp(double* tbp, double* yields, int m, const double* nbp,
                    const double* fractions, int n, bool pointMode);

}  // namespace qira
