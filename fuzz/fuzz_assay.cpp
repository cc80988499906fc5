// Assays (the QiraAssay_ family) from hostile input: curves, gravities, light ends,
// viscosities and cuts of any shape, queries with short buffers, blends. Invariants:
// every status is one of the documented ones; a failing call leaves the object's table
// and the caller's arrays as they were and leaves a message; a successful cut's volume,
// mass and mole fractions add up to 1 and its columns are finite (viscosities finite or
// the marker).
#include <cmath>
#include <cstring>
#include <string>

#include "QIRAAssay.h"
#include "fuzz_common.h"

namespace {

constexpr double kMissing = -32767.0;

bool documented(int status) { return status >= QIRA_ASSAY_OK && status <= QIRA_ASSAY_NO_MEMORY; }

std::string message(QiraAssay* a) {
  char buf[1024] = "";
  FUZZ_CHECK(QiraAssay_LastError(a, buf, sizeof buf, nullptr) == QIRA_ASSAY_OK);
  return buf;
}

// The status of a call on a: documented, and with a message exactly when it failed.
int checked(QiraAssay* a, int status) {
  FUZZ_CHECK(documented(status));
  FUZZ_CHECK((status == QIRA_ASSAY_OK) == message(a).empty());
  return status;
}

int rows(QiraAssay* a) {
  int n = -1;
  return QiraAssay_RowCount(a, &n) == QIRA_ASSAY_OK ? n : -1;
}

void fill(FuzzInput& in, QiraAssay* a) {
  const int standard = in.integer(-1, 4);
  const int n = count(in, 14);
  Curve y = ascending(in, n, 0.0, 0.01, 0.3), t = ascending(in, n, 250.0, 1.0, 120.0);
  Exact<double> ya(y.v), ta(t.v);
  checked(a, QiraAssay_SetCurve(a, standard, n, maybeNull(in, ya), maybeNull(in, ta)));
  checked(a, QiraAssay_SetGravity(a, in.integer(-1, 3), in.number(0.2, 16)));
  if (in.flag()) checked(a, QiraAssay_SetMolecularWeight(a, in.flag() ? kMissing : in.number(10, 4000)));
  if (in.flag()) {
    const int nv = count(in, 4);
    Exact<double> tv(in.numbers(nv > 0 ? nv : 0, 250, 500)), nu(in.numbers(nv > 0 ? nv : 0, 0.01, 100));
    checked(a, QiraAssay_SetViscosities(a, nv, maybeNull(in, tv), maybeNull(in, nu)));
  }
  if (in.flag()) {
    static const char* const names[] = {"ethane", "propane", "isobutane", "n-butane", "isopentane", "n-pentane", "butane"};
    const int nl = in.integer(-1, 7);
    const char* chosen[8];
    Exact<double> f(in.numbers(nl > 0 ? nl : 0, 0, 0.3));
    for (int i = 0; i < nl && i < 8; ++i) chosen[i] = names[in.integer(0, 6)];
    checked(a, QiraAssay_SetLightEnds(a, nl, nl > 0 ? chosen : nullptr, maybeNull(in, f)));
  }
  if (in.flag()) checked(a, QiraAssay_SetProperty(a, in.integer(-1, 7), in.number(200, 400)));
  if (in.flag()) checked(a, QiraAssay_SetMethod(a, in.integer(-1, 3)));
}

void checkTable(QiraAssay* a) {
  const int n = rows(a);
  FUZZ_CHECK(n >= 1);
  Exact<double> v(n);
  double sums[3] = {0, 0, 0};
  for (int c = 0; c < QIRA_ASSAY_COLUMN_COUNT; ++c) {
    int got = -1;
    FUZZ_CHECK(QiraAssay_Column(a, c, n, v.get(), &got) == QIRA_ASSAY_OK && got == n);
    for (int i = 0; i < n; ++i) {
      const bool viscosity = c == QIRA_ASSAY_VISC38 || c == QIRA_ASSAY_VISC100;
      if (std::getenv("FUZZ_DUMP")) std::fprintf(stderr, "column %d row %d: %.17g\n", c, i, v[i]);
      FUZZ_CHECK(std::isfinite(v[i]) && (viscosity || v[i] != kMissing));
      if (c >= QIRA_ASSAY_VOLUME_FRACTION && c <= QIRA_ASSAY_MOLE_FRACTION) sums[c - QIRA_ASSAY_VOLUME_FRACTION] += v[i];
    }
  }
  for (double s : sums) FUZZ_CHECK(std::fabs(s - 1.0) < 1e-9);
  // A short buffer: the count comes back, the array stays untouched.
  Exact<double> small(n - 1, kUntouched);
  int got = -1;
  FUZZ_CHECK(QiraAssay_Column(a, 0, n - 1, small.get(), &got) == QIRA_ASSAY_BUFFER_TOO_SMALL && got == n);
  FUZZ_CHECK(small.all(kUntouched));
}

void cut(FuzzInput& in, QiraAssay* a) {
  const int before = rows(a);
  int status;
  switch (in.integer(0, 2)) {
    case 0:
      status = QiraAssay_CutByCount(a, in.integer(-2, 40), in.flag() ? kMissing : in.number(100, 1200),
                                    in.flag() ? kMissing : in.number(100, 1300));
      break;
    case 1: {
      const int nb = count(in, 12);
      Curve b = ascending(in, nb, 150.0, 1.0, 150.0);
      Exact<double> ba(b.v);
      status = QiraAssay_CutAt(a, nb, maybeNull(in, ba));
      break;
    }
    default:
      status = QiraAssay_CutNamed(a, in.flag() ? "refinery" : (in.flag() ? "vacuum" : nullptr));
  }
  checked(a, status);
  if (status == QIRA_ASSAY_OK)
    checkTable(a);
  else
    FUZZ_CHECK(rows(a) == before);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  applySettings(in);
  QiraAssay* a = QiraAssay_Create();
  QiraAssay* b = QiraAssay_Create();
  QiraAssay* mix = QiraAssay_Create();
  FUZZ_CHECK(a && b && mix);
  fill(in, a);
  for (int calls = 0; !in.empty() && calls < 3; ++calls) cut(in, a);
  if (in.flag()) {
    fill(in, b);
    const QiraAssay* streams[] = {a, b, in.flag() ? mix : nullptr};
    const double share = in.number(0, 1);
    Exact<double> shares(std::vector<double>{share, 1.0 - share, 0.0});
    const int n = in.integer(0, 3), status = QiraAssay_Blend(mix, n, streams, maybeNull(in, shares),
                                                             in.integer(-1, 3), in.number(0.05, 50));
    checked(mix, status);
    if (status == QIRA_ASSAY_OK) cut(in, mix);
  }
  QiraAssay_Free(a);
  QiraAssay_Free(b);
  QiraAssay_Free(mix);
  return 0;
}
