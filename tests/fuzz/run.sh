#!/bin/sh
# Runs the fuzz target for a while on a corpus seeded from the golden cases
# and the kept inputs. Whatever it finds is minimized into tests/fuzz/kept/,
# which make test replays, and the run fails.
#   tests/fuzz/run.sh <build folder> <seconds>
set -e
build=$1
seconds=${2:-60}
root=$(cd "$(dirname "$0")/../.." && pwd)
corpus=$build/fuzz-corpus
artifacts=$build/fuzz-artifacts
mkdir -p "$corpus" "$artifacts"
rm -f "$artifacts"/*

# The first byte chooses the mode: 0 a program, 1 a page.
n=0
for f in $(find "$root/tests/translate/cases" -name '*.vel' -o -name '*.page' | sort); do
    n=$((n + 1))
    case "$f" in
        *.page) mode='\001' ;;
        *) mode='\000' ;;
    esac
    { printf "$mode"; cat "$f"; } > "$corpus/seed-$n"
done
for f in "$root"/tests/fuzz/kept/*; do
    [ -f "$f" ] && cp "$f" "$corpus/kept-$(basename "$f")"
done

status=0
"$build/velp_fuzz" "$corpus" -dict="$root/tests/fuzz/velandro.dict" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
    -close_fd_mask=3 -print_final_stats=1 -artifact_prefix="$artifacts/" || status=$?

found=0
for a in "$artifacts"/*; do
    [ -f "$a" ] || continue
    found=1
    name=$(basename "$a")
    "$build/velp_fuzz" -minimize_crash=1 -runs=20000 -timeout=10 -rss_limit_mb=2048 \
        -close_fd_mask=3 -exact_artifact_path="$root/tests/fuzz/kept/$name" "$a" \
        >/dev/null 2>&1 || cp "$a" "$root/tests/fuzz/kept/$name"
    [ -f "$root/tests/fuzz/kept/$name" ] || cp "$a" "$root/tests/fuzz/kept/$name"
    echo "fuzz: kept tests/fuzz/kept/$name"
done
if [ "$found" -eq 1 ] || [ "$status" -ne 0 ]; then
    echo "fuzz: the target failed; the inputs are kept under tests/fuzz/kept/"
    exit 1
fi
echo "fuzz: nothing found in $seconds s"
