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
# No core source may include a widget header.
coeur=$(grep -rlE '#include <(QtWidgets/|QWidget|QDialog|QMainWindow|QApplication|QMessageBox|QPrinter)' src \
  --include='*.cpp' --include='*.h' | while read -r f; do
    base=$(basename "$f"); dir=$(dirname "$f")
    grep -qE "^\s*${base%.*}\.cpp" "$dir/CMakeLists.txt" 2>/dev/null && \
      awk '/target_sources\(kaptori_ui/{ui=1} /target_sources\(kaptori_[a-z]+ /&&!/kaptori_ui/{ui=0} {print ui" "$0}' "$dir/CMakeLists.txt" \
      | grep -qE "^0 +${base%.*}\.cpp" && echo "$f"
  done || true)
if [ -n "$coeur" ]; then
  echo "ERREUR : fichiers du cœur qui incluent Qt Widgets :"; echo "$coeur"; exit 1
fi
echo "Cœur sans Qt Widgets : vérifié."
