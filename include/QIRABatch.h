/** @file
 * Batch entry points: one call converts N distillation curves or evaluates a scalar
 * correlation at N points, for hosts and array languages that would otherwise cross the
 * library boundary once per curve or value.
 *
 * An extension beyond the core interface: every name carries the prefix QiraBatch_
 * followed by the name of the single-item function it repeats (QiraCrit_ names lose
 * their "Qira": QiraBatch_Crit_...). Units, ranges, sources and failure values are
 * those of that function (QIRAConversions.h, QIRABlends.h, QIRACharacterization.h,
 * QIRALiquidProps.h, QIRACetane.h, QIRAOctane.h, QIRAEstimates.h,
 * QIRACriticalProps.h, QIRAIndices.h).
 *
 * Results: item i of every output is bit for bit what the single function gives for
 * item i of the inputs; a batch is exactly a loop of single calls, in index order.
 *
 * Layout: curves are row-major, curve i occupying elements [i*w, (i+1)*w) of its array,
 * w the curve's point count (stated per function). Scalar correlations take one array of
 * n values per argument and write one array of n results per output.
 *
 * Result of every function: the number of items the single function reported as
 * successful (curves: status true; values: every function counts all n), or -1, writing
 * nothing, when n < 1 or a required array is null. Nothing is thrown, logged or kept.
 *
 * Threads: a batch reads the conversion settings (QIRASettings.h) like its single
 * function, item by item; keep them unchanged while batches run. Batches share no other
 * state, so a large batch may be split into slices converted on several threads at once.
 */
#ifndef QIRA_BATCH_H
#define QIRA_BATCH_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** @name Curve conversions, N curves per call
 * Each converts n curves with the named single function; ok may be null, else ok[i]
 * receives that function's result for curve i (false: see the single function for what
 * it leaves in that curve's output row). Returns the count of true results; -1 for n < 1
 * or a null in/out array. */
/** @{ */

/** n nine-point D86 curves to TBP by API3A11_D86toTBP (K, IBP 5 10 30 50 70 90 95 FBP).
 * @param[in]  n   number of curves, at least 1
 * @param[in]  d86 [n][9] D86 temperatures (K), row-major
 * @param[out] tbp [n][9] TBP temperatures (K), row-major
 * @param[out] ok  n results of API3A11_D86toTBP, or null */
QIRA_API int QiraBatch_D86toTBP(int n, const double* d86, double* tbp, bool* ok);

/** n nine-point TBP curves to D86 by API3A11_TBPtoD86.
 * @param[in]  n   number of curves, at least 1
 * @param[in]  tbp [n][9] TBP temperatures (K), row-major
 * @param[out] d86 [n][9] D86 temperatures (K), row-major
 * @param[out] ok  n results of API3A11_TBPtoD86, or null */
QIRA_API int QiraBatch_TBPtoD86(int n, const double* tbp, double* d86, bool* ok);

/** n D86 curves to TBP by API3A11_D86toTBPOption; each curve has w = D86BaseSizeOption()
 * points (9, or 7 with D86 method 0), read once at the start of the call.
 * @param[in]  n   number of curves, at least 1
 * @param[in]  d86 [n][D86BaseSizeOption()] D86 temperatures (K), row-major
 * @param[out] tbp [n][D86BaseSizeOption()] TBP temperatures (K), row-major
 * @param[out] ok  n results of API3A11_D86toTBPOption, or null */
QIRA_API int QiraBatch_D86toTBPOption(int n, const double* d86, double* tbp, bool* ok);

/** n TBP curves to D86 by API3A11_TBPtoD86Option; w = D86BaseSizeOption() points per
 * curve, read once at the start of the call.
 * @param[in]  n   number of curves, at least 1
 * @param[in]  tbp [n][D86BaseSizeOption()] TBP temperatures (K), row-major
 * @param[out] d86 [n][D86BaseSizeOption()] D86 temperatures (K), row-major
 * @param[out] ok  n results of API3A11_TBPtoD86Option, or null */
QIRA_API int QiraBatch_TBPtoD86Option(int n, const double* tbp, double* d86, bool* ok);

/** n eight-point D2887 curves (5 10 30 50 70 90 95 % FBP) to TBP by API3A31_D2887toTBP.
 * @param[in]  n     number of curves, at least 1
 * @param[in]  d2887 [n][8] D2887 temperatures (K), row-major
 * @param[out] tbp   [n][8] TBP temperatures (K), row-major
 * @param[out] ok    n results of API3A31_D2887toTBP, or null */
