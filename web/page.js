// The nnrules program at a terminal in the page. The program (nnrules.js and its
// WebAssembly) writes to the terminal and waits for the lines typed and edited here; its
// options come from the page's address: ?demo=bpn&pictures runs `nnrules --pictures bpn`.
import { Terminal } from './xterm.mjs';
import { LineEditor, keysOf } from './lineeditor.js';
import startProgram from './nnrules.js';

const terminal = new Terminal({
  cols: 100,
  rows: 40,
  // The program ends its lines with \n alone, as it does at a system's terminal.
  convertEol: true,
  scrollback: 10000,
  fontFamily: 'DejaVu Sans Mono, Liberation Mono, monospace',
  fontSize: 14,
});
terminal.open(document.getElementById('terminal'));
terminal.focus();
// Ctrl-V pastes, and Ctrl-C with text selected copies it, as on any page: the terminal leaves
// these keys to the browser, and neither the line nor the program sees them.
terminal.attachCustomKeyEventHandler(event => {
  if (!event.ctrlKey || event.altKey || event.metaKey)
    return true;
  const key = event.key.toLowerCase();
  return !(key === 'v' || (key === 'c' && terminal.hasSelection()));
});

// The session's text as the terminal shows it, for "Save the trace": what the program
// wrote, without the control of the screen, and each typed line after its prompt.
const session = [];
const decoder = new TextDecoder();
const terminalControl = /\x1b\[[0-9;?]*[A-Za-z]/g;

function showText(text) {
  terminal.write(text);
  session.push(text.replace(terminalControl, ''));
}

const editor = new LineEditor(text => terminal.write(text), () => terminal.cols);

// The keys typed while the program computes wait for its next line, as a terminal's do.
const typedKeys = [];
let linePrompt = null; // the prompt of the line being read, while the program waits for one
// The line typed last, and its length in bytes: -1 when the input has ended, -2 while the
// line is being typed.
let typedLine = '';
let typedLength = -2;
let interruptWatched = false;
let interruptPressed = false;
let endPressed = false;
let linesRead = 0;
let programEnded = false;

function takeTypedKeys() {
  while (linePrompt && typedKeys.length > 0) {
    const { taken, line } = editor.take(typedKeys);
    typedKeys.splice(0, taken);
    if (line === undefined)
      continue;
    session.push(linePrompt + (line ?? '') + '\n');
    linePrompt = null;
    linesRead += 1;
    typedLine = line ?? '';
    typedLength = line === null ? -1 : new TextEncoder().encode(line).length;
  }
}

// Ctrl-C asks the training under way to stop; pressed outside one, or again before it
// has stopped, it ends the program, as at a system's terminal.
function pressInterrupt() {
  if (interruptWatched && !interruptPressed) {
    interruptPressed = true;
    return;
  }
  endPressed = true;
  if (linePrompt !== null)
    session.push(linePrompt + editor.leave());
  linePrompt = null;
  showText('^C\n');
}

terminal.onData(data => {
  if (programEnded)
    return;
  for (const key of keysOf(data)) {
    if (key === '\x03')
      pressInterrupt();
    else
      typedKeys.push(key);
  }
  takeTypedKeys();
});

// What the program's side (web/platform.cpp) calls.
const page = {
  show(bytes) {
    showText(decoder.decode(bytes, { stream: true }));
  },
  showError(text) {
    showText(text);
  },
  beginLine(prompt) {
    typedLength = -2;
    // The prompt starts where the program's output, once the terminal has taken it all, ends.
    terminal.write('', () => {
      if (endPressed)
        return;
      linePrompt = prompt;
      editor.begin(prompt, terminal.buffer.active.cursorX);
      takeTypedKeys();
    });
  },
  typedLineLength() {
    return typedLength;
  },
  takeLine() {
    return typedLine;
  },
  watchInterrupt(watched) {
    interruptWatched = watched;
    interruptPressed = false;
  },
  interruptPressed() {
    return interruptPressed;
  },
  endPressed() {
    return endPressed;
  },
};

// What the page says of the program's end, in words rather than its exit status: it ended as
// asked (q at the menu, the end of the input, Ctrl-C, whose status is a shell's 130), or why
// it stopped.
function endingOf(status) {
  if (status === 0 || status === 130)
    return 'The program has ended.';
  if (status === 2)
    return 'The program did not start: the address asks for something it does not take, as said above.';
  if (status === 1)
    return 'The program stopped: its output could not be written.';
  return 'The program stopped on an error.';
}

function endProgram(message) {
  programEnded = true;
  terminal.options.disableStdin = true;
  // No cursor once nothing more is read.
  terminal.write('\x1b[?25l', () => {
    document.getElementById('ended-message').textContent = message;
    document.getElementById('ended').hidden = false;
  });
}

// The program's arguments from the page's address: each word as the long option of its
// name (?pictures is --pictures, ?curve=x is --curve=x), and demo= as the demo to run, after
// -- so that no demo's name is taken for an option (?demo=--help names an unknown demo).
function programArguments(query) {
  const options = [];
  const demos = [];
  for (const [name, value] of new URLSearchParams(query)) {
    if (name === 'demo')
      demos.push(value);
    else
      options.push(value === '' ? `--${name}` : `--${name}=${value}`);
  }
  return demos.length > 0 ? [...options, '--', ...demos] : options;
}

function saveTrace() {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([session.join('')], { type: 'text/plain' }));
  link.download = 'nnrules-trace.txt';
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href));
  terminal.focus();
}

document.getElementById('save').addEventListener('click', saveTrace);
document.getElementById('reload').addEventListener('click', () => location.reload());

// What the browser test reads: the terminal's lines, the session's text, its size, and whether
// the program waits for a line or has ended; and the rows on the screen, selected as with the
// mouse.
window.nnrulesPage = {
  selectScreen() {
    const top = terminal.buffer.active.viewportY;
    terminal.selectLines(top, top + terminal.rows - 1);
  },
  screenLines() {
    const buffer = terminal.buffer.active;
    const lines = [];
    for (let i = 0; i < buffer.length; ++i) {
      const line = buffer.getLine(i);
      const text = line.translateToString(true);
      if (line.isWrapped && lines.length > 0)
        lines[lines.length - 1] += text;
      else
        lines.push(text);
    }
    return lines;
  },
  sessionText: () => session.join(''),
  size: () => ({ columns: terminal.cols, rows: terminal.rows }),
  waitsForLine: () => linePrompt !== null,
  linesRead: () => linesRead,
  ended: () => programEnded,
};

startProgram({
  arguments: programArguments(location.search),
  page,
  // What reaches the C library's standard streams, such as a wrong command line's message
  // written before the console is set up, is shown too, a line at a time.
  print: line => showText(line + '\n'),
  printErr: line => showText(line + '\n'),
  onExit: status => endProgram(endingOf(status)),
  onAbort: () => endProgram('The program stopped on an error.'),
});
