// The web page (SITE, build-web/site) in headless Chromium, typed at as a person types, held
// line for line to what the native program (in BUILD) shows at a terminal for the same lines;
// its screenshots go beside the site, in SITE/../screenshots. Run as:
// node tests/web/page.test.mjs SITE BUILD
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {
  answer, closePage, longWait, openPage, pauseBeforeMenu, repository, screenOf, sessionOf, shownLines, startBrowser,
  stopBrowser, typeLine, typeLines, waitForPrompt,
} from './browser.mjs';

const [site, build] = process.argv.slice(2).map(folder => path.resolve(folder ?? ''));
const nativeProgram = path.join(build, 'nnrules');
const terminalScreen = path.join(build, 'tests/web/terminal_screen');
const screenshots = path.join(path.dirname(site), 'screenshots');

let scratch; // a folder for the lines given to terminal_screen

before(async () => {
  scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'nnrules-web-test-'));
  fs.mkdirSync(screenshots, { recursive: true });
  await startBrowser(site);
});

after(async () => {
  await stopBrowser();
  fs.rmSync(scratch, { recursive: true, force: true });
});

// Writes the page's screenshot to the screenshots' folder, and names it in the test's output.
async function takeScreenshot(t, page, name) {
  const file = path.join(screenshots, `${name}.png`);
  await page.screenshot({ path: file });
  t.diagnostic(`screenshot: ${file}`);
}

// --- The page, and typing at it.

const clipboardOf = page => page.evaluate(() => navigator.clipboard.readText());

// Where the terminal shows the text (its last time on the screen), as a box of the page: once
// the terminal has drawn it.
async function boxOf(page, text) {
  await page.waitForFunction(text => document.querySelector('#terminal .xterm-rows')?.textContent.includes(text), text);
  return page.evaluate(text => {
    const rows = document.querySelector('#terminal .xterm-rows');
    const walker = document.createTreeWalker(rows, NodeFilter.SHOW_TEXT);
    let found = null;
    while (walker.nextNode())
      if (walker.currentNode.data.includes(text))
        found = walker.currentNode;
    const shown = document.createRange();
    const start = found.data.lastIndexOf(text);
    shown.setStart(found, start);
    shown.setEnd(found, start + text.length);
    const { x, y, width, height } = shown.getBoundingClientRect();
    return { x, y, width, height };
  }, text);
}

// The middle of the first letter of the text where the terminal shows it, for the mouse.
async function placeOf(page, text) {
  const box = await boxOf(page, text);
  return [box.x + box.width / text.length / 2, box.y + box.height / 2];
}

// Fails unless the box lies wholly in the window, seen without scrolling.
async function assertInView(page, box, what) {
  const window = page.viewportSize();
  assert.ok(box && box.x >= 0 && box.y >= 0 && box.x + box.width <= window.width && box.y + box.height <= window.height,
    `${what} is not in the window of ${window.width}x${window.height}: ${JSON.stringify(box)}`);
}

const sizeOf = page => page.evaluate(() => window.nnrulesPage.size());

// --- What the native program shows.

// The native program's text at a terminal when the lines are typed, with its options.
function nativeScreen(lines, options = []) {
  const typed = path.join(scratch, 'typed');
  fs.writeFileSync(typed, lines.map(line => line + '\n').join(''));
  return execFileSync(terminalScreen, [typed, ...options], { encoding: 'utf8', maxBuffer: 1 << 30 });
}

// A line short enough for a failure's message.
const abridged = line => (line.length > 100 ? `${line.slice(0, 40)}...${line.slice(-40)} (${line.length} characters)` : line);

// A figure that is no number has the sign its compiler's order of operands gives it.
const figures = line => line?.replaceAll('-nan', 'nan');

// Fails, naming the first line that differs, unless the page's lines are the expected ones.
function assertSameLines(actual, expected, what) {
  const length = Math.max(actual.length, expected.length);
  for (let i = 0; i < length; ++i)
    if (figures(actual[i]) !== figures(expected[i]))
      assert.fail(`${what}: line ${i + 1} of ${expected.length} differs\n` +
        `  expected: ${JSON.stringify(expected[i] ?? '(no more lines)')}\n` +
        `  page:     ${JSON.stringify(actual[i] ?? '(no more lines)')}`);
}

