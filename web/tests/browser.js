// Debian's Chromium driven by puppeteer-core, and a static server on 127.0.0.1 only.
import { accessSync, constants, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { delimiter, dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

export const sourceRoot = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
export const pagePath = process.env.VORTALIN_PAGE || join(sourceRoot, 'build-web/vortalin.html');

const flags = [
  '--no-sandbox', '--headless=new', '--disable-gpu', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--disable-quic', '--font-render-hinting=none',
];
const throttlingOff = [
  '--disable-background-timer-throttling', '--disable-renderer-backgrounding',
  '--disable-backgrounding-occluded-windows',
];

/// Chromium from CHROMIUM, else the first `chromium` on PATH; throws naming what is missing.
export function chromiumPath() {
  if (process.env.CHROMIUM) return process.env.CHROMIUM;
  for (const dir of (process.env.PATH || '').split(delimiter)) {
    const candidate = join(dir, 'chromium');
    try {
      accessSync(candidate, constants.X_OK);
      return candidate;
    } catch {}
  }
  throw new Error('no chromium on PATH (Debian: apt-get install chromium, or set CHROMIUM)');
}

/// A browser with a fresh profile. `throttled` keeps the background throttling of hidden tabs
/// that puppeteer turns off by default.
export async function launchBrowser({ throttled = false } = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'vortalin-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: chromiumPath(),
    args: [...flags, `--user-data-dir=${profile}`],
    ignoreDefaultArgs: throttled ? throttlingOff : [],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

/// Serves the page on 127.0.0.1 at a free port; resolves to its address and a closer.
export async function servePage() {
  const body = readFileSync(pagePath);
  const server = createServer((request, response) => {
    if (new URL(request.url, 'http://127.0.0.1').pathname !== '/vortalin.html') {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'content-type': 'text/html; charset=utf-8' }).end(body);
  });
  await new Promise((done) => server.listen(0, '127.0.0.1', done));
  const url = `http://127.0.0.1:${server.address().port}/vortalin.html`;
  return { url, close: () => new Promise((done) => server.close(done)) };
}

export const fileUrl = () => pathToFileURL(pagePath).href;

/// The tests' own view into a page, put in before the page's scripts run, on the page's seam:
/// the wasm loader's `createVortalin` and the functions the page makes with its `cwrap`. It
/// notes every click and, after each call that ran clock ticks, how many ran and the race's
/// state then; the page's loop runs as players get it. `window.vortalinTest` gives the trace,
/// the state, a way to run clock periods at once, and the layout the game gives.
function traceGame() {
  const trace = [];
  let loader;
  let game;
  const wrapped = async (...args) => {
    const module = await loader(...args);
    const { cwrap } = module;
    const stateText = cwrap('vortalin_state', 'string');
    const state = () => JSON.parse(stateText());
    let distance = null;
    const ticksSince = () => {
      const now = state();
      const ticks = now.distance - distance;
      distance = now.distance;
      return { ticks, state: now };
    };
    const noteTicks = () => {
      if (distance === null) return;
      const { ticks, state: now } = ticksSince();
      if (ticks > 0) trace.push({ ticks, state: now });
    };
    module.cwrap = (name, returns, types) => {
      const call = cwrap(name, returns, types);
      if (name === 'vortalin_open') {
        return (...values) => {
          call(...values);
          distance = state().distance;
        };
      }
      if (name === 'vortalin_click') {
        return (control, ...rest) => {
          noteTicks();
          const handled = call(control, ...rest);
          const { ticks } = ticksSince();
          if (ticks > 0) trace.push({ ticks });
          trace.push({ click: control, handled: handled === 1 });
          return handled;
        };
      }
      return (...values) => {
        const result = call(...values);
        noteTicks();
        return result;
      };
    };
    const layout = cwrap('vortalin_layout', 'string', ['number']);
    game = {
      state,
      runPeriods: module.cwrap('vortalin_run_periods', 'number', ['number']),
      layout: (dotsPerInch) => JSON.parse(layout(dotsPerInch)),
    };
    return module;
  };
  Object.defineProperty(window, 'createVortalin', {
    configurable: true,
    get: () => loader && wrapped,
    set: (value) => { loader = value; },
  });
  window.vortalinTest = Object.freeze({
    state: () => game.state(),
    trace: () => trace.slice(),
    runPeriods: (count) => game.runPeriods(count),
    layout: (dotsPerInch) => game.layout(dotsPerInch),
  });
}

/// Opens the page at a device pixel ratio, with the tests' view put in unless `traced` is
/// false, and waits until the window is built. With `clockStill` the page's time never moves,
/// so that only `runPeriods` runs the game's clock. `page.problems` collects the page's
/// console errors, uncaught errors and Content-Security-Policy violations.
export async function openPage(browser, url, { ratio = 1, traced = true, clockStill = false } = {}) {
  const page = await browser.newPage();
  page.problems = [];
  page.on('console', (message) => {
    if (message.type() === 'error') page.problems.push(message.text());
  });
  page.on('pageerror', (error) => page.problems.push(String(error)));
  if (traced) await page.evaluateOnNewDocument(traceGame);
  if (clockStill) {
    await page.evaluateOnNewDocument(() => {
      const start = performance.now();
      Object.defineProperty(performance, 'now', { value: () => start });
    });
  }
  await page.evaluateOnNewDocument(() => {
    document.addEventListener('securitypolicyviolation', (event) => {
      console.error(`CSP violation: ${event.violatedDirective} ${event.blockedURI}`);
    });
  });
  await page.setViewport({ width: 400, height: 420, deviceScaleFactor: ratio });
  await page.goto(url);
  await page.waitForSelector('#Command1');
  await page.evaluate(() => document.fonts.ready);
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => done())));
  return page;
}
