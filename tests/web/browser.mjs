// The web page (a built site, build-web/site) in headless Chromium, served from this machine
// and typed at as a person types: what the page's test, its benchmark and the README's
// picture share.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { createRequire } from 'node:module';
import path from 'node:path';

export const repository = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../..');
const { chromium } = createRequire(path.join(repository, 'web/package.json'))('playwright-core');

// The longest run, back-propagation's, takes a second or two; a minute is for a busy machine.
export const longWait = 60_000;

export const pauseBeforeMenu = "Press Enter to return to the menu, or p and Enter for this run's pictures.";

let server;
let origin;
let browser;

// Serves the site's files, nothing else, on a free port of this machine, and starts Debian's
// Chromium with its own connections off: they fail where there is no network.
export async function startBrowser(site) {
  server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', site],
    { stdio: ['ignore', 'pipe', 'ignore'] });
  origin = await new Promise(ready => server.stdout.on('data', data => {
    const port = String(data).match(/port (\d+)/)?.[1];
    if (port)
      ready(`http://127.0.0.1:${port}`);
  }));
  browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
}

export async function stopBrowser() {
  await browser?.close();
  server?.kill();
}

// Opens the page at the query in a window of the size given (at the zoom given: 1.5 for
// 150%); what it fetches (from this machine's server alone), the errors it throws and the
// breaches of its Content-Security-Policy are kept for closePage's checks.
export async function openPage(query = '', { width = 900, height = 770, zoom = 1 } = {}) {
  const context = await browser.newContext({ viewport: { width, height }, deviceScaleFactor: zoom,
    acceptDownloads: true, permissions: ['clipboard-read', 'clipboard-write'] });
  const page = await context.newPage();
  page.fetched = [];
  page.errors = [];
  page.on('request', request => page.fetched.push(request.url()));
  page.on('pageerror', error => page.errors.push(error.message));
  await page.addInitScript(() => {
    window.policyBreaches = [];
    document.addEventListener('securitypolicyviolation', event =>
      window.policyBreaches.push(`${event.violatedDirective} ${event.blockedURI}`));
  });
  await page.goto(`${origin}/${query}`);
  return page;
}

export async function closePage(page) {
  assert.deepEqual(page.errors, [], 'the page threw errors');
  assert.deepEqual(page.fetched.filter(url => !url.startsWith(origin + '/')), [], 'the page fetched from elsewhere');
  assert.deepEqual(await page.evaluate(() => window.policyBreaches), [],
    'the page broke its Content-Security-Policy');
  await page.context().close();
}

// The lines of a text as a terminal shows them: no blanks at their ends (the terminal's
// rows are padded), no empty lines after the last.
export function shownLines(text) {
  const lines = (Array.isArray(text) ? text : text.split('\n')).map(line => line.trimEnd());
  while (lines.length > 0 && lines[lines.length - 1] === '')
    lines.pop();
  return lines;
}

export const sessionOf = page => page.evaluate(() => window.nnrulesPage.sessionText());
export const screenOf = page => page.evaluate(() => window.nnrulesPage.screenLines());

// Waits until the program waits for its next line (the count-th of the run, from 0) or
// has ended; true when it waits. A page that does neither in time is shown in the failure.
export async function waitForPrompt(page, count) {
  try {
    await page.waitForFunction(count => {
      const program = window.nnrulesPage;
      return program && (program.ended() || (program.waitsForLine() && program.linesRead() >= count));
    }, count, { timeout: longWait });
  } catch (error) {
    const screen = await page.evaluate(() => window.nnrulesPage?.screenLines().join('\n'));
    assert.fail(`${error.message}\nThe page's terminal:\n${shownLines(screen ?? '').slice(-10).join('\n')}\n` +
      `The page fetched: ${page.fetched.join(' ')}\nIts errors: ${page.errors.join(' ')}`);
  }
  return !(await page.evaluate(() => window.nnrulesPage.ended()));
}

export async function typeLine(page, line) {
  await page.keyboard.type(line);
  await page.keyboard.press('Enter');
}

// Types each line at the prompt that asks for it; true when the program then waits for
// the next line, false when it has ended.
export async function answer(page, lines) {
  const first = await page.evaluate(() => window.nnrulesPage.linesRead());
  for (const [count, line] of lines.entries()) {
    if (!(await waitForPrompt(page, first + count)))
      return false;
    await typeLine(page, line);
  }
  return waitForPrompt(page, first + lines.length);
}

// Types the lines as answer does, then ends the input with Ctrl-D where the program still
// reads; returns when the program has ended.
export async function typeLines(page, lines) {
  if (await answer(page, lines))
    await page.keyboard.press('Control+d');
  await page.waitForFunction(() => window.nnrulesPage.ended(), null, { timeout: longWait });
}
