#!/usr/bin/env bash
# Builds Release and prints the game window's figures, each beside its reference measured in
# the same run, as a Markdown table, then a machine line. Takes about five minutes.
# First the game against the reference window (bench/reference_window.cpp): CPU of the program
# and of the X server per tick over a course, both pinned to one CPU, game and reference
# alternating for VORTALIN_BENCH_ROUNDS rounds (at least 3), under greyscale and under RGB
# subpixel antialiasing; then the figures against a bare Qt program.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${VORTALIN_BUILD_DIR:-build}
startup_runs=${VORTALIN_BENCH_STARTUP_RUNS:-7}
rounds=${VORTALIN_BENCH_ROUNDS:-3}
[ "$rounds" -ge 3 ] || { echo "bench.sh: VORTALIN_BENCH_ROUNDS must be at least 3" >&2; exit 1; }

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target window_bench race_tick_bench >/dev/null
harness=$build/bin/window_bench

# shellcheck source=scripts/xvfb_session.sh
source scripts/xvfb_session.sh
missing=$(xvfb_tools_missing)
[ -z "$missing" ] || { echo "bench.sh: missing programs: $missing (run scripts/install-deps.sh)" >&2; exit 1; }
# Large enough for the window at twice the scale.
XVFB_SCREEN=1280x1024x24 xvfb_start
RUNTIME_DIR=$(mktemp -d)
chmod 0700 "$RUNTIME_DIR"
export XDG_RUNTIME_DIR=$RUNTIME_DIR

# run PLATFORM SCALE MODE: the harness's "key value" lines.
run() {
  QT_QPA_PLATFORM=$1 QT_SCALE_FACTOR=$2 "$harness" "$3"
}
# value KEY < lines
value() {
  awk -v k="$1" '$1 == k { print $2; found = 1 }
    END { if (!found) { print "bench.sh: the harness printed no " k > "/dev/stderr"; exit 1 } }'
}
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

row() { printf '| %s | %s | %s | %s | %s |\n' "$@"; }
# ratio GAME REFERENCE
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf (b == 0 ? "-" : "%.3g", a / b) }'; }
# verdict EXPRESSION (awk, true = met)
verdict() { awk "BEGIN { print (($1) ? \"met\" : \"NOT met\") }"; }

echo '| figure | game | reference | game / reference | goal |'
echo '|---|---|---|---|---|'

# The program and the X server share one CPU, as on a single-core machine, so that neither
# waits for the other on a different core and the sum is the work a tick costs. Once with the
# system's font settings (greyscale antialiasing) and once with RGB subpixel antialiasing, as
# many desktops set it: a fontconfig file that includes the system's and sets rgba.
subpixel_fonts=$PWD/scripts/fonts-subpixel.conf
FONTCONFIG_FILE=$subpixel_fonts fc-match -v 'Liberation Sans Narrow:bold' | grep -q 'rgba: 1' ||
  { echo "bench.sh: the subpixel font settings did not take" >&2; exit 1; }
