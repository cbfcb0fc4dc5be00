#!/usr/bin/env bash
# Fuzzes the XML reader with libFuzzer for a bounded time (seconds: first argument or
# ZELVO_FUZZ_SECONDS, default 120), starting from the committed seed corpus. Prints
# `xml.fuzz.executions: N` and `xml.fuzz.crashes: N`; exits non-zero when a crash was found
# (its input is kept under build/xml-fuzz/artifacts/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-${ZELVO_FUZZ_SECONDS:-120}}
out=$root/build/xml-fuzz
mkdir -p "$out/corpus" "$out/artifacts"

sources=("$root"/xml/*.cpp)
sources=("${sources[@]/*_win.cpp/}")
clang++ -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root" "${sources[@]}" "$root/tests/xml/fuzz/XmlFuzz.cpp" -o "$out/xml_fuzz"

before=$(ls "$out/artifacts" | wc -l)
log=$out/last-run.log
set +e
"$out/xml_fuzz" "$out/corpus" "$root/tests/xml/fuzz/corpus" -dict="$root/tests/xml/fuzz/xml.dict" \
  -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$out/artifacts/" -print_final_stats=1 >"$log" 2>&1
rc=$?
set -e
executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
if [ -z "$executions" ]; then
  executions=$(grep -o '^#[0-9]*' "$log" | tail -1 | tr -d '#')
fi
crashes=$(( $(ls "$out/artifacts" | wc -l) - before ))
echo "xml.fuzz.executions: ${executions:-0} runs"
echo "xml.fuzz.crashes: $crashes"
if [ $rc -ne 0 ] || [ "$crashes" -ne 0 ]; then
  grep -E 'ERROR|invariant|SUMMARY|artifact' "$log" | head -20 >&2
  exit 1
fi
