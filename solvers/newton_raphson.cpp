// The Newton-Raphson helper singleton: residuals through the host's callbacks, a
// forward-difference Jacobian and the linear solve for the step. The host owns the
// iteration; the solver only keeps what the host stored.
#include <mutex>
#include <new>
#include <vector>

#include "QIRASolvers.h"
#include "frame/boundary.h"
#include "frame/missing.h"
#include "solvers/linear_solve.h"

namespace {

// Both callbacks take the library's or the host's array of n doubles; their results
// are ignored.
using HostCallback = void (*)(double*);

constexpr double kJacobianStep = 0.01;

// One evaluation: the point goes to the variables callback, then the residuals
// callback fills the residuals at that point.
void evaluate(void* variables, void* residuals, double* point, double* out) {
  reinterpret_cast<HostCallback>(variables)(point);
  reinterpret_cast<HostCallback>(residuals)(out);
}

}  // namespace

NRsolver* NRsolver::m_NRsolver = nullptr;

NRsolver::NRsolver()
    : m_Dimension(0),
      m_SecondCount(0),
      m_FirstArray(nullptr),
      m_SecondArray(nullptr),
      m_VariablesCallback(nullptr),
      m_ResidualsCallback(nullptr) {}

NRsolver::~NRsolver() {}

NRsolver& NRsolver::operator=(const NRsolver& other) {
  m_Dimension = other.m_Dimension;
  m_SecondCount = other.m_SecondCount;
  m_FirstArray = other.m_FirstArray;
  m_SecondArray = other.m_SecondArray;
  m_VariablesCallback = other.m_VariablesCallback;
  m_ResidualsCallback = other.m_ResidualsCallback;
  return *this;
}

// Created once, by whichever thread asks first; threads asking at the same moment wait
// for that one creation. Should the allocation fail, no instance is recorded and the
// next call tries again.
NRsolver* NRsolver::Instance() {
  static std::once_flag created;
  try {
    std::call_once(created, [] { m_NRsolver = new NRsolver(); });
  } catch (...) {
    return nullptr;
  }
  return m_NRsolver;
}

void NRsolver::InitNRsolver(int dimension, int secondCount, double* firstArray,
                            double* secondArray) {
  m_Dimension = dimension;
  m_SecondCount = secondCount;
  m_FirstArray = firstArray;
  m_SecondArray = secondArray;
}

void NRsolver::SetCallbacks(void* variablesCallback, void* residualsCallback) {
  m_VariablesCallback = variablesCallback;
  m_ResidualsCallback = residualsCallback;
}

void NRsolver::ComputeRHS(double* x, double* F) {
  if (m_Dimension < 1 || !m_VariablesCallback || !m_ResidualsCallback || !x || !F) return;
  evaluate(m_VariablesCallback, m_ResidualsCallback, x, F);
}

void NRsolver::ComputeJacobian(double* x, double** J) {
  const int n = m_Dimension;
  if (n < 1 || !m_VariablesCallback || !m_ResidualsCallback || !x || !qira::rowsPresent(J, n))
    return;
  qira::guardedVoid([&] {
    std::vector<double> base(n, qira::kMissing), perturbed(n, qira::kMissing);
    std::vector<double> point(x, x + n);
    evaluate(m_VariablesCallback, m_ResidualsCallback, point.data(), base.data());
    for (int j = 0; j < n; ++j) {
      point[j] = point[j] + kJacobianStep;
      evaluate(m_VariablesCallback, m_ResidualsCallback, point.data(), perturbed.data());
      // Row i is residual i, column j unknown j. A residual the callback leaves unwritten
      // stays at the marker in both arrays and gives a zero derivative.
      for (int i = 0; i < n; ++i) J[i][j] = (perturbed[i] - base[i]) / kJacobianStep;
      point[j] = x[j];
      perturbed.assign(n, qira::kMissing);
    }
  });
}

bool NRsolver::ComputeNewDelta(double** J, double* rhs, double* delta) {
  const int n = m_Dimension;
  if (n <= 0) return true;
  if (n > qira::kMaxUnknowns || !rhs || !delta || !qira::rowsPresent(J, n)) return false;
  return qira::guarded(false, [&] { return qira::gaussJordanTransposed(J, rhs, delta, n); });
}

// The entry points forward to the singleton; should it not be creatable, they do nothing.
void Qira_InitializeNRsolver(int dimension, int secondCount, double* firstArray,
                             double* secondArray) {
  if (NRsolver* solver = NRsolver::Instance())
    solver->InitNRsolver(dimension, secondCount, firstArray, secondArray);
}

void Qira_SetCallbacks(void* variablesCallback, void* residualsCallback) {
  if (NRsolver* solver = NRsolver::Instance())
    solver->SetCallbacks(variablesCallback, residualsCallback);
}

void Qira_ComputeRHS(double* x, double* F) {
  if (NRsolver* solver = NRsolver::Instance()) solver->ComputeRHS(x, F);
}

void Qira_ComputeJacobian(double* x, double** J) {
  if (NRsolver* solver = NRsolver::Instance()) solver->ComputeJacobian(x, J);
}

void Qira_ComputeNewDelta(double** J, double* rhs, double* delta) {
  if (NRsolver* solver = NRsolver::Instance()) solver->ComputeNewDelta(J, rhs, delta);
}
