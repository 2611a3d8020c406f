#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
#
#   ./run.sh                 demo: a simulated QF8200 sensor (tools/sensorsim) on COM1 of a
#                            Windows folder of its own (build/demo-windir); the program finds
#                            the sensor and opens its editor. The simulator stops with the program.
#   ./run.sh --line LINE     the same demo with another simulated sensor line:
#                            qf8200 (default), qf8200echo, qf8200rdx or qt8200.
#   ./run.sh --port DEVICE   a real sensor on DEVICE (e.g. /dev/ttyUSB0), with the user's settings.
set -euo pipefail
cd "$(dirname "$0")"
# Qt's own translations give the standard buttons the user's language
# ("Ja", "Nein", "Abbrechen"); the tests do without them.
# Only the program and the simulator: the tests and benchmarks are
# ./test.sh's to build.
BUILD_TARGETS="zelvo8200 sensorsim" scripts/setup.sh qt6-translations-l10n

BUILD_DIR=${BUILD_DIR:-build}

# Sets key=value in section of an INI file (CR LF lines, as the program writes
# them), keeping every other line; creates file and section as needed.
set_ini_value() {
  local file=$1 section=$2 key=$3 value=$4
  mkdir -p "$(dirname "$file")"
  touch "$file"
  awk -v section="$section" -v key="$key" -v value="$value" '
    function flush() { if (inside && !done) { printf "%s=%s\r\n", key, value; done = 1 } }
    {
      line = $0; sub(/\r$/, "", line)
      if (line ~ /^[ \t]*\[/) {
        flush()
        name = line; gsub(/^[ \t]*\[|\][ \t]*$/, "", name)
        inside = (tolower(name) == tolower(section))
      } else if (inside && !done) {
        k = line; sub(/=.*/, "", k); gsub(/^[ \t]+|[ \t]+$/, "", k)
        if (index(line, "=") && tolower(k) == tolower(key)) { printf "%s=%s\r\n", key, value; done = 1; next }
      }
      printf "%s\r\n", line
    }
    END {
      flush()
      if (!done) printf "[%s]\r\n%s=%s\r\n", section, key, value
    }' "$file" > "$file.new"
  mv "$file.new" "$file"
}

line=qf8200
case "${1:-}" in
  --line)
    line=${2:?usage: ./run.sh [--line LINE | --port DEVICE]}
    ;;
  --port)
    device=${2:?usage: ./run.sh [--port DEVICE]}
    windir=${ZELVO8200_WINDIR:-${XDG_CONFIG_HOME:-$HOME/.config}/zelvo8200}
    set_ini_value "$windir/ZELVO8200.INI" Settings Port "$device"
    exec "$BUILD_DIR/zelvo8200"
    ;;
  "")
    ;;
  *)
    echo "usage: ./run.sh [--line LINE | --port DEVICE]" >&2
    exit 2
    ;;
esac

windir=$PWD/$BUILD_DIR/demo-windir
mkdir -p "$windir/dosdevices"
set_ini_value "$windir/ZELVO8200.INI" Settings Port COM1

# The simulator prints its pseudo-terminal on its first line once the COM1
# link exists; it ends when its input pipe closes, i.e. when this script ends.
coproc SIM { exec "$BUILD_DIR/tools/sensorsim/sensorsim" --line "$line" --link "$windir/dosdevices/com1"; }
trap 'kill "$SIM_PID" 2>/dev/null || true' EXIT
if ! read -r -t 10 pty <&"${SIM[0]}"; then
  echo "The simulated sensor did not start." >&2
  exit 1
fi
echo "Simulated $line sensor on $pty (COM1 of $windir)"
# The demo speaks German like the program's own texts, down to the standard
# buttons, unless the user has chosen the languages of messages (LANGUAGE).
# It runs in its settings folder, so that what it writes where it runs (the
# protocol file) stays there too.
program=$PWD/$BUILD_DIR/zelvo8200
cd "$windir"
LANGUAGE=${LANGUAGE:-de} ZELVO8200_WINDIR=$windir "$program"
