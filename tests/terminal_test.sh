#!/usr/bin/env bash
# The program in a real terminal, driven through tmux as a student types: the screen
# cleared, the scrollback kept, no message without TERM; line editing, Up, Tab, Enter
# keeping values; the pause and its pictures; a demo by name; Ctrl-C stopping a training; q.
# (What is typed at the menu and the question, libedit shows as the fixtures' stand-in does:
# test_program checks that, and lines read without libedit.)
set -euo pipefail
binary=$1
command -v tmux >/dev/null || { echo "Skipped: tmux is not installed"; exit 77; }
socket="nnrules-terminal-$$"
work=$(mktemp -d)
trap 'tmux -L "$socket" kill-server 2>/dev/null || true; rm -rf "$work"' EXIT
screen() { tmux -L "$socket" capture-pane -p -t demo; }
keys() { tmux -L "$socket" send-keys -t demo "$@"; }
fail() { echo "$1"; screen; exit 1; }
# Waits up to 30 seconds for the text to appear on the screen, or (prompt) to begin its last line.
wait_for() {
    for _ in $(seq 300); do screen | grep -qF -- "$1" && return 0; sleep 0.1; done
    fail "Timed out waiting for: $1"
}
prompt() {
    for _ in $(seq 300); do [[ "$(screen | grep -v '^$' | tail -n 1)" == "$1"* ]] && return 0; sleep 0.1; done
    fail "Timed out waiting for the prompt: $1"
}

# --defaults reads nothing, not even at a terminal; then the menu, in a folder with one file
# for Tab to complete, were it to complete anything.
mkdir "$work/files" && touch "$work/files/only-file"
printf 'cd %s/files\n"%s" -d ham\nfor i in $(seq 60); do echo "earlier text $i"; done\nenv -u TERM LC_ALL=C.UTF-8 "%s" 2>%s/errors\necho $? > %s/status\nsleep 60\n' \
    "$work" "$binary" "$binary" "$work" "$work" > "$work/start"
tmux -L "$socket" new-session -d -s demo -x 100 -y 40 "bash $work/start"
wait_for "Enter Your Choice:"
[ "$(screen | head -n 2)" = "$(printf '\n%s' "$(printf '*%.0s' $(seq 70))")" ] || fail "The menu is not at the top:"
! screen | grep -qF "earlier text" || fail "Earlier text is still on the screen:"
tmux -L "$socket" capture-pane -p -S - -t demo | grep -qF "earlier text 60" || fail "The scrollback was erased:"

keys 3 Enter
wait_for "Do you want to use the default values? (y/n):"
keys no Enter
prompt "Threshold (1):"
keys 1 Enter
prompt "nu (0.1):"
keys x01 Left . Home Delete End Enter            # x01 edited into 0.1
prompt "lambda (1):"
keys Up Up Enter                                  # the 1 typed for the threshold
prompt "Enter value for Y1 0 (1):"
keys Tab Enter                                    # no file name: the value shown is kept
for _ in $(seq 9); do keys Enter; done            # every other value as shown
wait_for "Total Learning Cycles = 579"
prompt "Press Enter to return to the menu, or p"
keys p Enter                                      # the pictures of the run just ended,
wait_for "The trained boundary, x = 0.223655"
prompt "Press Enter to return to the menu."         # which stay until Enter
keys Enter
prompt "      Enter Your Choice:"

keys bpn Enter                                    # a demo by its name
prompt "Do you want to use the default values? (y/n):"
keys Enter
wait_for "*** LEARNING CYCLE NO."
keys C-c                                          # stops the training, not the program
wait_for "cycles, as asked."
prompt "Press Enter to return to the menu, or p"
screen | grep -qF "Final O" || fail "The results did not follow a training stopped by Ctrl-C:"
keys Enter
prompt "      Enter Your Choice:"
keys q Enter
for _ in $(seq 200); do [ -s "$work/status" ] && break; sleep 0.1; done
[ "$(cat "$work/status" 2>/dev/null)" = 0 ] || fail "The program did not end with status 0 after q"
[ ! -s "$work/errors" ] || fail "Standard error got: $(cat "$work/errors")"
echo "Terminal run passed"
