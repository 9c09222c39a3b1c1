#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Voriel 2000 need.
set -euo pipefail
packages=(
  build-essential cmake g++ clang clang-format libclang-rt-14-dev git
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  nlohmann-json3-dev libcli11-dev
  python3 python3-ezdxf locales
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev libgl-dev xvfb xauth poppler-utils fonts-dejavu-core
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
