// The keyboard reaches the game only through the focus: Tab in the table's order, Space and
// Enter click the focused button, arrow keys on a button walk the tab order round, and a
// press on what takes no focus leaves it in place. The full distance counter's notice holds
// the page until it is closed.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { fileUrl, launchBrowser, openPage } from './browser.js';
import { formControls, manifest, tabOrder } from './table.js';

let browser;
before(async () => {
  browser = await launchBrowser();
});
after(() => browser?.close());

const focused = (page) => page.evaluate(() => document.activeElement.id);
const state = (page) => page.evaluate(() => window.vortalinTest.state());

test('Tab visits the controls in the table\'s order, starting at START, and Shift+Tab goes back; a box it reaches shows its text selected in the highlight',
  async () => {
    const page = await openPage(browser, fileUrl());
    const order = tabOrder();
    const visited = [await focused(page)];
    const selections = new Set();
    for (let i = 1; i < order.length; i += 1) {
      await page.keyboard.press('Tab');
      visited.push(await focused(page));
      selections.add(await page.evaluate(() => {
        const box = document.activeElement;
        if (box.tagName !== 'INPUT') return null;
        const { backgroundColor, color } = getComputedStyle(box, '::selection');
        const whole = box.value.length > 0 && box.selectionEnd - box.selectionStart === box.value.length;
        return `${whole ? 'all' : 'part'} ${backgroundColor} ${color}`;
      }));
    }
    assert.deepEqual(visited, order);
    // A text box Tab reaches has its text selected, in the classic scheme's highlight.
    const rgb = (css) => `rgb(${[1, 3, 5].map((at) => parseInt(css.slice(at, at + 2), 16)).join(', ')})`;
    const { Hilight: highlight, HilightText: highlightText } = manifest.palette;
    assert.deepEqual([...selections].filter(Boolean), [`all ${rgb(highlight)} ${rgb(highlightText)}`]);
    await page.keyboard.down('Shift');
    await page.keyboard.press('Tab');
    await page.keyboard.up('Shift');
    assert.equal(await focused(page), order.at(-2));
  });

test('Space and Enter click the focused button; arrow keys on a button walk the tab order',
  async () => {
    const page = await openPage(browser, fileUrl());
    await page.keyboard.press('Space');
    assert.equal((await state(page)).clock, true, 'Space on START starts the race');
    await page.focus('#Command4');
    await page.keyboard.press('Enter');
    const stopped = await state(page);
    assert.equal(stopped.clock, false, 'Enter on STOP stops it');
    const order = tabOrder();
    const kindOf = new Map(formControls().map((control) => [control.id, control.kind]));
    for (const [at, id] of order.entries()) {
      const step = (by) => order[(at + by + order.length) % order.length];
      const buttonStep = (by) => (kindOf.get(id) === 'button' ? step(by) : id);
      for (const [key, expected] of [['ArrowRight', buttonStep(1)], ['ArrowDown', buttonStep(1)],
        ['ArrowLeft', buttonStep(-1)], ['ArrowUp', buttonStep(-1)]]) {
        await page.focus(`#${id}`);
        await page.keyboard.press(key);
        assert.equal(await focused(page), expected, `${key} on ${id}`);
      }
    }
    await page.evaluate(() => new Promise((done) => setTimeout(done, 100)));
    assert.deepEqual(await state(page), stopped, 'no arrow key clicked anything');
  });

test('a click on the road, a label or the background keeps the focus and selects no caption',
  async () => {
    const page = await openPage(browser, fileUrl());
    const centre = (selector) => page.$eval(selector, (element) => {
      const box = element.getBoundingClientRect();
      return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
    });
    const labels = formControls().filter((control) => control.kind === 'label');
    const places = [await centre('canvas'), ...await Promise.all(
      labels.map((label) => centre(`[id="${label.id}"]`)))];
    places.push(await page.$eval('#window', (element) => ({
      x: element.offsetWidth - 2, y: element.offsetHeight - 2 })));
    await page.focus('#Command4');
    for (const { x, y } of places) {
      await page.mouse.click(x, y, { clickCount: 2 });
      await page.mouse.move(x, y);
      await page.mouse.down();
      await page.mouse.move(2, 2, { steps: 4 });
      await page.mouse.up();
      assert.equal(await focused(page), 'Command4', `after a click at ${x}, ${y}`);
    }
    const start = await centre('#Command1');
    await page.mouse.click(start.x, start.y, { clickCount: 2 });
    assert.equal(await page.evaluate(() => String(getSelection())), '', 'no caption selected');
    await page.keyboard.press('Space');
    assert.equal((await state(page)).clock, true, 'Space still reaches the focused button');
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
    const look = await page.evaluate(() => {
      const box = (id) => {
        const { left, top, right, bottom } = document.getElementById(id).getBoundingClientRect();
        return { left, top, right, bottom };
      };
      return {
        title: document.getElementById('notice-title').textContent,
        name: document.getElementById('notice').getAttribute('aria-labelledby'),
        notice: box('notice'),
        window: box('window'),
        mark: box('notice-mark'),
        text: box('notice-text'),
        screen: { right: innerWidth, bottom: innerHeight },
      };
    });
    assert.equal(look.title, manifest.programName, 'titled with the program\'s name');
    assert.equal(look.name, 'notice-title', 'named by its title');
    assert.ok(look.mark.right > look.mark.left && look.mark.right <= look.text.left,
      'an information mark before the message');
    const centre = (box, from, to) => (box[from] + box[to]) / 2;
    assert.ok(Math.abs(centre(look.notice, 'top', 'bottom')
      - centre(look.window, 'top', 'bottom')) <= 1, 'centred on the window');
    assert.ok(Math.abs(centre(look.notice, 'left', 'right')
      - centre(look.window, 'left', 'right')) <= 1 || look.notice.left === 0,
      'centred on the window, or at the screen\'s edge when wider');
    assert.ok(look.notice.left >= 0 && look.notice.right <= look.screen.right
      && look.notice.bottom <= look.screen.bottom, 'on the screen');
    await page.mouse.click(60, 260);
    await page.keyboard.press('Space');
    assert.deepEqual(await state(page), atNotice, 'the window takes no input while it shows');
    await page.click('#notice button');
    assert.equal(await noticeOpen(), false);
    await page.click('#Command1');
    assert.equal((await state(page)).clock, true, 'START works again once it is closed');
    assert.deepEqual(page.problems, [], 'no console error or policy violation');
  });
