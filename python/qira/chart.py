"""An SVG chart of an assay's cut table (standard library only): the laboratory and TBP
curves with the cut staircase, and the pseudo-components' Walther (ASTM D341) lines with
the measured bulk viscosities. Temperatures are drawn in degrees C."""
import math
from xml.sax.saxutils import escape

from .assay import walther as _walther

W, H = 1100, 520
PANEL_W, PANEL_H = 440, 360
LEFT1, LEFT2, TOP = 80, 620, 90
COLOURS = ("#1f77b4", "#ff7f0e", "#2ca02c", "#d62728", "#9467bd", "#8c564b", "#e377c2",
           "#7f7f7f", "#bcbd22", "#17becf")


def _nice_ticks(lo, hi, count=6):
    span = hi - lo if hi > lo else 1.0
    raw_step = span / count
    mag = 10 ** math.floor(math.log10(raw_step))
    step = min((m * mag for m in (1, 2, 5, 10) if m * mag >= raw_step), default=10 * mag)
    first = math.ceil(lo / step) * step
    ticks, t = [], first
    while t <= hi + 1e-9 * span:
        ticks.append(round(t, 10))
        t += step
    return ticks


class _Panel:
    def __init__(self, left, xlo, xhi, ylo, yhi):
        self.left, self.xlo, self.xhi, self.ylo, self.yhi = left, xlo, xhi, ylo, yhi

    def x(self, v):
        return self.left + (v - self.xlo) / (self.xhi - self.xlo) * PANEL_W

    def y(self, v):
        return TOP + PANEL_H - (v - self.ylo) / (self.yhi - self.ylo) * PANEL_H


def _text(x, y, s, size=12, anchor="middle", extra=""):
    return ('<text x="%.1f" y="%.1f" font-size="%d" text-anchor="%s" '
            'font-family="DejaVu Sans, sans-serif"%s>%s</text>' % (x, y, size, anchor, extra, escape(s)))


def _line(points, colour, width=1.5, dash=None):
    d = " ".join("%.1f,%.1f" % p for p in points)
    return ('<polyline points="%s" fill="none" stroke="%s" stroke-width="%.1f"%s/>'
            % (d, colour, width, ' stroke-dasharray="%s"' % dash if dash else ""))


def _frame(p, xticks, yticks, xlabel, ylabel, xfmt, yfmt):
    out = ['<rect x="%d" y="%d" width="%d" height="%d" fill="white" stroke="black"/>'
           % (p.left, TOP, PANEL_W, PANEL_H)]
    for t, v in xticks:
        x = p.x(t)
        out.append('<line x1="%.1f" y1="%d" x2="%.1f" y2="%d" stroke="#ddd"/>' % (x, TOP, x, TOP + PANEL_H))
        out.append(_text(x, TOP + PANEL_H + 16, xfmt(v), 11))
    for t, v in yticks:
        y = p.y(t)
        out.append('<line x1="%d" y1="%.1f" x2="%d" y2="%.1f" stroke="#ddd"/>' % (p.left, y, p.left + PANEL_W, y))
        out.append(_text(p.left - 6, y + 4, yfmt(v), 11, "end"))
    out.append(_text(p.left + PANEL_W / 2, TOP + PANEL_H + 36, xlabel, 13))
    out.append(_text(p.left - 52, TOP + PANEL_H / 2, ylabel, 13, "middle",
                     ' transform="rotate(-90 %.1f %.1f)"' % (p.left - 52, TOP + PANEL_H / 2)))
    return out


