#!/usr/bin/env bash
# Runs every libFuzzer target for SECONDS seconds each, starting from its
# seed corpus (fuzz/corpus/<target>/, copied to a working folder so that the
# inputs found stay out of the tree). Stops at the first target that reports.
# Usage: fuzz-run.sh [SECONDS] [BUILD_DIR]
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
duree=${1:-60}
dossier=${2:-$racine/build/fuzz}
travail="$dossier/corpus"
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$racine/fuzz/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1"

cibles=$(find "$dossier/fuzz" -maxdepth 1 -type f -name 'fuzz_*' -perm -u+x | sort)
[ -n "$cibles" ] || { echo "Aucune cible de fuzzing dans $dossier/fuzz (lancer make fuzz)"; exit 1; }
for cible in $cibles; do
  nom=$(basename "$cible")
  mkdir -p "$travail/$nom"
  graines=()
  [ -d "$racine/fuzz/corpus/$nom" ] && graines+=("$racine/fuzz/corpus/$nom")
  echo "== $nom ($duree s)"
  (cd "$travail" && "$cible" -max_total_time="$duree" -timeout=30 -rss_limit_mb=4096 \
      -print_final_stats=1 "$travail/$nom" "${graines[@]}" > "$travail/$nom.log" 2>&1) || {
    echo "ERREUR : $nom a signalé une faute ; voir $travail/$nom.log"
    tail -40 "$travail/$nom.log"
    exit 1
  }
  grep -E '^stat::number_of_executed_units' "$travail/$nom.log" || true
done
echo "Toutes les cibles ont tourné $duree s sans faute."
