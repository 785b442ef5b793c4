// Debian's Chromium driven by puppeteer-core, and a static server on 127.0.0.1 only.
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
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

/// A browser with a fresh profile. `throttled` keeps the background throttling of hidden tabs
/// that puppeteer turns off by default.
export async function launchBrowser({ throttled = false } = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'vortalin-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
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

/// Opens the page at a device pixel ratio and waits until the window is built.
export async function openPage(browser, url, { ratio = 1 } = {}) {
  const page = await browser.newPage();
  await page.setViewport({ width: 400, height: 420, deviceScaleFactor: ratio });
  await page.goto(url);
  await page.waitForSelector('#Command1');
  await page.evaluate(() => document.fonts.ready);
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => done())));
  return page;
}
