// What the page shows of a stream and its cut table: the cut table (display units in the
// cells, SI values in data-value), the distillation curves, bulk values, notes, the
// viscosity fit report, and the table as the command's CSV.
"use strict";
var QiraRender = (function () {
  var U = QiraUnits;
  var T38 = 311.15, T100 = 373.15;

  // Column display: header, unit kind and format of the shown value.
  var COLUMN_VIEW = {
    t_low: ["T low", "T", 1], t_high: ["T high", "T", 1], nbp: ["NBP", "T", 1],
    volume_fraction: ["vol", "%", 3], mass_fraction: ["mass", "%", 3],
    mole_fraction: ["mole", "%", 3], sg: ["SG", "", 4], watson_k: ["Kw", "", 3],
    mw: ["MW", "kg/kmol", 1], tc: ["Tc", "T", 1], pc: ["Pc", "kPa", 0],
    vc: ["Vc", "m3/kmol", 4], omega: ["ω", "", 4], vstar: ["V*", "m3/kmol", 4],
    omega_srk: ["ω SRK", "", 4], visc38: ["ν 38 °C", "cSt", -4], visc100: ["ν 100 °C", "cSt", -4]
  };
  // Units of the command's CSV header.
  var CSV_UNITS = { t_low: "K", t_high: "K", nbp: "K", mw: "kg/kmol", tc: "K", pc: "kPa",
                    vc: "m3/kmol", vstar: "m3/kmol", visc38: "cSt", visc100: "cSt" };

  function el(tag, attrs, text) {
    var e = document.createElement(tag);
    Object.keys(attrs || {}).forEach(function (k) { e.setAttribute(k, attrs[k]); });
    if (text !== undefined) e.textContent = text;
    return e;
  }

  function shown(col, v, unit) {
    if (v === null || v === undefined) return "–";
    var view = COLUMN_VIEW[col];
    if (view[1] === "T") v = U.fromKelvin[unit](v);
    if (view[1] === "%") v = 100 * v;
    return view[2] < 0 ? U.formatG(v, -view[2]) : v.toFixed(view[2]);
  }

  function unitLabel(col, unit) {
    var kind = COLUMN_VIEW[col][1];
    return kind === "T" ? U.temperatureLabel[unit] : kind;
  }

  function cutTable(table, columns, unit) {
    var t = document.getElementById("cut-table");
    t.textContent = "";
    var head = el("thead"), hr = el("tr");
    hr.appendChild(el("th", {}, "cut"));
    columns.forEach(function (col) {
      var th = el("th", { "data-column": col }, COLUMN_VIEW[col][0]);
      var u = unitLabel(col, unit);
      if (u) { th.appendChild(el("br")); th.appendChild(el("span", { "class": "unit" }, u)); }
      hr.appendChild(th);
    });
    head.appendChild(hr);
    t.appendChild(head);
    var body = el("tbody");
    table.names.forEach(function (name, r) {
      var tr = el("tr", table.lightEnd[r] ? { "class": "light-end" } : {});
      tr.appendChild(el("th", { scope: "row" }, name));
      columns.forEach(function (col) {
        var v = table.columns[col][r];
        tr.appendChild(el("td", { "data-column": col, "data-value": v === null ? "" : String(v) },
                          shown(col, v, unit)));
      });
      body.appendChild(tr);
    });
    t.appendChild(body);
  }

  function clearTable() {
    document.getElementById("cut-table").textContent = "";
  }

  // The command's CSV: header with units, values to six significant digits.
  function csv(table, columns) {
    function quote(s) { return /[",\n\r]/.test(s) ? '"' + s.replace(/"/g, '""') + '"' : s; }
    var lines = [["cut"].concat(columns.map(function (c) {
      return CSV_UNITS[c] ? c + " [" + CSV_UNITS[c] + "]" : c;
    })).join(",")];
    table.names.forEach(function (name, r) {
      lines.push([quote(name)].concat(columns.map(function (c) {
        var v = table.columns[c][r];
        return v === null ? "" : U.formatG(v, 6);
      })).join(","));
    });
    return lines.join("\n") + "\n";
  }

  function curves(curveSet, unit) {
    var t = document.getElementById("curve-table");
    t.textContent = "";
    ["TBP", "D86", "D2887"].forEach(function (std) {
      var c = curveSet[std];
      if (!c) return;
      var tr = el("tr", { "data-curve": std });
      tr.appendChild(el("th", { scope: "row" }, std));
      c.yields.forEach(function (y, i) {
        var td = el("td", { "data-yield": String(y), "data-value": String(c.temperatures[i]) });
        td.appendChild(el("span", { "class": "yield" }, U.formatG(100 * y, 6) + " %"));
        td.appendChild(el("br"));
        td.appendChild(document.createTextNode(U.fromKelvin[unit](c.temperatures[i]).toFixed(1) + " " + U.temperatureLabel[unit]));
        tr.appendChild(td);
      });
      t.appendChild(tr);
    });
  }

  var PROPERTY_VIEW = {
    flash_point: ["flash point", "T"], pour_point: ["pour point", "T"],
    cloud_point: ["cloud point", "T"], freeze_point: ["freeze point", "T"],
    aniline_point: ["aniline point", "T"], smoke_point: ["smoke point", "mm"],
    rvp: ["RVP", "kPa"]
  };

  function bulk(stream, table, unit) {
    var b = document.getElementById("bulk");
    b.textContent = "";
    var dl = el("dl");
    function item(label, value, key) {
      dl.appendChild(el("dt", {}, label));
      dl.appendChild(el("dd", key ? { "data-bulk": key } : {}, value));
    }
    item("SG", table.bulk.sg.toFixed(4) + " (API " + QiraEngine.apiFromSg(table.bulk.sg).toFixed(2) + ")", "sg");
    item("Watson K", table.bulk.watson_k.toFixed(3), "watson_k");
    item("MW", table.bulk.mw.toFixed(1) + " kg/kmol" +
         (table.bulk.mw_scale === 1.0 ? "" : " (MW scale " + table.bulk.mw_scale.toFixed(4) + ")"), "mw");
    Object.keys(stream.properties || {}).forEach(function (k) {
      var v = stream.properties[k], view = PROPERTY_VIEW[k];
      var text = view[1] === "T" ? U.fromKelvin[unit](v).toFixed(2) + " " + U.temperatureLabel[unit]
        : v.toFixed(2) + " " + view[1];
      item(view[0], text, k);
    });
    (stream.viscosities || []).forEach(function (p) {
      item("viscosity at " + U.fromKelvin[unit](p[0]).toFixed(1) + " " + U.temperatureLabel[unit],
           U.formatG(p[1], 4) + " cSt");
    });
    var ci = stream.sg === undefined ? null : QiraEngine.cetaneIndex(stream.handle, stream.sg);
    item("cetane index (ASTM D4737)", ci === null ? "not available for this stream" : ci.toFixed(1), "cetane_index");
    if (stream.shares) {
      item("blend", stream.shares.map(function (s) {
        return s.name + ": " + (100 * s.volume).toFixed(2) + " % vol, " + (100 * s.mass).toFixed(2) + " % mass";
      }).join("; "));
    }
    b.appendChild(dl);
  }

  function notes(table) {
    var ul = document.getElementById("notes");
    ul.textContent = "";
    table.notes.forEach(function (n) { ul.appendChild(el("li", {}, "note: " + n)); });
  }

  // The fit report as the command prints it: a measured point more than 1 K outside the
  // fitted 38 to 100 C range is flagged, as is a point derived on the Walther line.
  function viscosityFit(table, unit) {
    var t = document.getElementById("viscosity-fit");
    t.textContent = "";
    if (!table.fit.length) {
      t.appendChild(el("caption", {}, "No bulk viscosities: the cuts' viscosities are the handler's estimates."));
      return;
    }
    var temps = {};
    table.fit.forEach(function (p) { if (p.given) temps[p.temperature] = true; });
    var anchored = Object.keys(temps).length > 1;
    var hr = el("tr");
    ["temperature, " + U.temperatureLabel[unit], "measured, cSt", "calculated, cSt", ""].forEach(function (h) {
      hr.appendChild(el("th", {}, h));
    });
    t.appendChild(hr);
    table.fit.forEach(function (p) {
      var outside = anchored && !(T38 - 1.0 <= p.temperature && p.temperature <= T100 + 1.0);
      var tr = el("tr");
      tr.appendChild(el("td", {}, U.fromKelvin[unit](p.temperature).toFixed(1)));
      tr.appendChild(el("td", {}, U.formatG(p.measured, 4)));
      tr.appendChild(el("td", {}, p.calculated === null ? "–" : U.formatG(p.calculated, 4)));
      tr.appendChild(el("td", {}, !p.given ? "synthesized point"
                                  : outside ? "outside the fitted 38-100 C range" : ""));
      t.appendChild(tr);
    });
  }

  return { cutTable: cutTable, clearTable: clearTable, csv: csv, curves: curves, bulk: bulk,
           notes: notes, viscosityFit: viscosityFit, el: el };
})();
