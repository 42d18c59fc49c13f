# shellcheck shell=bash
# Shared steps of the packaging tests: a scratch folder and the check that an
# installed renderer finds its media pack.
set -euo pipefail
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# renders_scene BIN_DIR NAME [MEDIA_DIR]: the renderer in BIN_DIR, with a
# Windows folder of its own that holds no media, draws the scene with the
# installed media pack (found by itself, or MEDIA_DIR through
# BLUVESSA_INSTALLED_MEDIA_DIR); a black picture (no pack found) fails.
renders_scene() {
    local bin=$1 name=$2 picture="$WORK/$2.png"
    local media=(-u BLUVESSA_INSTALLED_MEDIA_DIR)
    [ -n "${3:-}" ] && media=(BLUVESSA_INSTALLED_MEDIA_DIR="$3")
    mkdir -p "$WORK/home-$name"
    env "${media[@]}" BLUVESSA_WINDOWS_DIR="$WORK/home-$name/" \
        QT_QPA_PLATFORM=offscreen BLUVESSA_RANDOM_SEED=13 XDG_RUNTIME_DIR="$WORK" \
        "$bin/bluvessa-render" --size 320x240 --ticks 20 --out "$picture" ||
        fail "$name: the renderer failed"
    local colours
    colours=$(convert "$picture" -format '%k' info:)
    [ "$colours" -gt 100 ] || fail "$name: the scene has $colours colours: no media pack found"
}
