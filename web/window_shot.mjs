// Writes the page's window as a PNG at a device pixel ratio, in a pose: `opening` (the
// default), or `red`, the first tick after START and then the left arrow that paints the
// window red (game/tests/window_pose.h takes the same steps in the other windows). The
// page's time stands still, so that the ticks run only when asked. More pictures may follow,
// taken in the same browser.
// Usage, from web/ after building the page: node window_shot.mjs RATIO OUT.png [POSE] ...
import { fileUrl, launchBrowser, openPage } from './tests/browser.js';

const poses = ['opening', 'red'];
const shots = [];
for (const args = process.argv.slice(2); args.length > 0;) {
  const [ratio, out] = args.splice(0, 2);
  const pose = poses.includes(args[0]) ? args.shift() : 'opening';
  if (!out || Number.isNaN(Number(ratio))) throw new Error('usage: RATIO OUT.png [POSE] ...');
  shots.push({ ratio: Number(ratio), out, pose });
}

async function shoot(browser, { ratio, out, pose }) {
  const page = await openPage(browser, fileUrl(), { ratio, clockStill: true });
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
  await page.close();
}

const browser = await launchBrowser();
try {
  for (const shot of shots) await shoot(browser, shot);
} finally {
  await browser.close();
}
