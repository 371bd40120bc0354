#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop and a
# player get: the programs, the desktop entry and its icon, --help and
# --version without a display, and an installed copy that cannot write its
# own directory keeping its files in the per-user data directory.
#   install_test.sh BUILD_DIR
set -euo pipefail

build=$1
work=$(mktemp -d)
game_pid=""
cleanup() {
  local status=$?
  set +e
  if [[ -n "$game_pid" ]]; then
    kill "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
  fi
  chmod -R u+w "$work"
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The prefix is read by another user below.
chmod 755 "$work"
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "cmake --install: $(cat "$work/install.log")"

for program in coilrun coilrun-levels; do
  [[ -x "$prefix/bin/$program" ]] || fail "bin/$program is not installed"
done
# The sound tool and archive come with the sound; where the build has them,
# the installation must have them too.
if [[ -e "$build/tools/coilrun-audio" ]]; then
  [[ -x "$prefix/bin/coilrun-audio" ]] || fail "bin/coilrun-audio is not installed"
fi
if [[ -e "$build/shell/audio.dat" ]]; then
  [[ -s "$prefix/share/coilrun/audio.dat" ]] || fail "share/coilrun/audio.dat is not installed"
fi

entry="$prefix/share/applications/coilrun.desktop"
[[ -f "$entry" ]] || fail "no desktop entry"
grep -qx 'Exec=coilrun %f' "$entry" || fail "the desktop entry does not start coilrun"
grep -qx 'Icon=coilrun' "$entry" || fail "the desktop entry names no coilrun icon"
for size in 16 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/coilrun.png"
  [[ -f "$icon" ]] || fail "no ${size}x${size} icon"
  [[ "$(identify -format '%wx%h' "$icon")" == "${size}x${size}" ]] || fail "$icon is $(identify -format '%wx%h' "$icon")"
done

# Help and version need no display.
help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/coilrun" --help) || fail "--help failed"
[[ "$help" == Usage:\ coilrun* ]] || fail "--help printed: $help"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/coilrun" --version) || fail "--version failed"
[[ "$version" =~ ^coilrun\ [0-9]+\.[0-9]+ ]] || fail "--version printed: $version"

# The installed program's directory is not the player's to write: as root
# the program runs as nobody, otherwise the directory is made read-only.
home="$work/home"
mkdir -m 777 "$home"
as_player=()
if [[ $(id -u) -eq 0 ]]; then
  as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
  chmod a-w "$prefix/bin"
fi
env -u DISPLAY -u WAYLAND_DISPLAY HOME="$home" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home" \
  QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "${as_player[@]}" "$prefix/bin/coilrun" >"$work/game.log" 2>&1 &
game_pid=$!
# Start-up writes the default settings.
for _ in $(seq 100); do
  [[ -s "$home/data/coilrun/settings.dat" ]] && break
  sleep 0.1
done
[[ -s "$home/data/coilrun/settings.dat" ]] || fail "no settings.dat in the per-user data directory: $(cat "$work/game.log")"
[[ -e "$prefix/bin/settings.dat" ]] && fail "settings.dat was written beside the installed program"
echo "PASS"
