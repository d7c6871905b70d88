#!/usr/bin/env bash
# Builds the browser page with Debian's emscripten into build-web/: site/ for a web server and
# the self-contained tarn.html.
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
web="$source_dir/build-web"
# Debian's emscripten runs its tools with the system Python and Node; its optimizer needs
# Debian's acorn.
export PATH="/usr/bin:$PATH"
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
if [ ! -f "$web/CMakeCache.txt" ]; then
  emcmake cmake -S "$source_dir" -B "$web" -DCMAKE_BUILD_TYPE=Release -DTARN_WERROR=ON >/dev/null
else
  # The cache keeps the emscripten toolchain; this only picks up changed CMake files.
  cmake -S "$source_dir" -B "$web" >/dev/null
fi
cmake --build "$web" -j2 --target tarn_page
