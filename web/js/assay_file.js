// Assay files in the page: the JSON and key-first CSV forms the qira command reads, turned
// into the engine's input in SI units. The checks and their messages are the command's,
// so that a file refused there is refused here with the same words.
"use strict";
var QiraAssayFile = (function () {
  var U = QiraUnits;

  function FileError(message, field) {
    this.name = "FileError";
    this.message = message;
    this.field = field || "assay-file";
  }
  FileError.prototype = Object.create(Error.prototype);

  function fail(message, field) { throw new FileError(message, field); }

  // ---- the two file forms ---------------------------------------------------------

  function parseJson(text) {
    try {
      return JSON.parse(text);
    } catch (e) {
      fail("not valid JSON: " + e.message);
    }
  }

  function toFloat(s) {
    var t = String(s).trim();
    if (!/^[+-]?(\d+\.?\d*([eE][+-]?\d+)?|\.\d+([eE][+-]?\d+)?|inf(inity)?|nan)$/i.test(t)) {
      fail("could not convert string to float: " + U.pyRepr(String(s)));
    }
    return parseFloat(t.replace(/^([+-]?)inf(inity)?$/i, "$1Infinity"));
  }

  function csvRows(text) {
    return text.split(/\r\n|\n|\r/).map(function (line) {
      return line.split(",");
    });
  }

  // The key-first CSV form: key,value rows, and repeated curve, viscosity, light_end,
  // property and cuts rows.
  function parseCsv(text) {
    var data = { curve: [], viscosities: [], light_ends: {}, properties: {}, cuts: {} };
    csvRows(text).forEach(function (row) {
      if (!row.length || !row[0].trim() || row[0].trim().charAt(0) === "#") return;
      var key = row[0].trim();
      var vals = row.slice(1).map(function (c) { return c.trim(); });
      if (key === "curve") data.curve.push([toFloat(vals[0]), toFloat(vals[1])]);
      else if (key === "viscosity") data.viscosities.push([toFloat(vals[0]), toFloat(vals[1])]);
      else if (key === "light_end") data.light_ends[vals[0]] = toFloat(vals[1]);
      else if (key === "property") data.properties[vals[0]] = toFloat(vals[1]);
      else if (key === "cuts") {
        data.cuts[vals[0]] = vals[0] === "count" ? parseInt(vals[1], 10)
          : (vals[0] === "named" ? vals[1] : toFloat(vals[1]));
      } else if (["name", "standard", "temperature_unit", "yield_unit", "method"].indexOf(key) >= 0) {
        data[key] = vals[0];
      } else data[key] = toFloat(vals[0]);
    });
    Object.keys(data).forEach(function (k) {
      var v = data[k];
      if ((Array.isArray(v) && !v.length) || (v && typeof v === "object" && !Array.isArray(v) && !Object.keys(v).length)) delete data[k];
    });
    return data;
  }

  // ---- the schema -----------------------------------------------------------------

  var TEMPERATURE_PROPERTIES = ["flash_point", "pour_point", "cloud_point", "freeze_point", "aniline_point"];

  // The engine's input (SI) from the file's dictionary, with the file's units kept for
  // display: {input, unit, yieldUnit, defaultCuts, name}.
  function fromDict(data, fileName) {
    var tunit = data.temperature_unit === undefined ? "K" : String(data.temperature_unit);
    if (!U.toKelvin[tunit]) fail("temperature_unit must be K, C or F, not " + U.pyRepr(tunit));
    var conv = U.toKelvin[tunit];
    var percent = String(data.yield_unit === undefined ? "fraction" : data.yield_unit) === "percent";
    if (!data.curve) fail("'curve'");
    var input = {
      name: data.name === undefined ? "assay" : String(data.name),
      standard: String(data.standard).toUpperCase(),
      yields: data.curve.map(function (p) { return Number(p[0]) / (percent ? 100.0 : 1.0); }),
      temperatures: data.curve.map(function (p) { return conv(Number(p[1])); }),
      viscosities: (data.viscosities || []).map(function (p) { return [conv(Number(p[0])), Number(p[1])]; }),
      light_ends: data.light_ends || {},
      properties: {},
      method: data.method
    };
    ["sg", "api", "watson_k", "mw"].forEach(function (k) { if (data[k] !== undefined) input[k] = data[k]; });
    Object.keys(data.properties || {}).forEach(function (k) {
      var v = data.properties[k];
      input.properties[k] = TEMPERATURE_PROPERTIES.indexOf(k) >= 0 ? conv(Number(v)) : v;
    });
    var cuts = null;
    if (data.cuts && Object.keys(data.cuts).length) {
      cuts = {};
      Object.keys(data.cuts).forEach(function (k) { cuts[k] = data.cuts[k]; });
      ["lo", "hi"].forEach(function (k) { if (k in cuts) cuts[k] = conv(Number(cuts[k])); });
      if (cuts.temperatures) cuts.temperatures = cuts.temperatures.map(function (t) { return conv(Number(t)); });
    }
    return { input: input, unit: tunit, yieldUnit: percent ? "percent" : "fraction",
             defaultCuts: cuts, name: input.name, fileName: fileName };
  }

  // An assay from a file's text and name (.csv: the CSV form, otherwise JSON).
  function read(text, fileName) {
    var data = /\.csv$/i.test(fileName) ? parseCsv(text) : parseJson(text);
    return fromDict(data, fileName);
  }

  return { read: read, fromDict: fromDict, FileError: FileError, parseCsv: parseCsv };
})();
