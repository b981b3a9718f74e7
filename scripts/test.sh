#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (window tests headless);
# then runs every test again under AddressSanitizer and
# UndefinedBehaviorSanitizer (scripts/sanitize.sh) and each fuzz target for
# FUZZ_SECONDS (default 20) seconds (scripts/fuzz.sh). Any failing stage fails
# the script. SKIP_SANITIZE=1 or SKIP_FUZZ=1 leave out those stages.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh"
"$here/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${BUILD_DIR:-$here/build}" --output-on-failure -j "$(nproc)" "$@"
if [ "${SKIP_SANITIZE:-0}" != 1 ]; then
  echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
  "$here/scripts/sanitize.sh"
fi
if [ "${SKIP_FUZZ:-0}" != 1 ]; then
  echo "== fuzz targets, ${FUZZ_SECONDS:-20} s each"
  # A fixed seed and number of inputs: the same inputs every run, so a red
  # run is a real finding that can be repeated, not chance or a faster machine.
  FUZZ_JOBS="${FUZZ_JOBS:-5}" FUZZ_SEED="${FUZZ_SEED:-1}" FUZZ_RUNS="${FUZZ_RUNS:-600}" "$here/scripts/fuzz.sh" "${FUZZ_SECONDS:-20}"
fi
echo "== all stages passed"
