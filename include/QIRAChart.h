/** @file
 * Assay charts as SVG text: a builder the caller creates, fills with plain arrays and
 * frees, and a renderer that writes the SVG document into a caller-owned buffer.
 *
 * An extension beyond the core interface: every name carries the prefix QiraChart_.
 *
 * The chart has two panels side by side and a caption under them:
 * - distillation: temperature (degrees C on the axis) against volume distilled (%). The
 *   laboratory readings as points, converted or blended curves as lines, dashed over the
 *   segments that touch a point flagged as extrapolated; the cut staircase: the light ends
 *   first, each a labelled step at its boiling point, then one box per cut spanning its
 *   volume share and its boundary temperatures, a step at its mid-cut NBP, its name beside
 *   the box, and every boundary temperature labelled at the panel's right edge;
 * - viscosity: the pseudo-components' Walther lines (ASTM D341 paper: the ordinate
 *   ln ln(nu + 0.7 + low-viscosity term), the abscissa ln(1.8 T)) through their viscosities
 *   at 38 and 100 C, labelled at their right ends, and the bulk viscosity points (filled:
 *   measured; hollow: derived from the measured ones). The viscosity axis carries the
 *   1-2-5 ticks of every decade the data span (never below 0.2 cSt, where the Walther
 *   ordinate stops being defined); a line leaving the axis range is cut at the frame and
 *   marked there with an arrowhead.
 * Legends stand under the panels, outside the plotting areas; labels that would overlap
 * are moved apart (with a leader line) and, when there are more than the space holds,
 * thinned out, which the legend then says.
 *
 * Units at the interface: temperatures in kelvin, kinematic viscosities in cSt, volume
 * fractions 0..1. Curve fractions are of the material the curve describes, the stream less
 * its light ends; the chart places them after the light ends. Cut and light-end fractions
 * are of the whole stream. Text arguments are UTF-8, null-terminated; invalid bytes are
 * drawn as '?', and markup characters are escaped.
 *
 * Results: every function returning int returns QIRA_CHART_OK (0) or a negative failure
 * code. A failed call changes nothing in the chart; QiraChart_LastError then describes
 * the argument and the value at fault. The builder is not shared between threads; separate
 * builders are independent. No function throws, logs or allocates memory for the host.
 */
#ifndef QIRA_CHART_H
#define QIRA_CHART_H

#include "QIRAExport.h"

QIRA_C_BEGIN

/** Success. */
#define QIRA_CHART_OK 0
/** A null, non-finite, out-of-range or inconsistent argument; nothing changed. */
#define QIRA_CHART_BAD_ARGUMENT (-1)
/** The text does not fit the buffer; *needed holds the size required, the buffer holds
 * the empty string when size is at least 1. */
#define QIRA_CHART_BUFFER_TOO_SMALL (-2)
/** Memory ran out inside the library; nothing changed. */
#define QIRA_CHART_OUT_OF_MEMORY (-3)

/** Curve style: a converted, blended or fitted curve drawn as a line. */
#define QIRA_CHART_LINE 0
/** Curve style: laboratory readings drawn as points joined by a thin line. */
#define QIRA_CHART_POINTS 1

/** The most points a curve, cuts a staircase, and lines or points the viscosity panel
 * take; larger counts are refused. */
#define QIRA_CHART_MAX_ITEMS 10000

/** An opaque chart builder. */
typedef struct QiraChart QiraChart;

/** A new, empty chart; free it with QiraChart_Free.
 * @return the builder, or null when memory runs out. */
QIRA_API QiraChart* QiraChart_Create(void);

/** Frees a builder; null is ignored.
 * @param[in] chart builder from QiraChart_Create (not used afterwards). */
QIRA_API void QiraChart_Free(QiraChart* chart);

/** Sets the title (one line above the panels) and the caption (wrapped under the panels;
 * it should name the methods behind the drawn curves and values).
 * @param[in,out] chart builder.
 * @param[in] title [string] UTF-8 text; "" for none.
 * @param[in] caption [string] UTF-8 text; "" for none; a newline starts a new line.
 * @return QIRA_CHART_OK; QIRA_CHART_BAD_ARGUMENT for a null argument. */
QIRA_API int QiraChart_SetText(QiraChart* chart, const char* title, const char* caption);

/** Adds a distillation curve; curves are drawn in the order added, each in the next colour.
 * @param[in,out] chart builder.
 * @param[in] label [string] legend text (UTF-8), e.g. "laboratory D86" or "TBP (API 3A1.1)".
 * @param[in] count number of points, 2..QIRA_CHART_MAX_ITEMS.
 * @param[in] fractions [count] count volume fractions 0..1, non-decreasing, of the material the
 *            curve describes (the stream less its light ends).
 * @param[in] kelvin [count] count temperatures, K, finite and positive.
 * @param[in] extrapolated [count] count flags, true where the point was extrapolated rather than
 *            measured or converted from a measurement; null when none is.
 * @param[in] style QIRA_CHART_LINE or QIRA_CHART_POINTS.
 * @return QIRA_CHART_OK; QIRA_CHART_BAD_ARGUMENT for a null pointer (other than
 *         extrapolated), a count out of range, a value out of range or descending, or an
 *         unknown style; QIRA_CHART_OUT_OF_MEMORY. */
