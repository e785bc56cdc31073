# shellcheck shell=bash
# Sourced by the scripts that start the window and its floor, with $build_dir set: checks that
# both programs are built and picks the platform, xcb under a display server and offscreen
# without one.
: "${build_dir:?set build_dir before sourcing window_programs.sh}"
for program in window_start arabic_label_window; do
    [ -x "$build_dir/bench/$program" ] || {
        echo "no $build_dir/bench/$program: run bench/run_all.sh" >&2
        exit 2
    }
done
if [ -z "${DISPLAY:-}" ]; then
    export QT_QPA_PLATFORM=offscreen
fi
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-xcb}
