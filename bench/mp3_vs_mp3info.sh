#!/usr/bin/env bash
# Whole-process comparison on one folder of generated MP3 files: our reader (bench_mp3 --probe, which
# reads every file with Brano) against mp3info -p "%f %S\n", each given the same file list.
#
#   bench/mp3_vs_mp3info.sh [BUILD_DIR]      environment: COUNT (files, 1000), RUNS (timed runs, 5)
set -euo pipefail

build=${1:-build}
probe=$build/bench/bench_mp3
count=${COUNT:-1000}
runs=${RUNS:-5}
[ -x /usr/bin/time ] || { echo "GNU time (/usr/bin/time) is not installed" >&2; exit 1; }
command -v mp3info >/dev/null || { echo "mp3info is not installed" >&2; exit 1; }
[ -x "$probe" ] || { echo "no $probe: build the target bench_mp3 first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "generating $count files in $work ..."
"$probe" --make "$work/mp3" "$count"
du -sh "$work/mp3" | cut -f1 | sed 's/^/folder size: /'

ours() { "$probe" --probe "$work"/mp3/*.mp3; }
theirs() { mp3info -p "%f %S\n" "$work"/mp3/*.mp3; }

# Both see a warm page cache: one untimed run each.
ours >"$work/ours.txt"
theirs >"$work/theirs.txt"

# Wall-clock and processor seconds of each run (GNU time), best and median by wall clock.
timeit() {
    local name=$1
    for ((i = 0; i < runs; i++)); do
        /usr/bin/time -f "%e %U %S" -o "$work/time.txt" bash -c "$(declare -f "$name"); probe=$probe work=$work $name" >/dev/null
        cat "$work/time.txt"
    done | sort -n | awk -v n="$name" -v c="$count" '
        { wall[NR] = $1; cpu[NR] = $2 + $3 }
        END { m = int((NR + 1) / 2)
              printf "%-7s wall best %.3f s, median %.3f s (%.0f us per file); cpu (user+sys) of the median run %.3f s\n",
                     n, wall[1], wall[m], wall[1] / c * 1e6, cpu[m] }'
}
timeit ours
timeit theirs

# The two readers should list the same files; our constant-bit-rate time is one second shorter.
paste -d' ' "$work/ours.txt" "$work/theirs.txt" | awk '
    $1 != $3 { names++ } { d = $4 - $2; if (d < 0 || d > 2) far++ }
    END { printf "files %d, name mismatches %d, times more than 2 s apart %d\n", NR, names, far }'
