#!/bin/sh
# D1 write misses of one lit and one unlit frame of the same view, under the
# two L1 data caches the frame must suit (32 KiB 8-way, 48 KiB 12-way), as
# cachegrind simulates them: a figure that does not depend on the machine it
# runs on. Set-up is taken out by subtracting a run of 1 frame from a run of
# 11. Run from the repository root after building ombrel_bench:
#   bench/cachegrind_misses.sh [build/bench/ombrel_bench]
set -eu
bench=${1:-build/bench/ombrel_bench}
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

writeMisses() {  # D1 shape, benchmark name
    valgrind --tool=cachegrind --cache-sim=yes --D1="$1" --LL=2097152,16,64 \
        --cachegrind-out-file=/dev/null "$bench" --benchmark_filter="^$2\$" 2>&1 >/dev/null |
        sed -n 's/.*D1  *misses:.*[(] *\([0-9,]*\) rd *+ *\([0-9,]*\) wr.*/\2/p' | tr -d ,
}

perFrame() {  # D1 shape, benchmark
    many=$(writeMisses "$1" "$2/iterations:11")
    one=$(writeMisses "$1" "$2/iterations:1")
    echo $(( (many - one) / 10 ))
}

for shape in 32768,8,64 49152,12,64; do
    lit=$(perFrame $shape CastFrameLit)
    unlit=$(perFrame $shape CastFrameUnlit)
    ratio=$(awk -v a="$lit" -v b="$unlit" 'BEGIN { printf "%.2f", a / b }')
    echo "D1=$shape: D1 write misses a frame: lit $lit, unlit $unlit, lit/unlit $ratio"
done
