#!/usr/bin/env bash
# Checks the Debian package without installing it: unpacked into a scratch folder, never
# into the system.
# Usage: check-package.sh CHECK BUILD_DIR VERSION APP_ID PROGRAM...
#   Contents      the files and the dependencies the package declares (VELM_PYTHON_MODULE
#                 names the Python module's file)
#   Lintian       Debian's package checker finds no error
#   DesktopEntry  desktop-file-validate passes, and the entry's program and icon are shipped
#   MetaInfo      appstreamcli validates the description, alone and against the entry
#   Programs      every program answers --help (in each language, with a man page in each) and
#                 --version from the unpacked package, and
#                 velmorantes-calc computes AIRE at 300 K and 101.3 kPa as the build's does
#   MenuEntry     the entry's Exec line, under Xvfb, keeps the tables in the user's data folder
set -u
check=$1 build=$2 version=$3 app_id=$4
shift 4
programs=("$@")

debs=("$build"/velmorantes_"$version"_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "no single package velmorantes_${version}_*.deb in $build"; exit 1; }
deb=${debs[0]}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
root=$WORK/root
dpkg-deb -x "$deb" "$root" || exit 1
desktop=$root/usr/share/applications/$app_id.desktop
fail() { echo "FAIL: $*"; exit 1; }

case $check in
Contents)
  expected=(
    "usr/share/applications/$app_id.desktop"
    "usr/share/metainfo/$app_id.metainfo.xml"
    usr/share/icons/hicolor/scalable/apps/velmorantes.svg
    usr/share/doc/velmorantes/copyright
    usr/share/doc/velmorantes/changelog.gz
    usr/share/velmorantes/translations/velmorantes_en.qm
    usr/share/velmorantes/manual/manual.es.html
    usr/share/velmorantes/manual/manual.en.html
  )
  for p in "${programs[@]}"; do
    expected+=("usr/bin/$p" "usr/share/man/man1/$p.1.gz" "usr/share/man/es/man1/$p.1.gz")
  done
  # The Python module (VELM_PYTHON_MODULE, its file name) and its stub.
  expected+=("usr/lib/python3/dist-packages/${VELM_PYTHON_MODULE:?names the Python module}"
             usr/lib/python3/dist-packages/velmorantes.pyi)
  # Every file listed, and no other (a stray install rule would ship headers or libraries).
  dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort > "$WORK/shipped"
  printf '%s\n' "${expected[@]}" | sort > "$WORK/expected"
  diff -u "$WORK/expected" "$WORK/shipped" || fail "the package's files differ from the expected ones (- missing, + unexpected)"
  depends=$(dpkg-deb -f "$deb" Depends)
  echo "Depends: $depends"
  for d in libqt6sql6-sqlite qt6-qpa-plugins qt6-translations-l10n fonts-comic-neue fonts-dejavu-core libqt6widgets6 python3 python3-numpy; do
    [[ ", $depends," == *", $d"[\ ,]* ]] || fail "Depends lacks $d"
  done
  echo "every expected file shipped, nothing else; size $(stat -c %s "$deb") bytes"
  ;;
Lintian)
  # Errors fail; warnings and informational tags are shown for the reader.
  lintian --display-info --fail-on error "$deb" 2>&1 | grep -v 'running with root privileges'
  status=${PIPESTATUS[0]}
  [ "$status" -eq 0 ] || fail "lintian reports errors"
  echo "lintian: no errors"
  ;;
DesktopEntry)
  desktop-file-validate "$desktop" || fail "desktop-file-validate"
  exec_line=$(sed -n 's/^Exec=//p' "$desktop")
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  [ -x "$root/usr/bin/${exec_line%% *}" ] || fail "Exec=$exec_line names no program of the package"
  [ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon=$icon is not shipped"
  echo "desktop entry valid; Exec=$exec_line; Icon=$icon"
  ;;
MetaInfo)
  appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"
  appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"
  ;;
Programs)
  for p in "${programs[@]}"; do
    "$root/usr/bin/$p" --help > "$WORK/help" || fail "$p --help"
    grep -q "$p" "$WORK/help" || fail "$p --help does not name the program"
    [ "$("$root/usr/bin/$p" --version)" = "$p $version" ] || fail "$p --version is not '$p $version'"
    # The installed translation is found beside the program.
    "$root/usr/bin/$p" --language en --help | grep -q "^Usage: $p" || fail "$p --language en --help is not English"
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C "$root/usr/bin/$p" --help | grep -q "^Modo de empleo: $p" || fail "$p --help under LANG=C is not Spanish"
    zcat "$root/usr/share/man/es/man1/$p.1.gz" | grep -q '^\.SH SINOPSIS' || fail "the Spanish man page of $p has no SINOPSIS"
    zcat "$root/usr/share/man/man1/$p.1.gz" | grep -q '^\.SH SYNOPSIS' || fail "the English man page of $p has no SYNOPSIS"
  done
  air=(--family GASES --fluid AIRE --temp 300 --pressure 101.3)
  mkdir "$WORK/packaged" "$WORK/built"
  "$root/usr/bin/velmorantes-calc" "${air[@]}" --db-dir "$WORK/packaged" > "$WORK/packaged.txt" || fail "the packaged velmorantes-calc"
  "$build/cli/velmorantes-calc" "${air[@]}" --db-dir "$WORK/built" > "$WORK/built.txt" || fail "the built velmorantes-calc"
  cat "$WORK/packaged.txt"
  [ "$(wc -l < "$WORK/packaged.txt")" -eq 2 ] || fail "not a heading and one values line"
  cmp "$WORK/packaged.txt" "$WORK/built.txt" || fail "the packaged calculator differs from the built one"
  ;;
MenuEntry)
  # The Exec line is run as a launcher runs it (split at blanks, no shell: the line holds no
  # quotes), with the package's programs first on the path, from a folder where no table may
  # appear.
  read -r -a command <<< "$(sed -n 's/^Exec=//p' "$desktop")"
  export XDG_DATA_HOME=$WORK/data
  mkdir "$WORK/start"
  printf '#!/usr/bin/env bash\nexport PATH=%q/usr/bin:"$PATH"\nexec' "$root" > "$WORK/launch"
  printf ' %q' "${command[@]}" >> "$WORK/launch"
  chmod +x "$WORK/launch"
  APP=$WORK/launch
  . "$(dirname "$0")/../e2e/drive.sh"
  WORK_ALL=$WORK
  WORK=$WORK/start
  trap 'stop_all; rm -rf "$WORK_ALL"' EXIT
  start_display
  start_program || exit 1
  press alt+v alt+g         # the gas list: the gas tables are opened, so seeded
  for _ in $(seq 50); do
    [ -s "$XDG_DATA_HOME/velmorantes/GASES.mdb" ] && break
    sleep 0.1
  done
  ls -la "$XDG_DATA_HOME/velmorantes"
  [ -s "$XDG_DATA_HOME/velmorantes/GASES.mdb" ] || { cat "$WORK/app.log"; fail "no GASES.mdb in the data folder"; }
  [ "$(stat -c %a "$XDG_DATA_HOME/velmorantes")" = 700 ] || fail "the data folder is not private"
  [ ! -e "$WORK/GASES.mdb" ] || fail "GASES.mdb was made in the starting folder"
  echo "the menu entry keeps the tables in \$XDG_DATA_HOME/velmorantes"
  ;;
*)
  fail "unknown check $check"
  ;;
esac