def svg(table, title=None):
    """The SVG text of the chart of a CutTable."""
    a = table.assay
    recs = table.records
    out = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
           % (W, H, W, H), '<rect width="100%" height="100%" fill="white"/>']
    head = title or "%s: %s curve, SG %.4f, Watson K %.3f" % (a.name, a.standard, table.sg,
                                                               table.watson_k)
    out.append(_text(W / 2, 30, head, 18, extra=' font-weight="bold"'))
    out.append(_text(W / 2, 52, "%d pseudo-components; cut table as printed" % len(recs), 12))

    # ---- distillation panel ----
    light = sum(r["volume_fraction"] for r in recs if r["t_low"] == r["t_high"])
    rest = 1.0 - light
    lab_y = [light + rest * y for y in a.yields]
    lab_t = [t - 273.15 for t in a.temperatures]
    ty, tt = a.tbp
    tbp_y = [light + rest * y for y in ty]
    tbp_t = [t - 273.15 for t in tt]
    temps = lab_t + tbp_t + [r["t_low"] - 273.15 for r in recs] + [r["t_high"] - 273.15 for r in recs]
    lo, hi = min(temps), max(temps)
    pad = 0.05 * (hi - lo)
    p = _Panel(LEFT1, 0.0, 100.0, lo - pad, hi + pad)
    out += _frame(p, [(t, t) for t in range(0, 101, 20)],
                  [(t, t) for t in _nice_ticks(lo - pad, hi + pad)],
                  "volume distilled, %", "temperature, °C", lambda v: "%g" % v, lambda v: "%g" % v)
    cum, stair = 0.0, []
    for r in recs:
        t = r["nbp"] - 273.15
        stair += [(p.x(100 * cum), p.y(t)), (p.x(100 * (cum + r["volume_fraction"])), p.y(t))]
        cum += r["volume_fraction"]
    out.append(_line(stair, "#2ca02c", 2.0))
    out.append(_line([(p.x(100 * y), p.y(t)) for y, t in zip(tbp_y, tbp_t)], "#d62728", 2.0))
    if a.standard != "TBP":
        out.append(_line([(p.x(100 * y), p.y(t)) for y, t in zip(lab_y, lab_t)], "#1f77b4", 1.5, "5,3"))
    for y, t in zip(lab_y, lab_t):
        out.append('<circle cx="%.1f" cy="%.1f" r="3.5" fill="#1f77b4"/>' % (p.x(100 * y), p.y(t)))
    legend = [("#1f77b4", "laboratory %s (points)" % a.standard), ("#d62728", "TBP curve"),
              ("#2ca02c", "cuts: mid-cut NBP")]
    for i, (c, s) in enumerate(legend):
        yy = TOP + 16 + 16 * i
        out.append(_line([(p.left + 10, yy - 4), (p.left + 34, yy - 4)], c, 2.5))
        out.append(_text(p.left + 40, yy, s, 11, "start"))

    # ---- Walther panel ----
    v_lo_c, v_hi_c = 20.0, 150.0
    pts = [(r, r["visc38"], r["visc100"]) for r in recs if r["visc38"] and r["visc100"]]
    fit = table.viscosity_fit or []
    nus = [v for _, a38, a100 in pts for v in (a38, a100)] + [f.measured for f in fit]
    if nus:
        def at(n38, n100, t_c):
            x1, x2 = math.log10(311.15), math.log10(373.15)
            w1, w2 = _walther(n38), _walther(n100)
            return w1 + (w2 - w1) * (math.log10(t_c + 273.15) - x1) / (x2 - x1)
        ws = [at(a38, a100, t) for _, a38, a100 in pts for t in (v_lo_c, v_hi_c)]
        ws += [_walther(f.measured) for f in fit]
        wlo, whi = min(ws), max(ws)
        nu_ticks = [v for v in (0.3, 0.5, 0.7, 1, 1.5, 2, 3, 5, 10, 20, 50, 100, 200, 500, 1000,
                                2000, 5000, 1e4, 1e5) if v > 0]
        nu_ticks = [v for v in nu_ticks if wlo - 0.02 <= _walther(v) <= whi + 0.02] or nu_ticks[:2]
        wlo = min(wlo, _walther(nu_ticks[0]))
        whi = max(whi, _walther(nu_ticks[-1]))
        q = _Panel(LEFT2, math.log10(v_lo_c + 273.15), math.log10(v_hi_c + 273.15),
                   wlo - 0.01, whi + 0.01)
        shown = []
        for v in nu_ticks:   # keep ticks at least 14 px apart
            if not shown or abs(q.y(_walther(v)) - q.y(_walther(shown[-1]))) >= 14:
                shown.append(v)
        out += _frame(q, [(math.log10(t + 273.15), t) for t in (20, 40, 60, 80, 100, 120, 150)],
                      [(_walther(v), v) for v in shown],
                      "temperature, °C (ASTM D341 scale)", "kinematic viscosity, cSt",
                      lambda v: "%g" % v, lambda v: "%g" % v)
        for i, (r, a38, a100) in enumerate(pts):
            c = COLOURS[i % len(COLOURS)]
            out.append(_line([(q.x(math.log10(t + 273.15)), q.y(at(a38, a100, t)))
                              for t in (v_lo_c, v_hi_c)], c, 1.3))
            out.append(_text(q.x(q.xhi) + 4, q.y(at(a38, a100, v_hi_c)) + 4,
                             "%.0f °C" % (r["nbp"] - 273.15), 9, "start", ' fill="%s"' % c))
        for f in fit:
            cx, cy = q.x(math.log10(f.temperature)), q.y(_walther(f.measured))
            if f.given:
                out.append('<rect x="%.1f" y="%.1f" width="9" height="9" fill="black"/>' % (cx - 4.5, cy - 4.5))
            else:
                out.append('<rect x="%.1f" y="%.1f" width="9" height="9" fill="none" stroke="black"/>'
                           % (cx - 4.5, cy - 4.5))
        out.append(_text(q.left + 10, TOP + 16, "lines: pseudo-components (NBP at right end)", 11, "start"))
        out.append('<rect x="%d" y="%d" width="9" height="9" fill="black"/>' % (q.left + 10, TOP + 26))
        out.append(_text(q.left + 24, TOP + 35, "measured bulk viscosity (hollow: synthesized)", 11, "start"))
    else:
        out.append(_text(LEFT2 + PANEL_W / 2, TOP + PANEL_H / 2, "no viscosities", 14))
    out.append("</svg>")
    return "\n".join(out)


def write(table, path, title=None):
    with open(path, "w") as f:
        f.write(svg(table, title))
    return path
