// The course's length in real time: 1522 ticks of 10 ms, whatever the display does.
// Timing: run this file alone on a busy machine (node --test --test-concurrency=1).
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { launchBrowser, openPage, servePage } from './browser.js';

const courseSeconds = 15.22;
let browser;
let server;
before(async () => {
  browser = await launchBrowser({ throttled: true });
  server = await servePage();
});
after(async () => {
  await browser?.close();
  await server?.close();
});

// Seconds from the click on START to the tick that stops the clock, as the page saw them.
async function courseLength(page, whileRunning = async () => {}) {
  await page.evaluate(() => {
    window.courseStart = performance.now();
    document.getElementById('Command1').click();
  });
  await whileRunning();
  await page.waitForFunction(() => !window.vortalinTest.state().clock,
    { timeout: 40000, polling: 'raf' });
  return page.evaluate(() => (performance.now() - window.courseStart) / 1000);
}

function assertPace(seconds) {
  const error = Math.abs(seconds - courseSeconds) / courseSeconds;
  assert.ok(error <= 0.01, `${seconds.toFixed(3)} s against ${courseSeconds} s`);
}

test('a course ends by itself after 15.22 s, and again after the tab was hidden for 4 s', async () => {
  const page = await openPage(browser, server.url);
  const visible = await courseLength(page);
  console.log(`course: ${visible.toFixed(3)} s`);
  assertPace(visible);
  assert.equal((await page.evaluate(() => window.vortalinTest.state())).distance, 1522);

  const hidden = await courseLength(page, async () => {
    await new Promise((done) => setTimeout(done, 2000));
    const other = await browser.newPage();
    await other.bringToFront();
    assert.equal(await page.evaluate(() => document.visibilityState), 'hidden');
    await new Promise((done) => setTimeout(done, 4000));
    await page.bringToFront();
    await other.close();
  });
  console.log(`course with the tab hidden for 4 s: ${hidden.toFixed(3)} s`);
  assertPace(hidden);
  assert.equal((await page.evaluate(() => window.vortalinTest.state())).distance, 2 * 1522);
});

// Frames the page asks for in half a second.
function framesAskedFor(page) {
  return page.evaluate(async () => {
    let count = 0;
    const original = window.requestAnimationFrame;
    window.requestAnimationFrame = (callback) => {
      count += 1;
      return original(callback);
    };
    await new Promise((done) => setTimeout(done, 500));
    window.requestAnimationFrame = original;
    return count;
  });
}

test('the page asks for frames while the race runs, and for none once it has ended', async () => {
  const page = await openPage(browser, server.url);
  await page.click('#Command1');
  assert.ok(await framesAskedFor(page) > 10);
  await page.click('#Command4');
  assert.equal(await framesAskedFor(page), 0);
});