QIRA_API int QiraBatch_D2887toTBP(int n, const double* d2887, double* tbp, bool* ok);

/** n eight-point TBP curves to D2887 by API3A31_TBPtoD2887.
 * @param[in]  n     number of curves, at least 1
 * @param[in]  tbp   [n][8] TBP temperatures (K), row-major
 * @param[out] d2887 [n][8] D2887 temperatures (K), row-major
 * @param[out] ok    n results of API3A31_TBPtoD2887, or null */
QIRA_API int QiraBatch_TBPtoD2887(int n, const double* tbp, double* d2887, bool* ok);

/** n four-point D1160 curves (IBP 10 30 50 %) to TBP by Blend_D1160toTBP.
 * @param[in]  n     number of curves, at least 1
 * @param[in]  d1160 [n][4] D1160 temperatures (K), row-major
 * @param[out] tbp   [n][4] TBP temperatures (K), row-major
 * @param[out] ok    n results of Blend_D1160toTBP, or null */
QIRA_API int QiraBatch_D1160toTBP(int n, const double* d1160, double* tbp, bool* ok);

/** n four-point TBP curves to D1160 by Blend_TBPtoD1160.
 * @param[in]  n     number of curves, at least 1
 * @param[in]  tbp   [n][4] TBP temperatures (K), row-major
 * @param[out] d1160 [n][4] D1160 temperatures (K), row-major
 * @param[out] ok    n results of Blend_TBPtoD1160, or null */
QIRA_API int QiraBatch_TBPtoD1160(int n, const double* tbp, double* d1160, bool* ok);

/** n seven-point TBP curves (5 % to 95 %) to D86 by API6_TBPtoD86 (the polynomial form).
 * @param[in]  n   number of curves, at least 1
 * @param[in]  tbp [n][7] TBP temperatures (K), row-major
 * @param[out] d86 [n][7] D86 temperatures (K), row-major
 * @param[out] ok  n results of API6_TBPtoD86, or null */
QIRA_API int QiraBatch_API6_TBPtoD86(int n, const double* tbp, double* d86, bool* ok);
/** @} */

/** @name Molecular weight, gravity and Watson K, N values per call
 * out[i] is the single function of the i-th arguments. Returns n; -1 for n < 1 or a
 * null array. */
/** @{ */

/** Blend_uopk: Watson K from MW and SG.
 * @param[in]  n   number of values, at least 1
 * @param[in]  mw  n molecular weights (kg/kmol)
 * @param[in]  sg  n specific gravities (60F/60F)
 * @param[out] out n Watson K values */
QIRA_API int QiraBatch_Blend_uopk(int n, const double* mw, const double* sg, double* out);

/** Blend_mw: molecular weight from SG and Watson K.
 * @param[in]  n   number of values, at least 1
 * @param[in]  sg  n specific gravities (60F/60F)
 * @param[in]  kw  n Watson K values
 * @param[out] out n molecular weights (kg/kmol) */
QIRA_API int QiraBatch_Blend_mw(int n, const double* sg, const double* kw, double* out);

/** Blend_sg: specific gravity from MW and Watson K.
 * @param[in]  n   number of values, at least 1
 * @param[in]  mw  n molecular weights (kg/kmol)
 * @param[in]  kw  n Watson K values
 * @param[out] out n specific gravities (60F/60F) */
QIRA_API int QiraBatch_Blend_sg(int n, const double* mw, const double* kw, double* out);

/** Blend_sg_katz_firoozabadi: liquid density from the normal boiling point.
 * @param[in]  n   number of values, at least 1
 * @param[in]  tb  n normal boiling points (K)
 * @param[out] out n liquid densities (kg/m3) */
QIRA_API int QiraBatch_Blend_sg_katz_firoozabadi(int n, const double* tb, double* out);

/** Blend_mw_twu: molecular weight by Twu from the boiling point and density.
 * @param[in]  n       number of values, at least 1
 * @param[in]  tb      n normal boiling points (K)
 * @param[in]  density n liquid densities (kg/m3)
 * @param[out] out     n molecular weights (kg/kmol) */
