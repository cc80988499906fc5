// Units and number formatting shared by the page's scripts.
// The engine works in kelvin, fractions 0..1, kPa, m3/kmol, kg/kmol and cSt; the page
// reads and shows temperatures in the user's unit (C, F or K) and fractions in percent.
"use strict";
var QiraUnits = (function () {
  var C0 = 273.15;

  var toKelvin = {
    K: function (t) { return t; },
    C: function (t) { return t + C0; },
    F: function (t) { return (t - 32.0) / 1.8 + C0; }
  };
  var fromKelvin = {
    K: function (t) { return t; },
    C: function (t) { return t - C0; },
    F: function (t) { return (t - C0) * 1.8 + 32.0; }
  };
  var temperatureLabel = { K: "K", C: "°C", F: "°F" };

  // C's %.<p>g: p significant digits, trailing zeros dropped, exponent form when the
  // exponent is below -4 or at least p (so that CSV files match the command's byte for byte).
  function formatG(x, p) {
    if (p === undefined) p = 6;
    if (!isFinite(x)) return isNaN(x) ? "nan" : (x > 0 ? "inf" : "-inf");
    if (x === 0) return (1 / x < 0) ? "-0" : "0";
    var exp = Math.floor(Math.log10(Math.abs(x)));
    var s = x.toExponential(p - 1);             // rounding may move the exponent
    exp = parseInt(s.split("e")[1], 10);
    if (exp < -4 || exp >= p) {
      var parts = s.split("e");
      var mant = stripZeros(parts[0]);
      var e = parseInt(parts[1], 10);
      return mant + "e" + (e < 0 ? "-" : "+") + (Math.abs(e) < 10 ? "0" : "") + Math.abs(e);
    }
    return stripZeros(x.toFixed(Math.max(0, p - 1 - exp)));
  }

  function stripZeros(s) {
    if (s.indexOf(".") < 0) return s;
    return s.replace(/0+$/, "").replace(/\.$/, "");
  }

  // Python's repr of a float (shortest round trip; ".0" on whole numbers; exponent form
  // below 1e-4 and from 1e16), so that messages read exactly as the command's.
  function pyFloat(x) {
    if (isNaN(x)) return "nan";
    if (!isFinite(x)) return x > 0 ? "inf" : "-inf";
    if (x === 0) return (1 / x < 0) ? "-0.0" : "0.0";
    var a = Math.abs(x);
    if (a >= 1e16 || a < 1e-4) {
      var s = x.toExponential();                 // shortest digits
      var parts = s.split("e");
      var e = parseInt(parts[1], 10);
      return parts[0] + "e" + (e < 0 ? "-" : "+") + (Math.abs(e) < 10 ? "0" : "") + Math.abs(e);
    }
    var t = String(x);
    return /[.e]/.test(t) ? t : t + ".0";
  }

  return {
    toKelvin: toKelvin, fromKelvin: fromKelvin, temperatureLabel: temperatureLabel,
    formatG: formatG, pyFloat: pyFloat
  };
})();
