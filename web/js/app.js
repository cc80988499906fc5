// The page: streams loaded from files or typed in, cut into pseudo-component tables and
// blended, all through the library compiled into this page.
"use strict";
var QiraPage = (function () {
  var U = QiraUnits, E = QiraEngine, F = QiraAssayFile, R = QiraRender;
  var streams = [];          // {id, name, handle, unit, defaultCuts, standard, ...}
  var current = null;        // the stream shown
  var shownTable = null;     // its cut table
  var shownSvg = "";
  var nextId = 1;
  var timings = {};

  function $(id) { return document.getElementById(id); }

  // ---- messages -------------------------------------------------------------------

  function clearErrors() {
    Array.prototype.forEach.call(document.querySelectorAll(".field-error"), function (e) { e.textContent = ""; });
    $("messages").textContent = "";
  }

  // An error beside the field it concerns, and in the message area.
  function showError(field, message) {
    var beside = document.querySelector('[data-error-for="' + field + '"]');
    if (beside) beside.textContent = message;
    var p = R.el("p", { "class": "error", "data-field": field }, message);
    $("messages").appendChild(p);
  }

  function hideResults() {
    current = null;
    shownTable = null;
    R.clearTable();
    $("results").hidden = true;
    renderStreamList();
  }

  // Runs fn, showing any failure beside `field` (or the field the failure names).
  function guarded(field, fn) {
    try {
      return fn();
    } catch (e) {
      showError((e && e.field) || field, String(e && e.message || e));
      return undefined;
    }
  }

  // ---- streams --------------------------------------------------------------------

  // Adds a stream read by QiraAssayFile (file or form); returns it, or null on failure.
  function addStream(assay, field) {
    var handle = guarded(field, function () { return QiraInput.create(assay); });
    if (!handle) { hideResults(); return null; }
    var s = {
      id: nextId++, name: assay.name, handle: handle, unit: assay.unit,
      yieldUnit: assay.yieldUnit, defaultCuts: assay.defaultCuts,
      standard: assay.input.standard, fileName: assay.fileName, share: "",
      laboratory: { yields: assay.input.yields, temperatures: assay.input.temperatures },
      method: assay.input.method,
      properties: E.properties(handle), viscosities: E.viscosities(handle)
    };
    s.sg = guarded(field, function () { return E.streamGravity(handle); });
    streams.push(s);
    return s;
  }

  function removeStream(id) {
    var i = streams.findIndex(function (s) { return s.id === id; });
    if (i < 0) return;
    E.free(streams[i].handle);
    var wasShown = current && current.id === id;
    streams.splice(i, 1);
    if (wasShown) hideResults(); else renderStreamList();
  }

  function renderStreamList() {
    var body = document.querySelector("#stream-list tbody");
    body.textContent = "";
    streams.forEach(function (s) {
      var tr = R.el("tr", { "data-stream": String(s.id) });
      var show = R.el("input", { type: "radio", name: "shown-stream", "aria-label": "show " + s.name });
      show.checked = current !== null && current.id === s.id;
      show.addEventListener("change", function () { showStream(s, cutRequestOf(s)); });
      tr.appendChild(R.el("td")).appendChild(show);
      tr.appendChild(R.el("td", { "class": "stream-name" }, s.name));
      tr.appendChild(R.el("td", {}, s.standard));
      tr.appendChild(R.el("td", {}, s.sg === undefined ? "–" : s.sg.toFixed(4)));
      var share = R.el("input", { "class": "share", size: "5", inputmode: "decimal",
                                  "aria-label": "share of " + s.name, placeholder: "0..1" });
      share.value = s.share;
      share.addEventListener("input", function () { s.share = share.value; });
      tr.appendChild(R.el("td")).appendChild(share);
      var rm = R.el("button", { type: "button", "class": "remove", "aria-label": "remove " + s.name }, "×");
      rm.addEventListener("click", function () { removeStream(s.id); });
      tr.appendChild(R.el("td")).appendChild(rm);
      body.appendChild(tr);
    });
    $("blend-box").hidden = streams.length < 2;
  }

  // ---- cutting --------------------------------------------------------------------

  function cutRequestOf(s) {
    return s.defaultCuts ? JSON.parse(JSON.stringify(s.defaultCuts)) : { count: 10 };
  }

  // The cut controls set to a request in kelvin, shown in the display unit.
  function setCutControls(request, unit) {
    $("display-unit").value = unit;
    updateUnitLabels();
    var mode = request.temperatures ? "temperatures" : request.named ? "named" : "count";
    $("cut-mode-" + mode).checked = true;
    var show = function (k) { return k === undefined || k === null ? "" : String(+U.fromKelvin[unit](k).toFixed(6)); };
    $("cut-count").value = request.count === undefined ? 10 : request.count;
    $("cut-lo").value = mode === "count" ? show(request.lo) : "";
    $("cut-hi").value = mode === "count" ? show(request.hi) : "";
    $("cut-temperatures").value = request.temperatures ? request.temperatures.map(show).join(", ") : "";
  }

  function updateUnitLabels() {
    var u = $("display-unit").value;
    Array.prototype.forEach.call(document.querySelectorAll('[data-unit="temperature"]'), function (e) {
      e.textContent = U.temperatureLabel[u];
    });
  }

  // Cuts stream s by request and shows it; a refused cut leaves the stream chosen, so that
  // the cut can be mended, and no table on show.
  function cutAndShow(s, request) {
    current = s;
    shownTable = guarded(QiraInput.cutField(request), function () { return QiraInput.cut(s.handle, request); }) || null;
    if (!shownTable) {
      R.clearTable();
      $("results").hidden = true;
      renderStreamList();
      return false;
    }
    renderResults();
    return true;
  }

  function showStream(s, request) {
    clearErrors();
    setCutControls(request, s.unit);
    var t0 = performance.now();
    var shown = cutAndShow(s, request);
    timings.lastCut = performance.now() - t0;
    return shown;
  }

  function renderResults() {
    var s = current, unit = $("display-unit").value;
    $("result-title").textContent = s.name + " (" + s.standard + (s.fileName ? ", " + s.fileName : "") + ")";
    R.cutTable(shownTable, E.COLUMNS, unit);
    R.curves({ TBP: E.curve(s.handle, "TBP"), D86: E.curve(s.handle, "D86"),
               D2887: E.curve(s.handle, "D2887") }, unit);
    R.bulk(s, shownTable, unit);
    R.notes(shownTable);
    R.viscosityFit(shownTable, unit);
    shownSvg = QiraChartView.svg(s, shownTable);
    $("chart").innerHTML = shownSvg;
    $("results").hidden = false;
    renderStreamList();
  }

  function onCut(ev) {
    if (ev) ev.preventDefault();
    if (!current) return;
    clearErrors();
    var unit = $("display-unit").value;
    var request = guarded("cut-count", function () { return QiraInput.cutRequest(unit); });
    if (!request) return;
    current.unit = unit;
    cutAndShow(current, request);
  }

  // ---- input ----------------------------------------------------------------------

  function readFiles(files) {
    clearErrors();
    var list = Array.prototype.slice.call(files);
    var t0 = performance.now();
    return list.reduce(function (p, file) {
      return p.then(function () {
        return file.arrayBuffer().then(function (buffer) {
          var bytes = new Uint8Array(buffer);
          var assay = guarded("assay-file", function () { return F.read(bytes, file.name); });
          if (!assay) { hideResults(); return; }
          var s = addStream(assay, "assay-file");
          if (s) showStream(s, cutRequestOf(s));
        });
      });
    }, Promise.resolve()).then(function () {
      timings.lastLoad = performance.now() - t0;
      $("assay-file").value = "";
    });
  }

  function onForm(ev) {
    ev.preventDefault();
    clearErrors();
    var assay = guarded("f-curve", function () { return QiraInput.fromForm(); });
    if (!assay) { hideResults(); return; }
    var s = addStream(assay, "f-curve");
    if (s) showStream(s, cutRequestOf(s));
  }

  function onBlend() {
    clearErrors();
    var chosen = streams.filter(function (s) { return String(s.share).trim() !== ""; });
    var mix = guarded("blend", function () {
      return QiraInput.blend(chosen, $("blend-basis").value);
    });
    if (!mix) { hideResults(); return; }
    mix.id = nextId++;
    streams.push(mix);
    showStream(mix, { count: 10 });
  }

  function download(name, type, text) {
    var a = R.el("a", { download: name, href: URL.createObjectURL(new Blob([text], { type: type })) });
    document.body.appendChild(a);
    a.click();
    setTimeout(function () { URL.revokeObjectURL(a.href); a.remove(); }, 0);
  }

  function stem() {
    return (current.fileName || current.name).replace(/\.[^.]*$/, "").replace(/[^\w.-]+/g, "_");
  }

  function wire() {
    $("assay-file").addEventListener("change", function (e) { readFiles(e.target.files); });
    var zone = $("drop-zone");
    ["dragenter", "dragover"].forEach(function (t) {
      zone.addEventListener(t, function (e) { e.preventDefault(); zone.classList.add("over"); });
    });
    ["dragleave", "drop"].forEach(function (t) {
      zone.addEventListener(t, function () { zone.classList.remove("over"); });
    });
    zone.addEventListener("drop", function (e) { e.preventDefault(); readFiles(e.dataTransfer.files); });
    $("curve-form").addEventListener("submit", onForm);
    $("cut-form").addEventListener("submit", onCut);
    $("display-unit").addEventListener("change", function () {
      updateUnitLabels();
      if (current && shownTable) { current.unit = $("display-unit").value; renderResults(); }
    });
    $("blend-button").addEventListener("click", onBlend);
    $("download-csv").addEventListener("click", function () {
      if (shownTable) download(stem() + ".cuts.csv", "text/csv", R.csv(shownTable, E.COLUMNS));
    });
    $("download-svg").addEventListener("click", function () {
      if (shownSvg) download(stem() + ".svg", "image/svg+xml", shownSvg);
    });
    renderStreamList();
  }

  var ready = E.load().then(function () {
    F.setLightEndNames(E.lightEndNames());
    wire();
    timings.engineReady = performance.now();
    document.body.setAttribute("data-ready", "true");
  }, function (e) {
    showError("assay-file", "The calculation engine could not be loaded: " + e);
  });

  // The cut table of a file (bytes or text) by its own cuts, as {names, columns}; for scripts.
  function tableOf(content, name) {
    var bytes = typeof content === "string" ? new TextEncoder().encode(content) : new Uint8Array(content);
    var assay = F.read(bytes, name);
    var h = QiraInput.create(assay);
    try {
      var t = QiraInput.cut(h, assay.defaultCuts || { count: 10 });
      return { names: t.names, columns: t.columns };
    } finally {
      E.free(h);
    }
  }

  // The message the page gives for a file (bytes or text) loaded and cut by its own cuts,
  // or null when it is accepted; nothing is kept.
  function refusal(content, name) {
    var bytes = typeof content === "string" ? new TextEncoder().encode(content) : new Uint8Array(content);
    try {
      var assay = F.read(bytes, name);
      var h = QiraInput.create(assay);
      try {
        QiraInput.cut(h, assay.defaultCuts || { count: 10 });
      } finally {
        E.free(h);
      }
      return null;
    } catch (e) {
      return String(e && e.message || e);
    }
  }

  return {
    ready: ready, refusal: refusal, tableOf: tableOf, timings: timings, readFiles: readFiles,
    streams: function () { return streams; },
    tableCsv: function () { return shownTable ? R.csv(shownTable, E.COLUMNS) : null; },
    svg: function () { return shownSvg; }
  };
})();
