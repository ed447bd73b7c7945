#!/usr/bin/env bash
# Before and after a change to the engine or the calculator: runs the same sweeps over every
# fluid through two velmorantes-calc programs and compares their standard output, standard
# error, both together (their interleaving), exit status and --output file, byte for byte.
# Usage: scripts/compare-calc.sh OLD_CALC NEW_CALC      (needs sqlite3)
set -u
OLD=$1 NEW=$2
W=$(mktemp -d)
trap 'rm -rf "$W"' EXIT

# Database files seeded with the shipped tables (a built-in fluid outside its range opens
# them), plus stored tables with repeated temperatures, one temperature only, fractional ends.
seed() {
  local d=$1 bin=$2 f cols n
  mkdir -p "$d"
  "$bin" --family GASES --fluid AIRE --temp 50 --pressure 101.3 --db-dir "$d" >/dev/null 2>&1
  "$bin" --family LIQUIDOS --fluid AGUA --temp 50 --db-dir "$d" >/dev/null 2>&1
  for f in GASES LIQUIDOS; do
    cols='"TEMP" REAL, "DEN" REAL, "CP" REAL, "MIU" REAL, "UN" REAL, "K" REAL, "ALFA" REAL, "PR" REAL'
    n=8; [ $f = LIQUIDOS ] && { cols="$cols"', "BETA" REAL'; n=9; }
    v() { local s=$1 i; for i in $(seq 2 $n); do s="$s,$2"; done; echo "$s"; }
    sqlite3 "$d/$f.mdb" "
      CREATE TABLE \"MI TABLA\" ($cols) STRICT;
      INSERT INTO \"MI TABLA\" VALUES ($(v 350 6)),($(v 300 4)),($(v 400 7)),($(v 400 7.5)),($(v 300 4.25)),
        ($(v 350 6)),($(v 325.5 5)),($(v 450 7.25)),($(v 450 7.75));
      CREATE TABLE \"UNO\" ($cols) STRICT; INSERT INTO \"UNO\" VALUES ($(v 300 4)),($(v 300 5));
      CREATE TABLE \"FRACCION\" ($cols) STRICT;
      INSERT INTO \"FRACCION\" VALUES ($(v 273.15 1)),($(v 300 2)),($(v 373.15 3));"
  done
}
seed "$W/old" "$OLD"
seed "$W/new" "$NEW"
# One folder for both programs, whose messages name it: its file is never written to.
mkdir -p "$W/junk"
echo "not a database" > "$W/junk/GASES.mdb"

cases=()
add() { cases+=("$*"); }
for fl in AIRE AMONIACO CO CO2 HELIO HIDROGENO NITROGENO OXIGENO VAPOR "MI TABLA" UNO FRACCION; do
  add "--family GASES --fluid '$fl' --sweep 50:3200:7.5 --pressure 101.3"
  add "--family GASES --fluid '$fl' --sweep -300:1000:13 --scale C --pressure 30 --units SI"
  add "--family GASES --fluid '$fl' --sweep -100:2000:21 --units INGLES --pressure 14.696"
  add "--family GASES --fluid '$fl' --sweep 1000:200:-50 --pressure 202.6"
done
for fl in ACEITE AGUA AMONIACO CO2 FREON12 GLICERINA GLICOL MERCURIO SO2 "MI TABLA" UNO FRACCION; do
  add "--family LIQUIDOS --fluid '$fl' --sweep 150:700:2.5"
  add "--family LIQUIDOS --fluid '$fl' --sweep -300:400:3.5 --scale ºC"
  add "--family LIQUIDOS --fluid '$fl' --sweep -100:700:4 --units INGLES"
  add "--family LIQUIDOS --fluid '$fl' --temp 300"
done
add "--family GASES --fluid AIRE --sweep 50:500:50 --pressure 0"
add "--family GASES --fluid NADA --sweep 300:500:50 --pressure 10"
add "--family GASES --fluid AIRE --sweep 2900:3100:50 --pressure 10 @junk"
add "--family LIQUIDOS --fluid 'MI TABLA' --temp 325.5"
add "--family LIQUIDOS --fluid 'MI TABLA' --temp abc"
add "--family GASES --fluid AIRE --sweep 1:2:x --pressure 1"
add "--family GASES --fluid AIRE --temp 300 --pressure -1"
add "--family GASES --fluid AIRE --temp 300 --pressure 1e-320"
add "LANG=es_ES.UTF-8 --family LIQUIDOS --fluid FRACCION --sweep 100,5:500:2,5"
add "LANG=es_ES.UTF-8 --family GASES --fluid FRACCION --sweep 100:500:25 --pressure 101,3"
# The exports, and every message in English as well.
for fmt in csv tsv results; do
  add "--family GASES --fluid AIRE --sweep 50:3200:7.5 --pressure 101.3 --format $fmt"
  add "LANG=es_ES.UTF-8 --family LIQUIDOS --fluid 'MI TABLA' --sweep 200:500:0,5 --format $fmt"
  add "--language en --family LIQUIDOS --fluid AGUA --sweep 150:700:2.5 --units INGLES --format $fmt"
