#!/usr/bin/env bash
# Installs the Debian packages the build and tests need, when any is missing.
# As root it runs apt-get; otherwise it prints the commands to run as root and fails.
set -euo pipefail

packages=(
  cmake g++ make pkgconf ccache
  qt6-base-dev qt6-serialport-dev libqt6serialport6 qt6-websockets-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n cmark
  libgtest-dev libgmock-dev googletest
  clang-14 libclang-rt-14-dev
  fonts-wqy-microhei
  xvfb xdotool openbox x11-utils x11-apps xclip python3
  dbus at-spi2-core python3-pyatspi
  emscripten node-acorn nodejs chromium
)

# The browser suite's one npm package, at the version its lock file pins; no browser download.
npm_suite() {
  local suite
  suite="$(cd "$(dirname "$0")/.." && pwd)/tests/web"
  if [ ! -d "$suite/node_modules/playwright-core" ] && command -v npm >/dev/null; then
    (cd "$suite" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund >&2) ||
      echo "npm ci in tests/web failed: the page tests will be skipped" >&2
  fi
}
trap npm_suite EXIT

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

# A Node.js from elsewhere brings its own npm, which Debian's npm would conflict with.
command -v npm >/dev/null || missing+=(npm)

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
else
  install="apt-get install -y --no-install-recommends ${missing[*]}"
  cat >&2 <<EOF
Missing Debian packages: ${missing[*]}
Run these two commands as root:
  apt-get update
  $install
To become root, run  su -  (it asks for the root password), or put  sudo  before each
command if your user may use sudo. Or in one line:
  su -c 'apt-get update && $install'
EOF
  exit 1
fi
