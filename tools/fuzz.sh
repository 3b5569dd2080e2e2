#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) in a build folder of their own and runs each for
# SECONDS seconds on a copy of its seed corpus; the committed corpus is never
# written. Fails when any target finds a crash, a broken invariant, a leak or a
# timeout; the input that did it is kept under <build>/fuzz-runs/<target>/.
#
#   tools/fuzz.sh [SECONDS]     (default 60)
#
# Extra settings: BUILD_DIR (default ./build-fuzz), CXX (default clang++),
# FUZZ_TARGETS (names to run, default all: "nickname date_text").
set -euo pipefail

cd "$(dirname "$0")/.."
seconds="${1:-60}"
build_dir="${BUILD_DIR:-build-fuzz}"
cxx="${CXX:-clang++}"

if ! command -v "$cxx" >/dev/null; then
  echo "tools/fuzz.sh needs clang ($cxx not found); ./build.sh installs it." >&2
  exit 1
fi

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$cxx" \
  -DVESSA_FUZZ=ON -DVESSA_GUI=OFF -DVESSA_TESTS=OFF -DVESSA_BENCH=OFF >/dev/null
cmake --build "$build_dir" --target vessa_fuzz -j "$(nproc)"

if [ -n "${FUZZ_TARGETS:-}" ]; then
  read -r -a targets <<<"$FUZZ_TARGETS"
else
  targets=()
  for dir in tests/fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

failed=()
for name in "${targets[@]}"; do
  binary="$build_dir/fuzz/fuzz_$name"
  run="$build_dir/fuzz-runs/$name"
  rm -rf "$run"
  mkdir -p "$run/corpus"
  cp tests/fuzz/corpus/"$name"/* "$run/corpus/"
  status=0
  "$binary" -max_total_time="$seconds" -timeout=20 -print_final_stats=1 \
    -artifact_prefix="$run/" "$run/corpus" >"$run/log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$run/log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$run/log")
  if [ "$status" -eq 0 ]; then
    printf '%-12s %s runs in %ss, %s exec/s, corpus %s inputs\n' "$name" "${runs:-?}" "$seconds" \
      "${rate:-?}" "$(ls "$run/corpus" | wc -l)"
  else
    printf '%-12s FAILED (exit %s) after %s runs; log and input in %s\n' "$name" "$status" \
      "${runs:-?}" "$run"
    grep -E -A12 '^==[0-9]+==ERROR|check failed|runtime error|^SUMMARY' "$run/log" | head -40 >&2 || true
    failed+=("$name")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found a failure in: ${failed[*]}" >&2
  exit 1
fi
