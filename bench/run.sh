#!/usr/bin/env bash
# Benchmark of brisel-convert against the file traffic its passes need.
# Builds what it needs under build-bench/, generates the netlists into a
# temporary folder, measures every case in this one run and prints a table
# and PASS/FAIL for each target; exits 1 when a target is missed.
#
# The baseline of a case is the conversion's file traffic done without any
# parsing: the source copied into a joined copy, the joined copy read into
# the target and into a spool, the spool appended to the target, the target
# and its folder synced to the disk (as the conversion does before it
# renames the new target into place), both copies removed. Wall times are noisy while other jobs run; the instruction count
# (callgrind, when valgrind is installed) is not.
#   BRISEL_BENCH_RUNS  runs per measurement, the median counts (default 7)
#   BRISEL_BENCH_JOBS  parallel compile jobs (default 2)
#   BRISEL_BENCH_COMPARE  another brisel-convert (an earlier build) to measure
#                      on the large case in the same runs, for a before/after ratio
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
RUNS=${BRISEL_BENCH_RUNS:-7}
JOBS=${BRISEL_BENCH_JOBS:-2}
COMPARE=${BRISEL_BENCH_COMPARE:-}
BUILD=$ROOT/build-bench/release

echo "Building $BUILD" >&2
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DBRISEL_BUILD_GUI=OFF -DBRISEL_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" -j "$JOBS" --target brisel-convert brisel-gen-netlist brisel-bench-measure \
    brisel-bench-part-lookup >/dev/null

binary() { find "$BUILD" -type f -name "$1" -perm -u+x -print -quit; }
CONVERT=$(binary brisel-convert)
GENERATE=$(binary brisel-gen-netlist)
MEASURE=$(binary brisel-bench-measure)
PART_LOOKUP=$(binary brisel-bench-part-lookup)

WORK=$(mktemp -d "${TMPDIR:-/tmp}/brisel-bench.XXXXXX")
trap 'rm -rf "$WORK"' EXIT

# generate NAME GENERATOR-OPTIONS...: the netlist and its counts.
generate() {
    local name=$1; shift
    "$GENERATE" "$@" --summary -o "$WORK/$name.net" 2>"$WORK/$name.summary"
}
echo "Generating the netlists" >&2
generate small --size small
generate large --size large
generate large-crlf --size large --crlf
generate large-2x-refs --parts 100000 --references 2000000
generate large-10x-refs --parts 100000 --references 10000000
generate stress --size stress
generate stress-4x --parts 1000 --stress 800000
generate stress-verify --parts 1000 --stress 2000000
generate many-nets --parts 100000 --references 1000000 --net-size 4

median() { sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
maximum() { sort -g | tail -n 1; }
summary_value() { awk -v key="$2" '$1 == key {print $2}' "$WORK/$1.summary"; }
megabytes() { awk -v b="$(stat -c %s "$WORK/$1.net")" 'BEGIN {printf "%.3f", b / 1e6}'; }

# The file traffic of a conversion, with cat, tee and sync; and the same
# without the sync, for comparison on the large case.
COPIES='cat "$1" >"$2" && tee "$4" <"$2" >"$3" && cat "$4" >>"$3"'
FILE_TRAFFIC="$COPIES"' && sync "$3" "$(dirname "$3")" && rm -f "$2" "$4"'
UNSYNCED_TRAFFIC="$COPIES"' && rm -f "$2" "$4"'

# measure_runs TAG COMMAND...: RUNS lines "seconds max_rss_kib status cpu_seconds"
# in $WORK/TAG.runs. The conversion and its baseline alternate run by run, so
# that a burst of load on the machine falls on both alike.
# VERIFY is set (to --verify) for the cases that run the independent check too.
measure_pair() {
    local tag=$1 net=$2
    : >"$WORK/$tag.runs"
    : >"$WORK/$tag-traffic.runs"
    for ((run = 0; run < RUNS; run++)); do
        rm -f "$WORK/target.net"
        "$MEASURE" --stdout "$WORK/$tag.stdout" --stderr "$WORK/$tag.stderr" -- \
            "$CONVERT" ${VERIFY:+"$VERIFY"} "$WORK/$net.net" "$WORK/target.net" >>"$WORK/$tag.runs"
        rm -f "$WORK/target.net"
        "$MEASURE" -- sh -c "$FILE_TRAFFIC" traffic "$WORK/$net.net" "$WORK/joined.txt" "$WORK/target.net" \
            "$WORK/spool.txt" >>"$WORK/$tag-traffic.runs"
        if [[ $tag == large ]]; then
            rm -f "$WORK/target.net"
            "$MEASURE" -- sh -c "$UNSYNCED_TRAFFIC" traffic "$WORK/$net.net" "$WORK/joined.txt" "$WORK/target.net" \
                "$WORK/spool.txt" >>"$WORK/$tag-unsynced.runs"
        fi
        if [[ -n $COMPARE && $tag == large ]]; then
            rm -f "$WORK/target.net"
            "$MEASURE" -- "$COMPARE" "$WORK/$net.net" "$WORK/target.net" >>"$WORK/$tag-compare.runs"
        fi
    done
    rm -f "$WORK/target.net"
}

column_of() { awk -v c="$2" '{print $c}' "$WORK/$1.runs"; }

# Number of connections the completion line reports, empty when it is missing;
# the generator's summary counts them too (a pin drawn twice in one net is
# one connection).
reported_connections() {
    sed -n 's/.*and \([0-9]*\) Connections\.$/\1/p' "$WORK/$1.stdout"
}

declare -A SECONDS_OF CPU_OF RSS_OF TRAFFIC_OF MB_OF OK_OF
# measure_case TAG [NET]: the netlist NET.net (TAG.net), converted and copied.
measure_case() {
    local tag=$1 net=${2:-$1}
    echo "Measuring $tag" >&2
    measure_pair "$tag" "$net"
    SECONDS_OF[$tag]=$(column_of "$tag" 1 | median)
    CPU_OF[$tag]=$(column_of "$tag" 4 | median)
    RSS_OF[$tag]=$(column_of "$tag" 2 | maximum)
    TRAFFIC_OF[$tag]=$(column_of "$tag-traffic" 1 | median)
    MB_OF[$tag]=$(megabytes "$net")
    local statuses connections
    statuses=$(column_of "$tag" 3 | sort -u | tr '\n' ' ')
    connections=$(reported_connections "$tag")
    [[ $tag == "$net" ]] || cp "$WORK/$net.summary" "$WORK/$tag.summary"
    if [[ $statuses == "0 " && $connections == "$(summary_value "$tag" connections)" \
          && ! -s $WORK/$tag.stderr && ( -z $VERIFY || $(grep -c '^verified: ' "$WORK/$tag.stdout") == 1 ) ]]; then
        OK_OF[$tag]=yes
    else
        OK_OF[$tag]="no (exit $statuses, connections '${connections}', stderr: $(head -c 200 "$WORK/$tag.stderr" | tr "\r\n" "  "))"
    fi
}

CASES=(small large large-crlf large-2x-refs large-10x-refs stress stress-4x stress-verify many-nets verify many-verify)
VERIFY=
for tag in "${CASES[@]:0:9}"; do measure_case "$tag"; done
VERIFY=--verify measure_case verify stress-verify
VERIFY=--verify measure_case many-verify many-nets

# Instructions of one conversion of NET, counted by callgrind.
count_instructions() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null \
        "$CONVERT" "$WORK/$1.net" "$WORK/target.net" 2>&1 >/dev/null | sed -n 's/.*Collected : *//p'
    rm -f "$WORK/target.net"
}
INSTRUCTIONS=
MANY_INSTRUCTIONS=
if command -v valgrind >/dev/null; then
    echo "Counting the instructions of large and many-nets" >&2
    INSTRUCTIONS=$(count_instructions large)
    MANY_INSTRUCTIONS=$(count_instructions many-nets)
fi

echo "Looking parts up" >&2
read -r _ _ _ _ SMALL_LOOKUP_RATIO < <("$PART_LOOKUP" 500 5000)
read -r _ _ _ _ MEDIUM_LOOKUP_RATIO < <("$PART_LOOKUP" 5000 50000)

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", (b > 0 ? a / b : 0)}'; }
mib() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }
change() { awk -v a="$1" -v b="$2" 'BEGIN {d = (a > 0 ? (b - a) / a * 100 : 100); printf "%.1f", (d < 0 ? -d : d)}'; }

print_row() {
    local tag=$1
    awk -v tag="$tag" -v mb="${MB_OF[$tag]}" -v t="${SECONDS_OF[$tag]}" -v cpu="${CPU_OF[$tag]}" \
        -v ft="${TRAFFIC_OF[$tag]}" -v rss="${RSS_OF[$tag]}" -v ok="${OK_OF[$tag]}" 'BEGIN {
        printf "%-15s %9.3f %10.4f %8.4f %10.4f %9.2f %9.1f %9.1f  %s\n", tag, mb, t, cpu, ft,
            (ft > 0 ? t / ft : 0), (t > 0 ? mb / t : 0), rss / 1024, ok }'
}

