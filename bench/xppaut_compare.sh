#!/usr/bin/env bash
# Times `attrava-cli orbit` of the shipped Lorenz model (500,000 points,
# written to a file) against `xppaut -silent` integrating the same Runge-Kutta
# orbit from bench/lorenz.ode, and prints the ratio of their times (median of
# a few runs, wall clock and CPU). Needs Debian's xppaut
# (apt-get install xppaut).
#
#   bench/xppaut_compare.sh [BUILD_FOLDER]     (default: build)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")
build=${1:-$source_dir/build}
cli=$build/bin/attrava-cli
runs=5

command -v xppaut >/dev/null || { echo "xppaut is not installed (apt-get install xppaut)" >&2; exit 1; }
[ -x "$cli" ] || { echo "no $cli: build attrava-cli first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$here/lorenz.ode" "$work/"

# Prints "wall cpu" seconds of one run of the command.
timed() {
    local TIMEFORMAT='%R %U %S'
    { time "$@" >/dev/null 2>&1; } 2>&1 | awk '{ printf "%s %.3f\n", $1, $2 + $3 }'
}

# Median of the runs' wall and CPU times. With fresh=1 the output file
# (the command's last argument) is removed before each run, so every run
# writes a new file instead of rewriting the one before.
fresh=0
median() {
    local name=$1; shift
    local walls=() cpus=()
    for _ in $(seq "$runs"); do
        [ "$fresh" = 1 ] && rm -f "${@: -1}"
        read -r wall cpu < <(timed "$@")
        walls+=("$wall"); cpus+=("$cpu")
    done
    local wall cpu
    wall=$(printf '%s\n' "${walls[@]}" | sort -g | sed -n "$(( (runs + 1) / 2 ))p")
    cpu=$(printf '%s\n' "${cpus[@]}" | sort -g | sed -n "$(( (runs + 1) / 2 ))p")
    echo "$name $wall $cpu"
}

# The first run compiles the model; later runs take it from the library cache.
"$cli" orbit "$source_dir/modellib/Lorenz.txt" --points 500000 --out "$work/attrava.txt" 2>/dev/null

compare() {
    read -r _ aw ac < <(median attrava "$cli" orbit "$source_dir/modellib/Lorenz.txt" --points 500000 --out "$work/attrava.txt")
    read -r _ xw xc < <(cd "$work" && median xppaut xppaut -silent lorenz.ode -outfile "$work/xppaut.dat")
    echo "median of $runs runs (s), $1: attrava-cli wall $aw cpu $ac; xppaut wall $xw cpu $xc"
    awk -v aw="$aw" -v ac="$ac" -v xw="$xw" -v xc="$xc" 'BEGIN {
        printf "ratio xppaut/attrava-cli: wall %.1f, cpu %.1f (target >= 10)\n",
               (aw > 0 ? xw / aw : 0), (ac > 0 ? xc / ac : 0) }'
}

fresh=0
compare "each run writing over the output of the one before"
fresh=1
compare "each run writing a new file"

echo "points written: attrava $(wc -l < "$work/attrava.txt"), xppaut $(wc -l < "$work/xppaut.dat")"
echo "last point: attrava $(tail -1 "$work/attrava.txt")"
echo "            xppaut  $(tail -1 "$work/xppaut.dat" | cut -d' ' -f2-4)"