done
for c in "${cases[@]}"; do
  case $c in LANG=*|--language*) ;; *) add "--language en $c" ;; esac
done
# Convection (no results file): every case, the derivation and the CSV, sweeps, refusals.
conv() { add "@noout $*"; add "@noout --language en $*"; add "@noout $* --format csv"; }
for fam in "GASES --fluid AIRE --pressure 101.3" "LIQUIDOS --fluid AGUA" "LIQUIDOS --fluid 'MI TABLA'"; do
  conv "--family $fam --convection flat-plate --surface-temp 350 --fluid-temp 300 --length 0.5 --velocity 3"
  conv "--family $fam --convection cylinder --surface-temp 400 --fluid-temp 300 --diameter 0.0127 --velocity 10"
  conv "--family $fam --convection sphere --surface-temp 250 --fluid-temp 300 --diameter 0.01 --velocity 2"
  conv "--family $fam --convection tube --surface-temp 350 --fluid-temp 300 --diameter 0.02 --velocity 0.05 --tube-condition flux"
  conv "--family $fam --convection tube --surface-temp 350 --fluid-temp 300 --diameter 0.02 --velocity 5 --correlation dittus-boelter"
  conv "--family $fam --convection vertical-plate --surface-temp 350 --fluid-temp 300 --length 0.3"
  conv "--family $fam --convection horizontal-cylinder --surface-temp 250 --fluid-temp 300 --diameter 0.1"
  conv "--family $fam --convection sphere-free --surface-temp 500 --fluid-temp 300 --diameter 2"
  conv "--family $fam --convection horizontal-plate-up --surface-temp 350 --fluid-temp 300 --area 2 --perimeter 6"
  conv "--family $fam --convection horizontal-plate-down --surface-temp 350 --fluid-temp 300 --length 3"
  conv "--family $fam --convection cylinder --surface-temp 400 --fluid-temp 300 --diameter 0.01 --vary velocity --sweep 0.1:50:0.7"
  conv "--family $fam --convection vertical-plate --surface-temp 350 --fluid-temp 20 --length 0.3 --scale ºC"
  conv "--family $fam --convection sphere --surface-temp 3200 --fluid-temp 3100 --diameter 0.01 --vary surface-temp --sweep 3000:3300:10"
  conv "--family $fam --units INGLES --convection flat-plate --surface-temp 150 --fluid-temp 70 --length 2 --vary length --sweep 0.5:20:0.5"
done
conv "--family GASES --fluid AIRE --pressure 101.3 --convection flat-plate --surface-temp x --fluid-temp 300 --length 0.5 --velocity 3"
conv "--family GASES --fluid AIRE --pressure 0 --convection flat-plate --surface-temp 350 --fluid-temp 300 --length 0.5 --velocity 3"
conv "--family GASES --fluid AIRE --pressure 101.3 --convection flat-plate --surface-temp 350 --fluid-temp 300 --length 0 --velocity 3"
conv "--family GASES --fluid AIRE --pressure 101.3 --convection flat-plate --surface-temp 350 --fluid-temp 300 --length 1 --vary velocity --sweep x:2:1"
conv "LANG=es_ES.UTF-8 --family LIQUIDOS --fluid FRACCION --convection cylinder --surface-temp 500 --fluid-temp 450 --diameter 0,01 --velocity 1"

fail=0 i=0
for c in "${cases[@]}"; do
  i=$((i+1))
  for side in old new; do
    bin=$OLD; [ $side = new ] && bin=$NEW
    d="$W/$side" args=$c envs="" output=yes
    case $args in *@junk*) d="$W/junk"; args=${args/@junk/} ;; esac
    case $args in @noout*) output=""; args=${args#@noout } ;; esac
    case $args in LANG=*) envs=${args%% *}; args=${args#* } ;; esac
    rm -f "$W/$side/out.txt"
    if [ -n "$output" ]; then
      eval "env $envs \"$bin\" $args --db-dir \"$d\" --output \"$W/$side/out.txt\"" >"$W/$side/stdout" 2>"$W/$side/stderr"
    else
      eval "env $envs \"$bin\" $args --db-dir \"$d\"" >"$W/$side/stdout" 2>"$W/$side/stderr"
    fi
    echo $? >"$W/$side/status"
    [ -f "$W/$side/out.txt" ] || : >"$W/$side/out.txt"
    eval "env $envs \"$bin\" $args --db-dir \"$d\"" >"$W/$side/both" 2>&1
  done
  for f in stdout stderr status out.txt both; do
    cmp -s "$W/old/$f" "$W/new/$f" || { echo "DIFFERS ($f): $c"; fail=1; }
  done
  echo "$i: $(wc -l <"$W/new/stdout") lines, $(wc -l <"$W/new/stderr") messages, exit $(cat "$W/new/status"): $c"
done
[ $fail = 0 ] && echo "ALL THE SAME ($i cases)"
exit $fail