# verdict PASS-CONDITION TEXT: one line of the target list.
FAILED_TARGETS=0
verdict() {
    if awk "BEGIN {exit !($1)}"; then
        echo "PASS  $2"
    else
        echo "FAIL  $2"
        FAILED_TARGETS=$((FAILED_TARGETS + 1))
    fi
}

# completed TAG...: 1 when every case converted with the right counts. A
# figure of a failed conversion meets no target.
completed() {
    local tag
    for tag in "$@"; do [[ ${OK_OF[$tag]} == yes ]] || { echo 0; return; }; done
    echo 1
}

echo
echo "brisel-convert benchmark, $(date -u +%Y-%m-%dT%H:%MZ), $(nproc) cores," \
     "load average $(cut -d' ' -f1-3 /proc/loadavg), median of $RUNS runs"
echo
printf "%-15s %9s %10s %8s %10s %9s %9s %9s  %s\n" case "source MB" "convert s" "cpu s" "traffic s" \
    "x traffic" "MB/s" "peak MiB" "completed, counts right"
for tag in "${CASES[@]}"; do print_row "$tag"; done

large_x=$(ratio "${SECONDS_OF[large]}" "${TRAFFIC_OF[large]}")
large_mib=$(mib "${RSS_OF[large]}")
rss_2x=$(change "${RSS_OF[large]}" "${RSS_OF[large-2x-refs]}")
rss_10x=$(change "${RSS_OF[large]}" "${RSS_OF[large-10x-refs]}")
# Seconds per source MB at 10,000,000 references against those at 1,000,000:
# fixed costs (the part list, starting the program) spread over more
# references, so proportional time shows as 1 or a little less.
per_mb_10x=$(awk -v t10="${SECONDS_OF[large-10x-refs]}" -v mb10="${MB_OF[large-10x-refs]}" \
    -v t1="${SECONDS_OF[large]}" -v mb1="${MB_OF[large]}" 'BEGIN {printf "%.2f", (t10 / mb10) / (t1 / mb1)}')
cpu_per_mb_10x=$(awk -v t10="${CPU_OF[large-10x-refs]}" -v mb10="${MB_OF[large-10x-refs]}" \
    -v t1="${CPU_OF[large]}" -v mb1="${MB_OF[large]}" 'BEGIN {printf "%.2f", (t10 / mb10) / (t1 / mb1)}')
verify_x=$(ratio "${SECONDS_OF[verify]}" "${SECONDS_OF[stress-verify]}")
verify_mib=$(mib "${RSS_OF[verify]}")
many_x=$(ratio "${SECONDS_OF[many-nets]}" "${TRAFFIC_OF[many-nets]}")
many_mib=$(mib "${RSS_OF[many-nets]}")
many_verify_x=$(ratio "${SECONDS_OF[many-verify]}" "${SECONDS_OF[many-nets]}")
many_verify_mib=$(mib "${RSS_OF[many-verify]}")
stress_growth=$(ratio "${SECONDS_OF[stress-4x]}" "${SECONDS_OF[stress]}")
small_seconds=$(awk -v t="${SECONDS_OF[small]}" 'BEGIN {printf "%.4f", t}')

echo
echo "Targets"
verdict "$(completed large) && $large_x <= 2.5" \
    "large: convert time is $large_x x the file traffic's time (at most 2.5)"
if [[ -n $INSTRUCTIONS ]]; then
    references=$(summary_value large references)
    per_reference=$(awk -v i="$INSTRUCTIONS" -v r="$references" 'BEGIN {printf "%.0f", i / r}')
    verdict "$(completed large) && $per_reference <= 400" \
        "large: $INSTRUCTIONS instructions, $per_reference per pin reference (at most 400)"
else
    echo "SKIP  large: instructions per pin reference (valgrind is not installed)"
fi
verdict "$(completed large) && $large_mib < 64" "large: peak memory $large_mib MiB (under 64)"
verdict "$(completed large large-2x-refs) && $rss_2x < 10" \
    "twice the references at 100,000 parts changes peak memory by $rss_2x % (under 10)"
verdict "$(completed large large-10x-refs) && $per_mb_10x <= 1.3" \
    "10,000,000 references take $per_mb_10x x the time per source MB of 1,000,000 (proportional: at most 1.3)"
