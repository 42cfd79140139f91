#!/bin/sh
# Rebuilds the feedback sounds in suoni/ next to this script:
#   si1.wav .. si4.wav  short spoken cheers played after a right answer
#   no.wav              a short buzzer played after a wrong answer
#   beep.wav            the short beep of a wrong column digit or a refused exchange
# All files are 16-bit PCM, mono, 22050 Hz.
#
# Needs espeak-ng (Italian voice) and sox. Running it again gives
# byte-identical files: sox runs in repeatable mode without dither.
set -eu

here=$(CDPATH='' cd -- "$(dirname -- "$0")" && pwd)
out="$here/suoni"

for tool in espeak-ng sox; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "make-sounds.sh: $tool not found" >&2
        exit 1
    fi
done

mkdir -p "$out"
work=$(mktemp -d "${TMPDIR:-/tmp}/tolvena-suoni.XXXXXX")
trap 'rm -rf "$work"' EXIT
trap 'exit 130' HUP INT TERM

# -R: repeatable, -D: no dither, so the output never changes between runs.
sox_out() {
    sox -R -D "$@"
}
format='-r 22050 -c 1 -b 16 -e signed-integer -t wav'

# Voice settings for the cheers: Italian, female variant, a bit higher
# and slower than the default so that it sounds friendly and clear.
voice='it+f3'
pitch=70
speed=140

cheer() {
    name=$1
    text=$2
    espeak-ng -v "$voice" -p "$pitch" -s "$speed" -w "$work/$name-raw.wav" "$text"
    # Cut leading and trailing silence, then bring to the target format.
    # shellcheck disable=SC2086
    sox_out "$work/$name-raw.wav" $format "$work/$name-trim.wav" \
        silence 1 0.01 1% reverse silence 1 0.01 1% reverse \
        norm -1
    # Short fades so the clip never starts or ends with a click.
    # shellcheck disable=SC2086
    sox_out "$work/$name-trim.wav" $format "$work/$name.wav" \
        fade t 0.005 -0 0.04
    mv -f "$work/$name.wav" "$out/$name.wav"
}

cheer si1 'Bravo!'
cheer si2 'Esatto!'
cheer si3 'Benissimo!'
cheer si4 'Ottimo!'

# Buzzer: two slightly detuned low square waves beat against each other,
# softened with a low-pass filter.
# shellcheck disable=SC2086
sox_out -n $format "$work/no.wav" \
    synth 0.45 square 110 synth 0.45 square mix 116 \
    gain -9 \
    lowpass 2000 \
    norm -3 \
    fade t 0.01 0.45 0.08
mv -f "$work/no.wav" "$out/no.wav"

# Beep: a short plain tone, as a computer's own beep sounds.
# shellcheck disable=SC2086
sox_out -n $format "$work/beep.wav" \
    synth 0.18 sine 1000 \
    norm -4 \
    fade t 0.005 0.18 0.02
mv -f "$work/beep.wav" "$out/beep.wav"

for f in si1 si2 si3 si4 no beep; do
    printf '%s  %ss\n' "suoni/$f.wav" "$(soxi -D "$out/$f.wav")"
done