QIRA_API int QiraChart_AddCurve(QiraChart* chart, const char* label, int count,
                                const double* fractions, const double* kelvin,
                                const bool* extrapolated, int style);

/** Sets the cut staircase (replacing any set before).
 * @param[in,out] chart builder.
 * @param[in] count number of cuts, 1..QIRA_CHART_MAX_ITEMS.
 * @param[in] boundaries [count+1] count + 1 boundary temperatures, K, finite, positive, ascending.
 * @param[in] nbp [count] count mid-cut normal boiling points, K, finite and positive.
 * @param[in] fractions [count] count volume fractions of the whole stream, each 0..1, together
 *            (with the light ends) at most 1 (to 1e-6).
 * @param[in] names [count] count UTF-8 cut names; null for "cut 1", "cut 2", ...; a null entry
 *            is drawn unnamed.
 * @return QIRA_CHART_OK; QIRA_CHART_BAD_ARGUMENT; QIRA_CHART_OUT_OF_MEMORY. */
QIRA_API int QiraChart_SetCuts(QiraChart* chart, int count, const double* boundaries,
                               const double* nbp, const double* fractions,
                               const char* const* names);

/** Adds a light end (a pure component ahead of the cuts), drawn as a labelled step.
 * @param[in,out] chart builder.
 * @param[in] name [string] UTF-8 component name, e.g. "propane".
 * @param[in] nbp normal boiling point, K, finite and positive.
 * @param[in] fraction volume fraction of the whole stream, 0..1.
 * @return QIRA_CHART_OK; QIRA_CHART_BAD_ARGUMENT (also when the light ends and cuts
 *         would exceed the whole stream); QIRA_CHART_OUT_OF_MEMORY. */
QIRA_API int QiraChart_AddLightEnd(QiraChart* chart, const char* name, double nbp,
                                   double fraction);

/** Adds a pseudo-component's Walther line through its viscosities at 38 and 100 C.
 * @param[in,out] chart builder.
 * @param[in] label [string] UTF-8 text shown at the line's right end, e.g. its NBP "152 C".
 * @param[in] nu38 kinematic viscosity at 311.15 K, cSt, finite and positive.
 * @param[in] nu100 kinematic viscosity at 373.15 K, cSt, finite, positive, at most nu38.
 * @return QIRA_CHART_OK; QIRA_CHART_BAD_ARGUMENT; QIRA_CHART_OUT_OF_MEMORY. */
QIRA_API int QiraChart_AddViscosityLine(QiraChart* chart, const char* label, double nu38,
                                        double nu100);

/** Adds a bulk viscosity point.
 * @param[in,out] chart builder.
 * @param[in] kelvin temperature, K, 200..700.
 * @param[in] cst kinematic viscosity, cSt, finite and positive.
 * @param[in] measured true for a measurement (filled square), false for a point derived
 *            from the measurements (hollow square).
 * @return QIRA_CHART_OK; QIRA_CHART_BAD_ARGUMENT; QIRA_CHART_OUT_OF_MEMORY. */
QIRA_API int QiraChart_AddViscosityPoint(QiraChart* chart, double kelvin, double cst,
                                         bool measured);

/** Renders the chart as an SVG document (UTF-8, null-terminated). A panel without data
 * says so in its frame. Query the size with svg null and size 0.
 * @param[in] chart builder.
 * @param[out] svg [size] buffer of size bytes; may be null when size is 0.
 * @param[in] size buffer size in bytes, at least 0.
 * @param[out] needed [1] size required including the terminating null; may be null.
 * @return QIRA_CHART_OK; QIRA_CHART_BUFFER_TOO_SMALL (*needed set);
 *         QIRA_CHART_BAD_ARGUMENT for a null chart, a negative size, or a null svg with
 *         a positive size; QIRA_CHART_OUT_OF_MEMORY. */
QIRA_API int QiraChart_Render(const QiraChart* chart, char* svg, int size, int* needed);

/** The message of the builder's last failed call ("" when none failed), naming the
 * argument, its position and value, and what was expected.
 * @param[in] chart builder.
 * @param[out] text [size] buffer of size bytes; may be null when size is 0.
 * @param[in] size buffer size in bytes, at least 0.
 * @param[out] needed [1] size required including the terminating null; may be null.
 * @return as QiraChart_Render. */
QIRA_API int QiraChart_LastError(const QiraChart* chart, char* text, int size, int* needed);

QIRA_C_END

#endif /* QIRA_CHART_H */