QIRA_API int QiraBatch_Blend_mw_twu(int n, const double* tb, const double* density, double* out);
/** @} */

/** @name Liquid density and vapour pressure, N values per call
 * Returns n; -1 for n < 1 or a null array. */
/** @{ */

/** pc_ppress: Lee-Kesler reduced vapour pressure Psat/Pc.
 * @param[in]  n     number of values, at least 1
 * @param[in]  tr    n reduced temperatures T/Tc
 * @param[in]  omega n acentric factors
 * @param[out] out   n reduced vapour pressures */
QIRA_API int QiraBatch_pc_ppress(int n, const double* tr, const double* omega, double* out);

/** pc_costald: the two COSTALD functions of the reduced temperature. Each output pair
 * is what pc_costald leaves in two slots holding -32767.0 beforehand (a not-a-number tr
 * leaves them so).
 * @param[in]  n       number of values, at least 1
 * @param[in]  tr      n reduced temperatures T/Tc
 * @param[out] vr0     n values of V_R0
 * @param[out] vrDelta n values of V_Rdelta */
QIRA_API int QiraBatch_pc_costald(int n, const double* tr, double* vr0, double* vrDelta);

/** pc_satden: COSTALD saturated-liquid molar density.
 * @param[in]  n        number of values, at least 1
 * @param[in]  tr       n reduced temperatures T/Tc
 * @param[in]  vstar    n characteristic volumes (m3/kmol)
 * @param[in]  omegaSrk n SRK acentric factors
 * @param[out] out      n molar densities (kmol/m3) */
QIRA_API int QiraBatch_pc_satden(int n, const double* tr, const double* vstar, const double* omegaSrk,
                                 double* out);

/** pc_c1den: saturated-liquid molar density of methane.
 * @param[in]  n   number of values, at least 1
 * @param[in]  tr  n reduced temperatures T/Tc
 * @param[out] out n molar densities (kmol/m3) */
QIRA_API int QiraBatch_pc_c1den(int n, const double* tr, double* out);

/** pc_xden: compressed-liquid molar density of one component.
 * @param[in]  n        number of values, at least 1
 * @param[in]  t        n temperatures (K)
 * @param[in]  p        n pressures (kPa)
 * @param[in]  tc       n critical temperatures (K)
 * @param[in]  pc       n critical pressures (kPa)
 * @param[in]  vstar    n characteristic volumes (m3/kmol)
 * @param[in]  omegaSrk n SRK acentric factors
 * @param[in]  omega    n acentric factors
 * @param[out] out      n molar densities (kmol/m3) */
QIRA_API int QiraBatch_pc_xden(int n, const double* t, const double* p, const double* tc,
                               const double* pc, const double* vstar, const double* omegaSrk,
                               const double* omega, double* out);
/** @} */

/** @name Cetane, octane and property estimates, N values per call
 * Returns n; -1 for n < 1 or a null array. The estimates that report through a flag
 * (cloud point, C/H ratio, pour point) give, per item, what the single function leaves
 * in a slot holding -32767.0 beforehand: -32767.0 where it reports failure. */
/** @{ */

/** Blend_CetaneIndexD4737: cetane index, four-variable equation.
 * @param[in]  n   number of values, at least 1
 * @param[in]  d15 n densities at 15 C (g/cm3)
 * @param[in]  t10 n D86 10 % temperatures (K)
 * @param[in]  t50 n D86 50 % temperatures (K)
 * @param[in]  t90 n D86 90 % temperatures (K)
 * @param[out] out n cetane indices */
QIRA_API int QiraBatch_Blend_CetaneIndexD4737(int n, const double* d15, const double* t10,
                                              const double* t50, const double* t90, double* out);

/** Blend_CetaneIndexD976_2: cetane index, two-variable equation (density form).
 * @param[in]  n   number of values, at least 1
 * @param[in]  d15 n densities at 15 C (g/cm3)
 * @param[in]  t50 n D86 50 % temperatures (K)
 * @param[out] out n cetane indices */
QIRA_API int QiraBatch_Blend_CetaneIndexD976_2(int n, const double* d15, const double* t50, double* out);

/** MonClear: motor octane number from the research octane number.
 * @param[in]  n   number of values, at least 1
 * @param[in]  ron n research octane numbers
 * @param[in]  b   n correction terms
 * @param[out] out n motor octane numbers */
