#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/ (or $FUZZ_BUILD_DIR), seeds each
# target's corpus from tests/data and runs each target for the given number of
# seconds (default 60). Exits non-zero at the first finding; the input that
# found it is left in the build folder as crash-*.
#   scripts/fuzz.sh [seconds] [target...]
# FUZZ_JOBS: targets run side by side (default 1). FUZZ_SEED: the fuzzer's
# seed (default 0, a new one each run; a fixed one repeats the same inputs).
# FUZZ_RUNS: at most this many inputs per target (with a fixed seed, the very
# same inputs on any machine, however fast).
# FUZZ_KNOWN_FAULTS=report reports the known round-trip faults too
# (fuzz/support/KnownRoundTripFaults.h).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
shift || true
build="${FUZZ_BUILD_DIR:-$here/build-fuzz}"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(fuzz_parse_lx9100 fuzz_parse_n2600a fuzz_parse_n2600bx fuzz_parse_t7310 fuzz_project_roundtrip)
fi

launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER="${FUZZ_CXX:-clang++-14}" -DBUILD_FUZZ=ON -DSANITIZE=ON "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

# The seeds of a target: the printouts of its model, or for the round trip
# the project files and every printout made into a project file.
seed() {
  local target="$1" corpus="$2" model folder code
  mkdir -p "$corpus"
  case "$target" in
    fuzz_parse_*)
      model="${target#fuzz_parse_}"
      cp "$here/tests/data/$model/"*.txt "$corpus/"
      cp "$here/tests/data/independent/${model}_printout.txt" "$corpus/" 2>/dev/null || true
      ;;
    fuzz_project_roundtrip)
      cp "$here/tests/data/projects/"*.txt "$here/tests/data/independent/"*_project.txt "$corpus/"
      for folder in lx9100:0 n2600a:1 n2600bx:2 t7310:3; do
        model="${folder%:*}" code="${folder#*:}"
        for file in "$here/tests/data/$model/"*.txt; do
          { printf ' %s \r\n' "$code"; cat "$file"; } >"$corpus/${model}_$(basename "$file")"
        done
      done
      ;;
  esac
}

export ASAN_OPTIONS="${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
export QT_QPA_PLATFORM=offscreen
# Every run recreates the working database: a memory file system spares the disk.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi

run() {
  local target="$1" corpus="$build/corpus/$1" log="$build/$1.log"
  seed "$target" "$corpus"
  echo "fuzzing $target for ${seconds}s"
  if (cd "$build" && "$build/fuzz/$target" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=4096 \
        -max_len=65536 -seed="${FUZZ_SEED:-0}" ${FUZZ_RUNS:+-runs="$FUZZ_RUNS"} -print_final_stats=1 "$corpus" >"$log" 2>&1); then
    grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$log" | sed "s/^/  $target /" || true
  else
    echo "FINDING in $target (log: $log)" >&2
    grep -E 'FINDING|ERROR|runtime error|Test unit written' "$log" | head -20 >&2 || true
    return 1
  fi
}

jobs_limit="${FUZZ_JOBS:-1}"
failed=0
pids=()
for target in "${targets[@]}"; do
  run "$target" & pids+=($!)
  if [ ${#pids[@]} -ge "$jobs_limit" ]; then
    wait "${pids[0]}" || failed=1
    pids=("${pids[@]:1}")
  fi
done
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
exit "$failed"
