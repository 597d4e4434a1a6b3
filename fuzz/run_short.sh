#!/usr/bin/env bash
# The short fuzzing pass: builds the libFuzzer targets with clang in
# build/fuzz and runs each one for a fixed time from the committed seeds
# (and, for the template reader, the seeds written from the embedded
# template at build time), then prints the executions per target.
#
# Environment: FUZZ_SECONDS (default 20) per target, JOBS (default: all
# cores) for the build. Exits non-zero when a target finds a crash or a
# violated property; the input is kept in build/fuzz/artifacts and the log
# in build/fuzz/logs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/fuzz"
seconds=${FUZZ_SECONDS:-20}
jobs=${JOBS:-$(nproc)}
targets=(
    template_reader_fuzz
    text_to_number_fuzz
    number_format_fuzz
    lunar_format_fuzz
    lunar_conversion_fuzz
    edit_box_text_fuzz
    batch_fuzz
)
# Each target's seed folder under fuzz/corpus (and, where seeds are written
# at build time, under build/fuzz/fuzz/corpus).
declare -A corpus=(
    [template_reader_fuzz]=template
    [text_to_number_fuzz]=text_to_number
    [number_format_fuzz]=number_format
    [lunar_format_fuzz]=lunar_format
    [lunar_conversion_fuzz]=lunar_conversion
    [edit_box_text_fuzz]=edit_box_text
    [batch_fuzz]=batch
)

# Only the fuzz targets and what they link are built: the Qt-free libraries,
# and for the edit box target the control model and the platform layer.
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DHC_FUZZ=ON -DHC_BUILD_TESTS=OFF -DHC_BUILD_BENCHMARKS=OFF -DHC_WERROR=ON >/dev/null
cmake --build "$build" -j "$jobs" --target "${targets[@]}"

# The seed directories a target starts from, besides its fresh working corpus.
seed_dirs() {
    local topic=${corpus[$1]}
    echo "$root/fuzz/corpus/$topic"
    [ -d "$build/fuzz/corpus/$topic" ] && echo "$build/fuzz/corpus/$topic"
    return 0
}

mkdir -p "$build/artifacts" "$build/logs"
summary=()
failed=0
for target in "${targets[@]}"; do
    work="$build/work/$target"
    log="$build/logs/$target.log"
    rm -rf "$work"
    mkdir -p "$work"
    mapfile -t seeds < <(seed_dirs "$target")
    echo "fuzzing $target for ${seconds}s"
    if "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$target-" "$work" "${seeds[@]}" >"$log" 2>&1; then
        result=ok
    else
        result=FAILED
        failed=1
        tail -n 40 "$log"
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    summary+=("$(printf '%-24s %-7s %12s executions in %ss' "$target" "$result" "${runs:-?}" "$seconds")")
done

echo "== fuzzing summary =="
printf '%s\n' "${summary[@]}"
exit "$failed"
