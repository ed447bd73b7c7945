#!/usr/bin/env bash
# Fails when an include runs upward: each folder may include only from the folders below it
# (and from itself), includes of the project are written from the repository's root, nothing
# below the screens includes a widget, chart or other drawing header, and the core and its
# text layer (correlation, engine, convection, i18n) and the web page's bindings over them
# (web) include no Qt header at all.
# Usage: check-layers.sh [REPOSITORY_ROOT]
set -u
cd "${1:-$(dirname "$0")/..}" || exit 2

# folder: the folders its files may include from, besides its own
core="correlation engine convection i18n"
declare -A allowed=(
  [correlation]=""
  [engine]="correlation"
  [convection]="correlation engine"
  [i18n]="correlation engine convection"
  [i18n/qt]="$core"
  [store]="$core i18n/qt"
  [legacy]="$core i18n/qt store"
  [plot]="$core i18n/qt store"
  [ui/toolkit]="$core i18n/qt store"
  [ui]="$core i18n/qt store legacy plot ui/toolkit"
  [cli]="$core i18n/qt store legacy plot"
  [app]="$core i18n/qt store legacy plot ui ui/toolkit"
  [python]="$core i18n/qt store"
  [web]="$core"
  [tools]="correlation"
)
below_screens=" correlation engine convection i18n i18n/qt store legacy python "
plain=" $core web "
# The project's folders an include may name, each subfolder before its parent.
project_dirs=(ui/toolkit i18n/qt i18n correlation engine store legacy plot convection ui cli python web app tools tests bench)
qt_roots=(/usr/include/*/qt6 /usr/include/qt6)

layer_of() {
  local d
  for d in "${project_dirs[@]}"; do
    [[ $1 == "$d"/* ]] && { REPLY=$d; return; }
  done
  REPLY=""
}

declare -A drawing=()
is_drawing_header() {
  local h=$1 root m
  if [[ -z ${drawing[$h]+x} ]]; then
    drawing[$h]=0
    [[ $h == Qt@(Gui|Widgets|Charts|Svg|SvgWidgets|PrintSupport)/* ]] && drawing[$h]=1
    for root in "${qt_roots[@]}"; do
      for m in QtGui QtWidgets QtCharts QtSvg QtSvgWidgets QtPrintSupport; do
        [[ -e $root/$m/$h ]] && drawing[$h]=1
      done
    done
  fi
  [[ ${drawing[$h]} == 1 ]]
}

shopt -s extglob
quoted='^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)"'
angled='^[[:space:]]*#[[:space:]]*include[[:space:]]*<([^>]+)>'
bad=0
dirs=()
for d in i18n correlation engine store legacy plot convection ui cli python web app tools; do [[ -d $d ]] && dirs+=("$d"); done
while IFS= read -r hit; do
  file=${hit%%:*}
  line=${hit#*:}
  layer_of "$file"; from=$REPLY
  [[ -n ${allowed[$from]+x} ]] || continue
  if [[ $line =~ $quoted ]]; then
    target=${BASH_REMATCH[1]}
    layer_of "$target"; to=$REPLY
    if [[ -z $to ]]; then
      echo "$file: \"$target\" is not written from the repository's root"; bad=1
    elif [[ $to != "$from" && " ${allowed[$from]} " != *" $to "* ]]; then
      echo "$file: $from may not include $target"; bad=1
    fi
  elif [[ $line =~ $angled ]]; then
    header=${BASH_REMATCH[1]}
    if [[ $plain == *" $from "* && $header == Q* ]]; then
      echo "$file: $from is plain C++ and may not include <$header>"; bad=1
    elif [[ $below_screens == *" $from "* ]] && is_drawing_header "$header"; then
      echo "$file: $from lies below the screens and may not include <$header>"; bad=1
    fi
  fi
done < <(grep -rHE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include' "${dirs[@]}")

[[ $bad == 0 ]] && echo "every include runs downward"
exit $bad
