#!/usr/bin/env bash
# Installs what is missing, builds and starts Vistrelle.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
exec "${VISTRELLE_BUILD_DIR:-$root/build}/vistrelle" "$@"
