#!/usr/bin/env bash
# Installs what is missing, builds and starts the program. Without a display it
# starts under a virtual X server (xvfb-run).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh"
"$here/scripts/build.sh"
program="${BUILD_DIR:-$here/build}/bin/quorvane"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1600x1200x24" "$program" "$@"
fi
exec "$program" "$@"
