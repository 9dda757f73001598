#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main program. Arguments go to the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/setup.sh"

configure_and_build "$root/build" -DVANTOR_TESTS=OFF
exec "$root/build/bin/vantorui-demo" "$@"
