#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each one for a while, two at
# a time on a two-core machine (as many as there are cores).
#   fuzz/roda.sh [seconds per target, default 30] [target ...]
# Inputs that reach new code collect in build-fuzz/corpus/<target>/; findings (crash-*, leak-*,
# timeout-*, oom-*) in build-fuzz/achados/<target>/, with each run's log beside them. Keep a
# finding as a regression by copying it to fuzz/regressoes/<target>/ once it is fixed: the
# normal build replays that folder (CTest fuzz_regressoes_<target>).
# Without clang the targets are skipped and the script succeeds.
set -euo pipefail
cd "$(dirname "$0")/.."
SEGUNDOS="${1:-30}"
shift || true
ALVOS=("$@")
[ ${#ALVOS[@]} -gt 0 ] || ALVOS=(textos adc buck chips testes console relatorio modelo troca)

CLANG="$(command -v clang++ || command -v clang++-14 || true)"
if [ -z "$CLANG" ]; then
    echo "fuzz: clang++ not found, the fuzz targets are skipped"
    exit 0
fi
# clang without its libFuzzer runtime cannot build the targets either.
SONDA="$(mktemp -d)"
trap 'rm -rf "$SONDA"' EXIT
if ! echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' \
    | "$CLANG" -x c++ -fsanitize=fuzzer,address,undefined - -o "$SONDA/sonda" 2> /dev/null; then
    echo "fuzz: $CLANG cannot build libFuzzer programs, the fuzz targets are skipped"
    exit 0
fi
if [ ! -f build-fuzz/build.ninja ]; then
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER="$CLANG" -DVEXADOR_FUZZ=ON
fi
cmake --build build-fuzz -j"$(nproc)"

roda_alvo() {
    local alvo="$1" segundos="$2"
    mkdir -p "build-fuzz/corpus/$alvo" "build-fuzz/achados/$alvo"
    if "build-fuzz/fuzz/fuzz_$alvo" -max_total_time="$segundos" -timeout=10 -rss_limit_mb=2048 \
        -max_len=16384 -print_final_stats=1 -artifact_prefix="build-fuzz/achados/$alvo/" \
        "build-fuzz/corpus/$alvo" "fuzz/sementes/$alvo" > "build-fuzz/achados/$alvo.log" 2>&1; then
        echo "fuzz $alvo: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "build-fuzz/achados/$alvo.log" | grep -o '[0-9]*$') runs in ${segundos} s, nothing found"
    else
        echo "fuzz $alvo: FINDING, see build-fuzz/achados/$alvo.log:"
        grep -m5 -E 'ERROR|SUMMARY|Test unit written' "build-fuzz/achados/$alvo.log" || tail -5 "build-fuzz/achados/$alvo.log"
        return 1
    fi
}
# Short allocation traces and a smaller quarantine: the parsers allocate many small strings,
# and the machine may be shared.
export ASAN_OPTIONS="${ASAN_OPTIONS:-malloc_context_size=8:quarantine_size_mb=64}"
export -f roda_alvo
printf '%s\n' "${ALVOS[@]}" | xargs -P "$(nproc)" -I{} bash -c "roda_alvo {} $SEGUNDOS"
