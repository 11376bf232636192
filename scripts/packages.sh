# Sourced by setup.sh and test.sh: makes sure the Debian packages the build needs are there,
# installing the missing ones when run as root, otherwise saying exactly what to install.
tarvik_packages="cmake make g++ gcc bison flex pkg-config libgtest-dev libgmock-dev libbenchmark-dev
 libzstd-dev liblzma-dev zlib1g-dev"

ensure_packages() {
    local missing=()
    for p in $tarvik_packages "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" = 0 ]; then
        echo "Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get install -y -q "${missing[@]}" >/dev/null 2>&1 ||
            { apt-get update -q >/dev/null 2>&1 && apt-get install -y -q "${missing[@]}" >/dev/null; } ||
            { echo "Could not install: ${missing[*]}"; return 1; }
    else
        echo "These Debian packages are missing. Install them first, as root:"
        echo "  apt-get install -y ${missing[*]}"
        return 1
    fi
}

jobs=$(nproc 2>/dev/null || echo 2)
