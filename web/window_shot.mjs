// Writes the page's window at its opening, at a device pixel ratio, as a PNG.
// Usage, from web/ after building the page: node window_shot.mjs RATIO OUT.png
import { fileUrl, launchBrowser, openPage } from './tests/browser.js';

const [ratio, out] = process.argv.slice(2);
const browser = await launchBrowser();
try {
  const page = await openPage(browser, fileUrl(), { ratio: Number(ratio) });
  await (await page.$('#window')).screenshot({ path: out });
} finally {
  await browser.close();
}
