// The window read back from the page against the control table, at three device pixel ratios,
// served and from a file.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { fileUrl, launchBrowser, openPage, servePage } from './browser.js';
import { lookMismatchesInEveryState } from './look_pixels.js';
import { dotsPerInchAt, formControls, manifest, twipsToPixels } from './table.js';

let browser;
let server;
before(async () => {
  browser = await launchBrowser();
  server = await servePage();
});
after(async () => {
  await browser?.close();
  await server?.close();
});

const onWindow = formControls().filter((control) => control.container === manifest.window
  && control.kind !== 'timer');

// Every control's place in device pixels, and what each shows.
function readBack(page) {
  return page.evaluate(() => {
    const ratio = window.devicePixelRatio;
    const origin = document.getElementById('window').getBoundingClientRect();
    const device = (value) => Math.round(value * ratio);
    const controls = {};
    for (const element of document.getElementById('window').children) {
      const rect = element.getBoundingClientRect();
      const style = getComputedStyle(element);
      controls[element.id || element.tagName] = {
        tag: element.tagName,
        left: device(rect.left - origin.left),
        top: device(rect.top - origin.top),
        width: device(rect.width),
        height: device(rect.height),
        text: element instanceof HTMLInputElement ? element.value : element.textContent,
        name: element.getAttribute('aria-label'),
        align: style.textAlign,
      };
    }
    const canvas = document.querySelector('#window canvas');
    return {
      ratio,
      controls,
      canvas: { width: canvas.width, height: canvas.height },
      window: { width: device(origin.width), height: device(origin.height) },
      title: document.title,
      lang: document.documentElement.lang,
      icon: document.querySelector('link[rel=icon]').href.slice(0, 22),
    };
  });
}

for (const ratio of [1, 1.5, 2]) {
  test(`the window at device pixel ratio ${ratio} is laid out as the table says`, async () => {
    const dotsPerInch = dotsPerInchAt(ratio);
    const px = (twips) => twipsToPixels(twips, dotsPerInch);
    for (const url of [fileUrl(), server.url]) {
      const page = await openPage(browser, url, { ratio });
      const shown = await readBack(page);
      assert.equal(shown.ratio, ratio);
      assert.equal(shown.title, 'Form1');
      assert.equal(shown.lang, 'ja');
      assert.equal(shown.icon, 'data:image/png;base64,');
      assert.deepEqual(shown.window, { width: px(4350), height: px(5355) });
      for (const control of onWindow) {
        const got = shown.controls[control.id];
        assert.ok(got, `${control.id} is on the page`);
        assert.deepEqual(
          [got.left, got.top, got.width, got.height],
          [px(control.left), px(control.top), px(control.width), px(control.height)],
          `${control.id} at ${ratio} from ${url}`);
      }
      const frame = onWindow.find((control) => control.id === 'Picture1');
      const border = Math.round(2 * ratio);
      assert.deepEqual(shown.canvas,
        { width: px(frame.width) - 2 * border, height: px(frame.height) - 2 * border });
      assert.deepEqual(
        ['Command1', 'Command2', 'Command3', 'Command4'].map((id) => shown.controls[id].tag),
        ['BUTTON', 'BUTTON', 'BUTTON', 'BUTTON']);
      assert.deepEqual(['Text1', 'Text2'].map((id) => [shown.controls[id].tag, shown.controls[id].text,
        shown.controls[id].align]),
      [['INPUT', '1000', 'right'], ['INPUT', '0', 'right']]);
      assert.deepEqual(
        ['Command1', 'Command2', 'Command3', 'Command4', 'Text1', 'Text2'].map(
          (id) => shown.controls[id].name),
        ['スタート', '左へ', '右へ', 'ストップ', 'エネルギー', '距離']);
      assert.deepEqual(['Command1', 'Command2', 'Command3', 'Command4', 'Label3'].map(
        (id) => shown.controls[id].text), ['START', '←', '→', 'STOP', 'MORVANTE ver 1.0']);
      assert.deepEqual(page.problems, [], `console errors or CSP violations from ${url}`);
      await page.close();
    }
  });
}

test('the page declares its version and licences, and loads nothing from the network', async () => {
  const page = await openPage(browser, server.url);
  const requests = [];
  page.on('request', (request) => requests.push(request.url()));
  await page.click('#Command1');
  await page.evaluate(() => window.vortalinTest.runPeriods(100));
  const declared = await page.evaluate(() => ({
    version: document.querySelector('meta[name=version]').content,
    policy: document.querySelector('meta[http-equiv=Content-Security-Policy]').content,
    licences: [...document.querySelectorAll('script[type="text/plain"]')].map(
      (element) => [element.dataset.file, element.textContent.includes('MIT')]),
  }));
  assert.match(declared.version, /^\d+\.\d+\.\d+$/);
  assert.match(declared.policy, /default-src 'none'/);
  assert.deepEqual(declared.licences, [['LICENSE', true], ['THIRD-PARTY-NOTICES.txt', true]]);
  assert.deepEqual(requests.filter((address) => !address.startsWith('data:')), []);
  assert.deepEqual(page.problems, []);
});

