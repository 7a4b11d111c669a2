#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (unit and end-to-end) in one
# CTest run inside a private desktop and sound server started by test-env.sh.
# Extra arguments go to ctest (for example: -L unit, -R tst_recorder, --output-on-failure).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VISTRELLE_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
jobs=$(nproc 2>/dev/null || echo 2)
cd "$build"
# Recordings need room: say how much the test machine has (the build takes about 1.2 GB).
df -h "$build" "${TMPDIR:-/tmp}" | sed 's/^/disk: /'
exec "$root/scripts/test-env.sh" ctest --output-on-failure -j "$jobs" "$@"
