# Sourced by the package checks: root only, and the Debian packages they need.
# Missing ones are installed only when CI=true or TARN_INSTALL_TOOLS=1; otherwise they are
# named and the check stops.

fail() {
    echo "${0##*/}: $*" >&2
    exit 1
}
step() { echo "== $*" >&2; }
is_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

need_root() {
    [ "$(id -u)" -eq 0 ] || fail "run as root: $1"
}

need_packages() {
    local missing=() p
    for p in "$@"; do is_installed "$p" || missing+=("$p"); done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "${CI:-}" != true ] && [ "${TARN_INSTALL_TOOLS:-}" != 1 ]; then
        fail "missing ${missing[*]}; install them, or run with TARN_INSTALL_TOOLS=1"
    fi
    step "installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}
