#!/usr/bin/env bash
# Builds the libFuzzer targets of the parsers in build-fuzz/ (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each, one after another, from its seed corpus in
# fuzz/corpus/<target>/. What a run adds to the corpus goes to a temporary directory, so
# the repository stays as it is. The arguments are libFuzzer options given to every
# target, e.g. -max_total_time=20 (test.sh) or -runs=1000000 (scripts/fuzz-long.sh).
# A crash, a sanitizer report, a broken property or a hang fails the run; the input
# is kept in build-fuzz/crashes/ and the target's output in build-fuzz/logs/.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
. scripts/common.sh

build=build-fuzz
start=$SECONDS
zanderol_say "building $build"
# Debug keeps Qt's own bounds assertions on; -O1 keeps the targets fast enough.
cmake -S . -B "$build" -DZANDEROL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" >/dev/null
cmake --build "$build" -j2
zanderol_say "built $build in $((SECONDS - start)) s"

mkdir -p "$build/crashes" "$build/logs"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

failed=()
for target in "$build"/fuzz/fuzz_*; do
    [ -x "$target" ] && [ -f "$target" ] || continue
    name=${target##*/fuzz_}
    seeds=fuzz/corpus/$name
    [ -d "$seeds" ] || zanderol_die "$name has no seed corpus in $seeds"
    log=$build/logs/$name.log
    mkdir "$work/$name"
    start=$SECONDS
    # The first corpus directory receives the new inputs; the seeds are only read.
    if "$target" "$@" -timeout=10 -print_final_stats=1 -artifact_prefix="$build/crashes/$name-" \
        "$work/$name" "$seeds" >"$log" 2>&1; then
        outcome="no faults"
    else
        outcome="FAULT (see $log)"
        failed+=("$name")
        tail -n 40 "$log" >&2
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    zanderol_say "$name: ${runs:-?} inputs in $((SECONDS - start)) s, $outcome"
done

[ ${#failed[@]} -eq 0 ] || zanderol_die "fuzzing found faults in: ${failed[*]} (inputs in $build/crashes/)"
