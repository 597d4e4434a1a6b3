#!/usr/bin/env bash
# Builds a Release tree in build/bench and runs every benchmark, each beside
# its baseline of the same run, then prints the medians and their ratios.
#
#   bench/run_all.sh            # all benchmarks, 15 start-ups of each program
#   RUNS=30 bench/run_all.sh    # more start-ups
#   ONLY=startup bench/run_all.sh   # the start-up benchmarks alone
#
# Start-up is measured for the program, the floor (bench/floor_window: the
# same first page made in plain code, see bench/floor_generator.cpp) and
# the bare-window baselines, taking turns; instructions under callgrind
# for the program, the floor and the bare window, CALLGRIND_RUNS rounds.
#
# Needs python3, jq, Xvfb, valgrind and /usr/bin/time. Results are written to
# build/bench/results/ as well, with the million-row batch files (about
# 0.5 GB) in build/bench/results/batch-million/.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/bench"
results="$build/results"
runs=${RUNS:-15}
repetitions=${REPETITIONS:-10}
callgrind_runs=${CALLGRIND_RUNS:-3}
only=${ONLY:-all}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DHC_BUILD_TESTS=OFF >/dev/null
if [ "$only" = startup ]; then
    cmake --build "$build" -j2 --target humidity-calc-first-paint bare_window floor_window \
        humidity-calc floor_window_shown
else
    cmake --build "$build" -j2 --target humidity-calc-first-paint humidity-calc-cli bare_window \
        floor_window humidity-calc floor_window_shown gui_bench conversion_bench lunar_bench \
        batch_bench
fi
mkdir -p "$results"

export XDG_RUNTIME_DIR="$results/runtime"
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

program=("$build/bench/humidity-calc-first-paint")
floor=("$build/bench/floor_window")
baseline=("$build/bench/bare_window")
latin_baseline=("env" "HC_BASELINE_LATIN=1" "$build/bench/bare_window")

ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}

# Start-up to the first painted window and peak memory, under the platform
# the environment names. The program, the floor and the two baselines take
# turns, run after run, so that the machine's changing load falls on all of
# them alike. Each ratio is that of the medians, with the middle half of the
# round-by-round ratios in brackets.
startup() {
    local label=$1
    local report="$results/$label-startup.json"
    python3 "$root/bench/startup_turns.py" --runs "$runs" --warmup 3 --json "$report" \
        --ratios program/floor,program/baseline,floor/baseline,program/latin \
        program="${program[*]}" floor="${floor[*]}" baseline="${baseline[*]}" \
        latin="${latin_baseline[*]}"
    startup_row "$report" "$label" "start-up" median_ms times_ms ms 1
    startup_row "$report" "$label" "CPU time" median_cpu_ms cpu_ms ms 1
    startup_row "$report" "$label" "peak RSS" median_kib peak_kib MiB 1024
}

# One measure of a start-up report: the medians of the four commands and
# the ratios of the program and the floor to the floor and the baselines.
startup_row() {
    local report=$1 label=$2 what=$3 median=$4 runs=$5 unit=$6 divisor=$7
    jq -r --arg platform "$label" --arg what "$what" --arg median "$median" --arg runs "$runs" \
        --arg unit "$unit" --argjson divisor "$divisor" '
        def value(name): .[name][$median] / $divisor * 10 | round / 10;
        def ratio(a; b): (.[a][$median] / .[b][$median] * 100 | round / 100 | tostring)
            + " [" + (.ratios[a + "/" + b][$runs] | map(. * 100 | round / 100 | tostring)
                      | [.[0], .[2]] | join("-")) + "]";
        "\($what) \($platform): program \(value("program")) \($unit), floor \(value("floor")) \($unit), "
        + "bare window \(value("baseline")) \($unit), Latin \(value("latin")) \($unit)\n"
        + "    program/floor \(ratio("program"; "floor"))  program/bare \(ratio("program"; "baseline"))"
        + "  floor/bare \(ratio("floor"; "baseline"))  program/Latin \(ratio("program"; "latin"))"
        ' "$report"
}

# Instructions to the first paint under callgrind, which stay put on a busy
# machine: the program, the floor and the bare window take turns for
# CALLGRIND_RUNS rounds; the medians and their ratios.
instructions() {
    local label=$1
    local name round out
    declare -A counts=()
    for round in $(seq "$callgrind_runs"); do
        for name in program floor baseline; do
            local -n command=$name
            out="$results/$label-$name-$round.callgrind"
            valgrind --tool=callgrind --callgrind-out-file="$out" "${command[@]}" >/dev/null 2>&1
            counts[$name]+="$(awk '/^summary:/ { print $2 }' "$out") "
            rm -f "$out"
        done
    done
    local program_median floor_median baseline_median
    program_median=$(median "${counts[program]}")
    floor_median=$(median "${counts[floor]}")
    baseline_median=$(median "${counts[baseline]}")
    printf 'instructions %-9s  program %.1f M, floor %.1f M, bare window %.1f M\n' "$label" \
        "$(millions "$program_median")" "$(millions "$floor_median")" "$(millions "$baseline_median")"
    printf "    program/floor %.3f  program/bare %.3f  floor/bare %.3f\n" \
        "$(quotient "$program_median" "$floor_median")" "$(quotient "$program_median" "$baseline_median")" \
        "$(quotient "$floor_median" "$baseline_median")"
}

# The median of numbers separated by spaces.
median() {
    tr ' ' '\n' <<<"$1" | grep . | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

quotient() {
    awk -v a="$1" -v b="$2" 'BEGIN { print a / b }'
}

millions() {
    awk -v n="$1" 'BEGIN { print n / 1e6 }'
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

# The floor must look like the program's first page for the comparison to
# be fair: their pictures are compared first.
"$root/bench/floor_screenshot.sh" "$build/humidity-calc" "$build/bench/floor_window_shown" \
    "$results/floor-screenshots"

QT_QPA_PLATFORM=offscreen
export QT_QPA_PLATFORM
startup offscreen
instructions offscreen

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
instructions xvfb
[ "$only" = startup ] && exit 0

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