// A line as the terminal shows it: each tab up to the next of the tab stops, every 8 columns.
function expandTabs(line) {
  return line.replace(/[^\t]*\t/g, part => part.slice(0, -1).padEnd((Math.floor((part.length - 1) / 8) + 1) * 8));
}

// The page's session, and its terminal (the last lines of the session, as many as it
// keeps), both show the expected text.
async function assertShows(page, expectedText) {
  const expected = shownLines(expectedText);
  assertSameLines(shownLines(await sessionOf(page)), expected, 'the session');
  const screen = shownLines(await screenOf(page));
  assertSameLines(screen, expected.slice(-screen.length).map(expandTabs), 'the terminal');
}

// --- The tests.

describe('a dialog at the page', () => {
  test('is edited with Left, Right, Home, End, Backspace and Delete, recalls with Up and Down, and keeps values with Enter', async () => {
    const page = await openPage();
    const press = async (...keys) => {
      for (const key of keys)
        await page.keyboard.press(key);
    };
    // The threshold, 1, typed with a slip: "12", Left, Delete.
    await answer(page, ['3', 'no']);
    await page.keyboard.type('12');
    await press('ArrowLeft', 'Delete', 'Enter');
    // nu: "x01", Left, ".", Home, Backspace (with nothing before the cursor, it deletes
    // nothing), Delete, End: 0.1.
    await waitForPrompt(page, 3);
    await page.keyboard.type('x01');
    await press('ArrowLeft');
    await page.keyboard.type('.');
    await press('Home', 'Backspace', 'Delete', 'End', 'Enter');
    // lambda: "9", Up to the 0.1 of nu, Down back to the 9, Backspace, then Up twice to the
    // 1 of the threshold; Right at the line's end moves nothing.
    await waitForPrompt(page, 4);
    await page.keyboard.type('9');
    await press('ArrowUp', 'ArrowDown', 'Backspace', 'ArrowUp', 'ArrowUp', 'ArrowRight', 'Enter');
    const typed = ['3', 'no', '1', '0.1', '1'];
    // Every other value as shown, until the results wait for Enter.
    while (await waitForPrompt(page, typed.length)) {
      if (shownLines(await screenOf(page)).at(-1) === pauseBeforeMenu)
        break;
      await press('Enter');
      typed.push('');
    }
    await answer(page, ['', 'q']);
    typed.push('', 'q');
    const expected = nativeScreen(typed);
    assert.ok(expected.includes('Total Learning Cycles = 579'), 'the values kept did not give the default run');
    await assertShows(page, expected);
    await closePage(page);
  });

  test('takes a pasted line of 100,000 characters as one answer, refuses it whole and asks again', async () => {
    const page = await openPage('?demo=scpta');
    await answer(page, ['n']);
    const pasted = 'x'.repeat(100_000);
    await page.evaluate(text => navigator.clipboard.writeText(text), pasted);
    await page.keyboard.press('Control+v');
    await page.keyboard.press('Enter');
    await waitForPrompt(page, 2);
    // Each line whole: the line as typed, its refusal, and the question again.
    const expected = [`Threshold (1): ${pasted}`, `"${pasted}" is not a number; type a number such as 0.5.`,
      'Threshold (1):'];
    for (const [i, line] of shownLines(await screenOf(page)).slice(-3).entries())
      assert.ok(line === expected[i], `line ${i + 1} of 3 differs: ${abridged(line)}`);
    await answer(page, ['0.5']);
    assert.equal(shownLines(await screenOf(page)).at(-1), 'nu (0.1):');
    await closePage(page);
  });

  test('wraps a line longer than the terminal is wide and edits it across its rows', async () => {
    const page = await openPage();
    await waitForPrompt(page, 0);
    // 120 characters over two rows after the menu's prompt, edited at both ends and across
    // the rows' border.
    const typed = 'abcdefghij'.repeat(12);
    await page.keyboard.type(typed);
    for (const key of ['Home', 'Delete', ...Array(60).fill('ArrowRight'), 'Backspace', 'End', 'Backspace', 'Enter'])
      await page.keyboard.press(key);
    await typeLines(page, ['q']);
    await assertShows(page, nativeScreen([typed.slice(1, 60) + typed.slice(61, 119), 'q']));
    await closePage(page);
  });
});

