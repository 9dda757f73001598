#!/usr/bin/env bash
# Usage: run.sh <project build tree> <project source tree> <extra compiler flags>
# Installs the build tree into a prefix whose name has a blank, builds examples/host with
# nothing but find_package(vantorui), runs its test, previews its page to a PNG file, and
# checks that the README's item-class snippet is the host's code.
set -euo pipefail
build=$1
source=$2
flags=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/pre fix"

cmake --install "$build" --prefix "$prefix" >"$work/install.log"
for header in CUIViewWnd.hpp CUIItem.hpp vantorui_export.h; do
    [ -f "$prefix/include/vantorui/$header" ] || { echo "FAIL: $header is not installed" >&2; exit 1; }
done
if find "$prefix/include" -path '*internal*' | grep -q .; then
    echo "FAIL: internal headers are installed" >&2
    exit 1
fi
[ -L "$prefix/lib/libvantorui.so.0" ] || { echo "FAIL: no versioned libvantorui.so.0" >&2; exit 1; }
[ -f "$prefix/lib/pkgconfig/vantorui.pc" ] || { echo "FAIL: no pkg-config file" >&2; exit 1; }

cmake -S "$source/examples/host" -B "$work/host" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_CXX_FLAGS="$flags" >"$work/host.log"
cmake --build "$work/host" >>"$work/host.log" || { cat "$work/host.log" >&2; exit 1; }
"$work/host/powersupply_test"

env -u DISPLAY -u WAYLAND_DISPLAY \
    LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}print_suppressions=0" \
    "$prefix/bin/vantorui-preview" --module "$work/host/libpowersupply.so" --class CPowerSupply \
    --lang de --out "$work/page.png"
[ -s "$work/page.png" ] || { echo "FAIL: no picture of the host's page" >&2; exit 1; }

# The README shows the host's item class as it is.
snippet=$(awk '/^```cpp$/ { inside = 1; next } /^```$/ { inside = 0 } inside' "$source/README.md")
code=$(cat "$source/examples/host/CPowerSupply.hpp"; echo; cat "$source/examples/host/CPowerSupply.cpp")
if [ "$snippet" != "$code" ]; then
    echo "FAIL: the README's snippet differs from examples/host/CPowerSupply.*" >&2
    diff <(echo "$snippet") <(echo "$code") >&2 || true
    exit 1
fi
echo "The host builds against the installed package, and its page works."
