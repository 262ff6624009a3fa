#!/usr/bin/env bash
# The command-line program and the core must never pull in Qt Widgets.
set -euo pipefail
dossier=${1:-build/asan}
cli="$dossier/src/app/cli/kaptori-cli"
[ -x "$cli" ] || { echo "kaptori-cli absent de $dossier"; exit 1; }
if ldd "$cli" | grep -qE 'libQt6(Widgets|PrintSupport)'; then
  echo "ERREUR : kaptori-cli est lié à Qt Widgets ; le cœur doit rester sans fenêtre."
  exit 1
fi
# No source of a core library (and no header beside it) may include a widget header.
fautifs=""
while IFS= read -r ligne; do
  rep=${ligne%%: *}
  for s in ${ligne#*: }; do
    s=${s%,}
    case "$s" in /*) f=$s ;; *) f="$rep/$s" ;; esac
    case "$f" in *_autogen*) continue ;; esac
    for g in "$f" "${f%.*}.h"; do
      [ -f "$g" ] && grep -qE '#include *<(QtWidgets|QtPrintSupport)/|#include *<Q(Widget|Dialog|MainWindow|Application|MessageBox|Printer)>' "$g" \
        && fautifs+="$g"$'\n'
    done
  done
done < "$dossier/sources_coeur.txt"
if [ -n "$fautifs" ]; then
  echo "ERREUR : fichiers du cœur qui incluent Qt Widgets :"; printf '%s' "$fautifs"; exit 1
fi
echo "Cœur sans Qt Widgets : vérifié."
