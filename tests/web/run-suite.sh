#!/usr/bin/env bash
# The browser suite: run-suite.sh build|core|page NATIVE_BUILD_DIR
#   build  compiles the core and the page with emscripten into build-web/ of the source tree
#          (shared with ./run.sh --web)
#   core   runs the WebAssembly core under Node
#   page   drives the page in Chromium through playwright-core
# Exits 77 (skipped) when emscripten, Node, Chromium or playwright-core is missing, unless
# CI=true, where a missing tool fails the suite.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source_dir="$(cd "$here/../.." && pwd)"
mode="$1"
native="$2"
web="$source_dir/build-web"

missing() {
  echo "browser suite: $1 is missing" >&2
  if [ "${CI:-}" = "true" ]; then
    exit 1
  fi
  exit 77
}

export PATH="/usr/bin:$PATH"

command -v node >/dev/null || missing "node"
case "$mode" in
  build)
    command -v em++ >/dev/null || missing "emscripten (em++)"
    "$source_dir/scripts/build-web.sh"
    ;;
  core)
    [ -f "$web/site/tarn-core.js" ] || missing "the WebAssembly build"
    TARN_WEB_SITE="$web/site" node --test "$here/core.test.cjs"
    ;;
  page)
    [ -f "$web/tarn.html" ] || missing "the WebAssembly build"
    [ -x "${TARN_CHROMIUM:-/usr/bin/chromium}" ] || missing "chromium"
    [ -d "$here/node_modules/playwright-core" ] || missing "playwright-core (npm ci in tests/web)"
    TARN_WEB_BUILD="$web" TARN_BUILD="$native" node --test --test-concurrency=1 "$here/page.test.cjs"
    ;;
  *)
    echo "usage: run-suite.sh build|core|page NATIVE_BUILD_DIR" >&2
    exit 2
    ;;
esac
