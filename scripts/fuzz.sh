#!/usr/bin/env bash
# Builds the profile store's fuzz target with clang and runs it for 60 seconds on a copy
# of the checked-in seed corpus. Exits non-zero when the fuzzer finds a crash; the input
# is left in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-fuzz
seconds="${FUZZ_SECONDS:-60}"

CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -DTARN_FUZZ=ON -DTARN_WERROR=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target profile_fuzz

corpus="$build/corpus"
rm -rf "$corpus"
mkdir -p "$corpus" "$build/artifacts"
cp tests/profile/fuzz/corpus/* "$corpus/"

# Replacing a file by rename flushes it on most disk file systems; keep the work in memory.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
"$build/tests/profile/fuzz/profile_fuzz" -max_total_time="$seconds" -timeout=10 \
  -artifact_prefix="$build/artifacts/" -print_final_stats=1 "$corpus"
