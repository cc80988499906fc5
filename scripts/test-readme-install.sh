#!/usr/bin/env bash
# Runs the README's Python install lines, exactly as written between its python-install
# markers, in a fresh clone of this repository, with the python3 on PATH as it is (here a
# version-manager build that does not see Debian's packages).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git clone --quiet "$root" "$work/qira"
sed -n '/<!-- python-install: begin -->/,/<!-- python-install: end -->/p' "$work/qira/README.md" |
  grep '^    ' | sed 's/^    //' >"$work/install.sh"
if [ ! -s "$work/install.sh" ]; then
  echo "README.md holds no install lines between the python-install markers" >&2
  exit 1
fi
echo "== the README's install lines:"
cat "$work/install.sh"
(cd "$work/qira" && env -u QIRA_LIBRARY -u PYTHONPATH -u VIRTUAL_ENV bash -euo pipefail "$work/install.sh")
echo "== the README's install lines ran from a fresh clone"
