"""Every result of the assay workflow on the example files, as one JSON-able dict: each
file's default cut, 25 cuts and the refinery cuts (every column, bulk values, MW scale,
notes, viscosity fit report, the TBP, D86 and D2887 curves) and two blends (curves,
properties, viscosities, cut table). Run as a script it writes the regression fixture
fixtures/assay_baseline.json; test_assay.py compares a fresh snapshot with it."""
import json
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from qira.assay import COLUMNS, Assay, blend  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
EXAMPLES = os.path.join(HERE, "..", "..", "examples", "assays")
FIXTURE = os.path.join(HERE, "fixtures", "assay_baseline.json")
FILES = ("diesel-d86.json", "gasoil-d2887.csv", "vgo-d1160.json", "crude-tbp.json")
BLENDS = (("diesel 0.3 + gas oil 0.7, volume", "volume",
           (("diesel-d86.json", 0.3), ("gasoil-d2887.csv", 0.7))),
          ("crude 0.5 + VGO 0.5, mass", "mass", (("crude-tbp.json", 0.5), ("vgo-d1160.json", 0.5))))


def _table(table):
    return {"columns": {c: [r[c] for r in table.records] for c in COLUMNS},
            "sg": table.sg, "mw": table.mw, "watson_k": table.watson_k,
            "mw_scale": table.mw_scale, "notes": list(table.notes),
            "viscosity_fit": [list(p) for p in (table.viscosity_fit or [])]}


def _curves(assay):
    return {"tbp": list(assay.tbp), "d86": [list(v) for v in assay.d86],
            "d2887": [list(v) for v in assay.d2887]}


def _cetane(assay):
    try:
        return assay.cetane_index()
    except Exception as error:  # outside the method's range (a crude): the message
        return "error: %s" % type(error).__name__


def _load(name):
    return Assay.load(os.path.join(EXAMPLES, name))


def _tables(assay):
    out = {"default": _table(assay.default_cut()), "count 25": _table(assay.cut(count=25))}
    try:
        out["refinery"] = _table(assay.cut(named="refinery"))
    except ValueError as error:
        out["refinery"] = "error: %s" % error
    return out


def snapshot():
    out = {"files": {}, "blends": {}}
    for name in FILES:
        assay = _load(name)
        entry = _curves(assay)
        entry.update(sg=assay.sg, cetane=_cetane(assay), tables=_tables(assay))
        out["files"][name] = entry
    for label, basis, parts in BLENDS:
        mix = blend([(_load(f), s) for f, s in parts], basis=basis)
        entry = _curves(mix)
        entry.update(name=mix.name, sg=mix.sg, properties=dict(mix.properties),
                     viscosities=[list(p) for p in mix.viscosities],
                     volume_fractions=list(mix.volume_fractions),
                     mass_fractions=list(mix.mass_fractions),
                     components=[list(v) for v in mix.components()],
                     cetane=_cetane(mix), tables=_tables(mix))
        out["blends"][label] = entry
    return out


def differences(got, want, rel=1e-9, where=""):
    """Paths at which two snapshots differ (numbers beyond `rel` relative)."""
    if isinstance(want, float) or isinstance(got, float):
        if not isinstance(got, (int, float)) or not isinstance(want, (int, float)):
            return ["%s: %r != %r" % (where, got, want)]
        if abs(got - want) > rel * max(abs(want), 1e-300) and got != want:
            return ["%s: %r != %r" % (where, got, want)]
        return []
    if isinstance(want, dict):
        if not isinstance(got, dict) or set(got) != set(want):
            return ["%s: keys %s != %s" % (where, sorted(got) if isinstance(got, dict) else got,
                                           sorted(want))]
        return [d for k in want for d in differences(got[k], want[k], rel, "%s/%s" % (where, k))]
    if isinstance(want, (list, tuple)):
        if not isinstance(got, (list, tuple)) or len(got) != len(want):
            return ["%s: %r != %r" % (where, got, want)]
        return [d for i, (g, w) in enumerate(zip(got, want))
                for d in differences(g, w, rel, "%s[%d]" % (where, i))]
    return [] if got == want else ["%s: %r != %r" % (where, got, want)]


if __name__ == "__main__":
    with open(FIXTURE, "w") as f:
        json.dump(snapshot(), f, indent=1)
        f.write("\n")
    print("wrote", FIXTURE)
