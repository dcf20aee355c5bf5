// The editing of a typed line, done in the page as libedit does it at a terminal: Left,
// Right, Home, End, Backspace and Delete edit the line, Up and Down recall the earlier
// lines of the run, Enter ends it and Ctrl-D on an empty line ends the input. The line is
// drawn on the page's terminal after its prompt, wrapping at the terminal's width.

// The keys in what the terminal sends: each an escape sequence or one character.
export function keysOf(data) {
  return data.match(/\x1b\[[0-9;]*[~A-Za-z]|\x1bO[A-Za-z]|[\s\S]/gu) ?? [];
}

const moves = {
  '\x1b[D': 'left', '\x1bOD': 'left', '\x02': 'left',
  '\x1b[C': 'right', '\x1bOC': 'right', '\x06': 'right',
  '\x1b[H': 'home', '\x1bOH': 'home', '\x1b[1~': 'home', '\x01': 'home',
  '\x1b[F': 'end', '\x1bOF': 'end', '\x1b[4~': 'end', '\x05': 'end',
  '\x1b[A': 'up', '\x1bOA': 'up',
  '\x1b[B': 'down', '\x1bOB': 'down',
  '\x7f': 'backspace', '\b': 'backspace',
  '\x1b[3~': 'delete',
  '\r': 'enter', '\n': 'enter',
  '\x04': 'eof',
};

export class LineEditor {
  // write(text) shows the text on the terminal, whose width columns() gives.
  constructor(write, columns) {
    this.write = write;
    this.columns = columns;
    this.history = [];
  }

  // Shows the prompt, the terminal's cursor being at the column given, and starts a line.
  begin(prompt, column) {
    this.prompt = prompt;
    this.chars = [];
    this.cursor = 0;
    this.recalled = this.history.length;
    this.draft = [];
    // Positions count the cells from the start of the cursor's row.
    this.row = 0;
    this.column = column;
    this.lineStart = column + [...prompt].length;
    this.show(prompt, column);
  }

  // Takes one key: the line when Enter ends it, null at the end of the input (Ctrl-D on
  // an empty line), undefined while the line goes on.
  key(key) {
    const action = moves[key];
    if (action === 'enter') {
      const line = this.chars.join('');
      this.moveTo(this.lineStart);
      this.show(line + '\r\n');
      if (line !== '')
        this.history.push(line);
      return line;
    }
    if (action === 'eof' && this.chars.length === 0) {
      this.write('\r\n');
      return null;
    }
    if (action === undefined && key >= ' ' && !key.startsWith('\x1b'))
      this.chars.splice(this.cursor++, 0, key);
    else if (action === 'left')
      this.cursor = Math.max(0, this.cursor - 1);
    else if (action === 'right')
      this.cursor = Math.min(this.chars.length, this.cursor + 1);
    else if (action === 'home')
      this.cursor = 0;
    else if (action === 'end')
      this.cursor = this.chars.length;
    else if (action === 'backspace' && this.cursor > 0)
      this.chars.splice(--this.cursor, 1);
    else if (action === 'delete' || action === 'eof')
      this.chars.splice(this.cursor, 1);
    else if (action === 'up' && this.recalled > 0)
      this.recall(this.recalled - 1);
    else if (action === 'down' && this.recalled < this.history.length)
      this.recall(this.recalled + 1);
    this.redraw();
    return undefined;
  }

  // Leaves the line unfinished, the cursor after it, and returns it.
  leave() {
    this.moveTo(this.lineStart + this.chars.length);
    return this.chars.join('');
  }

  recall(index) {
    if (this.recalled === this.history.length)
      this.draft = this.chars;
    this.recalled = index;
    this.chars = index === this.history.length ? this.draft : [...this.history[index]];
    this.cursor = this.chars.length;
  }

  // Draws the line anew after the prompt, erasing what was drawn of it before.
  redraw() {
    this.moveTo(this.lineStart);
    this.show(this.chars.join('') + '\x1b[J');
    this.moveTo(this.lineStart + this.cursor);
  }

  // Writes text that starts at the cursor's position and is drawn one cell a character.
  show(text, from = this.position()) {
    this.write(text);
    const drawn = [...text.replace(/\x1b\[[0-9;]*[A-Za-z]|\r\n/g, '')].length;
    const end = from + drawn;
    const width = this.columns();
    if (text.endsWith('\r\n')) {
      this.row = 0;
      this.column = 0;
    } else if (drawn > 0 && end % width === 0) {
      // The terminal keeps the cursor on the last cell until the next character wraps it.
      this.row = end / width - 1;
      this.column = width;
    } else {
      this.row = Math.floor(end / width);
      this.column = end % width;
    }
  }

  position() {
    return this.row * this.columns() + this.column;
  }

  moveTo(position) {
    const width = this.columns();
    const row = Math.floor(position / width);
    let moves = '';
    if (row < this.row)
      moves += `\x1b[${this.row - row}A`;
    // Down by new lines, which scroll the screen when a wrapped line has reached its foot.
    moves += '\r\n'.repeat(Math.max(0, row - this.row));
    moves += `\x1b[${(position % width) + 1}G`;
    this.write(moves);
    this.row = row;
    this.column = position % width;
  }
}