describe('the program in the page', () => {
  test('waits after a demo for Enter, shows the menu again, ends with q and offers to start again', async () => {
    const page = await openPage();
    await answer(page, ['6', 'y']);
    const atPause = shownLines(await screenOf(page));
    assert.equal(atPause.at(-1), pauseBeforeMenu);
    assert.equal(atPause.filter(line => line.includes('MAIN MENU')).length, 1, 'the menu came before Enter');
    await answer(page, ['']);
    const atMenu = shownLines(await screenOf(page));
    assert.equal(atMenu.filter(line => line.includes('MAIN MENU')).length, 2, 'no menu after Enter');
    assert.equal(atMenu.at(-1), '      Enter Your Choice:');
    assert.ok(await page.isHidden('#ended'), 'the end was shown while the program runs');
    await typeLine(page, 'q');
    await page.waitForSelector('#ended', { state: 'visible' });
    assert.equal(await page.textContent('#ended-message'), 'The program has ended.');
    await page.click('#reload');
    await waitForPrompt(page, 0);
    assert.equal(await page.evaluate(() => window.nnrulesPage.linesRead()), 0, 'the page did not start again');
    await closePage(page);
  });

  test('saves the session as the terminal shows it', async () => {
    const lines = ['7', 'y', '', 'q'];
    const page = await openPage();
    await typeLines(page, lines);
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#save')]);
    assert.equal(download.suggestedFilename(), 'nnrules-trace.txt');
    const saved = fs.readFileSync(await download.path(), 'utf8');
    assertSameLines(shownLines(saved), shownLines(nativeScreen(lines)), 'the saved trace');
    await closePage(page);
  });

  test('takes its options from the address: ?demo=kcl&pictures draws the Kohonen plane', async t => {
    const page = await openPage('?demo=kcl&pictures');
    await typeLines(page, ['y']);
    await assertShows(page, nativeScreen(['y'], ['--pictures', 'kcl']));
    // The plane as the program itself draws it with -p -d kcl.
    const planeOf = lines => lines.slice(lines.findIndex(line => line.startsWith('Kohonen plane')));
    const plane = planeOf(shownLines(await screenOf(page)));
    assert.ok(plane.length > 10, 'no Kohonen plane');
    assertSameLines(plane, planeOf(shownLines(execFileSync(nativeProgram, ['-p', '-d', 'kcl'], { encoding: 'utf8' }))),
      'the Kohonen plane');
    await takeScreenshot(t, page, 'kcl-pictures');
    await closePage(page);
  });

  test('stops a training on Ctrl-C, shows its results, goes back to the menu on Ctrl-C at a prompt and ends on Ctrl-C at the menu', async () => {
    const page = await openPage();
    await answer(page, ['5', 'n']);
    // The defaults but a learning constant of 0.01: a training long enough for Ctrl-C to reach.
    await typeLine(page, '-1 0.01 1 0 0 -1 0 1 -1 1 0 -1 1 1 -1 0.5 0.4 0.8 0.9 1 -0.1 0 0 0 -1.2 1.1 0.3');
    await page.waitForFunction(() => window.nnrulesPage.screenLines().join('\n').includes('LEARNING CYCLE NO.'));
    await page.keyboard.press('Control+c');
    await waitForPrompt(page, 2);
    const shown = shownLines(await screenOf(page));
    assert.ok(shown.some(line => /^Training stopped after \d+ cycles, as asked\.$/.test(line)), 'no stop said');
    assert.ok(shown.some(line => line.includes('Final O')), 'no testing table after the stop');
    assert.equal(shown.at(-1), pauseBeforeMenu);
    // At a prompt, as at a terminal, Ctrl-C leaves the demo for the menu.
    await page.keyboard.type('56');
    await page.keyboard.press('Control+c');
    assert.ok(await waitForPrompt(page, 3), 'Ctrl-C at a prompt ended the program');
    const session = shownLines(await sessionOf(page));
    assert.deepEqual(session.slice(-16, -13), [pauseBeforeMenu + '56^C', 'Back to the menu.', '']);
    assert.equal(shownLines(await screenOf(page)).at(-1), '      Enter Your Choice:');
    // At the menu it ends the program, which the page says in words.
    await page.keyboard.press('Control+c');
    await page.waitForSelector('#ended', { state: 'visible' });
    assert.equal(await page.textContent('#ended-message'), 'The program has ended.');
    await closePage(page);
  });

  test('copies the selected text on Ctrl-C, which then neither stops a training nor ends the program', async () => {
    const page = await openPage('?brief');
    await waitForPrompt(page, 0);
    // At the menu's prompt, a double click on MAIN selects the word.
    await page.mouse.dblclick(...(await placeOf(page, 'MAIN MENU')));
    await page.keyboard.press('Control+c');
    assert.equal(await clipboardOf(page), 'MAIN');
    assert.ok(await waitForPrompt(page, 0), 'Ctrl-C ended the program');
    // The multiclass continuous perceptron at a rate of 0.0001 trains to its cycle limit, for a
    // second or so; the brief trace shows its first two cycles, and then nothing until the end.
    // The rows on the screen are selected by the terminal: the mouse is slow to be heard while
    // the page trains. Were Ctrl-C taken for the stop key, the training would stop short of it.
    const typed = ['4', 'n', '', '0.0001', ...Array(19).fill('')];
    await answer(page, typed.slice(0, -1));
    await typeLine(page, typed.at(-1));
    await page.waitForFunction(() => window.nnrulesPage.sessionText().includes('Learning Cycle No.: 2\n'));
    await page.evaluate(() => window.nnrulesPage.selectScreen());
    await page.keyboard.press('Control+c');
    const copied = (await clipboardOf(page)).split('\n').map(line => line.trimEnd()).filter(Boolean);
    assert.ok(await waitForPrompt(page, typed.length), 'Ctrl-C ended the program');
    const shown = new Set(shownLines(await sessionOf(page)).map(expandTabs));
    assert.ok(copied.length > 10 && copied.every(line => shown.has(line)), `not what the screen showed: ${copied}`);
    const atPause = shownLines(await screenOf(page));
    assert.ok(atPause.includes('Training stopped after 100000 cycles: the cycle error is still above 0.01.'),
      'the training stopped before its cycle limit');
    assert.equal(atPause.at(-1), pauseBeforeMenu);
    await closePage(page);
  });

  test('answers a wrong address as the program answers a wrong command line: a demo\'s name never taken for an option, control characters shown, never obeyed', async () => {
    const hostile = '%1b[2J%1b[3J%1b[H%1b[32mYour%20session%20expired.%1b[8m';
    for (const [query, commandLine] of [['?demo=nope', ['--', 'nope']], ['?demo=--help', ['--', '--help']],
      ['?demo=-1', ['--', '-1']], [`?demo=sdpta&quiz=${hostile}`, [`--quiz=${decodeURIComponent(hostile)}`, 'sdpta']]]) {
      const page = await openPage(query);
      await page.waitForSelector('#ended', { state: 'visible' });
      assert.equal(await page.textContent('#ended-message'),
        'The program did not start: the address asks for something it does not take, as said above.');
      await assertShows(page, spawnSync(nativeProgram, commandLine, { encoding: 'utf8' }).stderr);
      await closePage(page);
    }
  });

  test('runs a demo on its defaults, draws the exercise of a seed, and explains and quizzes as the native program does', async () => {
    for (const [query, options] of [['?demo=bpn&defaults', ['-d', 'bpn']],
      ['?demo=bpn&exercise=42&defaults&brief', ['--exercise=42', '-d', '--brief', 'bpn']],
      ['?demo=kcl&exercise=7&defaults&explain&quiz', ['--exercise=7', '-d', '--explain', '--quiz', 'kcl']]]) {
      const page = await openPage(query);
      await typeLines(page, ['1 0.9 0.3']);
      await assertShows(page, nativeScreen(['1 0.9 0.3'], options));
      await closePage(page);
    }
  });
});

