#!/usr/bin/env bash
# Builds Tavrolin and runs every test, headless. Exit code: that of ctest.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
source "$root/tools/setup.sh"

tavrolin_install_packages
tavrolin_build "$root"

export QT_QPA_PLATFORM=offscreen
cd "$root/build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 300
