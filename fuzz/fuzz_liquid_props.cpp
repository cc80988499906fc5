// Liquid property correlations, the Reid vapour pressure iteration with its report, and
// the viscosity fit. Invariants: the reduced vapour pressure never exceeds 5, the mixture
// density is finite (0.0 for no result), the report stays within its capacity and is
// terminated, the iteration gives a finite RVP or -32767.0, and the fit's documented
// refusals leave the thetas and the viscosities alone.
#include <cmath>
#include <cstring>
#include <string>

#include "QIRALiquidProps.h"
#include "QIRAViscosityFit.h"
#include "fuzz_common.h"

namespace {

void pureComponent(FuzzInput& in) {
  const double tr = in.number(0.1, 1.5), omega = in.number(-0.3, 1.5);
  const double pr = pc_ppress(tr, omega);
  FUZZ_CHECK(std::isnan(pr) || pr <= 5.0);
  double vr0 = kUntouched, vrd = kUntouched;
  const uint8_t b = in.byte();
  pc_costald(tr, b == 1 ? nullptr : &vr0, b == 2 ? nullptr : &vrd);
  if (b == 1 || b == 2 || std::isnan(tr)) FUZZ_CHECK(vr0 == kUntouched && vrd == kUntouched);
  else if (std::isfinite(tr) && std::fabs(tr) < 1e6) FUZZ_CHECK(std::isfinite(vr0) && std::isfinite(vrd));
  const double vstar = in.number(0.01, 2), wsrk = in.number(-0.3, 1.5);
  (void)pc_satden(tr, vstar, wsrk);
  const double c1 = pc_c1den(tr);
  if (!std::isnan(tr)) FUZZ_CHECK(std::isfinite(c1));
  const double t = in.number(100, 900), p = in.number(1, 1e5), tc = in.number(150, 1100),
               pc = in.number(500, 8000);
  (void)pc_xden(t, p, tc, pc, vstar, wsrk, omega);
}

void mixture(FuzzInput& in) {
  const int n = count(in, 20);
  const int k = n > 0 ? n : 0;
  Curve xs = fractions(in, k);
  std::vector<double> tc(k), pc(k), vs(k), om(k);
  for (int i = 0; i < k; ++i) {
    tc[i] = in.number(150, 1100);
    pc[i] = in.number(500, 8000);
    vs[i] = in.number(0.01, 2);
    om[i] = in.number(-0.3, 1.5);
  }
  Exact<double> x(xs.v), tcs(tc), pcs(pc), vss(vs), oms(om);
  const double r = pc_xden2(n, in.number(100, 900), in.number(1, 1e5), maybeNull(in, x),
                            tcs.get(), maybeNull(in, pcs), vss.get(), oms.get());
  FUZZ_CHECK(std::isfinite(r));
}

void vapourPressure(FuzzInput& in) {
  const double t = in.number(400, 700), r = in.number(-1, 30), s = in.number(0, 10);
  double tvp = kUntouched, d = kUntouched;
  bool failed = false;
  const uint8_t b = in.byte();
  pc_Calc_API_5B1_1TVP(t, r, s, b == 1 ? nullptr : &tvp, b == 2 ? nullptr : &failed,
                       b == 3 ? nullptr : &d);
  if (b >= 1 && b <= 3) FUZZ_CHECK(tvp == kUntouched && d == kUntouched && !failed);

  // The iteration with a report buffer of exactly the documented capacity and a phase
  // name of any length.
  const int phaseLength = in.integer(0, 400);
  std::string phase;
  for (int i = 0; i < phaseLength; ++i) phase.push_back(static_cast<char>('a' + i % 26));
  Exact<char> ph(phaseLength + 1);
  std::memcpy(ph.get(), phase.c_str(), phaseLength + 1);
  Exact<char> report(QIRA_RVP_REPORT_CAPACITY, 'X');
  double rvp = in.number(-1, 30);
  const uint8_t c = in.byte();
  pc_Calc_API_5B1_1(in.number(-1, 40), c == 1 ? nullptr : &rvp, s, t,
                    c == 2 ? nullptr : report.get(), c == 3 ? nullptr : ph.get());
  if (c == 1) return;
  FUZZ_CHECK(rvp == -32767.0 || std::isfinite(rvp));
  if (c == 2) {
    FUZZ_CHECK(report.all('X'));
    return;
  }
  bool terminated = false;
  for (int i = 0; i < QIRA_RVP_REPORT_CAPACITY && !terminated; ++i) terminated = report[i] == 0;
  FUZZ_CHECK(terminated);
}

void viscosityFit(FuzzInput& in) {
  const int n = count(in, 10);
  const int k = n > 0 ? n : 0;
  Curve t = ascending(in, k, 280, 1, 60);
  std::vector<double> v(k);
  for (double& x : v) x = in.number(0.2, 5000);
  Exact<double> T(t.v), visc(v);
  float a = static_cast<float>(in.number(-5, 5)), b = static_cast<float>(in.number(-5, 5));
  const float a0 = a, b0 = b;
  const std::vector<double> v0 = visc.copy();
  const int r = pc_fitvisc(in.integer(0, 3), in.integer(0, 2), in.number(50, 5000),
                           in.number(30, 900), in.number(300, 1100), in.number(500, 5000),
                           in.number(0.1, 3), n, maybeNull(in, T), visc.get(),
                           in.number(0.1, 3), in.number(0, 1.5), &a, &b, in.number(0, 1.5));
  FUZZ_CHECK(r == 0 || r == 1);
  if (r == 0) FUZZ_CHECK(same(a, a0) && same(b, b0));
  if (n < 2) {
    FUZZ_CHECK(r == 0);
    for (int i = 0; i < k; ++i) FUZZ_CHECK(same(visc[i], v0[i]));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  for (int calls = 0; !in.empty() && calls < 16; ++calls) {
    switch (in.byte() % 4) {
      case 0: pureComponent(in); break;
      case 1: mixture(in); break;
      case 2: vapourPressure(in); break;
      default: viscosityFit(in); break;
    }
  }
  return 0;
}
