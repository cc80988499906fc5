#!/usr/bin/env bash
# Installs the qira Python package from this checkout into a virtual environment made with
# Debian's own python3 (/usr/bin/python3), whatever python3 comes first on PATH. The
# environment sees Debian's packages (--system-site-packages): setuptools and wheel for the
# offline build, NumPy for the array forms. The build compiles the library with CMake and
# ships it inside the package.
#
# Usage: bash scripts/install-python.sh [VENV]      (default: .venv in the checkout)
# Then:  source VENV/bin/activate   (python3 and the qira command are the environment's)
set -euo pipefail
cd "$(dirname "$0")/.."
venv=${1:-.venv}
bash scripts/ensure-deps.sh cmake g++ make python3 python3-venv python3-setuptools \
  python3-wheel python3-numpy
/usr/bin/python3 -m venv --system-site-packages "$venv"
"$venv/bin/python" -m pip install --quiet --no-build-isolation --no-index .
echo "qira installed in $venv: source $venv/bin/activate, then python3 or qira"
