#!/usr/bin/env bash
# Regenerates the pictures of the user guide (docs/manual/images) from the workbench itself: builds
# zorv_screenshots and runs it on the offscreen platform, which needs no display.
#   scripts/screenshots.sh [BUILD_DIR [NAME...]]     NAME: only these pictures (zorv_screenshots --list)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
shift || true
# Not "fc-list | grep -q": with pipefail, grep leaving early fails fc-list, and with it the test.
if [ -z "$(fc-list 2>/dev/null)" ]; then
  echo "No fonts found by fontconfig: the pictures would show boxes instead of text." >&2
  echo "Install a font first, e.g.: apt-get install -y fonts-dejavu-core" >&2
  exit 1
fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "${JOBS:-$(nproc)}" --target zorv_screenshots
QT_QPA_PLATFORM=offscreen "$build/tools/zorv_screenshots" -o "$root/docs/manual/images" "$@"
echo "Rebuild to put the new pictures into the program's built-in manual."
