#!/usr/bin/env bash
# XML reader against pugixml, RapidXML, tinyxml2, expat and libxml2: load speed on generated
# documents, memory per element, and callgrind instruction counts per input byte on the 1 MB
# document. Built in its own folder at -O2 for every parser; timed runs pinned to one core.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$root/build/xml-bench
cmake -S "$root/tests/xml/bench" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 -- --no-print-directory -s >/dev/null
bench=$build/xml_bench

cpu=$(( $(nproc) - 1 ))
taskset -c "$cpu" "$bench"

for parser in zelvo pugixml pugixml_minimal_inplace rapidxml_fastest rapidxml_non_destructive tinyxml2 expat libxml2; do
  out=$build/callgrind.$parser.out
  bytes=$(valgrind --tool=callgrind --callgrind-out-file="$out" --toggle-collect=bench_measured_load \
            "$bench" once "$parser" 1mb 2>/dev/null)
  instructions=$(sed -n 's/^summary: *//p' "$out")
  name=xml.instructions_per_byte_1mb
  [ "$parser" = zelvo ] || name=$name.$parser
  awk -v n="$name" -v i="$instructions" -v b="$bytes" 'BEGIN { printf "%s: %.2f instructions/byte\n", n, i / b }'
done
