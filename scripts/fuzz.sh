#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz with Clang into build-fuzz and runs each one
# for FUZZ_SECONDS (default 60). New inputs go to build-fuzz/corpus/<target>; a crash is kept
# in build-fuzz/artifacts/<target>/ and the run fails. Once the fault is fixed, copy the crash
# input into tests/fuzz/regressions/<target>/ so that `make test` replays it.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-60}
build=${FUZZ_BUILD:-build-fuzz}
targets=(${FUZZ_TARGETS:-star_file vertex_file face_file face_outline command_line})
packages=(clang-14 libclang-rt-14-dev)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Fuzzing needs Clang and its fuzzer runtime; installing: ${missing[*]}"
  if [ "$(id -u)" -eq 0 ]; then
    sudo=()
  elif command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
  else
    echo "Please install them as root: apt-get install ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBWEAVE_FUZZ=ON \
  -DORBWEAVE_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "${JOBS:-$(nproc)}" --target "${targets[@]/%/_fuzzer}"

status=0
for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t" "$build/artifacts/$t"
  seeds=(tests/fuzz/corpus/"$t")
  [ -d tests/fuzz/regressions/"$t" ] && seeds+=(tests/fuzz/regressions/"$t")
  dict=tests/fuzz/$t.dict
  [ -f "$dict" ] || dict=tests/fuzz/data_file.dict
  echo "== $t: fuzzing for $seconds s"
  if ! "$build/fuzz/${t}_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -dict="$dict" -artifact_prefix="$build/artifacts/$t/" -print_final_stats=1 \
       "$build/corpus/$t" "${seeds[@]}" 2>"$build/artifacts/$t/log.txt"; then
    echo "   FAILED: see $build/artifacts/$t/ (log.txt and the crash input)"
    status=1
  fi
  grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ *DONE)" "$build/artifacts/$t/log.txt" \
    | sed 's/^/   /' || true
done
exit $status
