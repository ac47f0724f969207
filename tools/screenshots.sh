#!/usr/bin/env bash
# Pictures of the windowed program as a user sees it: builds, then starts it under a virtual X
# display (Xvfb) with default settings, opens every page of the tree and saves a PNG of the main
# window for each, and one of the About box.
#   tools/screenshots.sh [FOLDER]   (default: build/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."

folder=${1:-build/screenshots}
build_dir=${KTV_BUILD_DIR:-build}

if ! command -v xvfb-run >/dev/null; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "xvfb-run is missing. Install it with:" >&2
        echo "  sudo apt-get install -y xvfb" >&2
        exit 1
    fi
    echo "Installing xvfb" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends xvfb xauth
fi

./ktv build
mkdir -p "$folder"
# The program runs as on a desktop, without the user's settings or lock.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x800x24" "$build_dir/bin/ktv818x-screenshots" "$folder"
echo "Pictures in $folder"
