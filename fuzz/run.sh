#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs one of them.
#   fuzz/run.sh TARGET SECONDS      e.g. fuzz/run.sh clone_file_load 300
# Findings go to fuzz/artifacts/, the growing corpus to fuzz/corpus/TARGET/ (seeded from
# fuzz/seeds/TARGET/ and the committed fuzz/minimised/TARGET/ when those folders exist).
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: fuzz/run.sh TARGET SECONDS}
seconds=${2:-60}
if [ ! -f build-fuzz/build.ninja ]; then
    CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKTV_FUZZ=ON -DKTV_BUILD_QT=OFF
fi
cmake --build build-fuzz --target "fuzz_$target"
mkdir -p "fuzz/corpus/$target" fuzz/artifacts
seeds=()
[ -d "fuzz/seeds/$target" ] && seeds=("fuzz/seeds/$target")
[ -d "fuzz/minimised/$target" ] && seeds+=("fuzz/minimised/$target")
# A whole clone file is about 40 kB: shorter limits never try its long lines.
[ "$target" = clone_file_load ] && seeds+=(data/initial)
exec "build-fuzz/bin/fuzz_$target" -max_total_time="$seconds" -artifact_prefix=fuzz/artifacts/ \
    -max_len=65536 -print_final_stats=1 "fuzz/corpus/$target" "${seeds[@]}"
