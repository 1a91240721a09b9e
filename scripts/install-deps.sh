#!/usr/bin/env bash
# Installs the Debian packages the build needs, or says exactly which command would.
set -euo pipefail
# NLopt (libnlopt-cxx-dev) gives the tuning library its derivative-free optimisers.
# clang and its runtime libraries build the fuzz targets (libFuzzer) that `make check-sanitizers` replays.
# The Python package's tests run Dask (a cluster of worker processes), pandas, matplotlib, mypy on the type
# stubs, and `pip install` in a virtual environment (venv, pip, setuptools).
packages=(g++ make cmake libgtest-dev libbenchmark-dev libnlopt-cxx-dev qt6-base-dev qt6-svg-dev libqt6svg6 fuzzylite libfuzzylite-dev pkgconf python3-dev python3-pybind11 python3-numpy fontconfig fonts-dejavu-core clang libclang-rt-14-dev python3-dask python3-distributed python3-pandas python3-matplotlib mypy python3-venv python3-pip python3-setuptools)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Run as root:" >&2
  echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}"
