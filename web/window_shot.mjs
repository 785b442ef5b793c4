// Writes the page's window as a PNG at a device pixel ratio, in a pose: `opening` (the
// default), or `red`, the first tick after START and then the left arrow that paints the
// window red (game/tests/window_pose.h takes the same steps in the other windows). The
// page's time stands still, so that the ticks run only when asked.
// Usage, from web/ after building the page: node window_shot.mjs RATIO OUT.png [opening|red]
import { fileUrl, launchBrowser, openPage } from './tests/browser.js';

const [ratio, out, pose = 'opening'] = process.argv.slice(2);
if (!['opening', 'red'].includes(pose)) throw new Error(`no pose ${pose}: opening or red`);
const browser = await launchBrowser();
try {
  const page = await openPage(browser, fileUrl(), { ratio: Number(ratio), clockStill: true });
  if (pose === 'red') {
    await page.click('#Command1');
    await page.click('#Command2');
    await page.mouse.move(0, 0);
    const red = await page.evaluate(() => {
      while (window.vortalinTest.runPeriods(1) > 0) {
        if (window.vortalinTest.state().colour === 255) return true;
      }
      return false;
    });
    if (!red) throw new Error('the window never turned red');
  }
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => done())));
  await (await page.$('#window')).screenshot({ path: out });
} finally {
  await browser.close();
}
