// From what the user gave (a file, the curve form, the cut controls, the blend shares) to
// the engine's calls, with each failure tied to the field it concerns.
"use strict";
var QiraInput = (function () {
  var U = QiraUnits, E = QiraEngine, F = QiraAssayFile, P = QiraText;

  function $(id) { return document.getElementById(id); }

  // A refusal of what the user typed, shown beside `field`.
  function fieldError(message, field) {
    var e = new Error(message);
    e.field = field;
    return e;
  }

  // An assay object from QiraAssayFile's reading; the engine's refusal is told as the
  // command tells it (the file named, kelvin also in the file's unit).
  function create(assay) {
    try {
      return E.createAssay(assay.input);
    } catch (e) {
      if (e instanceof E.EngineError) {
        var refusal = assay.refusal(e.message);
        refusal.field = assay.field || "assay-file";
        throw refusal;
      }
      throw e;
    }
  }

  // The form field a refusal of the typed-in stream concerns, from the key it names.
  var FORM_FIELDS = [[/^curve/, "f-curve"], [/^(sg|api)\b/, "f-gravity"], [/^mw/, "f-mw"],
                     [/^viscosities/, "f-visc"], [/^name/, "f-name"]];
  function formField(where) {
    for (var i = 0; i < FORM_FIELDS.length; i++) if (FORM_FIELDS[i][0].test(where)) return FORM_FIELDS[i][1];
    return "f-curve";
  }

  // Lines of a pasted block as [first, second] texts: cells separated by tabs, spaces,
  // commas or semicolons (spreadsheet columns paste as tab-separated lines).
  function pairs(text) {
    return text.split(/\r\n|\n|\r/).filter(function (l) { return l.trim(); }).map(function (line) {
      return line.trim().split(/[\s;,]+/);
    });
  }

  // The form read as a file's data (texts, as a CSV gives them), through the file checks.
  function fromForm() {
    var data = new Map([
      ["name", $("f-name").value.trim() || "stream"],
      ["standard", $("f-standard").value],
      ["temperature_unit", $("f-tunit").value],
      ["yield_unit", $("f-yunit").value],
      ["curve", pairs($("f-curve").value)]
    ]);
    if ($("f-gravity").value.trim()) data.set($("f-gravity-kind").value, $("f-gravity").value);
    if ($("f-mw").value.trim()) data.set("mw", $("f-mw").value);
    var visc = pairs($("f-visc").value);
    if (visc.length) data.set("viscosities", visc);
    try {
      var assay = F.fromData(data, "form");
      assay.fileName = "";
      assay.field = "f-curve";
      var refusal = assay.refusal;
      assay.refusal = function (message) {
        var e = refusal(message);
        e.field = formField(e.detail);
        return e;
      };
      return assay;
    } catch (e) {
      if (e instanceof F.FileError) e.field = formField(e.where || e.detail);
      throw e;
    }
  }

  // ---- cutting --------------------------------------------------------------------

  function numbers(text, id) {
    return text.split(/[\s;,]+/).filter(function (t) { return t; }).map(function (t) {
      var v = Number(t);
      if (!isFinite(v)) throw fieldError('"' + t + '" is not a number', id);
      return v;
    });
  }

  // The cut controls as a request in kelvin.
  function cutRequest(unit) {
    var conv = U.toKelvin[unit];
    var mode = document.querySelector('input[name="cut-mode"]:checked').value;
    if (mode === "named") return { named: "refinery" };
    if (mode === "temperatures") {
      return { temperatures: numbers($("cut-temperatures").value, "cut-temperatures").map(conv) };
    }
    var count = Number($("cut-count").value);
    var request = { count: Number.isInteger(count) ? count : $("cut-count").value };
    var lo = numbers($("cut-lo").value, "cut-count"), hi = numbers($("cut-hi").value, "cut-count");
    if (lo.length) request.lo = conv(lo[0]);
    if (hi.length) request.hi = conv(hi[0]);
    return request;
  }

  // The command's checks of a cut before the engine's (values in kelvin).
  function ranged(what, v, lo, hi, i) {
    var where = i === undefined ? what : what + "[" + i + "]";
    if (!(lo <= v && v <= hi)) {
      throw new Error(where + " = " + U.pyFloat(v) + " lies outside " + U.formatG(lo, 6) + " to " + U.formatG(hi, 6));
    }
    return v;
  }
  function checkCut(request) {
    if (request.temperatures) {
      var b = request.temperatures.map(function (t, i) { return ranged("temperatures", t, 100.0, 1500.0, i); });
      for (var i = 1; i < b.length; i++) {
        if (b[i] <= b[i - 1]) {
          throw new Error("temperatures[" + i + "] = " + U.pyFloat(b[i]) + " does not ascend from " + U.pyFloat(b[i - 1]));
        }
      }
      if (b.length < 2) throw new Error("temperatures needs at least 2 boundaries, got " + b.length);
      return;
    }
    if (request.named) return;
    var count = request.count === undefined ? 10 : request.count;
    if (typeof count !== "number" || !Number.isInteger(count) || !(1 <= count && count <= 200)) {
      throw new Error("count must be an int from 1 to 200, not " + (typeof count === "number" ? String(count) : P.repr(String(count))));
    }
    if (request.lo !== undefined) ranged("lo", request.lo, 90.0, 1500.0);
    if (request.hi !== undefined) ranged("hi", request.hi, 90.0, 1500.0);
  }

  // The cut table of a stream: the command's checks, then the engine's.
  function cut(handle, request) {
    checkCut(request);
    return E.cut(handle, request);
  }

  function cutField(request) {
    return request.temperatures ? "cut-temperatures" : request.named ? "cut-count" : "cut-count";
  }

  // ---- blending -------------------------------------------------------------------

  // Python's "%.0f": halves go to the even neighbour.
  function percent0(x) {
    var r = Math.round(x);
    if (Math.abs(x - Math.trunc(x)) === 0.5) r = 2 * Math.round(x / 2);
    return String(r);
  }

  function label(streams, shares) {
    return streams.map(function (s, i) { return s.name + " " + percent0(100 * shares[i]) + "%"; }).join(" + ");
  }

  // A mixture stream of the streams given a share, with the command's checks of the shares.
  function blend(chosen, basis) {
    if (chosen.length < 2) throw fieldError("give a share to two or more streams", "blend");
    var shares = chosen.map(function (s, i) {
      var text = String(s.share).trim();
      var v = text === "" ? NaN : Number(text);
      if (!isFinite(v)) throw fieldError('"' + s.name + '": the share "' + text + '" is not a number', "blend");
      if (!(0.0 <= v && v <= 1.0)) {
        throw fieldError("shares[" + i + "] = " + U.pyFloat(v) + " lies outside 0 to 1", "blend");
      }
      return v;
    });
    var sum = shares.reduce(function (a, b) { return a + b; }, 0);
    if (Math.abs(sum - 1.0) > 1e-6) throw fieldError("shares add up to " + U.pyFloat(sum) + ", not 1", "blend");
    var h = E.blend(chosen.map(function (s) { return s.handle; }), shares, basis, 5.0);
    var split = E.blendShares(h);
    return {
      id: 0, name: label(chosen, shares), handle: h, unit: chosen[0].unit, yieldUnit: "percent",
      defaultCuts: null, standard: "TBP", fileName: "", share: "", basis: basis, method: "riazi-daubert",
      properties: E.properties(h), viscosities: E.viscosities(h), sg: E.streamGravity(h),
      shares: chosen.map(function (s, i) { return { name: s.name, volume: split.volume[i], mass: split.mass[i] }; })
    };
  }

  return { create: create, fromForm: fromForm, cutRequest: cutRequest, cutField: cutField, cut: cut, blend: blend };
})();
