// The monotone curve interpolator: evaluates with Simple_spline, looks for results that
// run against the direction of the curve, inserts knots where it finds them (a front
// knot, an interval midpoint or a knot beyond the last one) and evaluates again, for at
// most 100 inserting passes. Works on private copies of the knots.
#include <algorithm>
#include <cmath>
#include <vector>

#include "QIRACurveFit.h"
#include "distillation/curve_tools.h"
#include "frame/boundary.h"

namespace qira {
namespace {

constexpr double kEps = 1e-8;       // abscissae closer than this are not compared
constexpr int kRoomStep = 10;       // spare places for inserted knots, grown by this
constexpr int kPassBudget = 100;    // inserting passes before giving up

// -1 for a falling segment, +1 otherwise (a flat one counts as rising).
double direction(double xa, double ya, double xb, double yb) {
  return (yb - ya) / (xb - xa) < 0 ? -1.0 : 1.0;
}

// The step from a to b runs against direction s.
bool reverses(double xa, double ya, double xb, double yb, double s) {
  return (yb - ya) / (xb - xa) * s < 0;
}

// As reverses(), skipped (false) when the abscissae are within kEps.
bool reversesApart(double xa, double ya, double xb, double yb, double s) {
  if (std::fabs(xb - xa) <= kEps) return false;
  return reverses(xa, ya, xb, yb, s);
}

// The working knot set: the caller's n knots plus room for inserted ones.
class WorkingKnots {
 public:
  WorkingKnots(int n, const double* x, const double* y, int room) { reset(n, x, y, room); }

  void reset(int n, const double* x, const double* y, int room) {
    const size_t capacity = static_cast<size_t>(n) + room;
    x_ = std::vector<double>(capacity);
    y_ = std::vector<double>(capacity);
    std::copy(x, x + n, x_.begin());
    std::copy(y, y + n, y_.begin());
    count_ = n;
  }

  int count() const { return count_; }
  bool full() const { return count_ >= static_cast<int>(x_.size()); }
  const double* x() const { return x_.data(); }
  const double* y() const { return y_.data(); }
  double X(int i) const { return x_[i]; }
  double Y(int i) const { return y_[i]; }

  // A new first knot halfway towards xq, on the line from knot 0 to knot k.
  void insertFront(int k, double xq) {
    if (full()) return;
    const double slope = (y_[k] - y_[0]) / (x_[k] - x_[0]);
    const double newX = (x_[0] + xq) / 2;
    const double newY = y_[0] - slope * (x_[0] - newX);
    shiftUpFrom(0);
    x_[0] = newX;
    y_[0] = newY;
  }

  // A new knot at the midpoint of interval i.
  void insertMidpoint(int i) {
    if (full()) return;
    shiftUpFrom(i + 1);
    x_[i + 1] = (x_[i] + x_[i + 2]) / 2;
    y_[i + 1] = (y_[i] + y_[i + 2]) / 2;
  }

  // A knot beyond the last one, halfway towards xq, on the line from knot k to the last.
  void append(int k, double xq) {
    if (full()) return;
    const int last = count_ - 1;
    const double slope = (y_[last] - y_[k]) / (x_[last] - x_[k]);
    x_[count_] = (x_[last] + xq) / 2;
    y_[count_] = y_[last] + slope * (x_[count_] - x_[last]);
    ++count_;
  }

 private:
  void shiftUpFrom(int pos) {
    for (int i = count_; i > pos; --i) {
      x_[i] = x_[i - 1];
      y_[i] = y_[i - 1];
    }
    ++count_;
  }

  std::vector<double> x_, y_;
  int count_ = 0;
};

struct ScanOutcome {
  bool failed = false;        // an end slope was needed and no distinct knot exists
  bool inserted = false;      // the scan inserted at least one knot
  bool lastInserted = false;  // the last interval visited inserted a knot
  int endQuery = 0;           // the query index at which the scan ended
};

class Interpolator {
 public:
  Interpolator(int n, const double* x, const double* y, int m, const double* xq,
               double* yq, InterpolatorTrace* trace)
      : n_(n), x_(x), y_(y), m_(m), xq_(xq), yq_(yq), room_(kRoomStep),
        knots_(n, x, y, kRoomStep), trace_(trace ? *trace : ownTrace_) {
    trace_ = InterpolatorTrace{};
  }

  bool run() {
    if (!evaluate()) return false;
    for (int passes = 0;;) {
      if (roomUsedUp()) {
        room_ += kRoomStep;
        knots_.reset(n_, x_, y_, room_);
        ++trace_.restarts;
      }
      const ScanOutcome scan = interiorScan();
      if (scan.failed) return false;
      bool inserted = scan.inserted;
      if (roomUsedUp()) {
        if (!inserted) return true;
        trace_.passes = ++passes;
        if (passes >= kPassBudget) return false;
        continue;
      }
      if (!rightEndCheck(scan, inserted)) return false;
      if (!inserted) return true;
      if (!evaluate()) return false;
      trace_.passes = ++passes;
      if (passes >= kPassBudget) return false;
    }
  }

 private:
  bool evaluate() {
    ++trace_.evaluations;
    return simpleSpline(knots_.count(), knots_.x(), knots_.y(), m_, xq_, yq_);
  }
  bool roomUsedUp() const { return knots_.count() - n_ >= room_; }

