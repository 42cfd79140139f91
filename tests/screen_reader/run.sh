#!/bin/sh
# Plays a session file under the real screen reader and checks that Orca said
# every "#expect" line of it, in order. Exit 77 (skipped) without Orca.
# Usage: run.sh SCREEN-READER-TOOL SESSION-FILE PROGRAM ARGS...
tool=$1 session=$2
shift 2
for need in orca speech-dispatcher Xvfb xdotool dbus-daemon; do
    command -v "$need" >/dev/null 2>&1 || { echo "skipped: $need is not installed"; exit 77; }
done
[ -x "$tool" ] || { echo "skipped: no screen-reader tool at $tool"; exit 77; }
out=$(mktemp) || exit 1
trap 'rm -f "$out"' EXIT
"$tool" --settle 0.8 --steps "$session" -- "$@" >"$out" 2>&1
rc=$?
cat "$out"
[ $rc -eq 0 ] || { echo "the session did not run ($rc)"; exit 1; }
# Each expected phrase must come after the one before it.
grep '^#expect ' "$session" | sed 's/^#expect //' | {
    from=1
    while IFS= read -r phrase; do
        at=$(tail -n +"$from" "$out" | grep -n -F -x -m1 -- "    $phrase" | cut -d: -f1)
        [ -n "$at" ] || { echo "not said (in this order): $phrase"; exit 1; }
        from=$((from + at))
    done
}
