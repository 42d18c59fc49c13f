# The settings both measurements run with: every creature on, the clock on,
# no sound, a frame interval of 70 ms. Sourced; writes the settings file of
# the Windows folder $1.
write_bench_settings() {
    local source_dir
    source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
    {
        echo "[Bluvessa]"
        printf '%s\n' firstrun=1 background=1 centerpiece=5 speed=70 sound=0 clock=1
        sed -n 's/.*\.key = "\([a-z]*\)".*/\1=1/p' "$source_dir/src/scene/creatures.cpp"
    } > "$1/zentrova.ini"
}
