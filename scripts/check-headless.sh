#!/usr/bin/env bash
# The core must never pull in Qt Widgets. Checked three ways:
#  - kaptori-cli is not linked to Qt Widgets or Qt PrintSupport;
#  - no source outside a ui/ folder includes a widget header, or a header of
#    a ui/ folder;
#  - the shared helpers (commun/) include no subsystem, and the subsystems
#    under the frame include nothing of app/.
# Usage: check-headless.sh [BUILD_DIR] (the binary check is skipped when
# the build folder has no kaptori-cli).
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
dossier=${1:-build/asan}
erreur=0

cli="$dossier/src/app/cli/kaptori-cli"
if [ -x "$cli" ]; then
  if ldd "$cli" | grep -qE 'libQt6(Widgets|PrintSupport)'; then
    echo "ERREUR : kaptori-cli est lié à Qt Widgets ; le cœur doit rester sans fenêtre."
    erreur=1
  fi
fi

# Names of every widget header: those of the QtWidgets and QtPrintSupport
# include folders, whatever Qt's installation prefix.
qt_inc=$(qmake6 -query QT_INSTALL_HEADERS 2>/dev/null || true)
[ -d "$qt_inc/QtWidgets" ] || qt_inc=/usr/include/x86_64-linux-gnu/qt6
noms=$( (ls "$qt_inc/QtWidgets" "$qt_inc/QtPrintSupport" 2>/dev/null || true) | grep -E '^Q[A-Za-z]+$' | sort -u | paste -sd'|')
[ -n "$noms" ] || noms='QWidget|QDialog|QMainWindow|QApplication|QMessageBox|QPrinter'
motif="#include *<((QtWidgets|QtPrintSupport)/[^>]*|($noms))>|#include *\"[a-z_]+/(ui|[a-z_]+/ui)/"

cd "$racine/src"
fautifs=$(find . -path '*/ui' -prune -o -type f \( -name '*.h' -o -name '*.cpp' \) -print \
  | sed 's#^\./##' | sort | xargs grep -lE "$motif" || true)
if [ -n "$fautifs" ]; then
  echo "ERREUR : fichiers hors d'un dossier ui/ qui incluent Qt Widgets ou une fenêtre :"
  echo "$fautifs"
  erreur=1
fi

montants=$(
  grep -rlE '#include *"(app|calibration|drawing|document|measure|plot|table|processing|animation|schema)/' commun || true
  grep -rlE '#include *"app/' calibration drawing document measure plot table processing animation schema || true
)
if [ -n "$montants" ]; then
  echo "ERREUR : inclusions vers le haut (commun/ vers un sous-système, un sous-système vers app/) :"
  echo "$montants"
  erreur=1
fi

[ $erreur -eq 0 ] && echo "Cœur sans Qt Widgets : vérifié."
exit $erreur
