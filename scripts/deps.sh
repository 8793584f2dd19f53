#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, when something is missing.
# With --bench also Qxw, which only the fill benchmark (clueforge_bench_fill) runs beside ours.
# Node and npm are for test tools only: a second ipuz reader (tests/tools/ipuz-reader) and the
# driver of the web page in headless Chromium (tests/tools/web-page).
# CaDiCaL is a test tool too: a SAT solver the fill's answers are checked against.
# The accessibility bus and its Python client check what screen readers hear of the window.
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-14-dev qt6-base-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth imagemagick ccache
          fonts-dejavu-core hunspell-ru desktop-file-utils appstream
          shared-mime-info qt6-translations-l10n dpkg-dev file
          qt6-svg-dev poppler-utils chromium python3 cadical
          dbus at-spi2-core python3-pyatspi)
for arg in "$@"; do
    case "$arg" in
    --bench) packages+=(qxw) ;;
    *) echo "usage: $0 [--bench]" >&2; exit 2 ;;
    esac
done
missing=()
# Node and npm only for a test tool; a Node already installed from elsewhere is kept.
command -v npm >/dev/null || missing+=(nodejs npm)
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The test tools at the versions their lock files name: the second ipuz reader the tests compare
# our files with, and puppeteer-core with axe-core, which drive and scan the web page.
tools="$(cd "$(dirname "$0")/.." && pwd)/tests/tools"
for tool in ipuz-reader web-page; do
    [ -d "$tools/$tool/node_modules" ] || npm ci --prefix "$tools/$tool" --no-audit --no-fund --loglevel=error
done
