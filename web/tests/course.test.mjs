// A steered course played through real clicks in real time, against the replay runner.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { fileUrl, launchBrowser, openPage, sourceRoot } from './browser.js';
import { collisionBox, manifest } from './table.js';

const replayRunner = process.env.VORTALIN_REPLAY || join(sourceRoot, 'build/bin/vortalin-replay');
const commandOf = { Command1: 'start', Command2: 'left', Command3: 'right', Command4: 'stop' };
const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

let browser;
let trace;
before(async () => {
  browser = await launchBrowser();
  const page = await openPage(browser, fileUrl());
  await page.click('#Command1');
  for (const [wait, control] of [[1200, 'Command2'], [900, 'Command3'], [1500, 'Command2'],
    [700, 'Command3'], [1100, 'Command2']]) {
    await sleep(wait);
    await page.click(`#${control}`);
  }
  await page.waitForFunction(() => !window.vortalinTest.state().clock, { timeout: 30000 });
  trace = await page.evaluate(() => window.vortalinTest.trace());
});
after(() => browser?.close());

// The replay script of the same clicks at the same ticks: the distance counter counts the
// ticks since the page opened.
function scriptOf(events) {
  const lines = [];
  let ticks = 0;
  for (const event of events) {
    if (event.ticks) {
      ticks += event.ticks;
      continue;
    }
    if (ticks > 0) lines.push(`tick ${ticks}`);
    ticks = 0;
    lines.push(commandOf[event.click]);
  }
  lines.push('run');
  return `${lines.join('\n')}\n`;
}

// The page's states, each with the number of ticks since START that it follows.
function statesByTick(events) {
  let tick = 0;
  return events.filter((event) => event.ticks).map((event) => {
    tick += event.ticks;
    return { tick, state: event.state };
  }).filter((event) => event.state);
}

const sameSingle = (a, b) => Math.fround(a) === Math.fround(b);

test('the state after every run of ticks in a steered course equals the replay runner\'s', () => {
  const clicks = trace.filter((event) => event.click);
  assert.deepEqual(clicks.map((event) => event.click),
    ['Command1', 'Command2', 'Command3', 'Command2', 'Command3', 'Command2']);
  const states = statesByTick(trace);
  const output = execFileSync(replayRunner, { input: scriptOf(trace), encoding: 'utf8' });
  const expected = output.trim().split('\n').map((line) => JSON.parse(line));
  assert.equal(states.at(-1).tick, expected.length, 'as many ticks as the replay');
  assert.ok(expected.length >= 1500, `a whole course: ${expected.length} ticks`);
  assert.ok(states.length >= 500, `states seen after ${states.length} runs of ticks`);
  for (const { tick, state } of states) {
    const want = expected[tick - 1];
    for (const key of ['distance', 'energy', 'clock', 'colour', 'text1', 'text2']) {
      assert.equal(state[key], want[key], `${key} at tick ${tick}`);
    }
    for (const box of ['strip', 'player', 'rival0', 'rival1']) {
      assert.ok(sameSingle(state[box][0], want[box][0]) && sameSingle(state[box][1], want[box][1]),
        `${box} at tick ${tick}: ${state[box]} against ${want[box]}`);
    }
  }
  assert.equal(states.at(-1).state.clock, false);
});

test('the window is red exactly on the ticks that end with rival car 1 over the player', () => {
  const { halfWidth, halfHeight } = collisionBox();
  const states = statesByTick(trace);
  const overlapping = (state) => Math.abs(state.rival1[0] - state.player[0]) < halfWidth
    && Math.abs(state.rival1[1] - state.player[1]) < halfHeight;
  const red = states.filter(({ state }) => state.colour === 255).length;
  assert.ok(red > 0, 'the steered course touches rival car 1');
  for (const { tick, state } of states) {
    assert.equal(state.colour === 255, overlapping(state), `tick ${tick}`);
  }
});

test('the page shows red while rival car 1 overlaps, and the controls keep their colours', async () => {
  const page = await openPage(browser, fileUrl());
  await page.click('#Command1');
  await page.click('#Command2');
  const shown = await page.evaluate(async () => {
    const frame = () => new Promise((done) => requestAnimationFrame(() => done()));
    const colourOf = (selector) => getComputedStyle(document.querySelector(selector)).backgroundColor;
    const seen = [];
    for (let tick = 0; tick < 400 && window.vortalinTest.state().clock; tick += 1) {
      window.vortalinTest.runPeriods(1);
      await frame();
      seen.push({
        red: window.vortalinTest.state().colour === 255,
        body: colourOf('body'),
        window: colourOf('#window'),
        label: colourOf('#Label3'),
        start: colourOf('#Command1'),
        energy: colourOf('#Text1'),
      });
    }
    return seen;
  });
  assert.ok(shown.some((tick) => tick.red) && shown.some((tick) => !tick.red));
  const [r, g, b] = manifest.palette.ButtonFace.match(/[0-9a-f]{2}/g).map((hex) => parseInt(hex, 16));
  for (const tick of shown) {
    const expected = tick.red ? 'rgb(255, 0, 0)' : `rgb(${r}, ${g}, ${b})`;
    assert.equal(tick.body, expected);
    assert.equal(tick.window, expected);
    assert.equal(tick.label, 'rgb(192, 192, 255)');
    assert.equal(tick.start, 'rgb(128, 128, 255)');
    assert.equal(tick.energy, 'rgb(255, 255, 255)');
  }
});
