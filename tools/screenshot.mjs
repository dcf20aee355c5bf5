// The README's picture of the page: the Kohonen run with its pictures (?demo=kcl&pictures),
// at its end, written to FILE. Run as: node tools/screenshot.mjs SITE FILE
import path from 'node:path';
import { closePage, openPage, startBrowser, stopBrowser, typeLines } from '../tests/web/browser.mjs';

const [site, file] = process.argv.slice(2).map(name => path.resolve(name ?? ''));

await startBrowser(site);
try {
  const page = await openPage('?demo=kcl&pictures');
  await typeLines(page, ['y']);
  await page.waitForSelector('#ended', { state: 'visible' });
  await page.screenshot({ path: file });
  await closePage(page);
  console.log(`The page's picture: ${file}`);
} finally {
  await stopBrowser();
}
