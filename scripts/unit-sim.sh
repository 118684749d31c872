# Sourced by the scripts that run the program against a simulated unit.

# start_unit_sim DEVICE LOG [SIMULATOR OPTIONS...]
# Starts zevras-sim from $build with its pseudo-terminal linked at DEVICE and
# its output in LOG, sets unit_sim_pid, and waits for the device; fails when
# the simulator ends or the device does not appear within five seconds.
start_unit_sim() {
    local device=$1 log=$2
    shift 2
    "$build/tools/zevras-sim/zevras-sim" "$@" --link "$device" </dev/null >"$log" &
    unit_sim_pid=$!
    for _ in $(seq 50); do
        [ -e "$device" ] && return 0
        kill -0 "$unit_sim_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "zevras-sim did not open $device; see $log" >&2
    return 1
}

# unit_sim_settings DEVICE: a settings file's text that opens COM1 at DEVICE.
unit_sim_settings() {
    printf '[FORM_HLAV]\nComPort=1\n\n[PORTS]\nCOM1=%s\n' "$1"
}