describe('the page in the window', () => {
  test('fills the window with the terminal, 80 columns at least, and follows its size, the line being typed with it', async () => {
    const page = await openPage('', { width: 1366, height: 657 });
    await waitForPrompt(page, 0);
    const wide = await page.locator('#terminal .xterm-screen').boundingBox();
    assert.ok(wide.x + wide.width > 1366 - 60 && wide.y + wide.height > 657 - 40, `the terminal leaves room: ${JSON.stringify(wide)}`);
    // A line begun in the wide window, the window made narrow, the line edited and ended.
    const begun = 'abcdefghij'.repeat(15);
    await page.keyboard.type(begun);
    await page.setViewportSize({ width: 600, height: 400 });
    await page.waitForFunction(() => window.nnrulesPage.size().columns === 80);
    assert.ok((await sizeOf(page)).rows < 20, 'as many rows in a shorter window');
    await assertInView(page, await boxOf(page, 'abcdefghij'), 'the line being typed');
    await page.keyboard.press('Home');
    await page.keyboard.type('12');
    await page.keyboard.press('Enter');
    // And a line typed in the narrow window, ended in a wide one.
    await waitForPrompt(page, 1);
    await page.keyboard.type(begun);
    await page.setViewportSize({ width: 1366, height: 657 });
    await page.waitForFunction(() => window.nnrulesPage.size().columns > 100);
    await page.keyboard.press('Backspace');
    await typeLines(page, ['', 'q']);
    await assertShows(page, nativeScreen(['12' + begun, begun.slice(0, -1), 'q']));
    await closePage(page);
  });

  test('shows the prompt and the controls without scrolling, on a 1366x657 laptop and a 1280x720 screen at 150%', async t => {
    for (const [width, height, zoom] of [[1366, 657, 1], [1280, 720, 1.5]]) {
      const page = await openPage('?demo=ham', { width, height, zoom });
      await waitForPrompt(page, 0);
      await assertInView(page, await boxOf(page, 'Do you want to use the default values? (y/n):'), 'the prompt');
      for (const control of ['#demo', '#option-explain', '#option-quiz', '#option-pictures', '#option-step',
        '#option-brief', '#option-defaults', '#screen-reader', '#address', '#smaller', '#larger', '#save'])
        await assertInView(page, await page.locator(control).boundingBox(), control);
      await takeScreenshot(t, page, `window-${width}x${height}-at-${zoom * 100}`);
      await typeLines(page, ['y']);
      await page.waitForSelector('#ended', { state: 'visible' });
      await assertInView(page, await page.locator('#reload').boundingBox(), 'Start again');
      await closePage(page);
    }
  });

  test('shows the address\'s options in its controls, and starts the program again with those chosen there', async () => {
    const page = await openPage('?demo=5&pictures&brief');
    await waitForPrompt(page, 0);
    const checked = () => page.evaluate(() =>
      [...document.querySelectorAll('#options input')].filter(box => box.checked).map(box => box.id));
    assert.equal(await page.inputValue('#demo'), 'bpn');
    assert.deepEqual(await checked(), ['option-pictures', 'option-brief']);
    assert.ok((await page.textContent('#address')).endsWith('/?demo=bpn&pictures&brief'));
    // Step by step turned on: the same demo, paused after its first cycle.
    await Promise.all([page.waitForURL(/step/), page.click('#option-step')]);
    await waitForPrompt(page, 0);
    assert.equal(new URL(page.url()).search, '?demo=bpn&pictures&step&brief');
    assert.deepEqual(await checked(), ['option-pictures', 'option-step', 'option-brief']);
    await answer(page, ['y']);
    assert.match(shownLines(await screenOf(page)).at(-1), /^Paused after cycle 1 \(/);
    // The menu chosen: the options kept, but for the defaults, which need a demo.
    await Promise.all([page.waitForURL(url => !url.search.includes('demo')), page.selectOption('#demo', '')]);
    await waitForPrompt(page, 0);
    assert.equal(new URL(page.url()).search, '?pictures&step&brief');
    assert.ok(await page.isDisabled('#option-defaults'), 'the defaults offered without a demo');
    assert.equal(shownLines(await screenOf(page)).at(-1), '      Enter Your Choice:');
    await closePage(page);
  });

  test('answers the quiz from a file chosen in the page, grades several at once, and writes a sheet', async () => {
    const file = (name, text) => ({ name, mimeType: 'text/plain', buffer: Buffer.from(text) });
    // Step 1's weights right, step 2's wrong, step 3's right.
    const alice = file('alice.txt', '# Alice\n-1.5 2.75\n1 1\n2 2.75\n');
    const bob = file('bob.txt', '\n-1 1.75\n2, 2.75\n');
    let page = await openPage('?demo=sdpta');
    await waitForPrompt(page, 0);
    await Promise.all([page.waitForURL(/answers=/), page.setInputFiles('#answer-files', alice)]);
    assert.equal(new URL(page.url()).search, '?demo=sdpta&quiz&answers=alice.txt');
    await waitForPrompt(page, 0);
    await typeLines(page, ['y']);
    await page.waitForSelector('#ended', { state: 'visible' });
    assert.ok(shownLines(await screenOf(page)).includes('Quiz: 2 of 3 answers right.'));
    await closePage(page);

    page = await openPage('?demo=sdpta');
    await waitForPrompt(page, 0);
    await Promise.all([page.waitForURL(/grade=/), page.setInputFiles('#answer-files', [alice, bob])]);
    assert.equal(new URL(page.url()).search, '?demo=sdpta&quiz&grade=alice.txt&grade=bob.txt');
    await page.waitForSelector('#ended', { state: 'visible' });
    const rows = shownLines(await screenOf(page)).map(line => line.trim().split(/\s+/).join(' '));
    for (const row of ['file score q1 q2 q3', 'alice.txt 2 1 0 1', 'bob.txt 2 0 1 1'])
      assert.ok(rows.includes(row), `no row "${row}" in:\n${rows.join('\n')}`);
    await closePage(page);

    page = await openPage('?demo=sdpta&sheet&exercise=3');
    await page.waitForSelector('#ended', { state: 'visible' });
    const sheet = shownLines(await screenOf(page));
    assert.equal(sheet[0], 'Exercise 3: Single Discrete Perceptron Training Algorithm (sdpta)');
    assert.ok(sheet.includes('Written by: nnrules --exercise=3 --quiz=3 --sheet sdpta'));
    await closePage(page);
  });

  test('draws the run\'s pictures beside the terminal at each pause, as the native program writes them', async t => {
    const folder = fs.mkdtempSync(path.join(scratch, 'svg-'));
    execFileSync(nativeProgram, [`--svg=${folder}`, '-s', 'sdpta'], { input: 'y\n' + '\n'.repeat(12), stdio: ['pipe', 'ignore', 'ignore'] });
    const native = step => fs.readFileSync(path.join(folder, `sdpta-1-plane-step-${step}.svg`), 'utf8');
    const boundaryOf = svg => svg.match(/<line class="boundary"[^>]*>/)?.[0];
    for (const [width, height, zoom] of [[1366, 657, 1], [1280, 720, 1.5]]) {
      const page = await openPage('?demo=sdpta&step', { width, height, zoom });
      await waitForPrompt(page, 0);
      await page.click('#pictures-beside');
      await answer(page, ['y']);
      const panel = await page.locator('#pictures').boundingBox();
      await assertInView(page, panel, 'the pictures');
      // The pause's line in view, and not under the panel.
      const pause = await boxOf(page, 'Paused after step 1');
      await assertInView(page, pause, 'the pause');
      assert.ok(pause.x + pause.width <= panel.x || pause.y + pause.height <= panel.y, 'the pictures cover the pause');
      const first = await page.evaluate(() => window.nnrulesPage.pictureText('plane'));
      assert.equal(first, native(1));
      await takeScreenshot(t, page, `pictures-${width}x${height}-at-${zoom * 100}`);
      await answer(page, ['']);
      const second = await page.evaluate(() => window.nnrulesPage.pictureText('plane'));
      assert.equal(second, native(2));
      assert.notEqual(boundaryOf(second), boundaryOf(first), 'the boundary did not move between the pauses');
      // Saved, the picture is the native program's file.
      const [download] = await Promise.all([page.waitForEvent('download'),
        page.click('figure[data-kind="plane"] .save-picture')]);
      assert.equal(download.suggestedFilename(), 'sdpta-1-plane-step-2.svg');
      assert.equal(fs.readFileSync(await download.path(), 'utf8'), native(2));
      // Pointing at a pattern shows its values; anywhere else in the plane, what the weights give.
      const mark = page.locator('figure[data-kind="plane"] g.pattern').first();
      await mark.hover();
      assert.match(await page.textContent('figure[data-kind="plane"] .reading'), /^y\d = \(/);
      const plot = await page.locator('figure[data-kind="plane"] svg > rect').nth(1).boundingBox();
      await page.mouse.move(plot.x + plot.width * 0.9, plot.y + plot.height * 0.1);
      assert.match(await page.textContent('figure[data-kind="plane"] .reading'), /^At \(.*\): net .*, output -?1$/);
      await closePage(page);
    }
  });

  test('keeps the font size chosen for the next visit, and offers the screen reader\'s mode', async () => {
    const page = await openPage();
    await waitForPrompt(page, 0);
    const { columns } = await sizeOf(page);
    await page.click('#larger');
    await page.click('#larger');
    await page.waitForFunction(columns => window.nnrulesPage.size().columns < columns, columns);
    const larger = await sizeOf(page);
    await page.click('#screen-reader');
    await page.reload();
    await waitForPrompt(page, 0);
    assert.deepEqual(await sizeOf(page), larger, 'the font size was not kept');
    assert.ok(await page.isChecked('#screen-reader'), 'the screen reader\'s mode was not kept');
    // What the screen shows, written for a screen reader too, and typing as before.
    await page.waitForFunction(() =>
      document.querySelector('.xterm-accessibility-tree')?.textContent.includes('Enter Your Choice:'));
    await typeLines(page, ['6', 'y', '', 'q']);
    await assertShows(page, nativeScreen(['6', 'y', '', 'q']));
    await page.click('#smaller');
    await page.click('#smaller');
    await page.waitForFunction(columns => window.nnrulesPage.size().columns === columns, columns);
    await closePage(page);
  });
});

// Each fixture (every demo's default run among them), typed at the page a line at a prompt,
// with the options of its "options:" line in the address, shows what the native program
// shows for the same lines and options. A Tab is a key that edits nothing, as at a terminal.
// Fixtures that lower the cycle limit (only tests inside the program can) are left out, and
// so are the shell sessions.
describe('the fixtures typed at the page show what the native program shows', () => {
  const folder = path.join(repository, 'tests/screens');
  for (const name of fs.readdirSync(folder).filter(name => name.endsWith('.txt')).sort()) {
    const text = fs.readFileSync(path.join(folder, name), 'utf8');
    // So are those typing control characters: keys of a line editor, here as with libedit.
    if (/^cycle limit:/m.test(text) || /^\$ /m.test(text) || /^<.*[\x00-\x08\x0b-\x1f]/m.test(text))
      continue;
    const lines = text.split('\n').filter(line => line.startsWith('<')).map(line => line.slice(2));
    // The options of the fixture's "options:" line, for the page's address and the program.
    const options = (text.match(/^options: (.*)$/m)?.[1] ?? '').split(' ').filter(Boolean)
      .map(option => ({ '-p': '--pictures', '-s': '--step' })[option] ?? option);
    // A word that is no option names the demo run alone (a sheet's, a key's).
    const query = options.length
      ? '?' + options.map(option => option.startsWith('-') ? option.replace(/^--/, '') : `demo=${option}`).join('&')
      : '';
    test(name.replace(/\.txt$/, ''), async () => {
      const page = await openPage(query);
      await typeLines(page, lines);
      await assertShows(page, nativeScreen(lines.map(line => line.replaceAll('\t', '')), options));
      // Ended by q or the end of the input, as asked.
      await page.waitForSelector('#ended', { state: 'visible' });
      assert.equal(await page.textContent('#ended-message'), 'The program has ended.');
      await closePage(page);
    });
  }
});

test('the site, the terminal component with it, is at most 1.5 MB', () => {
  const size = fs.readdirSync(site).reduce((sum, name) => sum + fs.statSync(path.join(site, name)).size, 0);
  assert.ok(size <= 1.5e6, `the site is ${(size / 1e6).toFixed(2)} MB`);
});
