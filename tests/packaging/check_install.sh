#!/usr/bin/env bash
# Installs the built program into a temporary prefix and checks the tree, the
# menu entry and the software-centre listing, the command line, the sounds
# found from the installed program, and the Debian package made from it.
# Usage: check_install.sh BUILD_DIR
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

# The tree, exactly.
expected="bin/tolvena
share/applications/it.tolvena.Tolvena.desktop
share/doc/tolvena/copyright
share/icons/hicolor/scalable/apps/it.tolvena.Tolvena.svg
share/metainfo/it.tolvena.Tolvena.metainfo.xml
share/tolvena/suoni/beep.wav
share/tolvena/suoni/no.wav
share/tolvena/suoni/si1.wav
share/tolvena/suoni/si2.wav
share/tolvena/suoni/si3.wav
share/tolvena/suoni/si4.wav"
actual="$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)"
[ "$actual" = "$expected" ] || fail "installed tree differs:
$(diff <(echo "$expected") <(echo "$actual"))"
[ -x "$prefix/bin/tolvena" ] || fail "bin/tolvena is not executable"

# The menu entry and the listing pass their validators and name the same id.
desktop="$prefix/share/applications/it.tolvena.Tolvena.desktop"
metainfo="$prefix/share/metainfo/it.tolvena.Tolvena.metainfo.xml"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" >"$work/as.log" 2>&1 || { cat "$work/as.log"; fail "appstreamcli validate"; }
grep -qx 'Exec=tolvena' "$desktop" || fail "the entry does not start tolvena"
grep -qx 'Icon=it.tolvena.Tolvena' "$desktop" || fail "the entry names another icon"
grep -qx 'Categories=Education;Math;Qt;' "$desktop" || fail "categories of the entry"
grep -q '<launchable type="desktop-id">it.tolvena.Tolvena.desktop</launchable>' "$metainfo" || fail "launchable"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || fail "licence"
grep -q '<content_rating type="oars-1.1"/>' "$metainfo" || fail "content rating"

# The command line answers without any display.
run() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0 "$prefix/bin/tolvena" "$@"; }
out="$(run --help)" || fail "--help failed"
grep -q '^Uso: tolvena \[opzioni\]$' <<<"$out" || fail "--help: $out"
grep -q -- '--version  *Mostra la versione ed esce.' <<<"$out" || fail "--help lists --version: $out"
[ "$(run --version)" = "tolvena 1.0" ] || fail "--version: $(run --version)"
set +e
err="$(run --colore 2>&1 >/dev/null)"; rc=$?
set -e
[ $rc -eq 2 ] || fail "an unknown option ends with 2, not $rc"
grep -q 'Opzione sconosciuta: --colore' <<<"$err" || fail "unknown option: $err"

# Started from the prefix, the program finds the installed sounds; without
# them, or with a broken one, it still starts and says what is wrong.
start() {   # runs the program for a moment; prints what it said on stderr
    mkdir -p "$work/run" && chmod 700 "$work/run"
    set +e
    XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
        timeout -k 2 3 "$prefix/bin/tolvena" 2>&1 >/dev/null | grep '^tolvena:'
    set -e
    true
}
said="$(start)"
[ -z "$said" ] || fail "complaints with every sound in place: $said"
printf 'not a sound' >"$prefix/share/tolvena/suoni/no.wav"
said="$(start)"
grep -q "no.wav non è un file WAVE leggibile" <<<"$said" || fail "broken sound: $said"
rm -rf "$prefix/share"
said="$(start)"
grep -q "manca la cartella dei suoni" <<<"$said" || fail "missing folder: $said"

# The Debian package: libraries computed from the binary, fonts named.
if command -v dpkg-shlibdeps >/dev/null && command -v cpack >/dev/null; then
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
    deb="$(ls "$work"/deb/tolvena_*.deb)"
    depends="$(dpkg-deb -f "$deb" Depends)"
    for d in libqt6widgets6 libqt6multimedia6 libqt6svg6 libxcb-randr0 fonts-liberation fonts-comic-neue; do
        grep -q "$d" <<<"$depends" || fail "Depends lacks $d: $depends"
    done
    contents="$(dpkg-deb -c "$deb")"
    grep -q ' ./usr/bin/tolvena$' <<<"$contents" || fail "the package lacks /usr/bin/tolvena"
    grep -q ' ./usr/share/tolvena/suoni/si1.wav$' <<<"$contents" || fail "the package lacks the sounds"
    grep -q ' ./usr/share/applications/it.tolvena.Tolvena.desktop$' <<<"$contents" || fail "the package lacks the entry"
    [ "$(dpkg-deb -f "$deb" Package)" = tolvena ] || fail "package name"
else
    echo "dpkg-shlibdeps or cpack missing: the package was not made"
fi
echo "install tree, validators, command line, sounds and package: all right"
