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
lib/tolvena/moduli/libtolvena-suoni.so
lib/tolvena/moduli/libtolvena-voce.so
share/applications/it.tolvena.Tolvena.desktop
share/doc/tolvena/changelog.gz
share/doc/tolvena/copyright
share/icons/hicolor/scalable/apps/it.tolvena.Tolvena.svg
share/man/man6/tolvena.6.gz
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

# The manual page, in Italian, names every option of --help; the changelog
# names this version.
manual="$(zcat "$prefix/share/man/man6/tolvena.6.gz")"
for want in '^\.TH TOLVENA 6 ' '^\.SH NOME$' '^\.SH SINTASSI$' '^\.SH DESCRIZIONE$' '^\.SH OPZIONI$' \
            '\\-\\-help' '\\-\\-version' '\\-\\-zoom'; do
    grep -q -- "$want" <<<"$manual" || fail "the manual page lacks $want"
done
zcat "$prefix/share/doc/tolvena/changelog.gz" | head -1 | grep -qx 'tolvena (1.0) unstable; urgency=medium' \
    || fail "changelog: $(zcat "$prefix/share/doc/tolvena/changelog.gz" | head -1)"

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

# Without a usable window system the program says so in one line and ends
# with 1, never with a crash: no display at all, a Wayland display that is not
# there, and a platform named by the user that cannot start.
nodisplay() {   # prints the exit code, then what was said
    set +e
    said="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0 "$@" \
        timeout -k 2 10 "$prefix/bin/tolvena" 2>&1 >/dev/null)"
    echo "$? $said"
    set -e
}
line="1 tolvena: non trovo uno schermo da usare: il programma va avviato in una sessione grafica (X11 o Wayland)."
for how in "" "WAYLAND_DISPLAY=tolvena-nessuno" "QT_QPA_PLATFORM=xcb"; do
    got="$(nodisplay $how)"
    [ "$got" = "$line" ] || fail "no window system ($how): $got"
done
# A Wayland display that refuses the program, beside an X display: it runs on X.
if command -v xvfb-run >/dev/null; then
    mkdir -p "$work/rt" && chmod 700 "$work/rt" && : >"$work/rt/wayland-9"
    set +e
    said="$(env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work/rt" WAYLAND_DISPLAY=wayland-9 \
        ASAN_OPTIONS=detect_leaks=0 xvfb-run -a -s "-screen 0 1024x768x24" \
        timeout -k 2 4 "$prefix/bin/tolvena" 2>&1 >/dev/null)"; rc=$?
    set -e
    [ $rc -eq 124 ] || fail "with a refusing Wayland display and an X one, the program ended with $rc: $said"
fi
set +e
said="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0 \
    "$prefix/bin/tolvena" --zoom 160 2>&1 >/dev/null)"; rc=$?
set -e
[ $rc -eq 1 ] || fail "a bad zoom without a display ends with $rc"
grep -q 'zoom "160" non valido' <<<"$said" || fail "a bad zoom without a display: $said"

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
    recommends="$(dpkg-deb -f "$deb" Recommends)"
    for d in qt6-wayland qt6-translations-l10n qt6-speech-speechd-plugin speech-dispatcher-espeak-ng; do
        grep -q "$d" <<<"$recommends" || fail "Recommends lacks $d: $recommends"
    done
    grep -q ' ./usr/share/man/man6/tolvena.6.gz$' <<<"$(dpkg-deb -c "$deb")" || fail "the package lacks the manual page"
    if command -v lintian >/dev/null; then
        lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || true
        ! grep -E '^[EW]: ' "$work/lintian.log" || fail "lintian finds errors or warnings"
    else
        echo "lintian missing: the package was not checked with it"
    fi
    contents="$(dpkg-deb -c "$deb")"
    grep -q ' ./usr/bin/tolvena$' <<<"$contents" || fail "the package lacks /usr/bin/tolvena"
    grep -q ' ./usr/share/tolvena/suoni/si1.wav$' <<<"$contents" || fail "the package lacks the sounds"
    grep -q ' ./usr/share/applications/it.tolvena.Tolvena.desktop$' <<<"$contents" || fail "the package lacks the entry"
    [ "$(dpkg-deb -f "$deb" Package)" = tolvena ] || fail "package name"
else
    echo "dpkg-shlibdeps or cpack missing: the package was not made"
fi
echo "install tree, validators, command line, sounds and package: all right"