  // First knot k >= 1 apart from knot 0 by more than kEps, or -1.
  int firstDistinctFromFront() const {
    for (int k = 1; k < knots_.count(); ++k)
      if (std::fabs(knots_.X(k) - knots_.X(0)) > kEps) return k;
    return -1;
  }

  // Reversal test for query j left of the first knot, against the first segment.
  bool leftEndReverses(int j, int k) const {
    const double s = direction(knots_.X(0), knots_.Y(0), knots_.X(k), knots_.Y(k));
    if (j < m_ - 1 && xq_[j + 1] <= knots_.X(0))
      return reversesApart(xq_[j], yq_[j], xq_[j + 1], yq_[j + 1], s);
    return reverses(xq_[j], yq_[j], knots_.X(0), knots_.Y(0), s);
  }

  // Reversal tests for query j inside interval i.
  bool intervalReverses(int i, int j) const {
    const double xi = knots_.X(i), yi = knots_.Y(i);
    const double xn = knots_.X(i + 1), yn = knots_.Y(i + 1);
    const double s = direction(xi, yi, xn, yn);
    const bool fromPrevious = j > 0 && xq_[j - 1] >= xi;
    const bool left = fromPrevious ? reversesApart(xq_[j - 1], yq_[j - 1], xq_[j], yq_[j], s)
                                   : reversesApart(xi, yi, xq_[j], yq_[j], s);
    if (left) return true;
    const bool lastInInterval = j == m_ - 1 || xq_[j + 1] >= xn;
    return lastInInterval && reversesApart(xq_[j], yq_[j], xn, yn, s);
  }

  // Walks the knot intervals and the queries together, inserting a knot at the first
  // reversal found in an interval and moving on past it.
  ScanOutcome interiorScan() {
    ScanOutcome out;
    int i = 0, j = 0;
    for (;;) {
      if (j >= m_) break;
      if (xq_[j] < knots_.X(i + 1)) {
        bool insertedHere = false;
        if (xq_[j] < knots_.X(0)) {
          const int k = firstDistinctFromFront();
          if (k < 0) {
            out.failed = true;
            break;
          }
          if (!leftEndReverses(j, k)) {
            ++j;
            continue;
          }
          knots_.insertFront(k, xq_[j]);
          ++trace_.frontInsertions;
          ++j;
          ++i;
          insertedHere = true;
        } else {
          if (xq_[j] <= knots_.X(i) || std::fabs(knots_.X(i + 1) - knots_.X(i)) <= kEps ||
              !intervalReverses(i, j)) {
            ++j;
            continue;
          }
          knots_.insertMidpoint(i);
          ++trace_.midpointInsertions;
          ++i;
          insertedHere = true;
        }
        out.inserted = out.lastInserted = insertedHere;
      }
      // Next interval.
      if (j >= m_ - 1 || roomUsedUp()) break;
      ++i;
      if (i > knots_.count() - 2) break;
      out.lastInserted = false;
    }
    out.endQuery = j;
    return out;
  }

  // Queries beyond the last knot: append a knot on the last segment's line when their
  // values reverse, or when the scan's last interval inserted one. False when no knot
  // is distinct from the last.
  bool rightEndCheck(const ScanOutcome& scan, bool& inserted) {
    const int j = scan.endQuery;
    const int last = knots_.count() - 1;
    if (!(j < m_ && xq_[j] > knots_.X(last))) return true;
    int k = -1;
    for (int c = last - 1; c >= 1; --c)
      if (std::fabs(knots_.X(last) - knots_.X(c)) > kEps) {
        k = c;
        break;
      }
    if (k < 0) return false;
    const double s = direction(knots_.X(k), knots_.Y(k), knots_.X(last), knots_.Y(last));
    bool reversal = false;
    for (int jp = j; jp < m_ && !reversal; ++jp)
      reversal = jp < m_ - 1
                     ? reversesApart(xq_[jp], yq_[jp], xq_[jp + 1], yq_[jp + 1], s)
                     : reversesApart(knots_.X(last), knots_.Y(last), xq_[m_ - 1],
                                     yq_[m_ - 1], s);
    if (reversal) inserted = true;
    if (reversal || scan.lastInserted) {
      knots_.append(k, xq_[m_ - 1]);
      ++trace_.appends;
    }
    return true;
  }

  const int n_;
  const double* x_;
  const double* y_;
  const int m_;
  const double* xq_;
  double* yq_;
  int room_;
  WorkingKnots knots_;
  InterpolatorTrace ownTrace_;
  InterpolatorTrace& trace_;
};

}  // namespace

bool monotoneSpline(int n, const double* x, const double* y, int m, const double* xq,
                    double* yq, InterpolatorTrace* trace) {
  if (trace) *trace = InterpolatorTrace{};
  if (n < 3) return false;
  return Interpolator(n, x, y, m, xq, yq, trace).run();
}

}  // namespace qira

QIRA_C_BEGIN

QIRA_API bool Blend_spline(int n, const double* x, const double* y, int m,
                           const double* xq, double* yq) {
  return qira::tableExport(n, 3, x, y, m, xq, yq,
                           [&] { return qira::monotoneSpline(n, x, y, m, xq, yq); });
}

QIRA_C_END
