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
    this.lastRow = 0; // the lowest row that the line has reached
    this.lineStart = column + [...prompt].length;
    this.changedFrom = Infinity;
    this.show(prompt, column);
  }

  // Takes the keys in turn until one ends the line, and draws the line once for all of
  // them: a paste of thousands of characters is one drawing, not one a character. Returns
  // how many keys it took, and the line when Enter ended it, null at the end of the input
  // (Ctrl-D on an empty line), undefined while the line goes on.
  take(keys) {
    let typed = []; // printable characters in a row, put in the line together
    const putTyped = () => {
      if (typed.length === 0)
        return;
      this.chars = this.chars.slice(0, this.cursor).concat(typed, this.chars.slice(this.cursor));
      this.changed(this.cursor);
      this.cursor += typed.length;
      typed = [];
    };
    for (const [index, key] of keys.entries()) {
      const action = moves[key];
      if (action === undefined && key >= ' ' && !key.startsWith('\x1b')) {
        typed.push(key);
        continue;
      }
      putTyped();
      if (action === 'enter')
        return { taken: index + 1, line: this.end() };
      if (action === 'eof' && this.chars.length === 0) {
        this.drawChanges();
        this.write('\r\n');
        return { taken: index + 1, line: null };
      }
      this.edit(action);
    }
    putTyped();
    this.drawChanges();
    this.moveTo(this.lineStart + this.cursor);
    return { taken: keys.length, line: undefined };
  }

  edit(action) {
    if (action === 'left')
      this.cursor = Math.max(0, this.cursor - 1);
    else if (action === 'right')
      this.cursor = Math.min(this.chars.length, this.cursor + 1);
    else if (action === 'home')
      this.cursor = 0;
    else if (action === 'end')
      this.cursor = this.chars.length;
    else if (action === 'backspace' && this.cursor > 0)
      this.remove(--this.cursor);
    else if ((action === 'delete' || action === 'eof') && this.cursor < this.chars.length)
      this.remove(this.cursor);
    else if (action === 'up' && this.recalled > 0)
      this.recall(this.recalled - 1);
    else if (action === 'down' && this.recalled < this.history.length)
      this.recall(this.recalled + 1);
  }

  remove(index) {
    this.chars.splice(index, 1);
    this.changed(index);
  }

  // Ends the line with the cursor after it, drawn as it was typed, and returns it.
  end() {
    const line = this.chars.join('');
    // Drawing the last character again leaves the cursor after it, even at the end of a full
    // row, where the new line then goes down one row, not two.
    this.changed(Math.max(0, this.chars.length - 1));
    this.drawChanges();
    this.show('\r\n');
    if (line !== '')
      this.history.push(line);
    return line;
  }

  // After the terminal's width has changed, which has wrapped the line anew with the cursor
  // on its place in it: the rows counted anew, and the line drawn again from its start.
  rewrap() {
    const width = this.columns();
    const position = this.lineStart + this.cursor;
    this.row = Math.floor(position / width);
    this.column = position % width;
    this.lastRow = Math.max(this.row, Math.floor((this.lineStart + Math.max(0, this.chars.length - 1)) / width));
    this.changed(0);
    this.drawChanges();
    this.moveTo(this.lineStart + this.cursor);
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
    this.changed(0);
  }

  // Notes that the line has changed from the index on, to be drawn again from there.
  changed(index) {
    this.changedFrom = Math.min(this.changedFrom, index);
  }

  // Draws the line from where it changed to its end, erasing what was drawn of it after.
  drawChanges() {
    if (this.changedFrom === Infinity)
      return;
    // The terminal marks a row as the one before it wrapped only when a character wraps onto
    // it, so a row's first character is drawn together with the one before it.
    let from = this.changedFrom;
    if (from > 0 && (this.lineStart + from) % this.columns() === 0)
      from -= 1;
    this.moveTo(this.lineStart + from);
    this.show(this.chars.slice(from).join('') + '\x1b[J');
    this.changedFrom = Infinity;
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
    this.lastRow = Math.max(this.lastRow, this.row);
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
    // Down the rows that the line has reached, and then by new lines, which add a row (and
    // scroll the screen at its foot) but leave it marked as a line of its own: the row that a
    // character wraps onto is marked as part of the line above.
    if (Math.min(row, this.lastRow) > this.row)
      moves += `\x1b[${Math.min(row, this.lastRow) - this.row}B`;
    moves += '\r\n'.repeat(Math.max(0, row - Math.max(this.row, this.lastRow)));
    moves += `\x1b[${(position % width) + 1}G`;
    this.write(moves);
    this.row = row;
    this.column = position % width;
    this.lastRow = Math.max(this.lastRow, row);
  }
}