QIRA_API int QiraBatch_MonClear(int n, const double* ron, const double* b, double* out);

/** Blend_EstimateCloudPt: cloud point.
 * @param[in]  n   number of values, at least 1
 * @param[in]  tb  n normal boiling points (C)
 * @param[in]  sg  n specific gravities
 * @param[out] out n cloud points (C), -32767.0 where the estimate fails */
QIRA_API int QiraBatch_Blend_EstimateCloudPt(int n, const double* tb, const double* sg, double* out);

/** Blend_estimateCtoHRatio: carbon-to-hydrogen weight ratio.
 * @param[in]  n   number of values, at least 1
 * @param[in]  tb  n normal boiling points (K)
 * @param[in]  sg  n specific gravities
 * @param[out] out n C/H weight ratios, -32767.0 where the estimate fails */
QIRA_API int QiraBatch_Blend_estimateCtoHRatio(int n, const double* tb, const double* sg, double* out);

/** Blend_estimatePourPointRiazi: pour point.
 * @param[in]  n   number of values, at least 1
 * @param[in]  nu  n kinematic viscosities at 38 C (cSt)
 * @param[in]  sg  n specific gravities
 * @param[in]  mw  n molecular weights (kg/kmol)
 * @param[out] out n pour points (K), -32767.0 where the estimate fails */
QIRA_API int QiraBatch_Blend_estimatePourPointRiazi(int n, const double* nu, const double* sg,
                                                    const double* mw, double* out);

/** EstimateRefractIdx: refractive index at 20 C.
 * @param[in]  n   number of values, at least 1
 * @param[in]  tb  n normal boiling points (K)
 * @param[in]  rho n densities (kg/m3)
 * @param[in]  mw  n molecular weights (kg/kmol)
 * @param[out] out n refractive indices */
QIRA_API int QiraBatch_EstimateRefractIdx(int n, const double* tb, const double* rho, const double* mw,
                                          double* out);
/** @} */

/** @name Critical properties, N values per call
 * out[i] is the QiraCrit_ function of the same name (QIRACriticalProps.h) of the i-th
 * arguments, -32767.0 where it fails. Returns n; -1 for n < 1 or a null array. */
/** @{ */

/** QiraCrit_TcRiaziDaubert1980.
 * @param[in] n number of values, at least 1
 * @param[in] tb n normal boiling points (K)
 * @param[in] sg n specific gravities
 * @param[out] out n critical temperatures (K) */
QIRA_API int QiraBatch_Crit_TcRiaziDaubert1980(int n, const double* tb, const double* sg, double* out);
/** QiraCrit_PcRiaziDaubert1980.
 * @param[in] n number of values, at least 1
 * @param[in] tb n normal boiling points (K)
 * @param[in] sg n specific gravities
 * @param[out] out n critical pressures (kPa) */
QIRA_API int QiraBatch_Crit_PcRiaziDaubert1980(int n, const double* tb, const double* sg, double* out);
/** QiraCrit_VcRiaziDaubert1980.
 * @param[in] n number of values, at least 1
 * @param[in] tb n normal boiling points (K)
 * @param[in] sg n specific gravities
 * @param[out] out n critical volumes (m3/kmol) */
QIRA_API int QiraBatch_Crit_VcRiaziDaubert1980(int n, const double* tb, const double* sg, double* out);
/** QiraCrit_TcKeslerLee1976.
 * @param[in] n number of values, at least 1
 * @param[in] tb n normal boiling points (K)
 * @param[in] sg n specific gravities
 * @param[out] out n critical temperatures (K) */
QIRA_API int QiraBatch_Crit_TcKeslerLee1976(int n, const double* tb, const double* sg, double* out);
/** QiraCrit_PcKeslerLee1976.
 * @param[in] n number of values, at least 1
 * @param[in] tb n normal boiling points (K)
 * @param[in] sg n specific gravities
 * @param[out] out n critical pressures (kPa) */
QIRA_API int QiraBatch_Crit_PcKeslerLee1976(int n, const double* tb, const double* sg, double* out);
/** QiraCrit_AcentricKeslerLee1976.
 * @param[in] n number of values, at least 1
 * @param[in] tb n normal boiling points (K)
 * @param[in] sg n specific gravities
 * @param[in] tc n critical temperatures (K)
 * @param[in] pc n critical pressures (kPa)
 * @param[out] out n acentric factors */
