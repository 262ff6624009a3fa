#!/usr/bin/env bash
# The Debian package, checked without installing it: CPack builds it from a
# build folder, its file list must be packaging/fichiers-paquet.txt exactly,
# and the desktop entry, the AppStream data and the file types must agree
# and pass their validators.
# Usage: check-package.sh [BUILD_DIR] (a build folder whose targets are built).
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
dossier=$(cd "${1:-build/asan}" && pwd)
erreur=0

rm -f "$dossier"/kaptori_*.deb
if ! (cd "$dossier" && cpack -G DEB >"$dossier/cpack.log" 2>&1); then
  cat "$dossier/cpack.log"
  exit 1
fi
paquets=("$dossier"/kaptori_*_amd64.deb)
if [ ${#paquets[@]} -ne 1 ] || [ ! -f "${paquets[0]}" ]; then
  echo "ERREUR : CPack n'a pas produit un paquet kaptori_<version>_amd64.deb dans $dossier"
  exit 1
fi
paquet=${paquets[0]}
rm -rf "$dossier/_CPack_Packages" "$dossier/cpack.log"   # the staged copy, no longer needed

# Files only, folders left out, as /usr/...
liste=$(dpkg-deb --fsys-tarfile "$paquet" | tar -t | grep -v '/$' | sed 's|^\./|/|' | LC_ALL=C sort)
if ! diff -u <(LC_ALL=C sort "$racine/packaging/fichiers-paquet.txt") <(echo "$liste"); then
  echo "ERREUR : les fichiers du paquet ne sont pas ceux de packaging/fichiers-paquet.txt (- attendu, + trouvé)"
  erreur=1
fi
dependances=$(dpkg-deb -f "$paquet" Depends)
# Those added by hand, and one that only dpkg-shlibdeps finds.
for d in qt6-translations-l10n fonts-liberation libqt6widgets6; do
  if ! grep -q "$d" <<<"$dependances"; then
    echo "ERREUR : le paquet ne dépend pas de $d (Depends: $dependances)"
    erreur=1
  fi
done

# Every file type the package defines opens with Kaptori.
types_mime=$(grep -o '<mime-type type="[^"]*"' "$racine/packaging/kaptori-mime.xml" | cut -d'"' -f2)
types_bureau=$(sed -n 's/^MimeType=//p' "$racine/packaging/kaptori.desktop" | tr ';' '\n')
for t in $types_mime; do
  if ! grep -qx "$t" <<<"$types_bureau"; then
    echo "ERREUR : le type $t n'est pas dans le MimeType= de kaptori.desktop"
    erreur=1
  fi
done
if command -v xmllint >/dev/null; then
  xmllint --noout "$racine/packaging/kaptori-mime.xml" || erreur=1
fi
desktop-file-validate --no-hints "$racine/packaging/kaptori.desktop" || erreur=1
appstreamcli validate --no-net --pedantic "$racine/packaging/kaptori.metainfo.xml" >/dev/null || {
  appstreamcli validate --no-net --pedantic "$racine/packaging/kaptori.metainfo.xml"
  erreur=1
}

[ $erreur -eq 0 ] && echo "Paquet vérifié : $(basename "$paquet"), $(wc -l <<<"$liste") fichiers"
exit $erreur
