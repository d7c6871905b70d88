#!/usr/bin/env bash
# Installs a built tarn package with apt, runs what it installed (a tarn-cli round trip
# against tarn-virtual-radio; Halcyon, whose OK starts TARN, and TARN opening a file the
# way a file manager does, under Xvfb with openbox), then removes and purges it and checks
# that nothing of it is left outside home folders.
#
#   scripts/installed-check.sh tarn_VERSION_ARCH.deb
#
# Root only. Refuses to run when a package tarn is installed already, so it never
# replaces a real install; on any failure the package is purged again.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/package-tools.sh

[ $# -eq 1 ] && [ -f "$1" ] || fail "usage: $0 tarn_VERSION_ARCH.deb"
deb=$(realpath "$1")
need_root "the check installs and removes the package tarn"
is_installed tarn && fail "a package tarn is installed already; remove it first"
need_packages desktop-file-utils shared-mime-info xvfb openbox xdotool

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    if is_installed tarn; then
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq tarn >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
export DEBIAN_FRONTEND=noninteractive

# What the package brings, and which of those paths (folders) the machine had already.
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||' | grep -v '^$' |
    sort >"$work/files"
while read -r path; do
    if [ -e "$path" ]; then echo "$path"; fi
done <"$work/files" >"$work/before"
touch "$work/marker"

step "apt install ${deb##*/}"
apt-get install -y -qq --no-install-recommends "$deb" >&2
for program in tarn halcyon tarn-cli tarn-virtual-radio; do
    [ -x /usr/bin/$program ] || fail "/usr/bin/$program is not installed"
done
grep -qx 'Exec=/usr/bin/tarn %f' /usr/share/applications/tarn.desktop ||
    fail "tarn.desktop does not name /usr/bin/tarn"
# The system's triggers have refreshed the MIME and desktop databases.
[ -f /usr/share/mime/application/x-tarn-sin.xml ] || fail "the MIME database lacks *.sin"
grep -q '^application/x-tarn-sin=.*tarn.desktop' /usr/share/applications/mimeinfo.cache ||
    fail "the desktop database does not open *.sin with TARN"

step "installed tarn-cli round trip"
cd "$work"
tarn-cli new a.sin
tarn-cli show a.sin | sed '2s/.*/  1\t146.52000\t146.52000\t88.5\tOFF\tHigh\tLock/' >table.tsv
tarn-cli apply a.sin table.tsv -o edited.sin
tarn-virtual-radio --save radio.sin >radio.port &
radio=$!
pids+=("$radio")
for _ in $(seq 100); do
    if [ -s radio.port ]; then break; fi
    sleep 0.1
done
port=$(head -1 radio.port)
[ -n "$port" ] || fail "tarn-virtual-radio printed no port"
tarn-cli write --port "$port" edited.sin 2>/dev/null || fail "tarn-cli write failed"
tarn-cli read --port "$port" back.sin 2>/dev/null || fail "tarn-cli read failed"
cmp edited.sin back.sin || fail "what was read back differs from what was written"
tarn-cli show back.sin | grep "^  1	146.52000	146.52000	88.5	" >/dev/null ||
    fail "the edited channel did not survive"
kill "$radio"
wait "$radio" || true
cmp edited.sin radio.sin || fail "the virtual radio saved other memory"

step "installed Halcyon and TARN under Xvfb"
export HOME="$work/home"
mkdir -p "$HOME"
unset XDG_CONFIG_HOME
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do
    if [ -s "$work/display" ]; then break; fi
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    if xdotool get_num_desktops >/dev/null 2>&1; then break; fi
    sleep 0.1
done
xdotool get_num_desktops >/dev/null 2>&1 || fail "openbox did not start"

# Ends a program this check started and waits until it is gone.
stop() {
    kill "$1" 2>/dev/null || true
    for _ in $(seq 100); do
        if ! kill -0 "$1" 2>/dev/null; then return 0; fi
        sleep 0.1
    done
    fail "process $1 did not end"
}

# The first visible window whose title matches, waited for up to 20 (or $2) seconds; empty
# if none.
window() {
    timeout "${2:-20}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1 ||
        true
}

# Presses Return in a window until a window titled $2 shows: a key sent in the instant a
# window maps can arrive before the toolkit has taken the focus, and is lost.
press_return_until() {
    local found=""
    for _ in 1 2 3 4; do
        xdotool windowactivate --sync "$1" key Return 2>/dev/null || true
        found=$(window "$2" 5)
        if [ -n "$found" ]; then break; fi
    done
    echo "$found"
}

# With no language stored, the installed Halcyon follows the locale: English under C.UTF-8.
LC_ALL=C.UTF-8 halcyon &
launcher=$!
pids+=("$launcher")
dialog=$(window '^Program Software$')
[ -n "$dialog" ] || fail "no Halcyon window"
profiles="$HOME/.config/halcyon"
grep -q '^CH1=TARN' "$profiles/MAIN.ini" || fail "Halcyon's first profile lists no TARN"
main=$(press_return_until "$dialog" '^Vizuruzu DizaRido$')
[ -n "$main" ] || fail "Halcyon's OK started no TARN"
pids+=("$(xdotool getwindowpid "$main")")
wait "$launcher" || true
grep -q '^EXE=/usr/bin/tarn' "$profiles/MAIN.ini" || fail "Halcyon lists no installed TARN"
grep -q '^DEFAULT=0' "$profiles/MAIN.ini" || fail "Halcyon remembered no choice"
grep -q '^LANGUAGE=QX32_V_EN' "$profiles/QX32_V.INI" || fail "Halcyon wrote no QX32_V.INI"
stop "${pids[-1]}"

# A file manager runs the desktop entry's command with the file; TARN asks first, then
# opens it and lists it among the recent files.
command=$(sed -n 's/^Exec=//p' /usr/share/applications/tarn.desktop | head -1)
${command/\%f/$work/edited.sin} &
pids+=($!)
question=$(window '^Prompt$')
[ -n "$question" ] || fail "TARN did not ask before opening the file"
[ -n "$(press_return_until "$question" '^Vizuruzu DizaRido$')" ] || fail "no TARN window for the file"
settings="$HOME/.config/Local AppWizard-Generated Applications/Vizuruzu DizaRido.conf"
for _ in $(seq 100); do
    if grep -qxF "File1=$work/edited.sin" "$settings" 2>/dev/null; then break; fi
    sleep 0.1
done
grep -qxF "File1=$work/edited.sin" "$settings" 2>/dev/null || fail "TARN did not open the file"
stop "${pids[-1]}"
cd - >/dev/null

step "apt remove, apt purge"
apt-get remove -y -qq tarn >&2
for program in tarn halcyon tarn-cli tarn-virtual-radio; do
    [ ! -e /usr/bin/$program ] || fail "/usr/bin/$program is left after remove"
done
# With no configuration files of its own, remove leaves dpkg nothing to purge.
package_status() { dpkg-query -W -f='${Status}' tarn 2>/dev/null || true; }
case "$(package_status)" in
*config-files) apt-get purge -y -qq tarn >&2 ;;
esac
case "$(package_status)" in
'' | *not-installed) ;;
*) fail "dpkg still holds the package: $(package_status)" ;;
esac
left=$(while read -r path; do
    if [ -e "$path" ] && ! grep -qxF "$path" "$work/before"; then echo "$path"; fi
done <"$work/files")
[ -z "$left" ] || fail "left after purge: $left"
[ ! -e /usr/share/mime/application/x-tarn-sin.xml ] || fail "the MIME database still knows *.sin"
if grep -q 'tarn.desktop' /usr/share/applications/mimeinfo.cache 2>/dev/null; then
    fail "mimeinfo.cache still names TARN"
fi
strays=$(find /etc /opt /usr /var/lib /var/cache -xdev -newer "$work/marker" \( -iname '*tarn*' \
    -o -iname '*halcyon*' -o -iname 'MAIN.ini' -o -iname 'QX32_V.INI' \) -print 2>/dev/null || true)
[ -z "$strays" ] || fail "left outside home folders: $strays"
step "installed package check passed"
