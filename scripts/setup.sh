#!/bin/sh
# Installs what CORPIMETRO needs to build and test on Debian 12.
set -e
packages="g++ cmake ninja-build qt6-base-dev qt6-svg-dev libgl-dev qt6-translations-l10n fonts-dejavu-core"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    if [ "$(id -u)" = "0" ]; then as_root=""; else as_root="sudo"; fi
    export DEBIAN_FRONTEND=noninteractive
    $as_root apt-get update
    $as_root apt-get install -y --no-install-recommends $missing
fi
