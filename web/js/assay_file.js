// Assay files in the page: the JSON and key-first CSV forms the qira command reads, every
// value checked in the file's own units before the engine sees it, and a refusal worded as
// the command words it: the file, the key or line, the value as written with its unit,
// and what was expected. The result is the engine's input in SI units.
"use strict";
var QiraAssayFile = (function () {
  var U = QiraUnits, P = QiraText;

  var KEYS = ["name", "standard", "temperature_unit", "yield_unit", "curve", "sg", "api",
              "watson_k", "mw", "viscosities", "light_ends", "properties", "cuts", "method"];
  var CSV_KEYS = ["name", "standard", "temperature_unit", "yield_unit", "curve", "sg", "api",
                  "watson_k", "mw", "viscosity", "light_end", "property", "cuts", "method"];
  var CUT_KEYS = ["count", "lo", "hi", "temperatures", "named"];
  var STANDARDS = ["D86", "D2887", "D1160", "TBP"];
  var METHODS = ["riazi-daubert", "kesler-lee", "twu"];
  var NAMED_CUTS = ["refinery"];
  var PROPERTIES = ["flash_point", "pour_point", "cloud_point", "freeze_point", "aniline_point",
                    "smoke_point", "rvp"];
  var TEMPERATURE_PROPERTIES = ["flash_point", "pour_point", "cloud_point", "freeze_point", "aniline_point"];
  var UNIT_NAMES = { K: "K", C: "°C", F: "°F" };
  // Ranges the engine takes (SI), checked here first so that a refusal speaks the file's units.
  var T_CURVE = [200.0, 1500.0], T_VISCOSITY = [200.0, 700.0], T_CUTS = [90.0, 1500.0];
  var SCALARS = [["sg", 0.3, 1.5, ""], ["api", -10.0, 150.0, " °API"], ["watson_k", 8.0, 15.0, ""],
                 ["mw", 16.0, 3000.0, " kg/kmol"]];
  var lightEndNames = ["ethane", "propane", "isobutane", "n-butane", "isopentane", "n-pentane"];

  // A refused file: source (the file), where (key or line), and the command's message.
  function FileError(source, where, message, field) {
    this.name = "FileError";
    this.source = source;
    this.where = where;
    this.detail = message;
    this.message = source + ": " + (where ? where + ": " : "") + message;
    this.field = field || "assay-file";
  }
  FileError.prototype = Object.create(Error.prototype);

  function fmtG(v) { return U.formatG(v, 6); }

  function suggest(word, known) {
    var close = P.closeMatch(String(word), known);
    return close !== null ? ' (did you mean "' + close + '"?)' : " (known: " + known.join(", ") + ")";
  }

  function jsonPath(locator) {
    var out = "";
    locator.forEach(function (part) {
      out += typeof part === "number" ? "[" + part + "]" : (out ? "." : "") + String(part);
    });
    return out;
  }

  // Python's float() of text: decimal or exponent form, underscores between digits,
  // inf, infinity and nan in any case.
  function parseFloatText(text) {
    var t = text.trim();
    if (/^[+-]?(inf|infinity|nan)$/i.test(t)) {
      return /nan/i.test(t) ? NaN : (t.charAt(0) === "-" ? -Infinity : Infinity);
    }
    var digits = "\\d(?:_?\\d)*";
    var re = new RegExp("^[+-]?(?:" + digits + "(?:\\.(?:" + digits + ")?)?|\\.(?:" + digits + "))(?:[eE][+-]?" + digits + ")?$");
    if (!re.test(t)) return null;
    return Number(t.replace(/_/g, ""));
  }

  // ---- the checks of one file -----------------------------------------------------

  function Reader(source, lines) {
    this.source = source;
    this.lines = lines || {};
  }
  Reader.prototype.where = function (locator) {
    return this.lines[JSON.stringify(locator)] || jsonPath(locator);
  };
  Reader.prototype.fail = function (locator, message) {
    throw new FileError(this.source, locator.length ? this.where(locator) : "", message);
  };
  Reader.prototype.number = function (locator, value, what) {
    if (typeof value === "string") {
      var text = value.trim();
      var v = parseFloatText(text);
      if (v === null) this.fail(locator, what + ' "' + text + '" is not a number');
      return v;
    }
    if (typeof value === "boolean" || !(typeof value === "number" || P.isInt(value))) {
      this.fail(locator, what + " must be a number, not " + P.kind(value));
    }
    value = Number(value);
    if (!isFinite(value)) this.fail(locator, what + " is not a finite number");
    return value;
  };
  Reader.prototype.within = function (locator, value, lo, hi, what, unit) {
    unit = unit || "";
    if (!(lo <= value && value <= hi)) {
      this.fail(locator, what + " " + fmtG(value) + unit + " lies outside " + fmtG(lo) + " to " + fmtG(hi) + unit);
    }
    return value;
  };
  Reader.prototype.choice = function (locator, value, known, what) {
    if (known.indexOf(value) < 0) this.fail(locator, what + ' "' + value + '" is unknown' + suggest(value, known));
    return value;
  };
  Reader.prototype.mapping = function (locator, value) {
    if (!(value instanceof Map)) this.fail(locator, "must be an object of names and values, not " + P.kind(value));
    return value;
  };
  Reader.prototype.pairs = function (locator, value, first, second) {
    var self = this;
    if (!Array.isArray(value)) {
      this.fail(locator, "must be a list of [" + first + ", " + second + "] pairs, not " + P.kind(value));
    }
    value.forEach(function (pair, i) {
      if (!Array.isArray(pair) || pair.length !== 2) {
        self.fail(locator.concat([i]), "expected a [" + first + ", " + second + "] pair, not " + P.jsonDumps(pair));
      }
    });
    return value;
  };

  // Temperatures of the file in its unit: read into kelvin, told back in the unit.
  function Temperatures(reader, unit) {
    this.r = reader;
    this.unit = unit;
    this.toK = U.toKelvin[unit];
    this.fromK = U.fromKelvin[unit];
    this.name = UNIT_NAMES[unit];
  }
  Temperatures.prototype.kelvin = function (locator, value, bounds, what) {
    var v = this.r.number(locator, value, what);
    var self = this;
    var b = bounds.map(function (k) { return Math.round(self.fromK(k) * 100) / 100; });
    if (!(b[0] <= v && v <= b[1])) {
      this.r.fail(locator, what + " " + fmtG(v) + " " + this.name + " lies outside " + fmtG(b[0]) + " to " +
                  fmtG(b[1]) + " " + this.name + " (temperature_unit " + this.unit + ")");
    }
    return this.toK(v);
  };
  // The engine's message in the file's terms: the curve's arrays named as the file's key,
  // every kelvin value not already converted also given in the file's unit.
  Temperatures.prototype.explain = function (message) {
    message = message.replace(/^(?:temperatures|yields)(\[\d+\])?:/, "curve$1:");
    if (this.unit === "K") return message;
    var self = this;
    return message.replace(/(-?\d+(?:\.\d+)?) K\b(?!\s*\()/g, function (m, num) {
      return num + " K (" + U.formatG(self.fromK(parseFloat(num)), 4) + " " + self.name + ")";
    });
  };

  function readCurve(r, curve, yunit, temperature) {
    var points = r.pairs(["curve"], curve, "yield", "temperature");
    if (points.length < 3) r.fail(["curve"], "needs at least 3 points, the file gives " + points.length);
    var top = yunit === "percent" ? 100.0 : 1.0, unit = yunit === "percent" ? " %" : "";
    var given = [], yields = [], temps = [];
    points.forEach(function (p, i) {
      var at = ["curve", i];
      var y = r.number(at, p[0], "yield");
      if (yunit === "fraction" && 1.0 < y && y <= 100.0) {
        r.fail(at, "yield " + fmtG(y) + ' lies above 1 while yield_unit is "fraction": are the yields in ' +
               'percent? Then give "yield_unit": "percent"');
      }
      r.within(at, y, 0.0, top, "yield", unit);
      var kelvin = temperature.kelvin(at, p[1], T_CURVE, "temperature");
      if (given.length && y <= given[given.length - 1]) {
        r.fail(at, "yield " + fmtG(y) + unit + " does not ascend from the point before it (" +
               fmtG(given[given.length - 1]) + unit + ")");
      }
      if (temps.length && kelvin <= temps[temps.length - 1]) {
        r.fail(at, "temperature " + P.str(p[1]) + " " + temperature.name + " does not ascend from the point before it");
      }
      given.push(y);
      yields.push(y / top);
      temps.push(kelvin);
    });
    if (yunit === "percent" && given[given.length - 1] <= 1.0) {
      r.fail(["curve"], "the yields run from " + fmtG(given[0]) + " to " + fmtG(given[given.length - 1]) +
             ' while yield_unit is "percent": are they fractions? Then give "yield_unit": "fraction" or ' +
             "write them in percent");
    }
    return [yields, temps];
  }

  function readCuts(r, cuts, temperature) {
    if (cuts === undefined || cuts === null) return null;
    r.mapping(["cuts"], cuts);
    var out = {};
    cuts.forEach(function (value, key) {
      var at = ["cuts", key];
      r.choice(at, key, CUT_KEYS, "cuts key");
      if (key === "count") {
        var n = r.number(at, value, "count");
        if (n !== Math.trunc(n) || !(1 <= n && n <= 200)) r.fail(at, "count " + fmtG(n) + " must be a whole number from 1 to 200");
        out.count = Math.trunc(n);
      } else if (key === "named") {
        out.named = r.choice(at, P.str(value), NAMED_CUTS, "named cut set");
      } else if (key === "temperatures") {
        if (!Array.isArray(value)) value = typeof value === "string" ? value.trim().split(/\s+/).filter(Boolean) : [value];
        out.temperatures = value.map(function (t, i) {
          return temperature.kelvin(at.concat([i]), t, T_CUTS, "cut temperature");
        });
      } else {
        out[key] = temperature.kelvin(at, value, T_CUTS, key);
      }
    });
    return out;
  }

  // The engine's input from the file's data (a Map in file order), every value checked;
  // {input (SI), unit, yieldUnit, defaultCuts (K), name, source, explain}.
  function fromData(data, source, lines) {
    var r = new Reader(source, lines);
    r.mapping([], data);
    data.forEach(function (v, key) {
      if (KEYS.indexOf(key) < 0) r.fail([], 'unknown key "' + key + '"' + suggest(key, KEYS));
    });
    ["standard", "curve"].forEach(function (key) {
      if (!data.has(key)) r.fail([], 'the key "' + key + '" is missing');
    });
    var get = function (k, d) { return data.has(k) ? data.get(k) : d; };
    var tunit = r.choice(["temperature_unit"], P.str(get("temperature_unit", "K")), Object.keys(UNIT_NAMES), "temperature_unit");
    var yunit = r.choice(["yield_unit"], P.str(get("yield_unit", "fraction")), ["fraction", "percent"], "yield_unit");
    var standard = r.choice(["standard"], P.str(data.get("standard")).toUpperCase(), STANDARDS, "standard");
    var method = r.choice(["method"], P.str(get("method", "riazi-daubert")), METHODS, "method");
    var temperature = new Temperatures(r, tunit);
    var curve = readCurve(r, data.get("curve"), yunit, temperature);
    var input = { standard: standard, yields: curve[0], temperatures: curve[1], method: method,
                  viscosities: [], light_ends: {}, properties: {} };
    SCALARS.forEach(function (s) {
      if (data.has(s[0])) input[s[0]] = r.within([s[0]], r.number([s[0]], data.get(s[0]), s[0]), s[1], s[2], s[0], s[3]);
    });
    var given = ["sg", "api", "watson_k"].filter(function (k) { return k in input; });
    if (given.length !== 1) {
      r.fail([], "give exactly one of sg, api or watson_k (the file gives " + (given.join(", ") || "none") + ")");
    }
    r.pairs(["viscosities"], get("viscosities", []), "temperature", "cSt").forEach(function (pair, i) {
      var at = ["viscosities", i];
      var t = temperature.kelvin(at, pair[0], T_VISCOSITY, "viscosity temperature");
      var nu = r.within(at, r.number(at, pair[1], "viscosity"), 0.05, 1e7, "viscosity", " cSt");
      input.viscosities.push([t, nu]);
    });
    r.mapping(["light_ends"], get("light_ends", new Map())).forEach(function (value, key) {
      r.choice(["light_ends", key], key, lightEndNames, "light end");
      var at = ["light_ends", key];
      input.light_ends[key] = r.within(at, r.number(at, value, key), 0.0, 0.5, key + " fraction");
    });
    r.mapping(["properties"], get("properties", new Map())).forEach(function (value, key) {
      r.choice(["properties", key], key, PROPERTIES, "property");
      var at = ["properties", key];
      input.properties[key] = TEMPERATURE_PROPERTIES.indexOf(key) >= 0
        ? temperature.kelvin(at, value, [100.0, 1000.0], key) : r.number(at, value, key);
    });
    var cuts = readCuts(r, data.get("cuts"), temperature);
    var name = P.str(get("name", "assay"));
    input.name = name;
    return { input: input, unit: tunit, yieldUnit: yunit,
             defaultCuts: cuts && Object.keys(cuts).length ? cuts : null, name: name,
             source: source, fileName: source,
             // the engine's refusal of this input, told as the command tells it
             refusal: function (message) { return new FileError(source, "", temperature.explain(message)); } };
  }

  // ---- the two file forms ---------------------------------------------------------

  // The CSV delimiter: the one of , ; and tab that splits the most data rows.
  function dialect(text) {
    var rows = P.splitLines(text).filter(function (l) { return l.trim() && l.trimStart().charAt(0) !== "#"; });
    var best = ",", score = -1;
    [",", ";", "\t"].forEach(function (d) {
      var hits = rows.slice(0, 50).filter(function (l) { return (P.csvRecords(l, d)[0] || []).length >= 2; }).length;
      if (hits > score) { best = d; score = hits; }
    });
    return best;
  }

  // The key-first CSV form read into the JSON form's data, with the line of each value.
  function csvData(text, source) {
    var delimiter = dialect(text);
    var decimalComma = delimiter !== ",";
    var data = new Map(), lines = {};
    var at = function (loc) { return JSON.stringify(loc); };
    function cell(v) {
      v = v.trim();
      return decimalComma && /^[-+]?\d*,\d+$/.test(v) ? v.replace(",", ".") : v;
    }
    P.csvRecords(text, delimiter).forEach(function (row, index) {
      var number = index + 1;
      if (!row.length || !row[0].trim() || row[0].trimStart().charAt(0) === "#") return;
      var key = row[0].trim();
      var vals = row.slice(1).map(cell);
      var line = "line " + number + " (" + key + ")";
      if (CSV_KEYS.indexOf(key) < 0) {
        throw new FileError(source, "line " + number, 'unknown row key "' + key + '"' + suggest(key, CSV_KEYS));
      }
      var width = ["curve", "viscosity", "light_end", "property", "cuts"].indexOf(key) >= 0 ? 2 : 1;
      var filled = vals.filter(function (v) { return v; }).length;
      if (filled < width) {
        throw new FileError(source, line, "expected " + width + " value(s) after the key, found " + filled +
                            (delimiter === "," ? "" : " (cells separated by " + P.repr(delimiter) + ")"));
      }
      if (key === "curve" || key === "viscosity") {
        var group = key === "curve" ? "curve" : "viscosities";
        if (!data.has(group)) data.set(group, []);
        var items = data.get(group);
        lines[at([group, items.length])] = line;
        items.push(vals.slice(0, 2));
      } else if (["light_end", "property", "cuts"].indexOf(key) >= 0) {
        var g = { light_end: "light_ends", property: "properties" }[key] || key;
        lines[at([g, vals[0]])] = line;
        if (!data.has(g)) data.set(g, new Map());
        if (key === "cuts" && vals[0] === "temperatures") {
          data.get(g).set(vals[0], vals.slice(1).filter(function (v) { return v; }));
          for (var i = 0; i < vals.length - 1; i++) lines[at([g, vals[0], i])] = line;
        } else {
          data.get(g).set(vals[0], vals[1]);
        }
      } else {
        if (data.has(key)) {
          throw new FileError(source, line, '"' + key + '" is given twice (first on ' + lines[at([key])] + ")");
        }
        lines[at([key])] = line;
        data.set(key, vals[0]);
      }
    });
    return [data, lines];
  }

  // An assay from a file's bytes and name (.csv: the CSV form, otherwise JSON).
  function read(bytes, source) {
    var bad = P.badUtf8(bytes);
    if (bad >= 0) {
      throw new FileError(source, "byte " + bad, "the file is not UTF-8 text (byte 0x" +
                          ("0" + bytes[bad].toString(16)).slice(-2) + '); save it as UTF-8 (e.g. "CSV UTF-8")');
    }
    var text = new TextDecoder("utf-8").decode(bytes);   // a leading byte order mark dropped
    if (/\.csv$/i.test(source)) {
      var d = csvData(text, source);
      return fromData(d[0], source, d[1]);
    }
    var data;
    try {
      data = P.parseJson(text);
    } catch (e) {
      if (e instanceof P.JsonError) {
        throw new FileError(source, "line " + e.lineno + " column " + e.colno, "not valid JSON: " + e.msg);
      }
      throw e;
    }
    return fromData(data, source);
  }

  // The light-end names the engine knows (its table's order).
  function setLightEndNames(names) { lightEndNames = names.slice(); }

  return { read: read, fromData: fromData, FileError: FileError, setLightEndNames: setLightEndNames };
})();
