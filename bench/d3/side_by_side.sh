#!/bin/bash
# Whole-globe gore SVG, orbweave-export against d3-geo, on the same catalogues: medians of RUNS
# runs of whole-process wall and CPU time (user + system) and peak memory.
#   bench/d3/side_by_side.sh [BUILD_FOLDER] [RUNS]     (defaults: build, 3)
# d3-geo is installed from npm into a scratch folder under /tmp, never into the build or the
# source tree; everything made is removed at the end.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
runs=${2:-3}
exporter=$build/app/orbweave-export/orbweave-export
catalogue=$build/bench/synthetic_catalogue
for tool in "$exporter" "$catalogue"; do
  [ -x "$tool" ] || { echo "missing $tool: build it first (cmake --build build)" >&2; exit 1; }
done
scratch=$(mktemp -d /tmp/orbweave-d3.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
npm install --silent --no-audit --no-fund --prefix "$scratch/npm" d3-geo >/dev/null
cp "$here/gores.mjs" "$scratch/npm/"

"$catalogue" hipparcos 118216 >"$scratch/h118k.csv"
"$catalogue" hipparcos 1000000 >"$scratch/h1M.csv"
"$catalogue" hipparcos 10000000 >"$scratch/h10M.csv"
cases=("9 k bundled|$here/../../data/bright-stars.csv|8.5"
       "118 k Hipparcos-like|$scratch/h118k.csv|8.5"
       "1 M Hipparcos-like|$scratch/h1M.csv|8.5"
       "1 M, every star drawn|$scratch/h1M.csv|15"
       "10 M Hipparcos-like|$scratch/h10M.csv|8.5")

# median wall, median CPU and median peak MB of `runs` runs of the command
measure() {
  for _ in $(seq "$runs"); do
    rm -rf "$scratch/out"; mkdir "$scratch/out"
    /usr/bin/time -o "$scratch/time" -f "%e %U %S %M" "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
    cat "$scratch/time"
  done | sort -n | awk '{w[NR]=$1; c[NR]=$2+$3; m[NR]=$4} END {k=int((NR+1)/2);
    # wall times came sorted; CPU and memory are sorted here
    for (a=1;a<=NR;a++) for (b=a+1;b<=NR;b++) { if (c[b]<c[a]) {t=c[a];c[a]=c[b];c[b]=t} if (m[b]<m[a]) {t=m[a];m[a]=m[b];m[b]=t} }
    printf "%.2f %.2f %.0f\n", w[k], c[k], m[k]/1024}'
}

echo "| whole-globe gore SVG | Orbweave wall, CPU, peak | d3-geo wall, CPU, peak | Orbweave/d3 (wall) |"
echo "|---|---|---|---|"
for c in "${cases[@]}"; do
  IFS='|' read -r name file faintest <<<"$c"
  read -r ow oc om < <(measure "$exporter" gores --k all --hemisphere both --plates both --format svg \
    --stars "$file" --faintest "$faintest" --output "$scratch/out" --quiet)
  read -r dw dc dm < <(measure node --max-old-space-size=16384 \
    "$scratch/npm/gores.mjs" "$file" "$scratch/out" "$faintest")
  echo "| $name | $ow s, $oc s, $om MB | $dw s, $dc s, $dm MB | $(awk -v a="$ow" -v b="$dw" 'BEGIN{printf "%.2f", a/b}') |"
done
