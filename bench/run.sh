#!/usr/bin/env bash
# Benchmark of brisel-convert against copying the same files with cp.
# Builds what it needs under build-bench/, generates the netlists into a
# temporary folder, measures every case in this one run and prints a table
# and PASS/FAIL for each target; exits 1 when a target is missed. Timings are
# noisy while other jobs run.
#   BRISEL_BENCH_RUNS  runs per measurement, the median counts (default 5)
#   BRISEL_BENCH_JOBS  parallel compile jobs (default 2)
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
RUNS=${BRISEL_BENCH_RUNS:-5}
JOBS=${BRISEL_BENCH_JOBS:-2}
INDEXED_BUILD=$ROOT/build-bench/release
LINEAR_BUILD=$ROOT/build-bench/linear-lookup

build() {
    local dir=$1; shift
    echo "Building $dir" >&2
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DBRISEL_BUILD_GUI=OFF \
        -DBRISEL_BUILD_TESTS=OFF "$@" >/dev/null
    cmake --build "$dir" -j "$JOBS" --target "${TARGETS[@]}" >/dev/null
}

binary() {
    find "$1" -type f -name "$2" -perm -u+x -print -quit
}

TARGETS=(brisel-convert brisel-gen-netlist brisel-bench-measure)
build "$INDEXED_BUILD" -DBRISEL_LINEAR_PART_LOOKUP=OFF
TARGETS=(brisel-convert)
build "$LINEAR_BUILD" -DBRISEL_LINEAR_PART_LOOKUP=ON

CONVERT=$(binary "$INDEXED_BUILD" brisel-convert)
CONVERT_LINEAR=$(binary "$LINEAR_BUILD" brisel-convert)
GENERATE=$(binary "$INDEXED_BUILD" brisel-gen-netlist)
MEASURE=$(binary "$INDEXED_BUILD" brisel-bench-measure)

WORK=$(mktemp -d "${TMPDIR:-/tmp}/brisel-bench.XXXXXX")
trap 'rm -rf "$WORK"' EXIT

# generate NAME GENERATOR-OPTIONS...: the netlist and its reference count.
generate() {
    local name=$1; shift
    "$GENERATE" "$@" --summary -o "$WORK/$name.net" 2>"$WORK/$name.summary"
}
generate small --size small
generate medium --parts 5000 --references 50000
generate large --size large
generate large-crlf --size large --crlf
generate large-2x-refs --parts 100000 --references 2000000
generate stress --size stress
generate stress-4x --parts 1000 --stress 800000

median() { sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
maximum() { sort -g | tail -n 1; }
summary_value() { awk -v key="$2" '$1 == key {print $2}' "$WORK/$1.summary"; }
megabytes() { awk -v b="$(stat -c %s "$WORK/$1.net")" 'BEGIN {printf "%.3f", b / 1e6}'; }

# measure_runs TAG COMMAND...: RUNS lines "seconds max_rss_kib status cpu_seconds"
# in $WORK/TAG.runs.
measure_runs() {
    local tag=$1; shift
    : >"$WORK/$tag.runs"
    for ((run = 0; run < RUNS; run++)); do
        rm -f "$WORK/target.net" "$WORK/copy.net"
        "$MEASURE" --stdout "$WORK/$tag.stdout" --stderr "$WORK/$tag.stderr" -- "$@" \
            >>"$WORK/$tag.runs"
    done
}

column_of() { awk -v c="$2" '{print $c}' "$WORK/$1.runs"; }

# Number of connections the completion line reports, empty when it is missing.
reported_connections() {
    sed -n 's/.*and \([0-9]*\) Connections\.$/\1/p' "$WORK/$1.stdout"
}

declare -A SECONDS_OF CPU_OF RSS_OF COPY_OF MB_OF OK_OF
# measure_case TAG NETLIST CONVERTER
measure_case() {
    local tag=$1 net=$2 convert=$3
    echo "Measuring $tag" >&2
    measure_runs "$tag" "$convert" "$WORK/$net.net" "$WORK/target.net"
    measure_runs "$tag-cp" cp "$WORK/$net.net" "$WORK/copy.net"
    SECONDS_OF[$tag]=$(column_of "$tag" 1 | median)
    CPU_OF[$tag]=$(column_of "$tag" 4 | median)
    RSS_OF[$tag]=$(column_of "$tag" 2 | maximum)
    COPY_OF[$tag]=$(column_of "$tag-cp" 1 | median)
    MB_OF[$tag]=$(megabytes "$net")
    local statuses connections
    statuses=$(column_of "$tag" 3 | sort -u | tr '\n' ' ')
    connections=$(reported_connections "$tag")
    if [[ $statuses == "0 " && $connections == "$(summary_value "$net" references)" \
          && ! -s $WORK/$tag.stderr ]]; then
        OK_OF[$tag]=yes
    else
        OK_OF[$tag]="no (exit $statuses, connections '${connections}', stderr: $(head -c 200 "$WORK/$tag.stderr" | tr "\r\n" "  "))"
    fi
}

measure_case small small "$CONVERT"
measure_case small-linear small "$CONVERT_LINEAR"
measure_case medium medium "$CONVERT"
measure_case medium-linear medium "$CONVERT_LINEAR"
measure_case large large "$CONVERT"
measure_case large-crlf large-crlf "$CONVERT"
measure_case large-2x-refs large-2x-refs "$CONVERT"
measure_case stress stress "$CONVERT"
measure_case stress-4x stress-4x "$CONVERT"

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", (b > 0 ? a / b : 0)}'; }

print_row() {
    local tag=$1
    awk -v tag="$tag" -v mb="${MB_OF[$tag]}" -v t="${SECONDS_OF[$tag]}" -v cpu="${CPU_OF[$tag]}" \
        -v cp="${COPY_OF[$tag]}" -v rss="${RSS_OF[$tag]}" -v ok="${OK_OF[$tag]}" 'BEGIN {
        printf "%-14s %9.3f %10.4f %8.4f %9.4f %8.2f %9.1f %10.1f  %s\n", tag, mb, t, cpu, cp,
            (cp > 0 ? t / cp : 0), (t > 0 ? mb / t : 0), rss / 1024, ok }'
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

echo
echo "brisel-convert benchmark, $(date -u +%Y-%m-%dT%H:%MZ), $(nproc) cores," \
     "load average $(cut -d' ' -f1-3 /proc/loadavg), median of $RUNS runs"
echo
printf "%-14s %9s %10s %8s %9s %8s %9s %10s  %s\n" case "source MB" "convert s" "cpu s" "cp s" \
    "x cp" "MB/s" "peak MiB" "completed, counts right"
for tag in small small-linear medium medium-linear large large-crlf large-2x-refs stress stress-4x; do
    print_row "$tag"
done

large_x=$(ratio "${SECONDS_OF[large]}" "${COPY_OF[large]}")
large_mib=$(awk -v k="${RSS_OF[large]}" 'BEGIN {printf "%.1f", k / 1024}')
rss_change=$(awk -v a="${RSS_OF[large]}" -v b="${RSS_OF[large-2x-refs]}" \
    'BEGIN {d = (a > 0 ? (b - a) / a * 100 : 100); printf "%.1f", (d < 0 ? -d : d)}')
stress_growth=$(ratio "${SECONDS_OF[stress-4x]}" "${SECONDS_OF[stress]}")
linear_gain=$(ratio "${SECONDS_OF[small-linear]}" "${SECONDS_OF[small]}")
medium_linear_gain=$(ratio "${SECONDS_OF[medium-linear]}" "${SECONDS_OF[medium]}")

# completed TAG...: 1 when every case converted with the right counts. A
# figure of a failed conversion meets no target.
completed() {
    local tag
    for tag in "$@"; do [[ ${OK_OF[$tag]} == yes ]] || { echo 0; return; }; done
    echo 1
}
small_seconds=$(awk -v t="${SECONDS_OF[small]}" 'BEGIN {printf "%.4f", t}')

echo
echo "Targets"
verdict "$(completed large) && $large_x <= 8" \
    "large: convert time is $large_x x the cp time (at most 8)"
verdict "$(completed large) && $large_mib < 64" "large: peak memory $large_mib MiB (under 64)"
verdict "$(completed large large-2x-refs) && $rss_change < 10" \
    "twice the references at 100,000 parts changes peak memory by $rss_change % (under 10)"
verdict "$(completed stress stress-4x)" \
    "stress: one net of 200,000 (and 800,000) references converts without error"
verdict "$(completed stress stress-4x) && $stress_growth <= 6" \
    "stress: 4 x the references takes $stress_growth x the time (linear: about 4, at most 6)"
verdict "$(completed small) && $small_seconds < 0.05" \
    "small: converts in $small_seconds s (well under 0.1 s: under 0.05)"
echo "INFO  small: the whole-table part lookup takes $linear_gain x the time of the index"
echo "INFO  medium (5,000 parts, 50,000 references): it takes $medium_linear_gain x the time"
(( FAILED_TARGETS == 0 ))
