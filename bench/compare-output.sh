#!/usr/bin/env bash
# Compares what two builds of `tavo` print, byte for byte: list (every level), show (text and
# JSON), protocol, recalc (with and without --save) and check, on the bundled database and on a
# generated one of 10,000 objects, with --large also on one of 100,000 (slow: each command then
# reads about 300 MB). Exit status 0 when every output and exit status is the same.
#
#   bash bench/compare-output.sh [--large] BUILD_BEFORE BUILD_AFTER
#
# Each build folder needs bin/tavo; the database generator is taken from BUILD_AFTER
# (cmake --build BUILD --target tavo bench_generate_database).
set -euo pipefail
cd "$(dirname "$0")/.."
databases="bundled:1 generated:331"
if [ "${1:-}" = --large ]; then
  databases="$databases large:3331"
  shift
fi
if [ $# -ne 2 ]; then
  echo "usage: bash bench/compare-output.sh [--large] BUILD_BEFORE BUILD_AFTER" >&2
  exit 2
fi
before=$(realpath "$1")
after=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data

mkdir -p "$work/bundled" "$work/generated"
cp data/Materialdatei.xml "$work/bundled/standard.xml"
"$after/bin/bench_generate_database" 10000 20240601 "$work/generated/standard.xml" "$work/generated/user.xml"
if [[ $databases == *large* ]]; then
  mkdir -p "$work/large"
  "$after/bin/bench_generate_database" 100000 20240601 "$work/large/standard.xml" "$work/large/user.xml"
fi

# Runs one command of one build; its standard output, standard error and exit status go to
# OUT/NAME.{out,err,status}.
run() {
  local tavo=$1 db=$2 out=$3 name=$4
  shift 4
  local user=$db/user.xml
  [ -e "$user" ] || user=$db/no-user.xml
  local status=0
  "$tavo" --standard "$db/standard.xml" --user "$user" "$@" >"$out/$name.out" 2>"$out/$name.err" || status=$?
  echo "$status" >"$out/$name.status"
}

# Every command on one database with one build; the list walk decides which levels and objects
# are asked for, every STEP-th object is shown.
outputs() {
  local build=$1 source=$2 out=$3 step=$4
  local tavo=$build/bin/tavo db=$out/db
  mkdir -p "$db"
  cp "$source"/*.xml "$db"/
  run "$tavo" "$db" "$out" list list
  local n=0 i=0 j k
  while IFS= read -r kat; do
    i=$((i + 1))
    [ -n "$kat" ] || continue
    run "$tavo" "$db" "$out" "list.$i" list "$kat"
    j=0
    while IFS= read -r ukat; do
      j=$((j + 1))
      [ -n "$ukat" ] || continue
      run "$tavo" "$db" "$out" "list.$i.$j" list "$kat" "$ukat"
      k=0
      while IFS= read -r norm; do
        k=$((k + 1))
        [ -n "$norm" ] || continue
        run "$tavo" "$db" "$out" "list.$i.$j.$k" list "$kat" "$ukat" "$norm"
        while IFS= read -r objekt; do
          [ -n "$objekt" ] || continue
          n=$((n + 1))
          [ $((n % step)) -eq 0 ] || continue
          run "$tavo" "$db" "$out" "show.$n" show "$kat" "$ukat" "$norm" "$objekt"
          run "$tavo" "$db" "$out" "json.$n" show --json "$kat" "$ukat" "$norm" "$objekt"
        done <"$out/list.$i.$j.$k.out"
      done <"$out/list.$i.$j.out"
    done <"$out/list.$i.out"
  done <"$out/list.out"
  run "$tavo" "$db" "$out" protocol protocol "$out/protocol.txt"
  run "$tavo" "$db" "$out" check check
  run "$tavo" "$db" "$out" recalc recalc
  run "$tavo" "$db" "$out" recalc-save recalc --save
  run "$tavo" "$db" "$out" check-after-save check
  # The saved files keep their folder's name out of the comparison.
  for file in "$db"/*.xml; do
    cp "$file" "$out/saved.$(basename "$file")"
  done
  rm -rf "$db"
  # Messages name the files by their full path; the two runs differ only in the folder.
  find "$out" -type f \( -name '*.out' -o -name '*.err' \) -exec sed -i "s|$out/|OUT/|g" {} +
}

different=0
for database in $databases; do
  name=${database%%:*}
  step=${database##*:}
  outputs "$before" "$work/$name" "$work/before-$name" "$step"
  outputs "$after" "$work/$name" "$work/after-$name" "$step"
  files=$(find "$work/before-$name" -type f | wc -l)
  if diff -r "$work/before-$name" "$work/after-$name" >"$work/diff-$name"; then
    echo "$name: $files outputs, all identical"
  else
    echo "$name: outputs differ:"
    head -50 "$work/diff-$name"
    different=1
  fi
done
exit $different
