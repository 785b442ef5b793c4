// The keyboard reaches the game only through the focus: Tab in the table's order, Space and
// Enter click the focused button, arrow keys do nothing. The full distance counter's notice
// holds the page until it is closed.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { fileUrl, launchBrowser, openPage } from './browser.js';
import { tabOrder } from './table.js';

let browser;
before(async () => {
  browser = await launchBrowser();
});
after(() => browser?.close());

const focused = (page) => page.evaluate(() => document.activeElement.id);
const state = (page) => page.evaluate(() => window.vortalinTest.state());

test('Tab visits the controls in the table\'s order, starting at START, and Shift+Tab goes back',
  async () => {
    const page = await openPage(browser, fileUrl());
    const order = tabOrder();
    const visited = [await focused(page)];
    for (let i = 1; i < order.length; i += 1) {
      await page.keyboard.press('Tab');
      visited.push(await focused(page));
    }
    assert.deepEqual(visited, order);
    await page.keyboard.down('Shift');
    await page.keyboard.press('Tab');
    await page.keyboard.up('Shift');
    assert.equal(await focused(page), order.at(-2));
  });

test('Space and Enter click the focused button; arrow keys do nothing', async () => {
  const page = await openPage(browser, fileUrl());
  await page.keyboard.press('Space');
  assert.equal((await state(page)).clock, true, 'Space on START starts the race');
  await page.focus('#Command4');
  await page.keyboard.press('Enter');
  const stopped = await state(page);
  assert.equal(stopped.clock, false, 'Enter on STOP stops it');
  for (const id of ['Command1', 'Command2', 'Command3', 'Command4']) {
    await page.focus(`#${id}`);
    for (const key of ['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown']) {
      await page.keyboard.press(key);
    }
    assert.equal(await focused(page), id);
  }
  await page.evaluate(() => new Promise((done) => setTimeout(done, 100)));
  assert.deepEqual(await state(page), stopped);
});

test('a full distance counter stops the race and shows the notice until it is closed',
  async () => {
    const page = await openPage(browser, fileUrl());
    const noticeOpen = () => page.evaluate(() => document.getElementById('notice').open);
    let courses = 0;
    while (!(await noticeOpen()) && courses < 30) {
      await page.click('#Command1');
      await page.evaluate(() => window.vortalinTest.runPeriods(2000));
      await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => done())));
      courses += 1;
    }
    assert.ok(await noticeOpen(), `notice after ${courses} courses`);
    const atNotice = await state(page);
    assert.equal(atNotice.distance, 32767);
    assert.equal(atNotice.clock, false);
    assert.equal(await page.evaluate(() => document.getElementById('notice-text').textContent),
      '距離カウンターが上限に達しました。これ以上レースを続けられません。');
    assert.equal(await page.evaluate(() => document.activeElement.textContent), 'OK');
    await page.mouse.click(60, 260);
    await page.keyboard.press('Space');
    assert.deepEqual(await state(page), atNotice, 'the window takes no input while it shows');
    await page.click('#notice button');
    assert.equal(await noticeOpen(), false);
    await page.click('#Command1');
    assert.equal((await state(page)).clock, true, 'START works again once it is closed');
    assert.deepEqual(page.problems, [], 'no console error or policy violation');
  });
