#!/usr/bin/env bash
# Checks the layer rules the compiler does not see:
#  - widget-free folders (every folder below src/ and tests/ except the widget folders listed here
#    and any folder named `ui`) include no header of a gui module and link no gui module, no widget
#    library and no widget test main;
#  - no source includes a header of a library above its own (the order below), the engines of one
#    feature do not reach the windows or engines of another, Ormandel uses only core and db;
#  - SQLite is used only inside the database engine, src/platform/db.
# Prints every offending line and exits 1 if there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

# Folders that may hold widgets, with everything below them.
widget_folders=(src/platform/ui src/app src/shared src/controls
    tests/platform/ui tests/app tests/shared tests/controls tests/support)
# Qt modules that bring widgets or painting.
gui_modules=(QtGui QtWidgets QtPrintSupport QtOpenGL QtOpenGLWidgets QtSvg QtSvgWidgets)
# What a widget-free CMakeLists.txt must not link: a gui module, or a test main with a QApplication.
gui_links='Qt6?::(Gui|Widgets|PrintSupport|OpenGL|OpenGLWidgets|Svg|SvgWidgets)\b|tavrolin_test\(.*\bWIDGETS\b'

failed=0
# report <title>: prints the title and the offending lines read from stdin, if there are any.
report() {
    local lines
    lines=$(cat)
    [ -z "$lines" ] && return 0
    echo "$1"
    echo "$lines" | sed 's/^/    /'
    failed=1
}

is_widget_folder() {
    local folder=$1 allowed
    [[ /$folder/ == */ui/* ]] && return 0
    for allowed in "${widget_folders[@]}"; do
        [[ $folder == "$allowed" || $folder == "$allowed"/* ]] && return 0
    done
    return 1
}

widget_free=()
widget_cmake=()
while IFS= read -r folder; do
    if ! is_widget_folder "$folder"; then
        widget_free+=("$folder")
    elif [ -f "$folder/CMakeLists.txt" ]; then
        widget_cmake+=("$folder/CMakeLists.txt")
    fi
done < <(find src tests -mindepth 1 -type d | sort)

# Every header of the gui modules, by the name a source includes it with (<QColor>, <qcolor.h>).
qt_headers=$(qtpaths6 --query QT_INSTALL_HEADERS)
gui_headers=$(mktemp)
trap 'rm -f "$gui_headers"' EXIT
for module in "${gui_modules[@]}"; do
    if [ -d "$qt_headers/$module" ]; then
        find "$qt_headers/$module" -maxdepth 1 -type f -printf '%f\n'
    fi
done | sort -u >"$gui_headers"
if [ ! -s "$gui_headers" ]; then
    echo "No Qt gui headers found below $qt_headers"
    exit 1
fi
module_prefix=$(
    IFS='|'
    echo "[<\"](${gui_modules[*]})/"
)

# Libraries made in the widget folders: linking one brings widgets along.
widget_targets=$(sed -nE 's/^\s*(tavrolin_library|add_library)\(\s*(\w+).*/\2/p' \
    "${widget_cmake[@]}" | sort -u | paste -sd'|')
link_pattern=$gui_links
if [ -n "$widget_targets" ]; then link_pattern+="|\\b($widget_targets)\\b"; fi

for folder in "${widget_free[@]}"; do
    mapfile -t sources < <(find "$folder" -maxdepth 1 -type f \( -name '*.h' -o -name '*.cpp' \) | sort)
    if [ "${#sources[@]}" -gt 0 ]; then
        report "Gui or widget header in the widget-free folder $folder:" < <(
            grep -HnE '^\s*#\s*include\s*[<"]' "${sources[@]}" |
                awk -F'[<">]' -v prefix="$module_prefix" \
                    'NR == FNR { gui[$0] = 1; next } $0 ~ prefix || gui[$2]' "$gui_headers" -
        )
    fi
    if [ -f "$folder/CMakeLists.txt" ]; then
        report "Gui or widget link in the widget-free folder $folder:" < <(
            grep -HnE "$link_pattern" "$folder/CMakeLists.txt" || true
        )
    fi
done

# The library order: a folder may include headers of folders of a lower rank only. Ormandel stands
# beside the program and uses only the alias store and what it builds on.
report "Include that climbs from a lower library to a higher one:" < <(
    grep -rnE '^\s*#\s*include\s*"' src --include='*.h' --include='*.cpp' | awk '
        BEGIN {
            n = split("platform/core=0 platform/db=1 platform/net=2 platform/ui=3 data=4 report=5 " \
                      "controls=6 shared=7 editors=8 analysis=8 import=8 couponstats/operations=8 " \
                      "coupons=9 couponstats=10 editors/ui=11 analysis/ui=11 import/ui=11 " \
                      "coupons/ui=12 couponstats/ui=13 app=14 " \
                      "aliassetup=2", pairs, " ")
            for (i = 1; i <= n; i++) { split(pairs[i], kv, "="); rank[kv[1]] = kv[2] }
        }
        {
            file = $0; sub(/:.*/, "", file)
            from = file; sub(/^src\//, "", from); sub(/\/[^\/]*$/, "", from)
            to = $0; sub(/^[^"]*"/, "", to); sub(/".*/, "", to); sub(/\/[^\/]*$/, "", to)
            if (from == to || !(from in rank) || !(to in rank)) next
            if (rank[to] >= rank[from]) print
        }'
)

report "SQLite outside the database engine (src/platform/db):" < <(
    grep -rnIi 'sqlite3' src | grep -v '^src/platform/db/' || true
)

[ "$failed" -eq 0 ] && echo "Layer rules hold."
exit "$failed"
