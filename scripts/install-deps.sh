#!/usr/bin/env bash
# Installs, quietly and only when something is missing, every Debian 12 package
# needed to build, test and run Kaptori.
set -euo pipefail

PAQUETS=(
  cmake ninja-build g++ ccache pkg-config make
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-image-formats-plugins
  qt6-qpa-plugins libgl-dev qt6-translations-l10n
  libpng-dev libjpeg-dev libjpeg-turbo-progs libgif-dev libtiff-dev libimagequant-dev
  libsane-dev libsane1 libsane-common libdeflate-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-dejavu-core fonts-liberation poppler-utils
  clang libclang-rt-14-dev
  dpkg-dev file desktop-file-utils appstream
)

# `install-deps.sh --bench`: also the references the benchmarks compare with.
if [ "${1:-}" = "--bench" ]; then
  PAQUETS+=(libopencv-dev)
fi

manquants=()
for p in "${PAQUETS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installation de : ${manquants[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${manquants[@]}" >/dev/null
