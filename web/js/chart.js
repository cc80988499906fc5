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
    var r = E.readText(function (buf, size, needed) { return fn(h, buf, size, needed); });
    return r.status === OK ? r.text : "";
  }

  function check(h, status) {
    if (status !== OK) throw new Error(text(h, c.LastError));
  }

  var CONVERSION = { D86: "API 3A1.1", D2887: "API 3A3.1", D1160: "D1160 conversion" };

  // The chart's inputs from a stream and its table: laboratory points, the TBP curve
  // (dashed beyond the laboratory readings), the cut staircase with the light ends, the
  // cuts' Walther lines and the bulk viscosity points.
  function draw(h, stream, table, M, s) {
    var lab = stream.laboratory;
    var tbp = E.curve(stream.handle, "TBP");
    var title = stream.name + ": " + stream.standard + " curve, SG " + table.bulk.sg.toFixed(4) +
      ", Watson K " + table.bulk.watson_k.toFixed(3);
    var caption = (stream.standard === "TBP" ? "TBP curve as given" : "TBP from the " + stream.standard +
      " curve by " + CONVERSION[stream.standard]) + "; cut fractions on the probability scale; SG by one " +
      "Watson K; MW from SG and K; viscosities at 38 and 100 C from the viscosity handler" +
      (table.fit.length ? " fitted to the bulk viscosities" : " (Twu estimates)") + ", drawn on ASTM D341 axes.";
    check(h, c.SetText(h, title, caption));
    if (lab) {
      check(h, c.AddCurve(h, "laboratory " + stream.standard, lab.yields.length, s.doubles(lab.yields),
                          s.doubles(lab.temperatures), 0, POINTS));
    }
    var lo = lab ? lab.yields[0] : 0, hi = lab ? lab.yields[lab.yields.length - 1] : 1;
    var flags = s.alloc(tbp.yields.length);
    tbp.yields.forEach(function (y, i) { M.setValue(flags + i, (y < lo - 1e-9 || y > hi + 1e-9) ? 1 : 0, "i8"); });
    check(h, c.AddCurve(h, "TBP", tbp.yields.length, s.doubles(tbp.yields), s.doubles(tbp.temperatures),
                        flags, LINE));
    var cuts = [], cols = table.columns;
    table.names.forEach(function (name, r) {
      if (table.lightEnd[r]) check(h, c.AddLightEnd(h, name, cols.nbp[r], cols.volume_fraction[r]));
      else cuts.push(r);
    });
    if (cuts.length) {
      var bounds = cuts.map(function (r) { return cols.t_low[r]; });
      bounds.push(cols.t_high[cuts[cuts.length - 1]]);
      var names = s.pointers(cuts.map(function (r) { return s.text(table.names[r]); }));
      check(h, c.SetCuts(h, cuts.length, s.doubles(bounds), s.doubles(cuts.map(function (r) { return cols.nbp[r]; })),
                         s.doubles(cuts.map(function (r) { return cols.volume_fraction[r]; })), names));
    }
    cuts.forEach(function (r) {
      var v38 = cols.visc38[r], v100 = cols.visc100[r];
      if (v38 !== null && v100 !== null && v100 > 0 && v100 <= v38) {
        check(h, c.AddViscosityLine(h, (cols.nbp[r] - 273.15).toFixed(0) + " C", v38, v100));
      }
    });
    table.fit.forEach(function (p) {
      check(h, c.AddViscosityPoint(h, p.temperature, p.measured, p.given ? 1 : 0));
    });
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
