// The chart of a stream's cut table as SVG text, drawn by the library's chart family.
"use strict";
var QiraChartView = (function () {
  function svg() { return ""; }
  return { svg: svg };
})();
