#!/usr/bin/env bash
# Runs a fuzzer for a bounded time (default 60 s) from its checked-in seeds;
# exits non-zero on any finding, whose input is kept in build-fuzz/findings/.
#   scripts/run-fuzzer.sh [SECONDS] [FUZZER]
# FUZZER is native_call_fuzzer (the default: native calls, seeds in
# fuzz/corpus/native_calls) or image_load_fuzzer (image files through
# osGXloadImage, seeds in fuzz/corpus/image_files).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
name="${2:-native_call_fuzzer}"
case "$name" in
  native_call_fuzzer) seeds=fuzz/corpus/native_calls; max_len=4096 ;;
  image_load_fuzzer) seeds=fuzz/corpus/image_files; max_len=65536 ;;
  *) echo "unknown fuzzer: $name" >&2; exit 2 ;;
esac
fuzzer=build-fuzz/fuzz/$name
[ -x "$fuzzer" ] || { echo "build the fuzz preset first: make fuzz" >&2; exit 2; }

work=build-fuzz/corpus/$name
findings=build-fuzz/findings
mkdir -p "$work" "$findings"

# Leaks inside fontconfig are not ours to find (tests/leak-suppressions.txt).
export LSAN_OPTIONS="suppressions=$PWD/tests/leak-suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -max_len="$max_len" \
  -print_final_stats=1 -artifact_prefix="$findings/" "$work" "$seeds"
echo "$name: no finding in ${seconds} s"
