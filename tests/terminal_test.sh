#!/usr/bin/env bash
# The program in a real terminal: tmux runs it in a pane full of earlier text; the menu
# must start at the top of a cleared screen, a Hopfield recall must run from typed keys,
# and q must end the program with status 0.
set -euo pipefail
binary=$1
command -v tmux >/dev/null || { echo "tmux is not installed"; exit 1; }

socket="nnrules-terminal-$$"
work=$(mktemp -d)
trap 'tmux -L "$socket" kill-server 2>/dev/null || true; rm -rf "$work"' EXIT

screen() { tmux -L "$socket" capture-pane -p -t demo; }

# Waits up to 20 seconds for the text to appear on the screen.
wait_for_text() {
    for _ in $(seq 200); do
        if screen | grep -qF -- "$1"; then return 0; fi
        sleep 0.1
    done
    echo "Timed out waiting for: $1"; screen; return 1
}

cat > "$work/start" <<SCRIPT
for i in \$(seq 60); do echo "earlier text \$i"; done
"$binary"
echo "\$?" > "$work/status"
sleep 60
SCRIPT

tmux -L "$socket" new-session -d -s demo -x 100 -y 40 "bash $work/start"
wait_for_text "Enter Your Choice:"

# The menu's blank first line and its first row of asterisks stand at the top of the pane.
first_rows=$(screen | head -n 2)
expected=$(printf '\n%s' "**********************************************************************")
if [ "$first_rows" != "$expected" ]; then
    echo "The screen was not cleared before the menu:"; screen; exit 1
fi
if screen | grep -qF "earlier text"; then
    echo "Earlier text is still on the screen:"; screen; exit 1
fi

tmux -L "$socket" send-keys -t demo 6 Enter
wait_for_text "Do you want to use the default values? (y/n):"
tmux -L "$socket" send-keys -t demo y Enter
wait_for_text "Retreived vector no. 1 correctly."
tmux -L "$socket" send-keys -t demo q Enter

for _ in $(seq 200); do
    [ -s "$work/status" ] && break
    sleep 0.1
done
[ -s "$work/status" ] || { echo "The program did not end after q"; screen; exit 1; }
status=$(cat "$work/status")
[ "$status" = 0 ] || { echo "The program ended with status $status"; exit 1; }
echo "Terminal run passed"
