#!/usr/bin/env bash
# Writes the soak run's host script to standard output (the host has no loops).
#   scripts/soak_script.sh HOST TICKS [CHARTS] [EDIT_ROUNDS]
# HOST: a native pirogram-host; its catalogue gives the actions to edit.
# The script: a warm-up of every part, then CHARTS (1000) charts created, drawn
# and deleted, 50 charts rolling for TICKS ticks, EDIT_ROUNDS (100) rounds of
# every action's editor ended by OK or Cancel in turn, and the shutdown message.
# "memory" lines mark the checkpoints; the second follows a warm-up that fills
# the process-long caches (fonts, glyphs) with everything the run draws.
set -euo pipefail
host=$1
ticks=$2
charts=${3:-1000}
rounds=${4:-100}
rollers=50
# "NAME COUNT" for each action (the catalogue's separator rows have id 0).
catalogue=$(mktemp)
trap 'rm -f "$catalogue"' EXIT
printf 'catalogue\n' >"$catalogue"
mapfile -t actions < <("$host" "$catalogue" |
  sed -n 's/^row [0-9]*: id=[1-9][0-9]* name=\([^ ]*\) .* count=\([0-9]*\)$/\1 \2/p')
[ ${#actions[@]} -gt 0 ] || { echo "soak_script: no actions from $host" >&2; exit 1; }

# A chart with a few slices and some styling, drawn once.
chart() {
  local r=$1 i=$2
  echo "pgChartCreate \"$r\""
  echo "pgAddSeriesChart \"$r\" \"$((i % 7 + 1))\" \"Доля $i\" \"\""
  echo "pgAddSeriesChart \"$r\" \"$((i % 5 + 2))\" \"Вторая\" \"0,0,255\""
  echo "pgAddSeriesChart \"$r\" \"3\" \"\" \"255,200,0\""
  echo "pgSetTitleChart \"$r\" \"Заголовок $i\" \"Arial|clRed|$((8 + i % 6))||204\" \"Center\""
  case $((i % 4)) in
    0) echo "pgChartGradient \"$r\" \"255,0,0\" \"0,0,255\" \"TopBottom\"" ;;
    1) echo "pgView3DPicture \"$r\" \"False\"" ;;
    2) echo "pgMarksVisible \"$r\" \"True\"" ;;
    3) echo "pgLegendVisible \"$r\" \"False\"" ;;
  esac
}

create_delete() {
  local n=$1 label=$2 i r
  for ((i = 1; i <= n; i++)); do
    r=C$((i % 10))
    echo "rect $r 160 120"
    chart "$r" "$i"
    echo "paint"
    echo "pgChartDelete \"$r\""
    if [ -n "$label" ] && ((i % (n / 4 > 0 ? n / 4 : 1) == 0)); then echo "memory $label-$i"; fi
  done
}

roll() {
  local n=$1 t=$2 label=$3 k step
  for ((k = 1; k <= n; k++)); do
    echo "rect R$k 200 150"
    chart "R$k" "$k"
    echo "pgChartRoll \"R$k\" \"True\" \"30\" \"$((k % 9 + 1))\""
  done
  # Four checkpoints along the ticks when they are named.
  local chunks=1
  [ -n "$label" ] && chunks=4
  for ((step = 1; step <= chunks; step++)); do
    echo "tick $(( t * step / chunks - t * (step - 1) / chunks ))"
    [ -n "$label" ] && echo "memory $label-$(( t * step / chunks ))"
  done
  # What a rolling chart (3D, gradient) shows at the end, to look at.
  [ -n "$label" ] && echo "save R4 $label.png"
  for ((k = 1; k <= n; k++)); do
    echo "pgChartRoll \"R$k\" \"False\" \"30\" \"10\""
    echo "pgChartDelete \"R$k\""
  done
  echo "paint"
}

# One editor run per action: OK and Cancel in turn, now and then a typed text
# first; the slots are filled in one round of three and null otherwise.
edit_round() {
  local round=$1 entry name count p args
  for entry in "${actions[@]}"; do
    name=${entry% *}
    count=${entry#* }
    args=""
    if ((round % 3 == 0)); then
      for ((p = 1; p <= count; p++)); do args+=" \"E$p\""; done
    fi
    ((round % 4 == 1)) && echo "dialog type 1 \"E$round\""
    if ((round % 2 == 0)); then echo "dialog ok"; else echo "dialog cancel"; fi
    echo "edit $name$args"
  done
}

edits() {
  local n=$1 label=$2 round
  echo "rect E1 200 150"
  echo "pgChartCreate \"E1\""
  for ((round = 1; round <= n; round++)); do
    edit_round "$round"
    if [ -n "$label" ] && ((round % (n / 4 > 0 ? n / 4 : 1) == 0)); then echo "memory $label-$round"; fi
  done
  echo "pgChartDelete \"E1\""
}

echo "# Soak run: $charts charts, $rollers rolling for $ticks ticks, $rounds editor rounds."
echo "memory start"
create_delete 60 ""
roll "$rollers" 20 ""
edits 12 ""
echo "memory warm"
create_delete "$charts" create
roll "$rollers" "$ticks" roll
edits "$rounds" edit
echo "message 2"
echo "memory end"
