# Sourced by the other scripts: installs the Debian 12 packages the build, the
# tests and the end-to-end run need, only those not yet installed.
vorkel_install_packages() {
    local wanted=(cmake ninja-build g++ ccache qt6-base-dev qt6-base-dev-tools libgl-dev
                  libxcb1-dev libcanberra-dev tzdata libgeonames-dev libgeonames-common iso-codes
                  fonts-dejavu-core
                  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n "$@")
    local missing=()
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Brings the named installed packages up to the newest version apt knows of,
# only those behind it: the build generates zones.ini from tzdata, and an old
# tzdata makes clocks that are wrong.
vorkel_upgrade_packages() {
    local sudo=
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    local stale=()
    for p in "$@"; do
        local installed candidate
        installed=$(dpkg-query -W -f='${Version}' "$p" 2>/dev/null || true)
        candidate=$(apt-cache policy "$p" | awk '/Candidate:/ { print $2 }')
        [ -n "$candidate" ] && [ "$candidate" != "(none)" ] && [ "$installed" != "$candidate" ] &&
            stale+=("$p")
    done
    [ ${#stale[@]} -eq 0 ] && return 0
    echo "Upgrading: ${stale[*]}"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${stale[@]}"
}

# Configures and builds one preset; ccache when present keeps rebuilds short.
vorkel_build() {
    local preset=$1
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake --preset "$preset" "${launcher[@]}" >/dev/null
    cmake --build --preset "$preset"
}
