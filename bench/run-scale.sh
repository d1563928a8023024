#!/usr/bin/env bash
# The scale figures in one run: whole-process time and peak memory of the command-line tool on
# generated databases of 1,000, 10,000 and 100,000 objects beside a bare parse of the same files,
# then the in-process benchmarks (material, formula, editor), then every goal as a ratio.
#
#   bash bench/run-scale.sh [BUILD_DIR]      (default: build; the benchmark targets must be built)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bin=$build/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
results=$work/results.txt
export QT_QPA_PLATFORM=offscreen

# Seconds and peak resident kilobytes of one command, appended to the results as KEY SECONDS KB.
measure() {
  local key=$1
  shift
  /usr/bin/time -f "%e %M" -o "$work/time" "$@" >"$work/out" 2>"$work/err" || {
    echo "failed: $*" >&2
    cat "$work/err" >&2
    exit 1
  }
  echo "$key $(cat "$work/time")" >>"$results"
}

for objects in 1000 10000 100000; do
  db=$work/db$objects
  mkdir -p "$db"
  "$bin/bench_generate_database" "$objects" 20240601 "$db/standard.xml" "$db/user.xml"
  echo "bytes_$objects $(($(stat -c %s "$db/standard.xml") + $(stat -c %s "$db/user.xml")))" >>"$results"
  tavo=("$bin/tavo" --standard "$db/standard.xml" --user "$db/user.xml")
  measure "bare_$objects" "$bin/bench_bare_parse" "$db/standard.xml" "$db/user.xml"
  measure "open_$objects" "${tavo[@]}" list
  measure "protocol_$objects" "${tavo[@]}" protocol "$db/protocol.txt"
  measure "recalc_$objects" "${tavo[@]}" recalc
  rm -rf "$db"
done

# The protocol runs in a process of its own: what the other benchmarks leave in memory (closed
# databases of every size, a fragmented heap) would otherwise weigh on its largest size alone.
"$bin/bench_material" --benchmark_filter='Open|Fingerprint|Serialize|GetObj' \
  --benchmark_out="$work/material.json" --benchmark_out_format=json
"$bin/bench_material" --benchmark_filter='Protocol' --benchmark_out="$work/protocol.json" --benchmark_out_format=json
"$bin/bench_formula" --benchmark_out="$work/formula.json" --benchmark_out_format=json
"$bin/bench_editor" --benchmark_out="$work/editor.json" --benchmark_out_format=json
"$bin/bench_editor_undo" --benchmark_out="$work/undo.json" --benchmark_out_format=json

python3 - "$results" "$work" <<'PY'
import json, sys
process = {}
for line in open(sys.argv[1]):
    key, *values = line.split()
    process[key] = [float(v) for v in values]
bench = {}
for name in ("material", "protocol", "formula", "editor", "undo"):
    for b in json.load(open(f"{sys.argv[2]}/{name}.json"))["benchmarks"]:
        if b.get("run_type", "iteration") == "iteration":
            unit = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[b["time_unit"]]
            bench[b["name"]] = b["real_time"] * unit

def show(label, value, reference, goal=None, unit="ms", scale=1e3):
    ratio = value / reference
    verdict = "" if goal is None else ("  goal <= %g: %s" % (goal, "met" if ratio <= goal else "MISSED"))
    print(f"{label:58s} {value*scale:10.3f} {unit} vs {reference*scale:10.3f} {unit}  ratio {ratio:6.3f}{verdict}")

print("\n== whole process (tavo on generated files; /usr/bin/time wall seconds, peak RSS)")
for n in (1000, 10000, 100000):
    size = process[f"bytes_{n}"][0]
    print(f"-- {n} objects, files {size/1e6:.1f} MB")
    show(f"open + list, peak RSS per file byte (bare parse beside)", process[f"open_{n}"][1]*1024/size,
         process[f"bare_{n}"][1]*1024/size, None, "B/B", 1)
    show(f"open + list wall time vs bare parse process", process[f"open_{n}"][0], process[f"bare_{n}"][0], None, "s", 1)
    show(f"tavo protocol wall time vs bare parse process", process[f"protocol_{n}"][0], process[f"bare_{n}"][0], None, "s", 1)
    show(f"tavo recalc wall time vs bare parse process", process[f"recalc_{n}"][0], process[f"bare_{n}"][0], None, "s", 1)
print("peak memory at 100,000 objects: %.2f bytes per file byte (goal <= 5): %s" % (
    process["open_100000"][1]*1024/process["bytes_100000"][0],
    "met" if process["open_100000"][1]*1024/process["bytes_100000"][0] <= 5 else "MISSED"))
show("tavo protocol time(100k)/time(10k)", process["protocol_100000"][0], process["protocol_10000"][0], 11, "s", 1)
show("tavo recalc time(100k)/time(10k)", process["recalc_100000"][0], process["recalc_10000"][0], None, "s", 1)

print("\n== in process (Google Benchmark, real time)")
for n in (1000, 10000, 100000):
    show(f"open both files / bare parse, {n}", bench[f"BM_OpenHandler/objects:{n}"], bench[f"BM_OpenBareParse/objects:{n}"],
         1.5 if n == 100000 else None)
for n in (1000, 10000, 100000):
    show(f"fingerprint / serialise, {n}", bench[f"BM_Fingerprint/objects:{n}"], bench[f"BM_Serialize/objects:{n}"], 1.5)
for n in (1000, 10000, 100000):
    print(f"{'GetObj with recalculation, ' + str(n):58s} {bench[f'BM_GetObj/objects:{n}']*1e6:10.3f} us")
for n in (1000, 10000, 100000):
    show(f"protocol / (bare parse + same lines), {n}", bench[f"BM_ProtocolExport/objects:{n}/iterations:1"],
         bench[f"BM_ProtocolReference/objects:{n}/iterations:1"], 15 if n == 100000 else None)
show("protocol time(100k)/time(10k)", bench["BM_ProtocolExport/objects:100000/iterations:1"],
     bench["BM_ProtocolExport/objects:10000/iterations:1"], 11)
ours = [v for k, v in bench.items() if k.startswith("BM_OneShotOurs")]
theirs = [v for k, v in bench.items() if k.startswith("BM_OneShotMuparser")]
if ours and theirs:
    show("one-shot evaluation, 30 variables: ours / muparser (mean)", sum(ours)/len(ours), sum(theirs)/len(theirs), 0.15, "us", 1e6)
for name, label in (("BM_GridLoad/properties:500", "editor: load 500 properties into the grid"),
                    ("BM_GridRecompute/formulas:200", "editor: recompute 200 formula rows after one edit"),
                    ("BM_UndoGridCommit/properties:500", "editor: undo a grid commit of 500 properties")):
    value = bench[name]
    print(f"{label:58s} {value*1e3:10.3f} ms  goal < 16 ms: {'met' if value < 0.016 else 'MISSED'}")
PY
