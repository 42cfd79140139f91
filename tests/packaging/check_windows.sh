#!/usr/bin/env bash
# The Windows installer: the DLLs beside the program are exactly those it and
# its plugins load; installed silently into a folder with spaces and an
# accented letter it puts there every file of the stage and a menu entry, the
# installed program answers its command line, and the uninstaller leaves
# nothing behind. Runs under Wine (WINEPREFIX set by scripts/windows.sh).
# Usage: check_windows.sh STAGE INSTALLER.exe VERSION
set -euo pipefail
stage="$1" setup="$2" version="$3"
objdump="${OBJDUMP:-x86_64-w64-mingw32-objdump}"
wine=/usr/lib/wine/wine64
fail() { echo "FAIL: $*" >&2; exit 1; }

size=$(stat -c %s "$setup")
[ "$size" -lt $((15 * 1024 * 1024)) ] || fail "the installer takes $size bytes"

# Every DLL in the stage is named by the program or a plugin, or by a DLL they
# name; every DLL they name is in the stage or is the system's own.
imports() { "$objdump" -p "$1" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z'; }
mapfile -t pes < <(cd "$stage" && find . -iname '*.dll' -o -iname '*.exe' | sed 's|^\./||')
named="$(for pe in "${pes[@]}"; do imports "$stage/$pe"; done | sort -u)"
ours="$(cd "$stage" && ls | grep -i '\.dll$' | tr 'A-Z' 'a-z' | sort)"
unused="$(comm -23 <(echo "$ours") <(echo "$named"))"
[ -z "$unused" ] || fail "DLLs nothing loads: $unused"
for dll in $(comm -13 <(echo "$ours") <(echo "$named")); do
    for dir in /usr/x86_64-w64-mingw32/lib /usr/lib/gcc/x86_64-w64-mingw32/*-posix; do
        [ ! -f "$dir/$dll" ] || fail "$dll is needed and missing"
    done
done
plugins="$(cd "$stage" && find plugins -name '*.dll' | sort | tr '\n' ' ')"
[ "$plugins" = "plugins/iconengines/qsvgicon.dll plugins/imageformats/qsvg.dll plugins/platforms/qwindows.dll plugins/styles/qwindowsvistastyle.dll " ] \
    || fail "plugins: $plugins"

# Install, look, run, uninstall.
target='C:\Programmi\Tolvena è qui'
dir="$("$wine" winepath -u "$target" 2>/dev/null)"
menu="$("$wine" winepath -u 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs' 2>/dev/null)"
rm -rf "$dir"
# NSIS takes the folder unquoted, as the rest of the command line: Wine
# quotes an argument with spaces, so each word goes on its own.
read -ra words <<< "/D=$target"
"$wine" "$setup" /S "${words[@]}"
/usr/lib/wine/wineserver -w
expected="$( (cd "$stage" && find . -type f; echo ./disinstalla.exe) | sed 's|^\./||' | LC_ALL=C sort)"
actual="$(cd "$dir" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)"
[ "$actual" = "$expected" ] || fail "installed files differ:
$(diff <(echo "$expected") <(echo "$actual"))"
[ -f "$menu/Esercitazioni sulle Tolvena.lnk" ] || fail "no menu entry"
out="$(QT_QPA_PLATFORM=windows "$wine" "$dir/tolvena.exe" --version 2>&1 | tr -d '\r')"
[[ "$out" == *"$version"* ]] || fail "--version said: $out"

"$wine" "$dir/disinstalla.exe" /S
/usr/lib/wine/wineserver -w
[ ! -e "$dir" ] || fail "left behind: $(cd "$dir" && find . | tr '\n' ' ')"
[ ! -e "$menu/Esercitazioni sulle Tolvena.lnk" ] || fail "the menu entry stays"
echo "installer: $size bytes, ${#pes[@]} programs and DLLs, installed and removed"
