#!/usr/bin/env bash
# Drives the real program under Xvfb with the keyboard's access keys: AIRE at 300 K and
# 101.3 kPa, shown and saved to a results file. Sourced by the end-to-end test and by the
# screenshot script; needs APP (the program) and WORK (a scratch folder, the program's
# starting folder) set, and leaves DISPLAY and APP_PID set for the caller.

start_display() {
  exec 5> "$WORK/display"
  Xvfb -displayfd 5 -screen 0 1280x900x24 -nolisten tcp > "$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$WORK/display" ] && break
    sleep 0.1
  done
  DISPLAY=":$(head -n1 "$WORK/display")"
  export DISPLAY
}

stop_all() {
  [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null || true
}

# Keys pressed one at a time, each given time to take effect (access keys click ~100 ms late).
press() {
  for k in "$@"; do
    xdotool key --clearmodifiers "$k"
    sleep "${KEY_PAUSE:-0.5}"
  done
}

typed() {
  xdotool type --delay 60 "$1"
  sleep 0.3
}

start_program() {
  case "$APP" in /*) ;; *) APP="$PWD/$APP" ;; esac
  # On the X display, with Qt's own file dialog whatever desktop the machine would suggest,
  # in Spanish (the access keys below are the Spanish ones) unless the arguments say otherwise.
  (cd "$WORK" && exec env -u XDG_CURRENT_DESKTOP -u QT_QPA_PLATFORM -u LANGUAGE -u LC_ALL -u LC_MESSAGES \
     LANG=C.UTF-8 QT_QPA_PLATFORMTHEME= "$APP" "$@") > "$WORK/app.log" 2>&1 &
  APP_PID=$!
  local win=""
  for _ in $(seq 300); do
    win=$(xdotool search --onlyvisible --name 'VELMORANTES' 2>/dev/null | head -n1 || true)
    [ -n "$win" ] && break
    sleep 0.1
  done
  [ -n "$win" ] || { echo "the main window never appeared"; cat "$WORK/app.log"; return 1; }
  xdotool windowfocus --sync "$win"
  sleep 0.5
}

show_air_results() {
  press alt+v                 # Velmorantes: the family screen
  press alt+g                 # &GASES: the gas tables, the list focused
  press Down                  # AIRE, the first table, chosen with the arrow key
  typed 300
  press alt+a                 # &ACEPTAR
  typed 101.3
  press alt+c                 # A&CEPTAR
  press "${1:-alt+m}"         # &MOSTRAR VELMORANTES (in English &SHOW PROPERTIES, alt+s)
}

# The tables-and-plots screen: ACEITE from 265 K to 450 K, its viscosity on a log axis.
show_oil_plot() {
  press alt+b                 # Ta&blas y gráficas: the range's first box focused
  press shift+Tab shift+Tab shift+Tab shift+Tab
  press Down                  # FAMILIA: LIQUIDOS, whose first fluid is ACEITE
  press Tab Tab Tab Tab       # past FLUIDO, UNIDADES and ESCALA to DESDE
  typed 265; press Tab
  typed 450; press Tab
  typed 1
  press alt+r                 # CALCULA&R
  press Tab Tab               # past CALCULAR to the property shown
  press Down Down             # D, Cp, V.AB.
  press alt+i                 # ESCALA LOGAR&ITMICA
}

save_results_to() {
  press ${2:-alt+a g}         # &Archivo, &Guardar (in English &File, &Save: alt+f s)
  typed "$1"
  press Return
}
