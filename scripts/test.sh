#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (window tests headless).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh"
"$here/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${BUILD_DIR:-$here/build}" --output-on-failure -j "$(nproc)" "$@"
