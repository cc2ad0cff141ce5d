#!/bin/sh
# Installs what CORPIMETRO needs to build, test and package on Debian 12, only
# what is missing: the build tools, Qt 6, the Italian (and German, English)
# locales the suite runs under, the checkers of the desktop entry and AppStream
# metainfo, dpkg-shlibdeps for the Debian package, clang with libFuzzer,
# clang-format (the sources' layout is checked), nlohmann-json (header-only;
# the core reads and writes JSON with it), and poppler-utils, with which the web edition's tests read the page printed to PDF;
# for the web edition, emscripten (its compiler needs node-acorn, found through
# NODE_PATH=/usr/share/nodejs, which the `web` presets set), nodejs and chromium.
set -e
if [ "$(id -u)" = "0" ]; then as_root=""; else as_root="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
apt_install() {
    # sudo drops the environment; pass the non-interactive front end through.
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get update
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$@"
}

packages="g++ cmake ninja-build qt6-base-dev qt6-svg-dev libgl-dev zlib1g-dev qt6-translations-l10n fonts-dejavu-core fonts-dejavu-extra locales
    desktop-file-utils appstream dpkg-dev file clang clang-format libclang-rt-14-dev nlohmann-json3-dev poppler-utils
    emscripten node-acorn nodejs chromium"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] || apt_install $missing

wanted="it_IT.UTF-8 de_DE.UTF-8 en_US.UTF-8"
generate=""
for l in $wanted; do
    short=$(echo "$l" | sed 's/UTF-8/utf8/')
    locale -a 2>/dev/null | grep -qx "$short" || generate="$generate $l"
done
if [ -n "$generate" ]; then
    for l in $generate; do
        $as_root sed -i "s/^# *\($l UTF-8\)/\1/" /etc/locale.gen
        grep -q "^$l UTF-8" /etc/locale.gen || echo "$l UTF-8" | $as_root tee -a /etc/locale.gen >/dev/null
    done
    $as_root locale-gen
fi
