// Curve conversions (API 3A1.1, API 3A3.1, polynomial, single point) and the curve grids.
// Invariants: the order check decides the result exactly as documented, a refused curve
// leaves the output as documented, and a converted ordered curve converts back to itself.
#include <cmath>

#include "QIRAConversions.h"
#include "QIRAGrids.h"
#include "frame/units.h"
#include "fuzz_common.h"

namespace {

bool firstStrictlyIncreasing(const Exact<double>& c, int k) {
  for (int i = 1; i < k; ++i)
    if (!(c[i] > c[i - 1])) return false;
  return true;
}

bool firstNonDecreasing(const Exact<double>& c, int k) {
  for (int i = 1; i < k; ++i)
    if (!(c[i] >= c[i - 1])) return false;
  return true;
}

// A standard curve of n points in kelvin: ordered and above 0 F when sane.
Exact<double> standardCurve(FuzzInput& in, int n, bool& sane) {
  Curve c = ascending(in, n, 270.0, 0.5, 60.0);
  sane = c.sane && strictlyIncreasing(c.v);
  return Exact<double>(c.v);
}

void checkRoundTrip(const Exact<double>& a, const Exact<double>& b) {
  dump("in", a.get(), a.size());
  dump("back", b.get(), b.size());
  // Where a difference lies just below a whole number of segment limits the inverse root
  // amplifies the rounding of the remainder: agreement within 1e-5 K.
  for (int i = 0; i < a.size(); ++i) FUZZ_CHECK(near(a[i], b[i], 1e-9, 1e-5));
}

// D86 -> TBP -> D86 on nine points (plain) or the setting's layout (extended).
void d86RoundTrip(FuzzInput& in, bool option) {
  const int n = option ? D86BaseSizeOption() : 9;
  FUZZ_CHECK(n == 9 || n == 7);
  bool sane;
  Exact<double> d86 = standardCurve(in, n, sane);
  Exact<double> tbp(n, kUntouched);
  double* out = maybeNull(in, tbp);
  const bool ok = option ? API3A11_D86toTBPOption(out, d86.get())
                         : API3A11_D86toTBP(out, d86.get());
  if (!ok) {
    FUZZ_CHECK(tbp.all(kUntouched));
    FUZZ_CHECK(!out || !firstStrictlyIncreasing(d86, 7));
    return;
  }
  FUZZ_CHECK(firstStrictlyIncreasing(d86, 7));
  if (!sane) return;
  Exact<double> back(n, kUntouched);
  const bool backOk = option ? API3A11_TBPtoD86Option(tbp.get(), back.get())
                             : API3A11_TBPtoD86(tbp.get(), back.get());
  if (!backOk) {
    for (int i = 0; i < n; ++i) std::fprintf(stderr, "%d d86 %.17g tbp %.17g back %.17g\n", i, d86[i], tbp[i], back[i]);
  }
  FUZZ_CHECK(backOk);
  checkRoundTrip(d86, back);
}

// TBP -> D86 on any curve: refused curves leave the output untouched or all missing.
void tbpToD86(FuzzInput& in, bool option) {
  const int n = option ? D86BaseSizeOption() : 9;
  bool sane;
  Exact<double> tbp = standardCurve(in, n, sane);
  Exact<double> d86(n, kUntouched);
  const bool ok = option ? API3A11_TBPtoD86Option(tbp.get(), d86.get())
                         : API3A11_TBPtoD86(tbp.get(), d86.get());
  if (!ok) {
    FUZZ_CHECK(d86.all(kUntouched) || d86.all(-32767.0));
    return;
  }
  FUZZ_CHECK(firstNonDecreasing(tbp, 7));
  if (!sane) return;
  Exact<double> back(n, kUntouched);
  const bool backOk = option ? API3A11_D86toTBPOption(back.get(), d86.get())
                             : API3A11_D86toTBP(back.get(), d86.get());
  FUZZ_CHECK(backOk);
  checkRoundTrip(tbp, back);
}

void d2887RoundTrip(FuzzInput& in) {
  bool sane;
  Exact<double> d2887 = standardCurve(in, 8, sane);
  Exact<double> tbp(8, kUntouched);
  if (!API3A31_D2887toTBP(maybeNull(in, tbp), d2887.get())) {
    FUZZ_CHECK(tbp.all(kUntouched));
    return;
  }
  FUZZ_CHECK(firstNonDecreasing(d2887, 7));
  if (!sane) return;
  Exact<double> back(8, kUntouched);
  FUZZ_CHECK(API3A31_TBPtoD2887(tbp.get(), back.get()));
  checkRoundTrip(d2887, back);
}

void tbpToD2887(FuzzInput& in) {
  bool sane;
  Exact<double> tbp = standardCurve(in, 8, sane);
  Exact<double> d2887(8, kUntouched);
  const bool ok = API3A31_TBPtoD2887(tbp.get(), maybeNull(in, d2887));
  if (!ok) FUZZ_CHECK(d2887.all(kUntouched));
  if (ok && sane) FUZZ_CHECK(allFiniteVec(d2887.get(), 8));
}

void polynomialD86(FuzzInput& in) {
  bool sane;
  Exact<double> tbp = standardCurve(in, 7, sane);
  Exact<double> d86(7, kUntouched);
  const bool ok = API6_TBPtoD86(tbp.get(), maybeNull(in, d86));
  if (!ok) {
    FUZZ_CHECK(d86.all(kUntouched));
    return;
  }
  FUZZ_CHECK(firstStrictlyIncreasing(tbp, 7));
}

// One TBP temperature at a yield, on curves given in Fahrenheit.
void singlePoint(FuzzInput& in, bool option) {
  const int n = option ? D86BaseSizeOption() : 9;
  bool sane;
  Exact<double> d86K = standardCurve(in, n, sane);
  Exact<double> d86F(n), tbpK(n), tbpF(n);
  for (int i = 0; i < n; ++i) d86F[i] = qira::kelvinToFahrenheit(d86K[i]);
  if (option)
    API3A11_D86toTBPOption(tbpK.get(), d86K.get());
  else
    API3A11_D86toTBP(tbpK.get(), d86K.get());
  for (int i = 0; i < n; ++i) tbpF[i] = qira::kelvinToFahrenheit(tbpK[i]);
  const double t = in.number(250, 1000);
  const double y = in.number(-0.1, 1.1);
  Exact<double>* curves[2] = {&tbpF, &d86F};
  const double* a = maybeNull(in, *curves[0]);
  const double* b = maybeNull(in, *curves[1]);
  const double r = option ? SingleTBPtoD86Option(a, b, t, y) : SingleTBPtoD86(a, b, t, y);
  if (!a || !b || std::isnan(y)) FUZZ_CHECK(r == -32767.0);
}

void grids(FuzzInput& in) {
  FUZZ_CHECK(D86BaseSize() == 9);
  FUZZ_CHECK(D2887BaseSize() == 8);
  const int method = GetD86Setting();
  FUZZ_CHECK(D86BaseSizeOption() == (method == 0 ? 7 : 9));
  Exact<double> nine(9, kUntouched), eight(8, kUntouched), four(4, kUntouched);
  Exact<double> option(D86BaseSizeOption(), kUntouched);
  D86ValidYields(maybeNull(in, nine));
  D86ValidYieldsOption(maybeNull(in, option));
  D2887ValidYields(maybeNull(in, eight));
  D1160ValidYields(maybeNull(in, four));
  TBPValidYields(maybeNull(in, nine));

  const int n = count(in, 40);
  Curve c = ascending(in, n > 0 ? n : 0, 0.0, 0.0, 0.2);
  Exact<double> yields(c.v);
  const int size = D1160BaseSize(n, maybeNull(in, yields));
  FUZZ_CHECK(size >= 4 && size <= 4 + (n > 0 ? n : 0));
  const std::vector<double> before = yields.copy();
  CheckIBPFBP(maybeNull(in, yields), n);
  for (int i = 1; i + 1 < yields.size(); ++i) FUZZ_CHECK(same(yields[i], before[i]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  applySettings(in);
  while (!in.empty()) {
    switch (in.byte() % 12) {
      case 0: d86RoundTrip(in, false); break;
      case 1: d86RoundTrip(in, true); break;
      case 2: tbpToD86(in, false); break;
      case 3: tbpToD86(in, true); break;
      case 4: d2887RoundTrip(in); break;
      case 5: tbpToD2887(in); break;
      case 6: polynomialD86(in); break;
      case 7: singlePoint(in, false); break;
      case 8: singlePoint(in, true); break;
      case 9: grids(in); break;
      case 10: applySettings(in); break;
      default: SetD86Method(in.integer(-1, 1)); break;
    }
  }
  return 0;
}
