#!/usr/bin/env bash
# Installs the Python package offline into a fresh virtual environment (the build compiles
# the library and ships it inside the package) and uses it from another folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/ensure-deps.sh cmake g++ make python3 python3-venv python3-setuptools python3-numpy
venv=$(mktemp -d)
trap 'rm -rf "$venv"' EXIT
/usr/bin/python3 -m venv --system-site-packages "$venv"
"$venv/bin/pip" install --quiet --no-build-isolation --no-index .
(cd / && "$venv/bin/python" -c "import qira; t = qira.d86_to_tbp([qira.fahrenheit_to_kelvin(f) for f in (100, 130, 150, 200, 250, 300, 370, 400, 430)]); assert abs(t[4] - 395.0) < 0.1, t; print('qira', t)")
