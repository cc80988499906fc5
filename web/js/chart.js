// The chart of a stream's cut table as SVG text, drawn by the library's chart family from
// the stream's curves and cut table.
"use strict";
var QiraChartView = (function () {
  var E = QiraEngine;
  var c = null;
  var OK = 0, BUFFER_TOO_SMALL = -2, LINE = 0, POINTS = 1;

  function bind(M) {
    var n = "number", s = "string";
    if (!M["_QiraChart_Create"]) return;      // a build without the chart family
    function f(name, ret, args) { c[name] = M.cwrap("QiraChart_" + name, ret, args); }
    c = {};
    f("Create", n, []);
    f("Free", null, [n]);
    f("SetText", n, [n, s, s]);
    f("AddCurve", n, [n, s, n, n, n, n, n]);
    f("SetCuts", n, [n, n, n, n, n, n]);
    f("AddLightEnd", n, [n, s, n, n]);
    f("AddViscosityLine", n, [n, s, n, n]);
    f("AddViscosityPoint", n, [n, n, n, n]);
    f("Render", n, [n, n, n, n]);
    f("LastError", n, [n, n, n, n]);
  }

  function text(h, fn) {
    var r = E.readText(function (buf, size, needed) { return fn(h, buf, size, needed); }, BUFFER_TOO_SMALL);
    return r.status === OK ? r.text : "";
  }

  function check(h, status) {
    if (status !== OK) throw new Error(text(h, c.LastError));
  }

  // The same drawing as the qira command's chart, so that both give one SVG document.
  var CONVERSION = { D86: "TBP from D86 by API 3A1.1", D2887: "TBP from D2887 by API 3A3.1",
                     D1160: "TBP from D1160 by the D1160 conversion (IBP to 50 %, the rest as TBP)",
                     TBP: "TBP as given" };
  var CRITICAL = { "riazi-daubert": "Riazi and Daubert (1980)", "kesler-lee": "Kesler and Lee (1976)",
                   "twu": "Twu (1984)" };

  function caption(stream, table) {
    var first;
    if (stream.shares) {
      first = "Curves of the blend by the library's TBP, D86 and D2887 blends of the mixed cut fractions.";
    } else if (stream.standard === "TBP") {
      first = "TBP readings as given.";
    } else {
      first = CONVERSION[stream.standard] + "; dashed: beyond the laboratory readings.";
    }
    var method = stream.method || "riazi-daubert";
    return first + " Cuts: volume fractions by the library's laboratory-curve cutter " +
      "between the boundaries, mid-cut NBP at the middle of each cut's volume; SG from " +
      "one Watson K (" + table.bulk.watson_k.toFixed(3) + ") fitted to the bulk SG; critical constants by " +
      (CRITICAL[method] || method) + ". Viscosity: each pseudo-component's values at 38 and 100 °C " +
      "from the viscosity handler fitted to the bulk points, drawn as a straight line on ASTM " +
      "D341 (Walther) paper.";
  }

  function addCurve(h, s, M, label, curve, extrapolated, style) {
    var flags = 0;
    if (extrapolated) {
      flags = s.alloc(extrapolated.length);
      extrapolated.forEach(function (x, i) { M.setValue(flags + i, x ? 1 : 0, "i8"); });
    }
    check(h, c.AddCurve(h, label, curve.yields.length, s.doubles(curve.yields),
                        s.doubles(curve.temperatures), flags, style));
  }

  // The laboratory readings and the TBP curve, dashed beyond the readings (a blend: its
  // blended TBP, D86 and D2887 curves).
  function addCurves(h, s, M, stream) {
    if (stream.shares) {
      ["TBP", "D86", "D2887"].forEach(function (std) {
        addCurve(h, s, M, std + " (blended)", E.curve(stream.handle, std), null, LINE);
      });
      return;
    }
    var lab = stream.laboratory;
    var lo = Math.min.apply(null, lab.yields), hi = Math.max.apply(null, lab.yields);
    addCurve(h, s, M, "laboratory " + stream.standard + " readings", lab, null, POINTS);
    if (stream.standard !== "TBP") {
      var tbp = E.curve(stream.handle, "TBP");
      var by = CONVERSION[stream.standard].split(" by ");
      addCurve(h, s, M, "TBP (" + by[by.length - 1] + ")", tbp,
               tbp.yields.map(function (y) { return y < lo - 1e-9 || y > hi + 1e-9; }), LINE);
    }
  }

  // The light ends, the cut staircase, the cuts' Walther lines and the bulk points.
  function addStaircase(h, s, table) {
    var cols = table.columns, light = [], cuts = [];
    table.names.forEach(function (name, r) { (cols.t_low[r] === cols.t_high[r] ? light : cuts).push(r); });
    light.forEach(function (r) {
      check(h, c.AddLightEnd(h, table.names[r], cols.nbp[r], cols.volume_fraction[r]));
    });
    if (cuts.length) {
      var pick = function (col) { return cuts.map(function (r) { return cols[col][r]; }); };
      check(h, c.SetCuts(h, cuts.length, s.doubles([cols.t_low[cuts[0]]].concat(pick("t_high"))),
                         s.doubles(pick("nbp")), s.doubles(pick("volume_fraction")),
                         s.pointers(cuts.map(function (r) { return s.text(table.names[r]); }))));
    }
    cuts.forEach(function (r) {
      if (cols.visc38[r] && cols.visc100[r]) {
        check(h, c.AddViscosityLine(h, (cols.nbp[r] - 273.15).toFixed(0) + " °C", cols.visc38[r], cols.visc100[r]));
      }
    });
    table.fit.forEach(function (p) {
      check(h, c.AddViscosityPoint(h, p.temperature, p.measured, p.given ? 1 : 0));
    });
  }

  function draw(h, stream, table, M, s) {
    var title = stream.name + ": " + stream.standard + " curve, SG " + table.bulk.sg.toFixed(4) +
      ", Watson K " + table.bulk.watson_k.toFixed(3) + ", " + table.names.length + " pseudo-components";
    check(h, c.SetText(h, title, caption(stream, table)));
    addCurves(h, s, M, stream);
    addStaircase(h, s, table);
  }

  // The SVG text of the chart, or "" when this build has no chart family.
  function svg(stream, table) {
    if (!c) return "";
    var M = E.module();
    var h = c.Create();
    if (!h) return "";
    try {
      return E.withScratch(function (s) {
        draw(h, stream, table, M, s);
        return text(h, c.Render);
      });
    } finally {
      c.Free(h);
    }
  }

  return { bind: bind, svg: svg };
})();
