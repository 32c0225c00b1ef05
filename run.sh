#!/usr/bin/env bash
# Builds Tavrolin, registers its database alias when it is missing, and starts the program.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
source "$root/tools/setup.sh"

tavrolin_install_packages
tavrolin_build "$root"

bin="$root/build/bin"
alias_store=${TAVROLIN_DBENGINE_CONFIG:-${XDG_CONFIG_HOME:-$HOME/.config}/Tavrolin/dbengine.ini}
if ! grep -qi '^\[tavrolin\]' "$alias_store" 2>/dev/null; then
    "$bin/ormandel"
fi
exec "$bin/tavrolin" "$@"