QIRA_API int QiraBatch_Crit_AcentricKeslerLee1976(int n, const double* tb, const double* sg,
                                                  const double* tc, const double* pc, double* out);
/** QiraCrit_TcTwu1984.
 * @param[in] n number of values, at least 1
 * @param[in] tb n normal boiling points (K)
 * @param[in] sg n specific gravities
 * @param[out] out n critical temperatures (K) */
QIRA_API int QiraBatch_Crit_TcTwu1984(int n, const double* tb, const double* sg, double* out);
/** QiraCrit_PcTwu1984.
 * @param[in] n number of values, at least 1
 * @param[in] tb n normal boiling points (K)
 * @param[in] sg n specific gravities
 * @param[out] out n critical pressures (kPa) */
QIRA_API int QiraBatch_Crit_PcTwu1984(int n, const double* tb, const double* sg, double* out);
/** QiraCrit_VcTwu1984.
 * @param[in] n number of values, at least 1
 * @param[in] tb n normal boiling points (K)
 * @param[in] sg n specific gravities
 * @param[out] out n critical volumes (m3/kmol) */
QIRA_API int QiraBatch_Crit_VcTwu1984(int n, const double* tb, const double* sg, double* out);
/** QiraCrit_CostaldVolumeHT1979.
 * @param[in] n number of values, at least 1
 * @param[in] tc n critical temperatures (K)
 * @param[in] pc n critical pressures (kPa)
 * @param[in] omegaSrk n SRK acentric factors
 * @param[out] out n characteristic volumes V* (m3/kmol) */
QIRA_API int QiraBatch_Crit_CostaldVolumeHT1979(int n, const double* tc, const double* pc,
                                                const double* omegaSrk, double* out);
/** QiraCrit_CostaldOmegaHT1979.
 * @param[in] n number of values, at least 1
 * @param[in] tb n normal boiling points (K)
 * @param[in] tc n critical temperatures (K)
 * @param[in] pc n critical pressures (kPa)
 * @param[out] out n SRK acentric factors */
QIRA_API int QiraBatch_Crit_CostaldOmegaHT1979(int n, const double* tb, const double* tc,
                                               const double* pc, double* out);
/** @} */

/** @name Blending indices and their inverses, N values per call
 * out[i] is the single function (QIRAIndices.h) of the i-th value, -32767.0 where that
 * function gives it. Returns n; -1 for n < 1 or a null array. */
/** @{ */

/** AnilinePointIndex1.
 * @param[in] n number of values, at least 1
 * @param[in] anilinePoint n aniline points, any unit
 * @param[out] out n aniline-point indices */
QIRA_API int QiraBatch_AnilinePointIndex1(int n, const double* anilinePoint, double* out);
/** AnilinePointFromIndex1Mix.
 * @param[in] n number of values, at least 1
 * @param[in] index n blended indices
 * @param[out] out n aniline points, unit of the indexed values */
QIRA_API int QiraBatch_AnilinePointFromIndex1Mix(int n, const double* index, double* out);
/** CloudPointIndex1.
 * @param[in] n number of values, at least 1
 * @param[in] t n cloud points (K)
 * @param[out] out n cloud-point indices */
QIRA_API int QiraBatch_CloudPointIndex1(int n, const double* t, double* out);
/** CloudPointFromIndex1Mix.
 * @param[in] n number of values, at least 1
 * @param[in] index n blended indices
 * @param[out] out n cloud points (K) */
QIRA_API int QiraBatch_CloudPointFromIndex1Mix(int n, const double* index, double* out);
/** CloudPointIndex2.
 * @param[in] n number of values, at least 1
 * @param[in] t n cloud points (K)
 * @param[out] out n cloud-point indices */
QIRA_API int QiraBatch_CloudPointIndex2(int n, const double* t, double* out);
/** CloudPointFromIndex2Mix.
 * @param[in] n number of values, at least 1
 * @param[in] index n blended indices
 * @param[out] out n cloud points (K) */
QIRA_API int QiraBatch_CloudPointFromIndex2Mix(int n, const double* index, double* out);
/** FlashPointIndex1.
 * @param[in] n number of values, at least 1
 * @param[in] t n flash points (K)
 * @param[out] out n flash-point indices */
