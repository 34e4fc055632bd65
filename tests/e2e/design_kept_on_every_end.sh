#!/usr/bin/env bash
# However the session is ended from outside, the design is kept and the program ends as it was
# told: a signal while CodView's editor has the terminal, the terminal hung up then, the user
# quitting at the size notice when the editor leaves the terminal smaller, a signal the program
# has no use for (SIGUSR1), and SIGTERM while the terminal reads nothing at all.
# Usage: design_kept_on_every_end.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"

program=$(realpath "$1")
here=$(cd "$E2E_DIR" && pwd -P)
server=""
# A stopped tmux server would hold the cleanup for ever.
trap '[[ -z $server ]] || kill -CONT "$server" 2>/dev/null; e2e_cleanup' EXIT

# The editor says which file it has and waits for a line; told to stop, it says so.
editor="$here/editor"
cat >"$editor" <<'EOF'
#!/bin/sh
trap 'echo TERM > "$(dirname "$0")/editor-told"; exit 1' TERM
echo "THE EDITOR HAS $1"
read -r line
EOF
chmod +x "$editor"

run_with_editor() {
    e2e_tmux resize-window -t e2e -x 90 -y 46
    e2e_tmux respawn-pane -k -t e2e env VISUAL="$editor" \
        sh -c '"$0"; echo "ended with status $?"; exec sleep 600' "$program"
}
ended_line() { screen | grep -qx "ended with status $1"; }
wait_ended() { wait_until "the program did not end with status $1" ended_line "$1"; }
gridlet_pid() { pgrep -P "$(pane_flag pane_pid)" -x gridlet; }
kept() { compgen -G "$here/Gridlet-recovered*.GDL" >/dev/null; }
wait_kept() { wait_until "the design was not kept: $1" kept; }
window_in_editor() {
    reach_empty_grid
    make_window 5 20 15 39
    press 35 85
    wait_for "THE EDITOR HAS $here/Testgui.bas"
}
next_case() {
    rm -f "$here"/Gridlet-recovered*.GDL "$here/editor-told"
    run_with_editor
}

start env VISUAL="$editor" sh -c '"$0"; echo "ended with status $?"; exec sleep 600' "$program"
window_in_editor
kill -TERM "$(gridlet_pid)"
wait_ended 143
wait_kept "SIGTERM while the editor ran"
[[ $(cat "$here/editor-told") == TERM ]] || fail "the editor was not told to stop"
shown "gridlet: the design was kept in $here/Gridlet-recovered" || fail "where it was kept is not said"
echo "SIGTERM while the editor ran: the editor told, the design kept"

next_case
window_in_editor
kill -HUP "$(pane_flag pane_pid)"
wait_kept "the terminal hung up while the editor ran"
echo "hung up while the editor ran: the design kept"

next_case
window_in_editor
e2e_tmux resize-window -t e2e -x 60 -y 20
key Enter
wait_for "q or Ctrl+C quits"
key q
wait_ended 1
wait_kept "quit at the size notice after the editor"
echo "quit at the size notice after the editor: the design kept"

next_case
reach_empty_grid
make_window 5 20 15 39
kill -USR1 "$(gridlet_pid)"
wait_ended 138
wait_kept "SIGUSR1"
[[ $(pane_flag alternate_on) == 0 && $(pane_flag mouse_any_flag) == 0 ]] ||
    fail "the terminal was not given back after SIGUSR1"
echo "SIGUSR1: the design kept, the terminal given back"

# tmux stopped reads nothing from the program, which blocks on its next big write; nothing here
# may ask tmux anything until it goes on.
next_case
reach_empty_grid
make_window 5 20 15 39
gridlet=$(gridlet_pid)
server=$(pane_flag pid)
case $(uname -m) in
    aarch64) write_call=64 ;;
    *) write_call=1 ;;
esac
writing() {
    local call
    read -r call _ <"/proc/$gridlet/syscall" && [[ $call == "$write_call" ]]
}
alive() { [[ $(cut -d' ' -f3 "/proc/$gridlet/stat" 2>/dev/null) =~ ^[^Z]$ ]]; }
# Waits while tmux is stopped; tmux goes on before a failure is reported.
wait_stopped() {
    local deadline=$((SECONDS + 10)) message=$1
    shift
    until "$@"; do
        ((SECONDS < deadline)) || { kill -CONT "$server"; fail "$message"; }
        sleep 0.05
    done
}
kill -STOP "$server"
wait_stopped "the program never waited for the terminal" eval 'kill -WINCH "$gridlet"; writing'
kill -TERM "$gridlet"
wait_stopped "the design was not kept while the terminal read nothing" kept
wait_stopped "the program waited for the terminal to read" eval '! alive'
kill -CONT "$server"
server=""
wait_ended 143
echo "SIGTERM while the terminal read nothing: the design kept, the program ended"
