#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS (default 60) on a
# copy of its checked-in seed corpus: the profile store, the batch table reader, a .sin
# through show -> apply -> show, and the CSV channel list import with export -> import.
# Exits non-zero when a fuzzer finds a fault; the input is left in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-fuzz
seconds="${FUZZ_SECONDS:-60}"

CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -DTARN_FUZZ=ON -DTARN_WERROR=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target profile_fuzz table_fuzz sin_fuzz channel_csv_fuzz

# Replacing a file by rename flushes it on most disk file systems; keep the work in memory.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p "$build/artifacts"

# fuzz TARGET BINARY SEEDS
fuzz() {
  local corpus="$build/corpus/$1"
  rm -rf "$corpus"
  mkdir -p "$corpus"
  cp "$3"/* "$corpus/"
  echo "== $1: ${seconds} s"
  "$2" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$build/artifacts/$1-" -print_final_stats=1 "$corpus"
}

fuzz profile "$build/tests/profile/fuzz/profile_fuzz" tests/profile/fuzz/corpus
fuzz table "$build/tests/tools/fuzz/table_fuzz" tests/tools/fuzz/table-corpus
fuzz sin "$build/tests/tools/fuzz/sin_fuzz" tests/tools/fuzz/sin-corpus
fuzz csv "$build/tests/data/fuzz/channel_csv_fuzz" tests/data/fuzz/corpus
