// From what the user gave (a file, the curve form, the cut controls, the blend shares) to
// the engine's calls, with each failure tied to the field it concerns.
"use strict";
var QiraInput = (function () {
  var U = QiraUnits, E = QiraEngine, F = QiraAssayFile;

  function $(id) { return document.getElementById(id); }

  // The form's field of each input the engine takes (a file's failures stay beside the
  // file picker).
  var FORM_FIELDS = { curve: "f-curve", gravity: "f-gravity", mw: "f-mw", viscosities: "f-visc" };

  // An assay object from QiraAssayFile's reading; a refusal names the field it concerns.
  function create(assay, field) {
    try {
      return E.createAssay(assay.input);
    } catch (e) {
      if (e instanceof E.EngineError) {
        throw new F.FileError(e.message, field === "assay-file" ? field : (FORM_FIELDS[e.input] || field));
      }
      throw e;
    }
  }

  // Numbers of a pasted block: one pair per line, separated by tabs, spaces, commas or
  // semicolons (a spreadsheet's columns paste as tab-separated lines).
  function pairs(text, field, what) {
    var out = [];
    text.split(/\r\n|\n|\r/).forEach(function (line, i) {
      if (!line.trim()) return;
      var cells = line.trim().split(/[\s;,]+/);
      var nums = cells.map(Number);
      if (cells.length !== 2 || nums.some(function (v) { return !isFinite(v); })) {
        throw new F.FileError(what + ", line " + (i + 1) + ": give two numbers, not " + U.pyRepr(line.trim()), field);
      }
      out.push(nums);
    });
    return out;
  }

  function optionalNumber(id) {
    var text = $(id).value.trim();
    if (!text) return undefined;
    var v = Number(text);
    if (!isFinite(v)) throw new F.FileError("give a number, not " + U.pyRepr(text), id);
    return v;
  }

  // The form read as a file's dictionary, through the same reading as a file.
  function fromForm() {
    var data = {
      name: $("f-name").value.trim() || "stream",
      standard: $("f-standard").value,
      temperature_unit: $("f-tunit").value,
      yield_unit: $("f-yunit").value,
      curve: pairs($("f-curve").value, "f-curve", "curve")
    };
    if (data.curve.length === 0) throw new F.FileError("curve: give yield, temperature pairs, one per line", "f-curve");
    var g = optionalNumber("f-gravity");
    if (g === undefined) throw new F.FileError("give the gravity", "f-gravity");
    data[$("f-gravity-kind").value] = g;
    var mw = optionalNumber("f-mw");
    if (mw !== undefined) data.mw = mw;
    var visc = pairs($("f-visc").value, "f-visc", "viscosities");
    if (visc.length) data.viscosities = visc;
    var assay = F.fromDict(data, "", "form");
    assay.fileName = "";
    return assay;
  }

  // ---- cutting --------------------------------------------------------------------

  function numbers(text, id) {
    return text.split(/[\s;,]+/).filter(function (t) { return t; }).map(function (t) {
      var v = Number(t);
      if (!isFinite(v)) throw new F.FileError("give numbers, not " + U.pyRepr(t), id);
      return v;
    });
  }

  // The cut controls as a spec in kelvin.
  function cutSpec(unit) {
    var conv = U.toKelvin[unit];
    var mode = document.querySelector('input[name="cut-mode"]:checked').value;
    if (mode === "named") return { named: "refinery" };
    if (mode === "temperatures") {
      return { temperatures: numbers($("cut-temperatures").value, "cut-temperatures").map(conv) };
    }
    var count = Number($("cut-count").value);
    if (!Number.isInteger(count)) throw new F.FileError("count must be a whole number", "cut-count");
    var spec = { count: count };
    var lo = numbers($("cut-lo").value, "cut-count"), hi = numbers($("cut-hi").value, "cut-count");
    if (lo.length) spec.lo = conv(lo[0]);
    if (hi.length) spec.hi = conv(hi[0]);
    return spec;
  }

  function cutField(spec) {
    return spec.temperatures ? "cut-temperatures" : spec.named ? "cut-count" : "cut-count";
  }

  // ---- blending -------------------------------------------------------------------

  function label(streams, shares) {
    return streams.map(function (s, i) { return s.name + " " + (100 * shares[i]).toFixed(0) + "%"; }).join(" + ");
  }

  // A mixture stream of the streams with a share on `basis`.
  function blend(chosen, basis) {
    if (chosen.length < 2) throw new F.FileError("give a share to two or more streams", "blend");
    var shares = chosen.map(function (s) {
      var v = Number(String(s.share).trim());
      if (!isFinite(v)) throw new F.FileError(s.name + ": the share must be a number, not " + U.pyRepr(String(s.share)), "blend");
      return v;
    });
    var h = E.blend(chosen.map(function (s) { return s.handle; }), shares, basis, 5.0);
    var split = E.blendShares(h);
    return {
      id: 0, name: label(chosen, shares), handle: h, unit: chosen[0].unit, yieldUnit: "percent",
      defaultCuts: null, standard: "TBP", fileName: "", share: "", basis: basis,
      properties: E.properties(h), viscosities: E.viscosities(h), sg: E.streamGravity(h),
      shares: chosen.map(function (s, i) { return { name: s.name, volume: split.volume[i], mass: split.mass[i] }; })
    };
  }

  return { create: create, fromForm: fromForm, cutSpec: cutSpec, cutField: cutField, blend: blend };
})();
