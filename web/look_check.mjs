// Counts the ring and focus-mark pixels of a page's window that differ from the look the built
// page's game gives, at device pixel ratios (1, 1.5 and 2 unless given), by control and state
// ("blended": of no ring's colour).
// Usage, from web/ after building the page: node look_check.mjs [OTHER_PAGE.html [RATIO...]]
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { fileUrl, launchBrowser, openPage } from './tests/browser.js';
import { lookMismatchesInEveryState } from './tests/look_pixels.js';
import { dotsPerInchAt } from './tests/table.js';

const [other, ...given] = process.argv.slice(2);
const checked = other ? pathToFileURL(resolve(other)).href : fileUrl();
const ratios = given.length ? given.map(Number) : [1, 1.5, 2];
const browser = await launchBrowser();
try {
  for (const ratio of ratios) {
    const built = await openPage(browser, fileUrl(), { ratio });
    const layout = await built.evaluate(
      (dotsPerInch) => window.vortalinTest.layout(dotsPerInch), dotsPerInchAt(ratio));
    await built.close();
    const page = await openPage(browser, checked, { ratio });
    for (const found of await lookMismatchesInEveryState(page, layout)) {
      console.log(`ratio ${ratio} ${found.shot}: ${found.count} of ${found.checked} pixels wrong`);
      for (const first of found.first) console.log(`  ${first}`);
      for (const [control, counts] of Object.entries(found.byControl)) {
        console.log(`  ${control}: rings ${counts.rings} (blended ${counts.blended}), marks ${counts.marks}`);
      }
    }
    await page.close();
  }
} finally {
  await browser.close();
}
