#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop and a
# player get: the programs, the desktop entry and its icon, every program's
# --help and --version without a display (on standard output, with success,
# and one version for all), and an installed copy keeping its files in the
# per-user data directory, whether or not it could write its own bin/.
#   install_test.sh BUILD_DIR VERSION
set -euo pipefail

build=$1
expected_version=$2
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

# Help and version need no display. Asked for, they are answers on standard
# output with success; a wrong use of a tool is a complaint on standard error.
# run_program NAME ARGUMENT...: sets status, out and err.
run_program() {
  local name=$1
  shift
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$name" "$@" >"$work/out" 2>"$work/err" || status=$?
  out=$(cat "$work/out")
  err=$(cat "$work/err")
}
for program in coilrun coilrun-levels coilrun-audio; do
  [[ -x "$prefix/bin/$program" ]] || continue
  run_program "$program" --help
  [[ $status -eq 0 && -z "$err" && "${out,,}" == usage:\ $program* ]] ||
    fail "$program --help: status $status, out \"$out\", err \"$err\""
  run_program "$program" --version
  [[ $status -eq 0 && -z "$err" && "$out" == "$program $expected_version" ]] ||
    fail "$program --version: status $status, out \"$out\", err \"$err\" (the build's version is $expected_version)"
  [[ $program == coilrun ]] && continue
  run_program "$program" no-such-command
  [[ $status -ne 0 && -z "$out" && "$err" == *usage:* ]] ||
    fail "$program no-such-command: status $status, out \"$out\", err \"$err\""
done

# An installed copy keeps the player's files out of bin/: first where the
# player could write bin/ (an install into ~/.local), then where bin/ is not
# the player's to write (as root the program runs as nobody, otherwise the
# directory is made read-only).
home="$work/home"
mkdir -m 777 "$home"
# play_installed NAME COMMAND-PREFIX...: starts the installed game with a
# fresh home and waits for the default settings and the sound files it
# writes at start-up.
play_installed() {
  local name=$1
  shift
  rm -rf "${home:?}"/*
  env -u DISPLAY -u WAYLAND_DISPLAY HOME="$home" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home" \
    QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$@" "$prefix/bin/coilrun" >"$work/game.log" 2>&1 &
  game_pid=$!
  local wanted=("$home/data/coilrun/settings.dat")
  [[ -e "$build/shell/audio.dat" ]] && wanted+=("$home/data/coilrun/999.mid")
  local file
  for file in "${wanted[@]}"; do
    for _ in $(seq 100); do
      [[ -s "$file" ]] && break
      sleep 0.1
    done
    [[ -s "$file" ]] || fail "$name: no ${file##*/} in the per-user data directory: $(cat "$work/game.log")"
  done
  kill "$game_pid"
  wait "$game_pid" || true
  game_pid=""
  local beside
  beside=$(find "$prefix/bin" -type f ! -name coilrun ! -name coilrun-levels ! -name coilrun-audio -print)
  [[ -z "$beside" ]] || fail "$name: files were written beside the installed program: $beside"
}
play_installed "bin/ writable"
as_player=()
if [[ $(id -u) -eq 0 ]]; then
  as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
  chmod a-w "$prefix/bin"
fi
play_installed "bin/ read-only" "${as_player[@]}"
echo "PASS"
