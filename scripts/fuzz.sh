#!/usr/bin/env bash
# Builds the libFuzzer target fuzz_inspect with clang and runs it on a
# temporary copy of the seed corpus. Usage: scripts/fuzz.sh [seconds, default 60]
# Exits non-zero on any crash, leak, timeout or broken invariant; the
# failing input is kept under build-fuzz/artifacts/.
set -euo pipefail

seconds="${1:-60}"
case "$seconds" in '' | *[!0-9]*) echo "usage: $0 [seconds]" >&2; exit 2 ;; esac

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTARNWICK_BUILD_FUZZ=ON -DTARNWICK_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target fuzz_inspect -j 4

corpus="$(mktemp -d "${TMPDIR:-/tmp}/fuzz_inspect_corpus.XXXXXX")"
trap 'rm -rf "$corpus"' EXIT
cp "$root"/fuzz/corpus/* "$corpus"/
mkdir -p "$build/artifacts"

# Inputs of up to 64 KiB, repeated up to 40 times by the target, make
# documents of up to 2.5 MiB: many chunks and several reads each.
status=0
"$build/bin/fuzz_inspect" "$corpus" \
  -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -max_len=65536 \
  -artifact_prefix="$build/artifacts/" -print_final_stats=1 || status=$?
if [ "$status" -ne 0 ]; then
  echo "fuzz_inspect failed (exit $status); inputs in $build/artifacts/" >&2
  exit "$status"
fi
echo "fuzz_inspect ran ${seconds} s clean"
