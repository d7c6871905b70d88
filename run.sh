#!/usr/bin/env bash
# Installs what is missing, builds TARN and starts it. Arguments go to the program, for
# example a ".sin" file to open; they are taken relative to the current directory.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

"$here/scripts/ensure-deps.sh"

cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARN_WERROR=ON >/dev/null
cmake --build "$here/build" -j2 --target tarn

exec "$here/build/shell/tarn" "$@"
