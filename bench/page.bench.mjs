// How long the back-propagation run takes in the page (SITE) and in the native program (in
// BUILD) at a terminal, from its last answer to its last line drawn: the median of 3 runs each,
// and how long the page went without drawing a frame. Fails when the page takes more than 3
// times as long, or more than 1.2 times as long with the panel of pictures beside the
// terminal as without it. Run as: node bench/page.bench.mjs SITE BUILD
import { execFileSync } from 'node:child_process';
import path from 'node:path';
import { answer, closePage, openPage, pauseBeforeMenu, startBrowser, stopBrowser, waitForPrompt } from '../tests/web/browser.mjs';

const [site, build] = process.argv.slice(2).map(folder => path.resolve(folder ?? ''));
const nativeProgram = path.join(build, 'nnrules');
const goal = 3;
const picturesGoal = 1.2;

// Seconds from Enter on the back-propagation question's "y" to the last line of the run
// drawn: in the page, until it waits for Enter after the results and has drawn a frame.
// With them, the longest time in the run that the page drew no frame (and took no key).
async function pageRunTime(withPictures = false) {
  const page = await openPage();
  // The panel of pictures turned on, as a student turns it on.
  if (withPictures) {
    await waitForPrompt(page, 0);
    await page.click('#pictures-beside');
  }
  await answer(page, ['5']);
  await page.keyboard.type('y');
  await page.evaluate(() => {
    window.longestFrame = 0;
    let last = performance.now();
    const frame = now => {
      window.longestFrame = Math.max(window.longestFrame, now - last);
      last = now;
      requestAnimationFrame(frame);
    };
    requestAnimationFrame(frame);
  });
  const start = performance.now();
  await page.keyboard.press('Enter');
  await waitForPrompt(page, 2);
  await page.evaluate(() => new Promise(requestAnimationFrame));
  const seconds = (performance.now() - start) / 1000;
  const longestFrame = await page.evaluate(() => window.longestFrame / 1000);
  await closePage(page);
  return { seconds, longestFrame };
}

// The same in the native program in tmux, a terminal of the page's size, until the
// terminal shows the pause.
async function terminalRunTime(columns, rows) {
  const socket = `nnrules-web-bench-${process.pid}`;
  const tmux = (...args) => execFileSync('tmux', ['-L', socket, ...args], { encoding: 'utf8' });
  const waitFor = async text => {
    while (!tmux('capture-pane', '-p', '-t', 'run').includes(text))
      await new Promise(resume => setTimeout(resume, 5));
  };
  tmux('new-session', '-d', '-s', 'run', '-x', String(columns), '-y', String(rows), nativeProgram);
  try {
    await waitFor('Enter Your Choice:');
    tmux('send-keys', '-t', 'run', '5', 'Enter');
    await waitFor('(y/n):');
    tmux('send-keys', '-t', 'run', 'y');
    const start = performance.now();
    tmux('send-keys', '-t', 'run', 'Enter');
    await waitFor(pauseBeforeMenu);
    return (performance.now() - start) / 1000;
  } finally {
    tmux('kill-server');
  }
}

const median = values => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

await startBrowser(site);
try {
  // The terminal's size in the page opened as the benchmark opens it.
  const page = await openPage();
  await waitForPrompt(page, 0);
  const { columns, rows } = await page.evaluate(() => window.nnrulesPage.size());
  await closePage(page);
  const pageRuns = [];
  const picturedRuns = [];
  const terminalTimes = [];
  for (let run = 0; run < 3; ++run) {
    pageRuns.push(await pageRunTime());
    picturedRuns.push(await pageRunTime(true));
    terminalTimes.push(await terminalRunTime(columns, rows));
  }
  const pageTime = median(pageRuns.map(run => run.seconds));
  const terminalTime = median(terminalTimes);
  const longestFrame = Math.max(...pageRuns.map(run => run.longestFrame));
  const ratio = pageTime / terminalTime;
  console.log('The back-propagation run, from its last answer to its last line drawn (median of 3): ' +
    `${pageTime.toFixed(2)} s in the page, ${terminalTime.toFixed(2)} s in a terminal of ${columns}x${rows} (tmux), ` +
    `${ratio.toFixed(1)} times as long (goal: at most ${goal}); the page went at most ` +
    `${longestFrame.toFixed(2)} s without drawing a frame`);
  // The panel of pictures beside the terminal costs the run at most a fifth more.
  const picturedTime = median(picturedRuns.map(run => run.seconds));
  const picturedRatio = picturedTime / pageTime;
  console.log(`With the pictures beside the terminal: ${picturedTime.toFixed(2)} s, ${picturedRatio.toFixed(2)} times ` +
    `as long as without them (goal: at most ${picturesGoal})`);
  process.exitCode = ratio > goal || picturedRatio > picturesGoal ? 1 : 0;
} finally {
  await stopBrowser();
}