test('a page whose game cannot start says so in place of the window', async () => {
  const page = await browser.newPage();
  await page.evaluateOnNewDocument(() => {
    WebAssembly.Instance = function refuse() { throw new Error('no WebAssembly here'); };
  });
  await page.goto(fileUrl());
  await page.waitForSelector('#window .startup-error');
  const shown = await page.evaluate(() => ({
    children: document.getElementById('window').children.length,
    text: document.querySelector('#window .startup-error').textContent,
  }));
  assert.equal(shown.children, 1);
  assert.match(shown.text, /no WebAssembly here/);
});

// Ink a caption leaves outside its control, found by drawing the window with and without
// the captions and with nothing clipped.
async function inkOutsideControls(page) {
  const clip = await page.evaluate(() => {
    const rect = document.getElementById('window').getBoundingClientRect();
    for (const element of document.querySelectorAll('#window > *')) {
      Object.assign(element.style, { overflow: 'visible', outline: 'none' });
    }
    return { x: rect.left, y: rect.top, width: rect.width, height: rect.height };
  });
  const withCaptions = await page.screenshot({ clip, encoding: 'base64' });
  await page.evaluate(() => {
    for (const element of document.querySelectorAll('#window > *')) element.style.color = 'transparent';
  });
  const without = await page.screenshot({ clip, encoding: 'base64' });
  return page.evaluate(async (a, b) => {
    const pixels = async (data) => {
      const image = new Image();
      image.src = `data:image/png;base64,${data}`;
      await image.decode();
      const canvas = new OffscreenCanvas(image.width, image.height);
      const context = canvas.getContext('2d');
      context.drawImage(image, 0, 0);
      return context.getImageData(0, 0, image.width, image.height);
    };
    const [first, second] = [await pixels(a), await pixels(b)];
    const ratio = window.devicePixelRatio;
    const origin = document.getElementById('window').getBoundingClientRect();
    const boxes = [...document.querySelectorAll('#window > button, #window > .label, #window > input')].map((element) => {
      const rect = element.getBoundingClientRect();
      return {
        id: element.id,
        left: (rect.left - origin.left) * ratio,
        top: (rect.top - origin.top) * ratio,
        right: (rect.right - origin.left) * ratio,
        bottom: (rect.bottom - origin.top) * ratio,
      };
    });
    const strays = [];
    const inkOf = new Map();
    for (let y = 0; y < first.height; y += 1) {
      for (let x = 0; x < first.width; x += 1) {
        const at = 4 * (y * first.width + x);
        if (first.data[at] === second.data[at] && first.data[at + 1] === second.data[at + 1]
          && first.data[at + 2] === second.data[at + 2]) continue;
        const box = boxes.find((b) => x >= b.left && x < b.right && y >= b.top && y < b.bottom);
        if (!box) strays.push([x, y]);
        else {
          const ink = inkOf.get(box.id) ?? { left: x, top: y, right: x + 1, bottom: y + 1 };
          inkOf.set(box.id, {
            left: Math.min(ink.left, x),
            top: Math.min(ink.top, y),
            right: Math.max(ink.right, x + 1),
            bottom: Math.max(ink.bottom, y + 1),
          });
        }
      }
    }
    // How far each button's ink centre lies from the button's, in device pixels.
    const offCentre = boxes.filter((box) => inkOf.has(box.id)
      && document.getElementById(box.id) instanceof HTMLButtonElement).map((box) => {
      const ink = inkOf.get(box.id);
      return {
        id: box.id,
        x: (ink.left + ink.right - Math.round(box.left) - Math.round(box.right)) / 2,
        y: (ink.top + ink.bottom - Math.round(box.top) - Math.round(box.bottom)) / 2,
      };
    });
    const inputs = [...document.querySelectorAll('#window input')]
      .filter((input) => input.scrollWidth > input.clientWidth).map((input) => input.id);
    // How close each text box's ink comes to its left and right edges, in device pixels.
    const textClearance = boxes.filter((box) => inkOf.has(box.id)
      && document.getElementById(box.id) instanceof HTMLInputElement).map((box) => {
      const ink = inkOf.get(box.id);
      return {
        id: box.id,
        pixels: Math.min(ink.left - Math.round(box.left), Math.round(box.right) - ink.right),
      };
    });
    return {
      strays: strays.length, first: strays[0], overflowingInputs: inputs, offCentre, textClearance,
    };
  }, withCaptions, without);
}

