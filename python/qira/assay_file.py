"""Assay files: the JSON and key-first CSV forms of docs/assay.md read into an Assay."""
import csv
import io
import json


def from_dict(cls, data):
    """An Assay from the file schema (docs/assay.md)."""
    data = dict(data)
    tunit = str(data.pop("temperature_unit", "K"))
    conv = _to_kelvin(tunit)
    percent = str(data.pop("yield_unit", "fraction")) == "percent"
    curve = data.pop("curve")
    yields = [float(p[0]) / (100.0 if percent else 1.0) for p in curve]
    temps = [conv(float(p[1])) for p in curve]
    visc = [(conv(float(t)), float(v)) for t, v in data.pop("viscosities", [])]
    props = dict(data.pop("properties", {}))
    for key in ("flash_point", "pour_point", "cloud_point", "freeze_point", "aniline_point"):
        if key in props:
            props[key] = conv(float(props[key]))
    cuts = data.pop("cuts", None)
    assay = cls(data.pop("standard"), yields, temps, viscosities=visc, properties=props,
                **data)
    if cuts:
        assay.default_cuts = dict(cuts)
        for key in ("lo", "hi"):
            if key in cuts:
                assay.default_cuts[key] = conv(float(cuts[key]))
        if "temperatures" in cuts:
            assay.default_cuts["temperatures"] = [conv(float(t)) for t in cuts["temperatures"]]
    return assay


def load(cls, path):
    """An Assay from a .json or .csv file (docs/assay.md)."""
    with open(path, newline="") as f:
        text = f.read()
    if str(path).lower().endswith(".csv"):
        return from_dict(cls, _csv_to_dict(text))
    return from_dict(cls, json.loads(text))


def _to_kelvin(unit):
    conv = {"K": lambda t: t, "C": lambda t: t + 273.15,
            "F": lambda t: (t - 32.0) / 1.8 + 273.15}
    if unit not in conv:
        raise ValueError("temperature_unit must be K, C or F, not %r" % unit)
    return conv[unit]


def _csv_to_dict(text):
    """The key-first CSV form: one row per scalar (key,value), repeated rows for
    curve,<yield>,<T>; viscosity,<T>,<cSt>; light_end,<name>,<fraction>;
    property,<name>,<value>; cuts,<key>,<value>."""
    data = {"curve": [], "viscosities": [], "light_ends": {}, "properties": {}, "cuts": {}}
    for row in csv.reader(io.StringIO(text)):
        if not row or not row[0].strip() or row[0].lstrip().startswith("#"):
            continue
        key = row[0].strip()
        vals = [c.strip() for c in row[1:]]
        if key == "curve":
            data["curve"].append((float(vals[0]), float(vals[1])))
        elif key == "viscosity":
            data["viscosities"].append((float(vals[0]), float(vals[1])))
        elif key == "light_end":
            data["light_ends"][vals[0]] = float(vals[1])
        elif key == "property":
            data["properties"][vals[0]] = float(vals[1])
        elif key == "cuts":
            data["cuts"][vals[0]] = int(vals[1]) if vals[0] == "count" else \
                (vals[1] if vals[0] == "named" else float(vals[1]))
        elif key in ("name", "standard", "temperature_unit", "yield_unit", "method"):
            data[key] = vals[0]
        else:
            data[key] = float(vals[0])
    return {k: v for k, v in data.items() if v not in ({}, [])}
