// The library in the page: the assay and chart families of the WebAssembly build, called
// through their C exports. Values cross in the interface's SI units (K, kPa, m3/kmol,
// kg/kmol, fractions, cSt); arrays and text pass through the module's heap, allocated
// here and released before each function returns.
"use strict";
var QiraEngine = (function () {
  var M = null;
  var c = {};                  // the bound C functions
  var OK = 0, BUFFER_TOO_SMALL = 6;
  var MISSING = -32767.0;
  var STANDARDS = { D86: 0, D2887: 1, D1160: 2, TBP: 3 };
  var GRAVITY = { sg: 0, api: 1, watson_k: 2 };
  var METHODS = { "riazi-daubert": 0, "kesler-lee": 1, "twu": 2 };
  var BASES = { volume: 0, mass: 1, mole: 2 };
  var PROPERTIES = ["flash_point", "pour_point", "cloud_point", "freeze_point",
                    "aniline_point", "smoke_point", "rvp"];
  // The cut table's columns in the interface's order, named as in the command's CSV.
  var COLUMNS = ["t_low", "t_high", "nbp", "volume_fraction", "mass_fraction",
                 "mole_fraction", "sg", "watson_k", "mw", "tc", "pc", "vc", "omega",
                 "vstar", "omega_srk", "visc38", "visc100"];
  var BULK = ["sg", "mw", "watson_k", "mw_scale"];

  function EngineError(message, status) {
    this.name = "EngineError";
    this.message = message;
    this.status = status;
  }
  EngineError.prototype = Object.create(Error.prototype);

  // Calls QiraAssay_<name> on h with the arguments; throws EngineError on failure.
  function call(h, name) {
    check(h, c[name].apply(null, [h].concat(Array.prototype.slice.call(arguments, 2))), name);
  }

  function bind() {
    var n = "number", s = "string";
    function f(name, ret, args) { c[name] = M.cwrap("QiraAssay_" + name, ret, args); }
    f("Create", n, []);
    f("Free", null, [n]);
    f("LastError", n, [n, n, n, n]);
    f("SetCurve", n, [n, n, n, n, n]);
    f("SetGravity", n, [n, n, n]);
    f("SetMolecularWeight", n, [n, n]);
    f("SetViscosities", n, [n, n, n, n]);
    f("SetLightEnds", n, [n, n, n, n]);
    f("SetProperty", n, [n, n, n]);
    f("SetMethod", n, [n, n]);
    f("Curve", n, [n, n, n, n, n, n]);
    f("StreamGravity", n, [n, n]);
    f("Property", n, [n, n, n]);
    f("Viscosities", n, [n, n, n, n, n]);
    f("CutByCount", n, [n, n, n, n]);
    f("CutAt", n, [n, n, n]);
    f("CutNamed", n, [n, s]);
    f("RowCount", n, [n, n]);
    f("Column", n, [n, n, n, n, n]);
    f("RowName", n, [n, n, n, n, n, n]);
    f("Bulk", n, [n, n, n]);
    f("Notes", n, [n, n, n, n]);
    f("ViscosityFit", n, [n, n, n, n, n, n, n]);
    f("Blend", n, [n, n, n, n, n, n]);
    f("BlendShares", n, [n, n, n, n, n]);
  }

  // Heap blocks of one call, all released by done().
  function Scratch() { this.blocks = []; }
  Scratch.prototype.alloc = function (bytes) {
    var p = M._malloc(Math.max(8, bytes));
    if (!p) throw new EngineError("out of memory", 7);
    this.blocks.push(p);
    return p;
  };
  Scratch.prototype.doubles = function (values) {
    var p = this.alloc(8 * values.length);
    for (var i = 0; i < values.length; i++) M.setValue(p + 8 * i, values[i], "double");
    return p;
  };
  Scratch.prototype.text = function (str) {
    var len = M.lengthBytesUTF8(str) + 1;
    var p = this.alloc(len);
    M.stringToUTF8(str, p, len);
    return p;
  };
  Scratch.prototype.pointers = function (ptrs) {
    var p = this.alloc(4 * ptrs.length);
    for (var i = 0; i < ptrs.length; i++) M.setValue(p + 4 * i, ptrs[i], "i32");
    return p;
  };
  Scratch.prototype.done = function () {
    this.blocks.forEach(function (p) { M._free(p); });
    this.blocks = [];
  };
  function readDoubles(p, n) {
    var out = new Array(n);
    for (var i = 0; i < n; i++) out[i] = M.getValue(p + 8 * i, "double");
    return out;
  }
  function readInts(p, n) {
    var out = new Array(n);
    for (var i = 0; i < n; i++) out[i] = M.getValue(p + 4 * i, "i32");
    return out;
  }

  function withScratch(fn) {
    var s = new Scratch();
    try { return fn(s); } finally { s.done(); }
  }

  // Text from a (buffer, size, needed) call: asks for the size first, then reads.
  // tooSmall: the family's status for a short buffer (the assay family's by default).
  function readText(call, tooSmall) {
    return withScratch(function (s) {
      var needed = s.alloc(4);
      var status = call(0, 0, needed);
      if (status !== OK && status !== (tooSmall === undefined ? BUFFER_TOO_SMALL : tooSmall)) {
        return { status: status, text: "" };
      }
      var size = M.getValue(needed, "i32");
      var buf = s.alloc(size);
      status = call(buf, size, needed);
      return { status: status, text: status === OK ? M.UTF8ToString(buf) : "" };
    });
  }

  function lastError(h) {
    return readText(function (buf, size, needed) { return c.LastError(h, buf, size, needed); }).text;
  }

  // A refusal of the caller's input (invalid, implausible, not ready) carries the
  // library's message; any other failure also names the function, as the command does.
  var INPUT_STATUSES = [2, 3, 4];
  function check(h, status, name) {
    if (status === OK) return;
    var message = lastError(h);
    if (INPUT_STATUSES.indexOf(status) < 0 && name) message = "QiraAssay_" + name + ": " + message;
    throw new EngineError(message, status);
  }

  // Arrays from a (capacity, arrays..., count) call, growing the capacity until it fits.
  // kinds: "d" for a double array, "i" for an int array.
  function readArrays(h, kinds, call) {
    var capacity = 64;
    for (;;) {
      var result = withScratch(function (s) {
        var ptrs = kinds.map(function (k) { return s.alloc((k === "d" ? 8 : 4) * capacity); });
        var count = s.alloc(4);
        var status = call(capacity, ptrs, count);
        var n = M.getValue(count, "i32");
        if (status === BUFFER_TOO_SMALL) return { grow: n };
        check(h, status);
        return { arrays: ptrs.map(function (p, i) {
          return kinds[i] === "d" ? readDoubles(p, n) : readInts(p, n);
        }) };
      });
      if (!result.grow) return result.arrays;
      capacity = Math.max(result.grow, 2 * capacity);
    }
  }

  // ---- streams -------------------------------------------------------------------

  // An assay object from an input in SI units: {standard, yields, temperatures, sg | api
  // | watson_k, mw, viscosities [[K, cSt]], light_ends {name: fraction}, properties
  // {key: value}, method}. Throws EngineError with the library's message and `input`,
  // the input the library refused.
  function createAssay(input) {
    var h = c.Create();
    if (!h) throw new EngineError("out of memory", 7);
    var step = "";
    try {
      withScratch(function (s) {
        step = "curve";
        call(h, "SetCurve", STANDARDS[input.standard], input.yields.length,
                            s.doubles(input.yields), s.doubles(input.temperatures));
        step = "gravity";
        ["sg", "api", "watson_k"].forEach(function (k) {
          if (input[k] !== undefined && input[k] !== null) call(h, "SetGravity", GRAVITY[k], input[k]);
        });
        step = "mw";
        if (input.mw !== undefined && input.mw !== null) call(h, "SetMolecularWeight", input.mw);
        step = "viscosities";
        var v = input.viscosities || [];
        if (v.length) {
          call(h, "SetViscosities", v.length, s.doubles(v.map(function (p) { return p[0]; })),
                                    s.doubles(v.map(function (p) { return p[1]; })));
        }
        step = "light_ends";
        var le = Object.keys(input.light_ends || {});
        if (le.length) {
          call(h, "SetLightEnds", le.length, s.pointers(le.map(function (k) { return s.text(k); })),
                                  s.doubles(le.map(function (k) { return input.light_ends[k]; })));
        }
        step = "properties";
        Object.keys(input.properties || {}).forEach(function (k) {
          call(h, "SetProperty", PROPERTIES.indexOf(k), input.properties[k]);
        });
        step = "method";
        if (input.method) call(h, "SetMethod", METHODS[input.method]);
      });
    } catch (e) {
      c.Free(h);
      if (e instanceof EngineError) e.input = step;
      throw e;
    }
    return h;
  }

  function free(h) { if (h) c.Free(h); }

  var CURVE_CODES = { TBP: 3, D86: 0, D2887: 1 };
  function curve(h, standard) {
    var a = readArrays(h, ["d", "d"], function (cap, p, count) {
      return c.Curve(h, CURVE_CODES[standard], cap, p[0], p[1], count);
    });
    return { yields: a[0], temperatures: a[1] };
  }

  function streamGravity(h) {
    return withScratch(function (s) {
      var p = s.alloc(8);
      call(h, "StreamGravity", p);
      return M.getValue(p, "double");
    });
  }

  function properties(h) {
    var out = {};
    withScratch(function (s) {
      var p = s.alloc(8);
      PROPERTIES.forEach(function (k, i) {
        call(h, "Property", i, p);
        var v = M.getValue(p, "double");
        if (v !== MISSING) out[k] = v;
      });
    });
    return out;
  }

  function viscosities(h) {
    var a = readArrays(h, ["d", "d"], function (cap, p, count) {
      return c.Viscosities(h, cap, p[0], p[1], count);
    });
    return a[0].map(function (t, i) { return [t, a[1][i]]; });
  }

  // ---- cutting -------------------------------------------------------------------

  // Cuts by {count, lo, hi} (K, optional ends), {temperatures: [K...]} or {named}; throws
  // EngineError with the library's message.
  function cut(h, request) {
    withScratch(function (s) {
      if (request.temperatures) {
        call(h, "CutAt", request.temperatures.length, s.doubles(request.temperatures));
      } else if (request.named) {
        call(h, "CutNamed", request.named);
      } else {
        var lo = request.lo === undefined || request.lo === null ? MISSING : request.lo;
        var hi = request.hi === undefined || request.hi === null ? MISSING : request.hi;
        call(h, "CutByCount", request.count === undefined ? 10 : request.count, lo, hi);
      }
    });
    return table(h);
  }

  // The object's cut table: {names, lightEnd, columns: {name: [SI values]}, bulk, notes,
  // fit: [{temperature, measured, calculated, given}]}; missing values are null.
  function table(h) {
    var t = { names: [], lightEnd: [], columns: {}, bulk: {}, notes: [], fit: [] };
    var rows = withScratch(function (s) {
      var p = s.alloc(4);
      call(h, "RowCount", p);
      return M.getValue(p, "i32");
    });
    for (var r = 0; r < rows; r++) {
      var flag = 0;
      var name = readText(function (buf, size, needed) {
        return withScratch(function (s) {
          var le = s.alloc(4);
          var st = c.RowName(h, r, buf, size, needed, le);
          flag = M.getValue(le, "i32");
          return st;
        });
      });
      check(h, name.status);
      t.names.push(name.text);
      t.lightEnd.push(flag === 1);
    }
    COLUMNS.forEach(function (col, i) {
      t.columns[col] = readArrays(h, ["d"], function (cap, p, count) {
        return c.Column(h, i, cap, p[0], count);
      })[0].map(function (v) { return v === MISSING ? null : v; });
    });
    withScratch(function (s) {
      var p = s.alloc(8);
      BULK.forEach(function (k, i) {
        call(h, "Bulk", i, p);
        t.bulk[k] = M.getValue(p, "double");
      });
    });
    var notes = readText(function (buf, size, needed) { return c.Notes(h, buf, size, needed); });
    check(h, notes.status);
    t.notes = notes.text.split("\n").filter(function (l) { return l.length > 0; });
    var fit = readArrays(h, ["d", "d", "d", "i"], function (cap, p, count) {
      return c.ViscosityFit(h, cap, p[0], p[1], p[2], p[3], count);
    });
    t.fit = fit[0].map(function (temp, i) {
      return { temperature: temp, measured: fit[1][i],
               calculated: fit[2][i] === MISSING ? null : fit[2][i], given: fit[3][i] === 1 };
    });
    return t;
  }

  // ---- blending ------------------------------------------------------------------

  // A new mixture object of the assays (handles) with their shares on `basis`.
  function blend(handles, shares, basis, step) {
    var h = c.Create();
    if (!h) throw new EngineError("out of memory", 7);
    try {
      withScratch(function (s) {
        call(h, "Blend", handles.length, s.pointers(handles), s.doubles(shares),
                         BASES[basis], step || 5.0);
      });
    } catch (e) {
      c.Free(h);
      throw e;
    }
    return h;
  }

  // Cetane index by ASTM D4737 from the D86 10, 50 and 90 % points (read on the stream's
  // D86 curve) and the density at 15 C taken as SG times the density of water at 60 F;
  // null outside the method's reach.
  function cetaneIndex(h, sg) {
    var d86 = curve(h, "D86");
    return withScratch(function (s) {
      var out = s.alloc(24);
      var ok = M.ccall("Blend_GetTBPFromYield", "number", ["number", "number", "number", "number", "number", "number"],
                       [s.doubles(d86.temperatures), s.doubles(d86.yields), d86.yields.length, out,
                        s.doubles([0.1, 0.5, 0.9]), 3]);
      if (!ok) return null;
      var t = readDoubles(out, 3);
      var ci = M.ccall("Blend_CetaneIndexD4737", "number", ["number", "number", "number", "number"],
                       [sg * QiraConstants.WaterDensity60F / 1000.0, t[0], t[1], t[2]]);
      return ci === MISSING || !isFinite(ci) ? null : ci;
    });
  }

  // The names of the library's light-ends table, in its order.
  function lightEndNames() {
    var n = M.ccall("QiraAssay_LightEndCount", "number", [], []);
    var names = [];
    for (var i = 0; i < n; i++) {
      var r = readText(function (buf, size, needed) {
        return M.ccall("QiraAssay_LightEnd", "number", ["number", "number", "number", "number", "number"],
                       [i, buf, size, needed, 0]);
      });
      names.push(r.text);
    }
    return names;
  }

  // API gravity of an SG, by the library's relation.
  function apiFromSg(sg) {
    return M.ccall("QiraRel_ApiFromSg", "number", ["number"], [sg]);
  }

  function blendShares(h) {
    var a = readArrays(h, ["d", "d"], function (cap, p, count) {
      return c.BlendShares(h, cap, p[0], p[1], count);
    });
    return { volume: a[0], mass: a[1] };
  }

  // Loads the WebAssembly module once; resolves when the functions are bound.
  var loading = null;
  function load() {
    if (!loading) {
      loading = createQiraEngine().then(function (m) {
        M = m;
        bind();
        if (typeof QiraChartView !== "undefined") QiraChartView.bind(M);
      });
    }
    return loading;
  }

  return {
    load: load, EngineError: EngineError, COLUMNS: COLUMNS, PROPERTIES: PROPERTIES,
    MISSING: MISSING, createAssay: createAssay, free: free, curve: curve,
    streamGravity: streamGravity, properties: properties, viscosities: viscosities,
    cut: cut, table: table, blend: blend, blendShares: blendShares, cetaneIndex: cetaneIndex, lightEndNames: lightEndNames, apiFromSg: apiFromSg,
    module: function () { return M; }, withScratch: withScratch, readText: readText
  };
})();
