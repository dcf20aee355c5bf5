#!/usr/bin/env bash
# The program in a real terminal: tmux runs it in a pane full of earlier text; the menu
# must start at the top of a cleared screen, a Hopfield recall must run from typed keys,
# and q must end the program with status 0.
set -euo pipefail
binary=$1
command -v tmux >/dev/null || { echo "Skipped: tmux is not installed"; exit 77; }
socket="nnrules-terminal-$$"
work=$(mktemp -d)
trap 'tmux -L "$socket" kill-server 2>/dev/null || true; rm -rf "$work"' EXIT
screen() { tmux -L "$socket" capture-pane -p -t demo; }
keys() { tmux -L "$socket" send-keys -t demo "$@"; }
fail() { echo "$1"; screen; exit 1; }
# Waits up to 20 seconds for the text to appear on the screen.
wait_for() {
    for _ in $(seq 200); do screen | grep -qF -- "$1" && return 0; sleep 0.1; done
    fail "Timed out waiting for: $1"
}

printf 'for i in $(seq 60); do echo "earlier text $i"; done\n"%s"\necho $? > %s/status\nsleep 60\n' \
    "$binary" "$work" > "$work/start"
tmux -L "$socket" new-session -d -s demo -x 100 -y 40 "bash $work/start"
wait_for "Enter Your Choice:"
[ "$(screen | head -n 2)" = "$(printf '\n%s' "$(printf '*%.0s' $(seq 70))")" ] || fail "The menu is not at the top:"
! screen | grep -qF "earlier text" || fail "Earlier text is still on the screen:"

keys 6 Enter
wait_for "Do you want to use the default values? (y/n):"
keys y Enter
wait_for "Retreived vector no. 1 correctly."
keys q Enter
for _ in $(seq 200); do [ -s "$work/status" ] && break; sleep 0.1; done
[ "$(cat "$work/status" 2>/dev/null)" = 0 ] || fail "The program did not end with status 0 after q"
echo "Terminal run passed"
