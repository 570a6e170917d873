#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it. Arguments go to the game.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
grawn2_install_packages
grawn2_build build >/dev/null
exec build/grawn2 "$@"
