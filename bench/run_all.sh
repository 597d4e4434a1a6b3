#!/usr/bin/env bash
# Builds a Release tree in build/bench and runs every benchmark, each beside
# its baseline of the same run, then prints the medians and their ratios.
#
#   bench/run_all.sh            # all benchmarks, 15 start-ups of each program
#   RUNS=30 bench/run_all.sh    # more start-ups
#
# Needs python3, jq, Xvfb and /usr/bin/time. Results are written to
# build/bench/results/ as well, with the million-row batch files (about
# 0.5 GB) in build/bench/results/batch-million/.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/bench"
results="$build/results"
runs=${RUNS:-15}
repetitions=${REPETITIONS:-10}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DHC_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target humidity-calc-first-paint humidity-calc-cli bare_window gui_bench \
    conversion_bench lunar_bench batch_bench
mkdir -p "$results"

export XDG_RUNTIME_DIR="$results/runtime"
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

program=("$build/bench/humidity-calc-first-paint")
baseline=("$build/bench/bare_window")
latin_baseline=("env" "HC_BASELINE_LATIN=1" "$build/bench/bare_window")

ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}

mebibytes() {
    awk -v k="$1" 'BEGIN { print k / 1024 }'
}

# Start-up to the first painted window and peak memory, under the platform
# the environment names. The program and the two baselines take turns, run
# after run, so that the machine's changing load falls on all three alike.
startup() {
    local label=$1
    local report="$results/$label-startup.json"
    python3 "$root/bench/startup_turns.py" --runs "$runs" --warmup 3 --json "$report" \
        program="${program[*]}" baseline="${baseline[*]}" latin="${latin_baseline[*]}"
    local time_program time_baseline time_latin memory_program memory_baseline memory_latin
    time_program=$(jq '.program.median_ms' "$report")
    time_baseline=$(jq '.baseline.median_ms' "$report")
    time_latin=$(jq '.latin.median_ms' "$report")
    memory_program=$(jq '.program.median_kib' "$report")
    memory_baseline=$(jq '.baseline.median_kib' "$report")
    memory_latin=$(jq '.latin.median_kib' "$report")
    printf 'start-up %-10s  program %7.1f ms  baseline %7.1f ms  ratio %s  (Latin baseline %7.1f ms, ratio %s)\n' \
        "$label" "$time_program" "$time_baseline" "$(ratio "$time_program" "$time_baseline")" \
        "$time_latin" "$(ratio "$time_program" "$time_latin")"
    printf 'peak RSS %-10s  program %7.1f MiB baseline %7.1f MiB ratio %s  (Latin baseline %7.1f MiB, ratio %s)\n' \
        "$label" "$(mebibytes "$memory_program")" "$(mebibytes "$memory_baseline")" \
        "$(ratio "$memory_program" "$memory_baseline")" "$(mebibytes "$memory_latin")" \
        "$(ratio "$memory_program" "$memory_latin")"
}

# The median real time of a Google Benchmark JSON report; benchmarks timed
# by the wall clock carry "/real_time" in their run names.
benchmark_median() {
    jq -r --arg name "$2" '.benchmarks[]
        | select((.run_name | sub("/real_time$"; "")) == $name and .aggregate_name == "median")
        | .real_time' "$1"
}

# A Google Benchmark counter's median, e.g. a rate per second of CPU time.
counter_median() {
    jq -r --arg name "$2" --arg counter "$3" '.benchmarks[]
        | select(.run_name == $name and .aggregate_name == "median") | .[$counter]' "$1"
}

# Two rates of one report and the first as a share of the second.
report_rates() {
    local report="$results/$1.json" program_case=$2 baseline_case=$3 counter=$4
    local measured base
    measured=$(counter_median "$report" "$program_case" "$counter")
    base=$(counter_median "$report" "$baseline_case" "$counter")
    printf '%-26s %12.0f %s/s  %-26s %12.0f %s/s  ratio %.3f\n' "$program_case" "$measured" \
        "$counter" "$baseline_case" "$base" "$counter" "$(awk -v a="$measured" -v b="$base" 'BEGIN { print a / b }')"
}

# Runs one benchmark program (its path under build/bench/bench) with
# repetitions; its JSON report is kept under the program's name.
run_benchmarks() {
    QT_QPA_PLATFORM=offscreen "$build/bench/$1" --benchmark_repetitions="$repetitions" \
        --benchmark_report_aggregates_only=true --benchmark_out="$results/${1##*/}.json" \
        --benchmark_out_format=json >/dev/null
}

# A benchmark beside its baseline, both from one report.
report_pair() {
    local report="$results/$1.json" program_case=$2 baseline_case=$3 unit=$4
    local measured base
    measured=$(benchmark_median "$report" "$program_case")
    base=$(benchmark_median "$report" "$baseline_case")
    printf '%-24s %10.1f %s  %-26s %10.1f %s  ratio %s\n' "$program_case" "$measured" "$unit" \
        "$baseline_case" "$base" "$unit" "$(ratio "$measured" "$base")"
}

QT_QPA_PLATFORM=offscreen
export QT_QPA_PLATFORM
startup offscreen

# A virtual X server of its own on a free display, which it writes to fd 3.
: >"$results/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$results/display" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb"' EXIT
while [ ! -s "$results/display" ]; do sleep 0.1; done
QT_QPA_PLATFORM=xcb
DISPLAY=:$(cat "$results/display")
export DISPLAY
startup xvfb

run_benchmarks gui_bench
report_pair gui_bench CalculateClick EighteenSetTextBaseline us
report_pair gui_bench CalendarPageChange EmptyWidgetRepaintBaseline us
run_benchmarks lunar/lunar_bench
report_pair lunar_bench BM_RoundTripWholeRange BM_DaysBetweenBaseline ms
for case in BM_RoundTripWholeRange BM_SolarToLunarWholeRange BM_LunarToSolarWholeRange; do
    printf '%-26s %12.0f per second\n' "$case" "$(counter_median "$results/lunar_bench.json" "$case" conversions)"
done
run_benchmarks conversion_bench
report_pair conversion_bench FullConversion BareSnprintfBaseline ns
# The batch's rows per second as a share of reading and re-writing the same
# CSV; then a million-row batch in UTF-8 and in GBK, checked row by row.
run_benchmarks batch_bench
report_rates batch_bench BatchRows ReadWriteBaseline rows
"$root/bench/batch_million.sh" "$build/cli/humidity-calc-cli" "$results/batch-million"
