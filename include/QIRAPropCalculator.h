/** @file
 * QIRAPropCalculator: petroleum-assay property calculations.
 *
 * Umbrella header: includes every family header. From C it declares the plain C
 * functions; from C++ also the classes ViscHandler and NRsolver and the Qira_ solver
 * entry points.
 *
 * Conventions: temperatures in kelvin unless a function says otherwise; yields are
 * fractions 0..1; arrays are caller-owned and never kept; booleans are one byte; the
 * missing-value marker is -32767.0 (QIRA_MISSING). No function throws, logs or allocates
 * memory for the host.
 */
/** @def QIRA_API
 * Marks every exported function and the two exported classes (defined in QIRAExport.h):
 * default visibility on ELF targets, dllexport / dllimport on Windows.
 */
/** @def QIRA_C_BEGIN
 * Opens the block of plain C declarations (extern "C" from C++, nothing from C).
 */
/** @def QIRA_C_END
 * Closes the block opened by QIRA_C_BEGIN.
 */
#ifndef QIRA_PROPCALCULATOR_H
#define QIRA_PROPCALCULATOR_H

#include "QIRAExport.h"
#include "QIRASettings.h"
#include "QIRAConversions.h"
#include "QIRAGrids.h"
#include "QIRACurveFit.h"
#include "QIRACutting.h"
#include "QIRABlends.h"
#include "QIRALabCurves.h"
#include "QIRACharacterization.h"
#include "QIRALiquidProps.h"
#include "QIRAViscosityFit.h"
#include "QIRAViscHandles.h"
#include "QIRAIndices.h"
#include "QIRACetane.h"
#include "QIRAOctane.h"
#include "QIRAEstimates.h"
#include "QIRASolvers.h"
#include "QIRACriticalProps.h"
#include "QIRARelations.h"
#include "QIRAAssay.h"
#include "QIRAChart.h"
#include "QIRABatch.h"
#include "ViscHandler.h"

#endif /* QIRA_PROPCALCULATOR_H */
