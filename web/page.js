// The nnrules program at a terminal in the page. The program (nnrules.js and its
// WebAssembly) writes to the terminal and waits for the lines typed and edited here; its
// options come from the page's address and its controls (options.js). The terminal fills the
// window, in a font size of the student's choice.
import { Terminal } from './xterm.mjs';
import { FitAddon } from './addon-fit.mjs';
import { LineEditor, keysOf } from './lineeditor.js';
import { answerFilesKept, programArguments, showOptions } from './options.js';
import { picturesPanel } from './pictures.js';
import startProgram from './nnrules.js';

// What the student chose on an earlier visit: the font size and the screen reader's mode.
function remembered(name, otherwise) {
  try {
    return JSON.parse(localStorage.getItem(`nnrules-${name}`)) ?? otherwise;
  } catch {
    return otherwise; // storage turned off, or a value not written here
  }
}

function remember(name, value) {
  try {
    localStorage.setItem(`nnrules-${name}`, JSON.stringify(value));
  } catch {
    // Storage turned off: the choice holds for this visit.
  }
}

// The font sizes offered, in pixels.
const fontSizes = { first: 14, least: 8, most: 40, step: 2 };
const fontSizeWithin = size => Math.min(fontSizes.most, Math.max(fontSizes.least, Number(size) || fontSizes.first));

const terminal = new Terminal({
  // The program ends its lines with \n alone, as it does at a system's terminal.
  convertEol: true,
  scrollback: 10000,
  fontFamily: 'DejaVu Sans Mono, Liberation Mono, monospace',
  fontSize: fontSizeWithin(remembered('font-size', fontSizes.first)),
  screenReaderMode: remembered('screen-reader', false) === true,
  // The line being typed is wrapped anew with the others when the width changes, and its
  // editor then counts its rows anew.
  reflowCursorLine: true,
});
const fit = new FitAddon();
terminal.loadAddon(fit);
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

// The terminal as large as its place in the window, but 80 columns at least (the pictures are
// 79 wide: a narrower window scrolls sideways) and a few rows.
const leastColumns = 80;
const leastRows = 5;

function fitTerminal() {
  const proposed = fit.proposeDimensions();
  if (!(proposed?.cols > 0 && proposed?.rows > 0))
    return; // the terminal not laid out (yet)
  const columns = Math.max(leastColumns, proposed.cols);
  // A row fewer where the scroll bar across takes its place.
  const rows = Math.max(leastRows, proposed.rows - (proposed.cols < leastColumns ? 1 : 0));
  if (columns === terminal.cols && rows === terminal.rows)
    return;
  // Once the terminal has taken all that was written at the old width, so that the line being
  // typed, and where its editor draws, are wrapped anew together.
  terminal.write('', () => {
    terminal.resize(columns, rows);
    if (linePrompt !== null)
      editor.rewrap();
  });
}

// The keys typed while the program computes wait for its next line, as a terminal's do.
const typedKeys = [];
let linePrompt = null; // the prompt of the line being read, while the program waits for one
// The line typed last, and its length in bytes: -1 when the input has ended, -2 while the
// line is being typed, -3 when Ctrl-C stopped it.
let typedLine = '';
let typedLength = -2;
let interruptPressed = false; // and not yet acted on
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

// Ctrl-C at a prompt stops the line being typed (the program leaves its demo for the menu,
// or ends at the menu); elsewhere it is noted, for the training under way to stop, or the
// next prompt; pressed again before the program has acted on it, it ends the program, as at
// a system's terminal.
function pressInterrupt() {
  if (linePrompt !== null) {
    session.push(linePrompt + editor.leave());
    linePrompt = null;
    linesRead += 1;
    typedLength = -3;
    showText('^C\n');
    return;
  }
  if (!interruptPressed) {
    interruptPressed = true;
    return;
  }
  endPressed = true;
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

const pictures = picturesPanel(document.getElementById('pictures'), document.getElementById('pictures-beside'),
  { remembered, remember });
// The keys go on to the terminal once the panel is turned on or off.
document.getElementById('pictures-beside').addEventListener('change', () => terminal.focus());

// What the program's side (web/platform.cpp) calls.
const page = {
  picturesShown() {
    return pictures.shown();
  },
  showPicture(name, svg) {
    pictures.show(name, svg);
  },
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
  interruptPressed() {
    return interruptPressed;
  },
  forgetInterrupt() {
    interruptPressed = false;
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

function saveTrace() {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([session.join('')], { type: 'text/plain' }));
  link.download = 'nnrules-trace.txt';
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href));
  terminal.focus();
}

function setFontSize(size) {
  terminal.options.fontSize = fontSizeWithin(size);
  remember('font-size', terminal.options.fontSize);
  fitTerminal();
  terminal.focus();
}

// In the screen reader's mode, a picture's description is read as it is drawn.
const screenReader = document.getElementById('screen-reader');
const readPictures = () => document.getElementById('pictures').setAttribute('aria-live', screenReader.checked ? 'polite' : 'off');
screenReader.checked = terminal.options.screenReaderMode;
readPictures();
screenReader.addEventListener('change', () => {
  terminal.options.screenReaderMode = screenReader.checked;
  remember('screen-reader', screenReader.checked);
  readPictures();
  terminal.focus();
});

document.getElementById('save').addEventListener('click', saveTrace);
document.getElementById('smaller').addEventListener('click', () => setFontSize(terminal.options.fontSize - fontSizes.step));
document.getElementById('larger').addEventListener('click', () => setFontSize(terminal.options.fontSize + fontSizes.step));
document.getElementById('reload').addEventListener('click', () => location.reload());
new ResizeObserver(fitTerminal).observe(document.getElementById('terminal'));
fitTerminal();

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
  pictureText: kind => pictures.textOf(kind),
  size: () => ({ columns: terminal.cols, rows: terminal.rows }),
  waitsForLine: () => linePrompt !== null,
  linesRead: () => linesRead,
  ended: () => programEnded,
};

const program = {
  arguments: programArguments(location.search),
  page,
  // The answer files chosen in the page, where the program reads them (its folder).
  preRun: [() => {
    for (const [name, text] of answerFilesKept())
      program.FS.writeFile(name, text);
  }],
  // The row of demos and toggles from the program's tables, before the program starts.
  onRuntimeInitialized() {
    showOptions(document.getElementById('options'), location.search, JSON.parse(this.UTF8ToString(this._optionsRow())));
  },
  // What reaches the C library's standard streams, such as a wrong command line's message
  // written before the console is set up, is shown too, a line at a time.
  print: line => showText(line + '\n'),
  printErr: line => showText(line + '\n'),
  onExit: status => endProgram(endingOf(status)),
  onAbort: () => endProgram('The program stopped on an error.'),
};
startProgram(program);
