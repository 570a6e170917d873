#!/usr/bin/env bash
# Installs what is missing, builds the game and its sound files (nothing else) and starts it.
# Arguments go to the game. Each stage says what it does; a failed stage says where its log is.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

log="$PWD/build/play.log"
mkdir -p build
: >"$log"

# say_failed STAGE: the last lines of the log and where the whole of it is.
say_failed() {
  echo "play.sh: $1 failed; the last lines of its log:" >&2
  tail -n 15 "$log" >&2
  echo "play.sh: the whole log is $log" >&2
  exit 1
}

if ! grawn2_packages_installed; then
  echo "installing packages…"
  grawn2_install_packages >>"$log" 2>&1 || say_failed "installing packages"
fi

first_time=""
[ -f build/grawn2 ] || first_time=" (first time: a few minutes)"
if [ ! -f build/CMakeCache.txt ]; then
  echo "configuring…"
fi
grawn2_configure build >>"$log" 2>&1 || say_failed "configuring"

echo "building the game${first_time}…"
# The build's own percentage, one line each time it moves on by ten, so that a terminal and a
# log file both read well.
shown=-10
while IFS= read -r line; do
  echo "$line" >>"$log"
  if [[ "$line" =~ ^\[\ *([0-9]+)%\] ]]; then
    percent="${BASH_REMATCH[1]}"
    if ((percent >= shown + 10)); then
      shown=$((percent / 10 * 10))
      echo "  ${percent}%"
    fi
  fi
done < <(cmake --build build -j "$(nproc)" --target grawn2 sounds 2>&1; echo "build status $?")
tail -n 1 "$log" | grep -q '^build status 0$' || say_failed "building the game"

exec build/grawn2 "$@"
