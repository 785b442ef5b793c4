// Makes docs/web-1x.png and docs/web-2x.png: the page a few seconds into a race, steered left.
// Run from web/ after building the page: node screenshot.mjs
import { join } from 'node:path';
import { fileUrl, launchBrowser, openPage, sourceRoot } from './tests/browser.js';

const browser = await launchBrowser();
for (const ratio of [1, 2]) {
  const page = await openPage(browser, fileUrl(), { ratio });
  await page.click('#Command1');
  await page.click('#Command2');
  await page.evaluate(() => window.vortalinTest.runPeriods(480));
  await page.click('#Command3');
  await page.evaluate(() => window.vortalinTest.runPeriods(90));
  await page.click('#Command4');
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => done())));
  await (await page.$('#window')).screenshot({ path: join(sourceRoot, `docs/web-${ratio}x.png`) });
}
await browser.close();
