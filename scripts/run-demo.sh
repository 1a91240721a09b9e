#!/usr/bin/env bash
# Starts the workbench on a shipped rule base; without a display, evaluates that rule base with the
# command-line tool instead and shows what an expression means.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
case "$build" in /*) ;; *) build="$root/$build" ;; esac
cd "$root"

example=examples/heater.rb
if [ ! -f "$example" ]; then
  example=$(ls examples/*.rb 2>/dev/null | head -n 1 || true)
fi

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -n "$example" ]; then
  exec "$build/app/zorvix" "$example"
fi

zorv="$build/cli/zorv"
echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): showing the command-line tool instead."
if [ -n "$example" ]; then
  if [ "$example" = examples/heater.rb ]; then
    inputs=(16.5 -3)   # indoor and outdoor temperature, deg C
  else
    # One value per input variable: the middle of its context.
    mapfile -t inputs < <(awk '/^AntVariable/{a=1} /^End_AntVariable/{a=0}
      a && /context=</{gsub(/.*context=</,""); gsub(/>.*/,""); split($0,b,","); print (b[1]+b[2])/2}' "$example")
  fi
  echo "\$ zorv eval $example ${inputs[*]} --fired"
  "$zorv" eval "$example" "${inputs[@]}" --fired
  echo
fi
echo "\$ zorv expr \"very small or (medium and not big)\""
"$zorv" expr --discretization 11 "very small or (medium and not big)"
