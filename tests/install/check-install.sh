#!/usr/bin/env bash
# Installs the build into a temporary prefix, then builds examples/embed against it twice, through
# find_package(zorv) and through pkg-config, and runs both next to the installed zorv: all three must agree.
# Usage: check-install.sh BUILD_DIR SOURCE_DIR VERSION CXX
set -euo pipefail
build=$1
source=$2
version=$3
cxx=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"

cmake --install "$build" --prefix "$prefix" >/dev/null
libdir=$(dirname "$(find "$prefix" -name 'libzorv.so' | head -n 1)")
example="$source/examples/heater.rb"

cmake -S "$source/examples/embed" -B "$work/cmake" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_CXX_COMPILER="$cxx" >/dev/null
cmake --build "$work/cmake" >/dev/null
"$work/cmake/embed" "$example" 16.5 -3 >"$work/cmake.out"

export PKG_CONFIG_PATH="$libdir/pkgconfig"
# shellcheck disable=SC2046
"$cxx" -std=c++20 -o "$work/pc-embed" "$source/examples/embed/embed.cpp" $(pkg-config --cflags --libs zorv)
LD_LIBRARY_PATH="$libdir" "$work/pc-embed" "$example" 16.5 -3 >"$work/pc.out"

cmp "$work/cmake.out" "$work/pc.out"
value=$("$prefix/bin/zorv" eval "$example" 16.5 -3)
grep -q "^power = " "$work/cmake.out"
[ "$(sed -n 's/^power = //p' "$work/cmake.out")" = "$(printf '%.6g' "$value")" ] || {
  echo "embed says $(head -n 1 "$work/cmake.out"), zorv eval says $value" >&2
  exit 1
}
[ "$(pkg-config --modversion zorv)" = "$version" ]

# The Python package, where it was built: installed whole (stubs included) and evaluating as zorv eval does.
if [ -d "$build/python/zorv" ]; then
  site=$(dirname "$(find "$prefix" -name '__init__.py' -path '*/zorv/*' | head -n 1)")
  [ -f "$site/py.typed" ] && [ -f "$site/__init__.pyi" ]
  from_python=$(cd "$work" && PYTHONPATH="$(dirname "$site")" /usr/bin/python3 -c \
    "import zorv; print(repr(zorv.load('$example').evaluate([16.5, -3.0])))")
  [ "$(printf '%.12g' "$from_python")" = "$(printf '%.12g' "$value")" ] || {
    echo "the installed Python package says $from_python, zorv eval says $value" >&2
    exit 1
  }
fi
cat "$work/cmake.out"