QIRA_API int QiraBatch_FlashPointIndex1(int n, const double* t, double* out);
/** FlashPointFromIndex1Mix.
 * @param[in] n number of values, at least 1
 * @param[in] index n blended indices
 * @param[out] out n flash points (K) */
QIRA_API int QiraBatch_FlashPointFromIndex1Mix(int n, const double* index, double* out);
/** FlashPointIndex2.
 * @param[in] n number of values, at least 1
 * @param[in] t n flash points (F)
 * @param[out] out n flash-point indices */
QIRA_API int QiraBatch_FlashPointIndex2(int n, const double* t, double* out);
/** FlashPointFromIndex2Mix.
 * @param[in] n number of values, at least 1
 * @param[in] index n blended indices
 * @param[out] out n flash points (F) */
QIRA_API int QiraBatch_FlashPointFromIndex2Mix(int n, const double* index, double* out);
/** FlashPointIndexWickey.
 * @param[in] n number of values, at least 1
 * @param[in] t n flash points (C)
 * @param[out] out n flash-point indices */
QIRA_API int QiraBatch_FlashPointIndexWickey(int n, const double* t, double* out);
/** FlashPointFromIndexWickeyMix.
 * @param[in] n number of values, at least 1
 * @param[in] index n blended indices
 * @param[out] out n flash points (C) */
QIRA_API int QiraBatch_FlashPointFromIndexWickeyMix(int n, const double* index, double* out);
/** FreezePointIndex1.
 * @param[in] n number of values, at least 1
 * @param[in] t n freeze points (C)
 * @param[out] out n freeze-point indices */
QIRA_API int QiraBatch_FreezePointIndex1(int n, const double* t, double* out);
/** FreezePointFromIndex1Mix.
 * @param[in] n number of values, at least 1
 * @param[in] index n blended indices
 * @param[out] out n freeze points (C) */
QIRA_API int QiraBatch_FreezePointFromIndex1Mix(int n, const double* index, double* out);
/** PourPointIndex1.
 * @param[in] n number of values, at least 1
 * @param[in] t n pour points (K)
 * @param[out] out n pour-point indices, -32767.0 unless T > 1e-30 */
QIRA_API int QiraBatch_PourPointIndex1(int n, const double* t, double* out);
/** PourPointFromIndex1Mix.
 * @param[in] n number of values, at least 1
 * @param[in] index n blended indices
 * @param[out] out n pour points (K) */
QIRA_API int QiraBatch_PourPointFromIndex1Mix(int n, const double* index, double* out);
/** RVPIndex1.
 * @param[in] n number of values, at least 1
 * @param[in] rvp n Reid vapour pressures (kPa)
 * @param[out] out n RVP indices */
QIRA_API int QiraBatch_RVPIndex1(int n, const double* rvp, double* out);
/** RVPFromIndex1Mix.
 * @param[in] n number of values, at least 1
 * @param[in] index n blended indices
 * @param[out] out n Reid vapour pressures (kPa) */
QIRA_API int QiraBatch_RVPFromIndex1Mix(int n, const double* index, double* out);
/** Blend_ViscosityIndex1.
 * @param[in] n number of values, at least 1
 * @param[in] nu n kinematic viscosities (cSt)
 * @param[out] out n viscosity indices, -32767.0 where the single function fails */
QIRA_API int QiraBatch_Blend_ViscosityIndex1(int n, const double* nu, double* out);
/** Blend_ViscosityFromIndex1Mix.
 * @param[in] n number of values, at least 1
 * @param[in] index n blended indices
 * @param[out] out n kinematic viscosities (cSt) */
QIRA_API int QiraBatch_Blend_ViscosityFromIndex1Mix(int n, const double* index, double* out);
/** Blend_ViscosityIndex2.
 * @param[in] n number of values, at least 1
 * @param[in] nu n kinematic viscosities (cSt)
 * @param[out] out n viscosity indices, -32767.0 where the single function fails */
QIRA_API int QiraBatch_Blend_ViscosityIndex2(int n, const double* nu, double* out);
/** Blend_ViscosityFromIndex2Mix.
 * @param[in] n number of values, at least 1
 * @param[in] index n blended indices
 * @param[out] out n kinematic viscosities (cSt) */
QIRA_API int QiraBatch_Blend_ViscosityFromIndex2Mix(int n, const double* index, double* out);
/** @} */

QIRA_C_END

#endif /* QIRA_BATCH_H */