# The last CPU this script may run on, from its affinity list (e.g. "0-3,8-11": 11).
allowed_cpus=$(taskset -cp $$ | sed 's/.*: //')
pinned_cpu=${allowed_cpus##*[,-]}
taskset -cp "$pinned_cpu" "$XVFB_PID" >/dev/null
# course_cpu SUBJECT-PREFIX [FONTCONFIG-FILE]: CPU per tick in µs, program + X server, over
# one course.
course_cpu() {
  env ${2:+FONTCONFIG_FILE=$2} VORTALIN_BENCH_XSERVER_PID=$XVFB_PID QT_QPA_PLATFORM=xcb \
    taskset -c "$pinned_cpu" "$harness" "${1}pace" | value cpu_per_tick_us
}
for antialiasing in greyscale subpixel; do
  fonts=; [ "$antialiasing" = subpixel ] && fonts=$subpixel_fonts
  pair_ratios=()
  for round in $(seq "$rounds"); do
    g=$(course_cpu "" "$fonts"); r=$(course_cpu reference- "$fonts")
    pair_ratios+=("$(ratio "$g" "$r")")
    row "CPU per tick over a course, $antialiasing AA, program + X server, one CPU, round $round, µs" \
        "$g" "$r" "${pair_ratios[-1]}" -
  done
  m=$(printf '%s\n' "${pair_ratios[@]}" | median)
  row "CPU per tick, $antialiasing AA, paired ratio: median of $rounds rounds" - - "$m" \
      "≤ 0.6×: $(verdict "$m <= 0.6")"
done
taskset -cp "$allowed_cpus" "$XVFB_PID" >/dev/null

cpu_row_done=
for platform in xcb offscreen; do
  game=$(run "$platform" 1 pace)
  bare=$(run "$platform" 1 bare-pace)
  g_wall=$(value wall_s <<<"$game"); b_wall=$(value wall_s <<<"$bare")
  g_ratio=$(value wall_ratio <<<"$game"); b_ratio=$(value wall_ratio <<<"$bare")
  row "pace, $platform: course wall time, s (ideal 15.22)" "$g_wall (×$g_ratio)" \
      "$b_wall (×$b_ratio)" "$(ratio "$g_wall" "$b_wall")" \
      "within 0.3 %: $(verdict "$g_ratio >= 0.997 && $g_ratio <= 1.003")"
  for stat in median p99 max; do
    g=$(value "interval_ms_$stat" <<<"$game"); b=$(value "interval_ms_$stat" <<<"$bare")
    goal=-
    [ "$stat" = p99 ] && goal="≤ 10.5 ms: $(verdict "$g <= 10.5")"
    row "pace, $platform: tick interval $stat, ms" "$g" "$b" "$(ratio "$g" "$b")" "$goal"
  done
  g_lost=$(value lost_ticks <<<"$game"); b_lost=$(value lost_ticks <<<"$bare")
  g_over=$(value intervals_over_15ms <<<"$game"); b_over=$(value intervals_over_15ms <<<"$bare")
  row "pace, $platform: lost ticks (by wall time; intervals > 15 ms)" "$g_lost; $g_over" \
      "$b_lost; $b_over" - "none: $(verdict "$g_lost <= 0 && $g_over == 0")"
  if [ -z "$cpu_row_done" ]; then
    g_cpu=$(value course_cpu_s <<<"$game"); b_cpu=$(value course_cpu_s <<<"$bare")
    g_pc=$(value course_cpu_percent <<<"$game"); b_pc=$(value course_cpu_percent <<<"$bare")
    row "CPU over a course, $platform: s (% of one core)" "$g_cpu ($g_pc %)" "$b_cpu ($b_pc %)" \
        "$(ratio "$g_cpu" "$b_cpu")" \
        "≤ 1.5× and < 5 %: $(verdict "$g_cpu <= 1.5 * $b_cpu && $g_pc < 5")"
    cpu_row_done=1
  fi
done

# A course while stress-ng keeps every CPU busy: the clock must make up for late wake-ups.
if command -v stress-ng >/dev/null 2>&1; then
  cpus=$(nproc)
  stress-ng --cpu "$cpus" --timeout 300s --quiet &
  load_pid=$!
  exit_trap_push "kill $load_pid 2>/dev/null; wait $load_pid 2>/dev/null"
  for n in 1 2 3; do
    game=$(run xcb 1 pace)
    w=$(value wall_s <<<"$game"); r=$(value wall_ratio <<<"$game")
    row "course under load (stress-ng --cpu $cpus), xcb, run $n: wall time, s (ideal 15.22)" \
        "$w (×$r)" - - "within 1 %: $(verdict "$r >= 0.99 && $r <= 1.01")"
  done
  kill "$load_pid"
  wait "$load_pid" 2>/dev/null || true
else
  row "course under load: stress-ng is not installed (scripts/install-deps.sh)" - - - -
fi

for platform in xcb offscreen; do
  for scale in 1 1.5 2; do
    game=$(run "$platform" "$scale" tick-cost)
    bare=$(run "$platform" "$scale" bare-tick-cost)
    for stat in median p99; do
      g=$(value "tick_us_$stat" <<<"$game"); b=$(value "tick_us_$stat" <<<"$bare")
      limit=150; [ "$stat" = p99 ] && limit=1000
      row "tick with repaint, $platform, ratio $scale: $stat, µs" "$g" "$b" "$(ratio "$g" "$b")" \
          "≤ $limit µs: $(verdict "$g <= $limit")"
    done
  done
done

for platform in xcb offscreen; do
  game=$(run "$platform" 1 spaced-tick-cost)
  bare=$(run "$platform" 1 bare-spaced-tick-cost)
  for stat in median p99; do
    g=$(value "tick_us_$stat" <<<"$game"); b=$(value "tick_us_$stat" <<<"$bare")
    row "tick with repaint, 10 ms apart, $platform, ratio 1: $stat, µs" "$g" "$b" \
        "$(ratio "$g" "$b")" -
  done
done

g_frames=(); b_frames=(); g_rss=(); b_rss=()
for _ in $(seq "$startup_runs"); do
  game=$(run xcb 1 startup); bare=$(run xcb 1 bare-startup)
  g_frames+=("$(value first_frame_ms <<<"$game")"); b_frames+=("$(value first_frame_ms <<<"$bare")")
  g_rss+=("$(value maxrss_kib <<<"$game")"); b_rss+=("$(value maxrss_kib <<<"$bare")")
done
g=$(printf '%s\n' "${g_frames[@]}" | median); b=$(printf '%s\n' "${b_frames[@]}" | median)
row "start-up to first frame, xcb, median of $startup_runs, ms" "$g" "$b" "$(ratio "$g" "$b")" \
    "≤ 1.3×: $(verdict "$g <= 1.3 * $b")"
g=$(printf '%s\n' "${g_rss[@]}" | median); b=$(printf '%s\n' "${b_rss[@]}" | median)
row "peak resident memory at first frame, xcb, KiB" "$g" "$b" "$(ratio "$g" "$b")" \
    "≤ 1.2×: $(verdict "$g <= 1.2 * $b")"

core=$("$build/bin/race_tick_bench" --benchmark_min_time=1 2>/dev/null |
       awk '$1 == "raceTick" { print $2 }')
row "race core alone, ns per tick" "$core" - - "< 50 ns: $(verdict "$core < 50")"

info=$(QT_QPA_PLATFORM=xcb "$harness" info)
cpu=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
echo
echo "machine: $cpu, $(nproc) cores; Qt $(value qt_version <<<"$info"); platform plugins xcb" \
     "(Xvfb 1280x1024x24) and offscreen; $(uname -sr)"

scripts/bench-web.sh
