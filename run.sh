#!/usr/bin/env bash
# Installs what is missing, builds TARN and the virtual radio, and starts TARN with COM1 on a
# virtual radio whose memory is kept in radio.sin (TARN_RADIO_FILE) in the current directory.
# With TARN_COM1 already set, for a real cable, no virtual radio is started. Arguments go to
# the program, for example a ".sin" file to open; they are taken relative to the current
# directory.
#   ./run.sh --web   builds the browser page and serves it on http://127.0.0.1:8891
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

"$here/scripts/ensure-deps.sh"

if [ "${1:-}" = "--web" ]; then
  # The page on a fixed loopback address, so the browser keeps this origin's backups.
  "$here/scripts/build-web.sh"
  echo "TARN in the browser: http://127.0.0.1:8891/ (the self-contained page is $here/build-web/tarn.html)" >&2
  exec python3 -m http.server 8891 --bind 127.0.0.1 --directory "$here/build-web/site"
fi

cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARN_WERROR=ON >/dev/null
cmake --build "$here/build" -j2 --target tarn tarn-virtual-radio

if [ -n "${TARN_COM1:-}" ]; then
  exec "$here/build/shell/tarn" "$@"
fi

memory="${TARN_RADIO_FILE:-radio.sin}"
portfile="$(mktemp)"
radio_args=(--save "$memory")
if [ -f "$memory" ]; then
  radio_args+=(--image "$memory")
fi
"$here/build/tools/virtual-radio/tarn-virtual-radio" "${radio_args[@]}" >"$portfile" &
radio=$!
# The radio stores its memory when it stops, so wait for it before leaving.
trap 'kill "$radio" 2>/dev/null || true; wait "$radio" 2>/dev/null || true; rm -f "$portfile"' EXIT

for _ in $(seq 100); do
  if [ -s "$portfile" ]; then
    break
  fi
  if ! kill -0 "$radio" 2>/dev/null; then
    echo "run.sh: the virtual radio did not start" >&2
    exit 1
  fi
  sleep 0.05
done
TARN_COM1="$(head -n 1 "$portfile")"
if [ -z "$TARN_COM1" ]; then
  echo "run.sh: the virtual radio gave no device" >&2
  exit 1
fi
export TARN_COM1
echo "COM1 is a virtual radio on $TARN_COM1; its memory is kept in $memory" >&2
"$here/build/shell/tarn" "$@"
