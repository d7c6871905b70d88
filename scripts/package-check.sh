#!/usr/bin/env bash
# Builds the Debian package in a build folder configured for /usr, checks it with
# lintian, then hands it to scripts/installed-check.sh, which installs, runs, removes and
# purges it.
#
#   scripts/package-check.sh [BUILD_FOLDER]     (default: build)
#
# Needs root, as it installs into this machine. Missing tools are installed only when
# CI=true or with TARN_INSTALL_TOOLS=1; otherwise they are named and the check stops.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/package-tools.sh

build=${1:-build}
need_root "the check installs and removes the package tarn"
scripts/ensure-deps.sh
need_packages dpkg-dev lintian desktop-file-utils appstream

step "building the browser page"
scripts/build-web.sh >/dev/null

step "building the package in $build"
cmake -S . -B "$build" -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$build" -j2
rm -f "$build"/tarn_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/tarn_*_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one tarn_VERSION_ARCH.deb in $build"

step "desktop entries and AppStream metadata"
desktop-file-validate "$build"/resources/generated/*.desktop
appstreamcli validate --no-net resources/metainfo/*.metainfo.xml >/dev/null ||
    appstreamcli validate --no-net resources/metainfo/*.metainfo.xml

# The listing is taken whole first: grep -q leaving early would end dpkg-deb with SIGPIPE.
listing=$(dpkg-deb -c "${debs[0]}")
grep -q '/usr/share/tarn/tarn.html$' <<<"$listing" ||
    fail "the package lacks the self-contained page /usr/share/tarn/tarn.html"

step "lintian ${debs[0]##*/}"
lintian --fail-on error "${debs[0]}"

scripts/installed-check.sh "${debs[0]}"
