#!/usr/bin/env bash
# Runs the native-call fuzzer for a bounded time (default 60 s) from the
# checked-in seeds; exits non-zero on any finding, whose input is kept in
# build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
fuzzer=build-fuzz/fuzz/native_call_fuzzer
[ -x "$fuzzer" ] || { echo "build the fuzz preset first: make fuzz" >&2; exit 2; }

work=build-fuzz/corpus
findings=build-fuzz/findings
mkdir -p "$work" "$findings"

"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -max_len=4096 \
  -print_final_stats=1 -artifact_prefix="$findings/" "$work" fuzz/corpus/native_calls
echo "fuzzer: no finding in ${seconds} s"
