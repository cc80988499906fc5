// Reading and writing text the way the qira command does, so that the page refuses the
// same files with the same words: JSON as the command's reader parses it (whole numbers
// kept apart from decimals, objects in file order, the same error names and positions),
// the CSV record splitting, UTF-8 checks, the nearest-word suggestion, and values printed
// as the command prints them.
"use strict";
var QiraText = (function () {
  var U = QiraUnits;

  // ---- values as the command prints them --------------------------------------------
  // A JSON whole number is a BigInt, a decimal a Number, an object a Map (file order).

  function isInt(v) { return typeof v === "bigint"; }

  function quoted(s) {   // the command's repr of text
    var q = s.indexOf("'") >= 0 && s.indexOf('"') < 0 ? '"' : "'";
    var body = s.replace(/\\/g, "\\\\").replace(/[\x00-\x1f\x7f]/g, function (c) {
      return { "\n": "\\n", "\r": "\\r", "\t": "\\t" }[c] || "\\x" + ("0" + c.charCodeAt(0).toString(16)).slice(-2);
    });
    return q + (q === "'" ? body.replace(/'/g, "\\'") : body) + q;
  }

  function repr(v) {
    if (typeof v === "string") return quoted(v);
    if (Array.isArray(v)) return "[" + v.map(repr).join(", ") + "]";
    if (v instanceof Map) {
      var parts = [];
      v.forEach(function (val, k) { parts.push(repr(k) + ": " + repr(val)); });
      return "{" + parts.join(", ") + "}";
    }
    return str(v);
  }

  // The command's str() of a value read from a file.
  function str(v) {
    if (v === null || v === undefined) return "None";
    if (v === true) return "True";
    if (v === false) return "False";
    if (isInt(v)) return v.toString();
    if (typeof v === "number") return U.pyFloat(v);
    if (typeof v === "string") return v;
    return repr(v);
  }

  // The type name the command gives a value in a message.
  function kind(v) {
    if (v instanceof Map) return "an object";
    if (Array.isArray(v)) return "a list";
    if (typeof v === "string") return "text";
    if (typeof v === "boolean") return "true/false";
    if (v === null) return "null";
    if (isInt(v)) return "int";
    return "float";
  }

  function jsonString(s) {
    return '"' + s.replace(/[\\"\u0000-\u001f\u007f-\uffff]/g, function (c) {
      var m = { '"': '\\"', "\\": "\\\\", "\n": "\\n", "\r": "\\r", "\t": "\\t", "\b": "\\b", "\f": "\\f" }[c];
      return m || "\\u" + ("000" + c.charCodeAt(0).toString(16)).slice(-4);
    }) + '"';
  }

  // The command's JSON text of a value (", " and ": " separators, ASCII only).
  function jsonDumps(v) {
    if (v === null) return "null";
    if (v === true) return "true";
    if (v === false) return "false";
    if (isInt(v)) return v.toString();
    if (typeof v === "number") return isNaN(v) ? "NaN" : !isFinite(v) ? (v > 0 ? "Infinity" : "-Infinity") : U.pyFloat(v);
    if (typeof v === "string") return jsonString(v);
    if (Array.isArray(v)) return "[" + v.map(jsonDumps).join(", ") + "]";
    var parts = [];
    v.forEach(function (val, k) { parts.push(jsonString(k) + ": " + jsonDumps(val)); });
    return "{" + parts.join(", ") + "}";
  }

  // ---- JSON --------------------------------------------------------------------------

  function JsonError(msg, text, pos) {
    this.name = "JsonError";
    this.msg = msg;
    this.pos = pos;
    this.lineno = text.slice(0, pos).split("\n").length;
    this.colno = pos - text.lastIndexOf("\n", pos - 1);
    this.message = msg;
  }
  JsonError.prototype = Object.create(Error.prototype);

  function parseJson(text) {
    var i = 0, n = text.length;
    function ws(k) { while (k < n && " \t\n\r".indexOf(text.charAt(k)) >= 0) k++; return k; }
    function fail(msg, pos) { throw new JsonError(msg, text, pos); }
    function NoValue(pos) { this.pos = pos; }

    function string(start) {          // start: just after the opening quote
      var out = "", k = start;
      for (;;) {
        if (k >= n) fail("Unterminated string starting at", start - 1);
        var c = text.charAt(k);
        if (c === '"') return [out, k + 1];
        if (c.charCodeAt(0) <= 0x1f) fail("Invalid control character at", k);
        if (c !== "\\") { out += c; k++; continue; }
        if (k + 1 >= n) fail("Unterminated string starting at", start - 1);
        var e = text.charAt(k + 1);
        var simple = { '"': '"', "\\": "\\", "/": "/", b: "\b", f: "\f", n: "\n", r: "\r", t: "\t" }[e];
        if (simple !== undefined) { out += simple; k += 2; continue; }
        if (e !== "u") fail("Invalid \\escape", k);
        var hex = text.slice(k + 2, k + 6);
        if (!/^[0-9a-fA-F]{4}$/.test(hex)) fail("Invalid \\uXXXX escape", k + 1);
        out += String.fromCharCode(parseInt(hex, 16));
        k += 6;
      }
    }

    function number(k) {
      var m = /^(-?(?:0|[1-9]\d*))(\.\d+)?([eE][-+]?\d+)?/.exec(text.slice(k, k + 400));
      if (!m) throw new NoValue(k);
      var v = m[2] || m[3] ? Number(m[0]) : BigInt(m[1]);
      return [v, k + m[0].length];
    }

    function container(k, close, item) {   // k: just after the opening bracket
      k = ws(k);
      if (k >= n || text.charAt(k) !== close) {
        for (;;) {
          k = item(k);
          k = ws(k);
          if (k < n && text.charAt(k) === close) break;
          if (k >= n || text.charAt(k) !== ",") fail("Expecting ',' delimiter", k);
          k = ws(k + 1);
        }
      }
      return k + 1;
    }

    function value(k) {
      if (k >= n) throw new NoValue(k);
      var c = text.charAt(k);
      if (c === '"') return string(k + 1);
      if (c === "{") {
        var obj = new Map();
        var end = container(k + 1, "}", function (j) {
          if (j >= n || text.charAt(j) !== '"') fail("Expecting property name enclosed in double quotes", j);
          var key = string(j + 1);
          j = ws(key[1]);
          if (j >= n || text.charAt(j) !== ":") fail("Expecting ':' delimiter", j);
          var v = value(ws(j + 1));
          obj.set(key[0], v[0]);
          return v[1];
        });
        return [obj, end];
      }
      if (c === "[") {
        var arr = [];
        var aend = container(k + 1, "]", function (j) {
          var v = value(j);
          arr.push(v[0]);
          return v[1];
        });
        return [arr, aend];
      }
      var words = [["null", null], ["true", true], ["false", false], ["NaN", NaN],
                   ["Infinity", Infinity], ["-Infinity", -Infinity]];
      for (var w = 0; w < words.length; w++) {
        if (text.startsWith(words[w][0], k)) return [words[w][1], k + words[w][0].length];
      }
      return number(k);
    }

    try {
      var r = value(ws(0));
      var end = ws(r[1]);
      if (end !== n) fail("Extra data", end);
      return r[0];
    } catch (e) {
      if (e instanceof NoValue) fail("Expecting value", e.pos);
      throw e;
    }
  }

  // ---- UTF-8 -------------------------------------------------------------------------

  // Index of the first byte that is not well-formed UTF-8, or -1.
  function badUtf8(bytes) {
    var i = 0, n = bytes.length;
    while (i < n) {
      var b = bytes[i];
      var need = b < 0x80 ? 0 : b >= 0xc2 && b <= 0xdf ? 1 : b >= 0xe0 && b <= 0xef ? 2 : b >= 0xf0 && b <= 0xf4 ? 3 : -1;
      if (need < 0) return i;
      var lo = 0x80, hi = 0xbf;
      if (b === 0xe0) lo = 0xa0; else if (b === 0xed) hi = 0x9f;
      else if (b === 0xf0) lo = 0x90; else if (b === 0xf4) hi = 0x8f;
      for (var k = 1; k <= need; k++) {
        var c = bytes[i + k];
        if (c === undefined || c < (k === 1 ? lo : 0x80) || c > (k === 1 ? hi : 0xbf)) return i;
      }
      i += need + 1;
    }
    return -1;
  }

  // ---- CSV ---------------------------------------------------------------------------

  // The records of CSV text: quoted fields with doubled quotes, records ended by a line
  // break outside quotes, a blank line an empty record.
  function csvRecords(text, delimiter) {
    var rows = [], row = [], field = "", state = "start", i = 0, n = text.length;
    function endField() { row.push(field); field = ""; }
    function endRecord() { rows.push(row); row = []; }
    while (i < n) {
      var c = text.charAt(i);
      var eol = c === "\n" || c === "\r";
      if (eol && c === "\r" && text.charAt(i + 1) === "\n") i++;
      if (state === "quoted") {
        if (c === '"') state = "quote";
        else field += eol && c === "\r" && text.charAt(i) === "\n" ? "\r\n" : c;
      } else if (state === "quote") {
        if (c === '"') { field += '"'; state = "quoted"; }
        else if (c === delimiter) { endField(); state = "field"; }
        else if (eol) { endField(); endRecord(); state = "start"; }
        else { field += c; state = "unquoted"; }
      } else if (eol) {
        if (state !== "start") endField();
        endRecord();
        state = "start";
      } else if (c === delimiter) {
        endField();
        state = "field";
      } else if (c === '"' && state !== "unquoted") {
        state = "quoted";
      } else {
        field += c;
        state = "unquoted";
      }
      i++;
    }
    if (state !== "start") { endField(); endRecord(); }
    return rows;
  }

  function splitLines(text) {
    var lines = text.split(/\r\n|\n|\r/);
    if (lines.length && lines[lines.length - 1] === "") lines.pop();
    return lines;
  }

  // ---- the nearest known word ----------------------------------------------------------

  // Characters two texts share in the longest-match-first way; a / b the candidate and the
  // word, as the command's close-match search compares them.
  function matchingCharacters(a, b) {
    var b2j = {};
    for (var j = 0; j < b.length; j++) (b2j[b[j]] = b2j[b[j]] || []).push(j);
    if (b.length >= 200) {
      var popular = Math.floor(b.length / 100) + 1;
      Object.keys(b2j).forEach(function (ch) { if (b2j[ch].length > popular) delete b2j[ch]; });
    }
    function longest(alo, ahi, blo, bhi) {
      var besti = alo, bestj = blo, size = 0, j2len = {};
      for (var i = alo; i < ahi; i++) {
        var next = {}, js = b2j[a[i]] || [];
        for (var x = 0; x < js.length; x++) {
          var jj = js[x];
          if (jj < blo) continue;
          if (jj >= bhi) break;
          var k = (j2len[jj - 1] || 0) + 1;
          next[jj] = k;
          if (k > size) { besti = i - k + 1; bestj = jj - k + 1; size = k; }
        }
        j2len = next;
      }
      while (besti > alo && bestj > blo && a[besti - 1] === b[bestj - 1]) { besti--; bestj--; size++; }
      while (besti + size < ahi && bestj + size < bhi && a[besti + size] === b[bestj + size]) size++;
      return [besti, bestj, size];
    }
    var total = 0, queue = [[0, a.length, 0, b.length]];
    while (queue.length) {
      var q = queue.pop();
      var m = longest(q[0], q[1], q[2], q[3]);
      if (m[2]) {
        total += m[2];
        if (q[0] < m[0] && q[2] < m[1]) queue.push([q[0], m[0], q[2], m[1]]);
        if (m[0] + m[2] < q[1] && m[1] + m[2] < q[3]) queue.push([m[0] + m[2], q[1], m[1] + m[2], q[3]]);
      }
    }
    return total;
  }

  // The known word closest to `word` with a similarity of at least 0.6, or null; of equal
  // scores the word last in alphabetical order.
  function closeMatch(word, known) {
    var best = null, bestScore = -1;
    known.forEach(function (x) {
      var len = x.length + word.length;
      var score = len ? 2.0 * matchingCharacters(x, word) / len : 1.0;
      if (score >= 0.6 && (score > bestScore || (score === bestScore && x > best))) {
        best = x;
        bestScore = score;
      }
    });
    return best;
  }

  return {
    str: str, repr: repr, kind: kind, jsonDumps: jsonDumps, isInt: isInt,
    parseJson: parseJson, JsonError: JsonError, badUtf8: badUtf8,
    csvRecords: csvRecords, splitLines: splitLines, closeMatch: closeMatch
  };
})();
