#!/usr/bin/env bash
# Installs the Debian packages the build needs when any is missing. Sourced by run.sh and
# test.sh; runs apt-get as root, or through sudo when that is available.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config clang-format googletest libgtest-dev libbenchmark-dev
          libcairo2-dev libpango1.0-dev libfontconfig-dev fonts-dejavu-core
          libsdl2-dev xvfb xdotool imagemagick)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -eq 0 ]; then
        apt_get=(apt-get)
    elif command -v sudo >/dev/null; then
        apt_get=(sudo apt-get)
    else
        echo "Missing packages (${missing[*]}) and no way to install them: run as root." >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${apt_get[@]}" update -q
    "${apt_get[@]}" install -y -q --no-install-recommends "${missing[@]}"
fi

# configure_and_build <build dir> [cmake options...]
configure_and_build() {
    local dir=$1
    shift
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$dir" --parallel "$(nproc)"
}
