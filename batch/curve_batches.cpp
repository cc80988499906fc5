// Batch curve conversions: N curves of one standard to another per call, each converted
// by the single-curve function of the same procedure.
#include "QIRABatch.h"
#include "QIRABlends.h"
#include "QIRAConversions.h"
#include "QIRAGrids.h"
#include "batch/batch_loop.h"

using qira::batch::eachCurve;

namespace {

// The single-curve functions in one argument order, input first.
bool d86ToTbp(const double* d86, double* tbp) { return API3A11_D86toTBP(tbp, d86); }
bool d86ToTbpOption(const double* d86, double* tbp) { return API3A11_D86toTBPOption(tbp, d86); }
bool d2887ToTbp(const double* d2887, double* tbp) { return API3A31_D2887toTBP(tbp, d2887); }
bool d1160ToTbp(const double* d1160, double* tbp) { return Blend_D1160toTBP(tbp, d1160); }

// The D86 grid of the Option procedures, as the settings stand at the call.
int optionWidth() { return qira::guarded(-1, [] { return D86BaseSizeOption(); }); }

}  // namespace

QIRA_C_BEGIN

QIRA_API int QiraBatch_D86toTBP(int n, const double* d86, double* tbp, bool* ok) {
  return eachCurve(n, 9, d86ToTbp, d86, tbp, ok);
}

QIRA_API int QiraBatch_TBPtoD86(int n, const double* tbp, double* d86, bool* ok) {
  return eachCurve(n, 9, API3A11_TBPtoD86, tbp, d86, ok);
}

QIRA_API int QiraBatch_D86toTBPOption(int n, const double* d86, double* tbp, bool* ok) {
  return eachCurve(n, optionWidth(), d86ToTbpOption, d86, tbp, ok);
}

QIRA_API int QiraBatch_TBPtoD86Option(int n, const double* tbp, double* d86, bool* ok) {
  return eachCurve(n, optionWidth(), API3A11_TBPtoD86Option, tbp, d86, ok);
}

QIRA_API int QiraBatch_D2887toTBP(int n, const double* d2887, double* tbp, bool* ok) {
  return eachCurve(n, 8, d2887ToTbp, d2887, tbp, ok);
}

QIRA_API int QiraBatch_TBPtoD2887(int n, const double* tbp, double* d2887, bool* ok) {
  return eachCurve(n, 8, API3A31_TBPtoD2887, tbp, d2887, ok);
}

QIRA_API int QiraBatch_D1160toTBP(int n, const double* d1160, double* tbp, bool* ok) {
  return eachCurve(n, 4, d1160ToTbp, d1160, tbp, ok);
}

QIRA_API int QiraBatch_TBPtoD1160(int n, const double* tbp, double* d1160, bool* ok) {
  return eachCurve(n, 4, Blend_TBPtoD1160, tbp, d1160, ok);
}

QIRA_API int QiraBatch_API6_TBPtoD86(int n, const double* tbp, double* d86, bool* ok) {
  return eachCurve(n, 7, API6_TBPtoD86, tbp, d86, ok);
}

QIRA_C_END