for (const ratio of [1, 1.5, 2]) {
  test('every caption\'s ink stays inside its control, centred on a button and off a text '
    + `box's edges, at ratio ${ratio}`,
    async () => {
      const page = await openPage(browser, fileUrl(), { ratio });
      const ink = await inkOutsideControls(page);
      assert.equal(ink.strays, 0, `ink outside a control, first at ${ink.first}`);
      assert.deepEqual(ink.overflowingInputs, []);
      const buttons = formControls().filter((control) => control.kind === 'button');
      assert.equal(ink.offCentre.length, buttons.length, 'ink on every button');
      for (const { id, x, y } of ink.offCentre) {
        assert.ok(Math.abs(x) <= 1 && Math.abs(y) <= 1, `${id}'s ink is ${x}, ${y} off centre`);
      }
      const { sunkenBorderPixels: border, textBoxMarginPixels: margin } = manifest;
      const clear = Math.round((border + margin) * ratio);
      assert.ok(ink.textClearance.length > 0, 'ink in the text boxes');
      for (const { id, pixels } of ink.textClearance) {
        assert.ok(pixels >= clear, `${id}'s text is ${pixels} px from its edge, under ${clear}`);
      }
    });
}

test('the course is redrawn at device pixels when the page moves to a screen of another ratio',
  async () => {
    const page = await openPage(browser, fileUrl(), { ratio: 1 });
    await page.click('#Command1');
    await page.evaluate(() => window.vortalinTest.runPeriods(300));
    // A new size too: Chromium's emulation reports a new ratio only with one.
    await page.setViewport({ width: 401, height: 420, deviceScaleFactor: 2 });
    await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => done())));
    const shown = await readBack(page);
    assert.equal(shown.ratio, 2);
    assert.deepEqual(shown.canvas, { width: 282, height: 602 });
    assert.deepEqual([shown.controls.Command1.left, shown.controls.Command1.width], [16, 242]);
    // Enlarged without smoothing: every pixel has a colour of a picture or of a box's fill.
    const blended = await page.evaluate(async () => {
      const colours = new Set(['212,208,200', '255,0,0', '0,0,255']);
      const urls = JSON.parse(document.getElementById('pictures').textContent);
      for (const url of Object.values(urls)) {
        const image = new Image();
        image.src = url;
        await image.decode();
        const canvas = new OffscreenCanvas(image.width, image.height);
        const context = canvas.getContext('2d');
        context.drawImage(image, 0, 0);
        const { data } = context.getImageData(0, 0, image.width, image.height);
        for (let at = 0; at < data.length; at += 4) colours.add(`${data[at]},${data[at + 1]},${data[at + 2]}`);
      }
      const canvas = document.querySelector('#window canvas');
      const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
      let strange = 0;
      for (let at = 0; at < data.length; at += 4) {
        if (!colours.has(`${data[at]},${data[at + 1]},${data[at + 2]}`)) strange += 1;
      }
      return strange;
    });
    assert.equal(blended, 0);
  });

test('the first frame with the window in it shows the whole window: controls, course and fonts',
  async () => {
    const page = await browser.newPage();
    await page.setViewport({ width: 400, height: 420 });
    // Each frame's callbacks run just before it is drawn: the first that finds a control
    // records what that frame shows.
    await page.evaluateOnNewDocument(() => {
      const look = () => {
        const root = document.getElementById('window');
        if (!root?.children.length) {
          requestAnimationFrame(look);
          return;
        }
        const canvas = root.querySelector('canvas');
        const corner = canvas?.getContext('2d').getImageData(0, 0, 1, 1).data;
        window.firstFrame = {
          children: root.children.length,
          courseDrawn: Boolean(corner) && corner.join() !== '0,0,0,255',
          fonts: document.fonts.status,
        };
      };
      requestAnimationFrame(look);
    });
    await page.goto(fileUrl());
    await page.waitForFunction(() => window.firstFrame);
    const children = await page.evaluate(() => document.getElementById('window').children.length);
    assert.deepEqual(await page.evaluate(() => window.firstFrame),
      { children, courseDrawn: true, fonts: 'loaded' });
    await page.close();
  });

// 1.75: CSS pixels that fall between device pixels, where the page blends a box's edge.
for (const ratio of [1, 1.5, 1.75, 2]) {
  test(`every ring and focus mark is whole device pixels as the look gives them, at ratio ${ratio}`,
    async () => {
      const page = await openPage(browser, fileUrl(), { ratio });
      const layout = await page.evaluate(
        (dotsPerInch) => window.vortalinTest.layout(dotsPerInch), dotsPerInchAt(ratio));
      for (const found of await lookMismatchesInEveryState(page, layout)) {
        assert.ok(found.checked > 0);
        assert.equal(found.count, 0, `${found.shot}: ${found.first.join('; ')}`);
      }
      assert.deepEqual(page.problems, []);
      await page.close();
    });
}
