#!/usr/bin/env bash
# The whole program as a user starts it, under Xvfb (1024 x 768), beside a bare SDL program as the
# yardstick (SDL's defaults, GL path included, as the targets were set against it; the same program
# on the framebuffer path is printed for information): the first frame of the tracing screen, CPU,
# wake-ups and resident memory at Level I and on still screens, each against its target. The clicks
# follow the 1024 x 768 layout of the windowed program.
#
#   bench/program_bench.sh [BUILD_DIR]     default build-rel (a Release build with the benchmarks)
#
# Wake-ups are the voluntary and involuntary context switches of all the program's threads (from
# /proc/PID/task/*/status), CPU the time on a CPU of all of them (/proc/PID/task/*/schedstat).
# CPU and wake-ups are measured as the program starts by default (no SDL_AUDIODRIVER set: on a
# machine without a sound device it has none), memory with SDL_AUDIODRIVER=dummy and the music on.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build-rel}" && pwd)
if [ -z "${WO_BENCH_DISPLAY:-}" ]; then
    exec env WO_BENCH_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build"
fi

probe=$build/bench/wo_screen_probe
bare=$build/bench/wo_bare_sdl
for f in "$probe" "$bare" "$build/WiseOwlet/WiseOwlet"; do
    [ -x "$f" ] || { echo "missing $f: build the targets WiseOwlet wo_screen_probe wo_bare_sdl" >&2; exit 2; }
done

# A copy of the program folder, so that runs start alike and the build's settings stay as they are.
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
cp -r "$build/WiseOwlet" "$work/"
export XDG_DATA_HOME=$work/data
program=$work/WiseOwlet/WiseOwlet
log=$work/log.txt

