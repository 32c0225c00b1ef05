# Shared by run.sh and test.sh: install what the build needs, then configure and build in build/.
# Sourced, not run.

TAVROLIN_PACKAGES=(
    build-essential cmake ninja-build pkg-config qt6-l10n-tools
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libsqlite3-dev libxml2-dev
    libgtest-dev libgmock-dev libbenchmark-dev ccache
    fonts-dejavu-core fonts-liberation2 poppler-utils
)

tavrolin_missing_packages() {
    local missing=()
    for package in "${TAVROLIN_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    echo "${missing[@]}"
}

tavrolin_install_packages() {
    local missing
    missing=$(tavrolin_missing_packages)
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "These packages are missing. Install them with:"
        echo "sudo apt-get install -y $missing"
        return 1
    fi
    echo "Installing: $missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq || return 1
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $missing || return 1
}

tavrolin_build() {
    local root=$1
    cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo || return 1
    cmake --build "$root/build" --parallel "$(nproc)" || return 1
}
