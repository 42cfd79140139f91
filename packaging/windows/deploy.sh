#!/usr/bin/env bash
# Lays out the Windows program in STAGE as the installer puts it on disk: the
# program, the DLLs it loads (found by following `objdump -p` from the program
# and the Qt plugins it loads, so nothing it does not load), Qt's Italian
# texts, the sounds, the fonts of the look with their licences. Then writes the
# installer's lists of files to put there and to take away.
#
#   deploy.sh STAGE PROGRAM.exe QT_DIR SOURCE_DIR
set -euo pipefail
stage="$1" exe="$2" qt="$3" src="$4"
objdump="${OBJDUMP:-x86_64-w64-mingw32-objdump}"
strip="${STRIP:-x86_64-w64-mingw32-strip}"
# Where the DLLs that are not the system's come from.
dll_dirs=("$qt/bin" /usr/lib/gcc/x86_64-w64-mingw32/*-posix /usr/x86_64-w64-mingw32/lib)
plugins=(platforms/qwindows styles/qwindowsvistastyle imageformats/qsvg iconengines/qsvgicon)

rm -rf "$stage"
mkdir -p "$stage"
cp "$exe" "$stage/"
for p in "${plugins[@]}"; do
    mkdir -p "$stage/plugins/$(dirname "$p")"
    cp "$qt/plugins/$p.dll" "$stage/plugins/$p.dll"
done

# The DLLs each file names, then those they name, until nothing new is named.
find_dll() {
    local d
    for d in "${dll_dirs[@]}"; do
        if [ -f "$d/$1" ]; then echo "$d/$1"; return; fi
    done
    return 0
}
queue=("$stage/$(basename "$exe")")
for p in "${plugins[@]}"; do queue+=("$stage/plugins/$p.dll"); done
declare -A seen=()
while [ ${#queue[@]} -gt 0 ]; do
    file="${queue[0]}"
    queue=("${queue[@]:1}")
    while read -r name; do
        key="${name,,}"
        [ -n "${seen[$key]:-}" ] && continue
        seen[$key]=1
        from="$(find_dll "$name")"
        [ -n "$from" ] || continue   # the system's own
        cp "$from" "$stage/$name"
        # The compiler's runtime comes with its debugging symbols.
        "$strip" --strip-unneeded "$stage/$name"
        queue+=("$stage/$name")
    done < <("$objdump" -p "$file" | sed -n 's/^\s*DLL Name: //p')
done

# Qt reads its plugins and texts from the program's folder.
printf '[Paths]\nPrefix = .\n' > "$stage/qt.conf"
mkdir -p "$stage/translations" "$stage/suoni" "$stage/fonts"
cp /usr/share/qt6/translations/qtbase_it.qm "$stage/translations/"
cp "$src"/assets/suoni/*.wav "$stage/suoni/"
cp /usr/share/fonts/opentype/comic-neue/ComicNeue-{Regular,Bold}.otf "$stage/fonts/"
cp /usr/share/doc/fonts-comic-neue/copyright "$stage/fonts/ComicNeue-LICENSE.txt"
cp /usr/share/fonts/truetype/liberation/LiberationSans-{Regular,Bold}.ttf "$stage/fonts/"
cp /usr/share/doc/fonts-liberation/copyright "$stage/fonts/LiberationSans-LICENSE.txt"
sed 's/$/\r/' "$src/LICENSE" > "$stage/LICENSE.txt"

# NSIS lists: a file is put with its folder made first, and taken away with
# every folder, deepest first.
win() { printf '%s' "${1//\//\\}"; }
(cd "$stage" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) > "$stage.files"
(cd "$stage" && find . -mindepth 1 -type d | sed 's|^\./||' | LC_ALL=C sort -r) > "$stage.dirs"
{
    last=
    while read -r f; do
        dir="$(dirname "$f")"
        if [ "$dir" != "$last" ]; then
            if [ "$dir" = . ]; then echo 'SetOutPath "$INSTDIR"'; else echo "SetOutPath \"\$INSTDIR\\$(win "$dir")\""; fi
            last="$dir"
        fi
        echo "File \"$stage/$f\""
    done < <(awk -F/ '{print NF-1 "\t" $0}' "$stage.files" | LC_ALL=C sort -k1,1n -k2 | cut -f2-)
} > "$stage-install.nsh"
{
    while read -r f; do echo "Delete \"\$INSTDIR\\$(win "$f")\""; done < "$stage.files"
    while read -r d; do echo "RMDir \"\$INSTDIR\\$(win "$d")\""; done < "$stage.dirs"
} > "$stage-uninstall.nsh"
echo "$stage: $(wc -l < "$stage.files") files, $(du -sh "$stage" | cut -f1)"