# "cpu_ns switches" summed over the threads of a process.
sample() {
    local pid=$1 ns=0 cs=0 t v
    for t in /proc/"$pid"/task/*; do
        v=$(cut -d' ' -f1 "$t/schedstat" 2>/dev/null) && ns=$((ns + v))
        v=$(awk '/ctxt_switches/ {s += $2} END {print s + 0}' "$t/status" 2>/dev/null) && cs=$((cs + v))
    done
    echo "$ns $cs"
}

# Prints "cpu_s wakeups_per_s" of the process over the seconds.
measure() {
    local pid=$1 secs=$2 a b
    a=$(sample "$pid")
    sleep "$secs"
    b=$(sample "$pid")
    awk -v a="$a" -v b="$b" -v s="$secs" 'BEGIN {
        split(a, x, " "); split(b, y, " ");
        printf "%.3f %.1f\n", (y[1] - x[1]) / 1e9, (y[2] - x[2]) / s }'
}

stop() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# Starts a command, waits until the screen settles and keeps that as the reference of its first
# frame (pixels that do not animate), then ends it.
reference() {
    local ref=$1 settle=$2
    shift 2
    "$@" >>"$log" 2>&1 &
    local pid=$!
    pids+=("$pid")
    sleep "$settle"
    "$probe" ref "$ref"
    stop "$pid"
    sleep 0.3
}

# "pid seconds" of a start timed against its reference; the process keeps running.
timed_start() {
    local ref=$1
    shift
    "$probe" launch "$ref" 5 -- "$@" 2>>"$log"
}

# WO_BENCH_SHOTS=DIR keeps a screenshot (xwd) of each screen measured.
shot() {
    if [ -n "${WO_BENCH_SHOTS:-}" ]; then
        mkdir -p "$WO_BENCH_SHOTS"
        xwd -root -silent >"$WO_BENCH_SHOTS/$1.xwd"
    fi
}

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

verdict() { # value limit
    awk -v v="$1" -v l="$2" 'BEGIN { print (v >= 0 && v <= l) ? "met" : "NOT MET" }'
}

fail=0
report() { # name value unit limit
    local r
    r=$(verdict "$2" "$4")
    [ "$r" = met ] || fail=1
    printf '  %-44s %8s %-4s (target <= %s)  %s\n' "$1" "$2" "$3" "$4" "$r"
}

echo "program: $build/WiseOwlet ($(nproc) CPUs, load $(cut -d' ' -f1 /proc/loadavg))"

# --- First frame: the bare program and the program in turn, three times each, medians.
reference "$work/bare.ref" 1.5 "$bare"
reference "$work/prog.ref" 3 "$program" --windowed
bare_t=() fb_t=() prog_t=()
for i in 1 2 3; do
    read -r pid t < <(timed_start "$work/bare.ref" "$bare")
    pids+=("$pid")
    stop "$pid"
    bare_t+=("$t")
    sleep 0.3
    # For information: the bare program on the framebuffer path too, as the program presents.
    read -r pid t < <(SDL_FRAMEBUFFER_ACCELERATION=0 timed_start "$work/bare.ref" "$bare")
    pids+=("$pid")
    stop "$pid"
    fb_t+=("$t")
    sleep 0.3
    read -r pid t < <(timed_start "$work/prog.ref" "$program" --windowed)
    pids+=("$pid")
    prog_t+=("$t")
    if [ "$i" -lt 3 ]; then
        stop "$pid"
        sleep 0.3
    fi
done
bare_first=$(printf '%s\n' "${bare_t[@]}" | median)
prog_first=$(printf '%s\n' "${prog_t[@]}" | median)
fb_first=$(printf '%s\n' "${fb_t[@]}" | median)
echo "first frame (s): bare SDL ${bare_t[*]}, program ${prog_t[*]} (medians $bare_first, $prog_first)"
echo "  (information: the bare SDL program without GL ${fb_t[*]}, median $fb_first;" \
    "the program takes $(awk -v p="$prog_first" -v b="$fb_first" 'BEGIN { printf "%.1f", (b > 0 ? p / b : -1) }')x that)"
report "first frame of the tracing screen" "$prog_first" s 0.15
report "first frame, times the bare SDL program" \
    "$(awk -v p="$prog_first" -v b="$bare_first" 'BEGIN { printf "%.2f", (b > 0 ? p / b : -1) }')" x 2

# --- Level I, the letter animating, from the first frame on (the last timed start).
shot level1
read -r cpu wake < <(measure "$pid" 10)
echo "Level I, 10 s: CPU $cpu s, $wake wake-ups/s, $(ls /proc/"$pid"/task | wc -l) threads," \
    "RSS $(awk '/VmRSS/ {print $2 / 1024 " MB"}' /proc/"$pid"/status)"
report "Level I: CPU over 10 s" "$cpu" s 0.1
report "Level I: wake-ups a second" "$wake" /s 40

# --- The puzzle screen: the lesson menu, the puzzle, the menu closed.
"$probe" click 680 178
sleep 1
"$probe" click 505 472
sleep 1
"$probe" click 656 221
sleep 2
shot puzzle
read -r cpu wake < <(measure "$pid" 10)
echo "puzzle screen, 10 s: CPU $cpu s, $wake wake-ups/s"
report "puzzle screen: CPU over 10 s" "$cpu" s 0.02
report "puzzle screen: wake-ups a second" "$wake" /s 5

# --- A message box open over the puzzle: the options button, the password, the options dialog's
# Defaults question.
"$probe" click 722 178
sleep 1
for k in m a r b l e Return; do "$probe" key "$k"; done
sleep 1.5
"$probe" click 46 345
sleep 2
shot dialog
read -r cpu wake < <(measure "$pid" 10)
echo "message box open, 10 s: CPU $cpu s, $wake wake-ups/s"
report "message box open: CPU over 10 s" "$cpu" s 0.02
report "message box open: wake-ups a second" "$wake" /s 5
stop "$pid"
sleep 0.3

# --- Memory with the music playing through SDL's dummy audio driver.
SDL_AUDIODRIVER=dummy "$program" --windowed >>"$log" 2>&1 &
pid=$!
pids+=("$pid")
sleep 4
rss=$(awk '/VmRSS/ {printf "%.1f", $2 / 1024}' /proc/"$pid"/status)
read -r cpu wake < <(measure "$pid" 2)
echo "dummy audio, music on: RSS $rss MB, CPU $cpu s over 2 s"
report "resident memory, music on dummy audio" "$rss" MB 60
stop "$pid"

if [ "$fail" = 0 ]; then echo "all targets met"; else echo "some targets NOT MET"; fi
exit "$fail"