verdict "$(completed large large-10x-refs) && $rss_10x < 10" \
    "10,000,000 references change peak memory by $rss_10x % (under 10)"
verdict "$(completed stress stress-4x)" \
    "stress: one net of 200,000 (and 800,000) references converts without error"
verdict "$(completed stress stress-4x) && $stress_growth <= 6" \
    "stress: 4 x the references takes $stress_growth x the time (linear: about 4, at most 6)"
verdict "$(completed stress-verify verify) && $verify_x <= 3" \
    "--verify on one net of 2,000,000 references takes $verify_x x the plain conversion's time (at most 3)"
verdict "$(completed verify) && $verify_mib < 64" "--verify on one net of 2,000,000 references: peak memory $verify_mib MiB (under 64)"
verdict "$(completed many-nets) && $many_x <= 2.5" \
    "many-nets: convert time is $many_x x the file traffic's time (at most 2.5)"
if [[ -n $MANY_INSTRUCTIONS ]]; then
    many_per_reference=$(awk -v i="$MANY_INSTRUCTIONS" -v r="$(summary_value many-nets references)" \
        'BEGIN {printf "%.0f", i / r}')
    verdict "$(completed many-nets) && $many_per_reference <= 400" \
        "many-nets: $MANY_INSTRUCTIONS instructions, $many_per_reference per pin reference (at most 400)"
else
    echo "SKIP  many-nets: instructions per pin reference (valgrind is not installed)"
fi
verdict "$(completed many-nets) && $many_mib < 64" "many-nets: peak memory $many_mib MiB (under 64)"
verdict "$(completed many-nets many-verify) && $many_verify_x <= 3" \
    "--verify on 250,000 nets of 4 references takes $many_verify_x x the plain conversion's time (at most 3)"
verdict "$(completed many-verify) && $many_verify_mib < 64" \
    "--verify on 250,000 nets of 4 references: peak memory $many_verify_mib MiB (under 64)"
verdict "$(completed small) && $small_seconds < 0.05" \
    "small: converts in $small_seconds s (well under 0.1 s: under 0.05)"
unsynced_seconds=$(column_of large-unsynced 1 | median)
echo "INFO  large: the file traffic without the sync takes $(awk -v t="$unsynced_seconds" 'BEGIN {printf "%.4f", t}') s;" \
     "the conversion takes $(ratio "${SECONDS_OF[large]}" "$unsynced_seconds") x that"
echo "INFO  in processor time per source MB, 10,000,000 references take $cpu_per_mb_10x x that of 1,000,000"
if [[ -n $COMPARE ]]; then
    compare_seconds=$(column_of large-compare 1 | median | awk '{printf "%.4f", $1}')
    echo "INFO  large: $COMPARE takes $compare_seconds s, this build $(awk -v t="${SECONDS_OF[large]}" 'BEGIN {printf "%.4f", t}') s" \
         "($(ratio "${SECONDS_OF[large]}" "$compare_seconds") x) in the same runs"
    if command -v valgrind >/dev/null; then
        compare_instructions=$(valgrind --tool=callgrind --callgrind-out-file=/dev/null \
            "$COMPARE" "$WORK/large.net" "$WORK/target.net" 2>&1 >/dev/null | sed -n 's/.*Collected : *//p')
        rm -f "$WORK/target.net"
        echo "INFO  large: $COMPARE runs $compare_instructions instructions," \
             "$(awk -v i="$compare_instructions" -v r="$(summary_value large references)" \
                 'BEGIN {printf "%.0f", i / r}') per pin reference"
        compare_many=$(valgrind --tool=callgrind --callgrind-out-file=/dev/null \
            "$COMPARE" "$WORK/many-nets.net" "$WORK/target.net" 2>&1 >/dev/null | sed -n 's/.*Collected : *//p')
        rm -f "$WORK/target.net"
        echo "INFO  many-nets: $COMPARE runs $compare_many instructions," \
             "$(awk -v i="$compare_many" -v r="$(summary_value many-nets references)" \
                 'BEGIN {printf "%.0f", i / r}') per pin reference"
    fi
fi
echo "INFO  500 parts, 5,000 lookups: scanning the whole part table takes $SMALL_LOOKUP_RATIO x the index's time"
echo "INFO  5,000 parts, 50,000 lookups: it takes $MEDIUM_LOOKUP_RATIO x the index's time"
(( FAILED_TARGETS == 0 ))
