// The browser edition against a bare page that changes one text box and fills one canvas each
// frame, in the same run: Chromium's renderer and GPU-process CPU over one course, the time
// from navigation start to the first frame (from a file and from 127.0.0.1), and the page's
// size gzipped. With VORTALIN_BENCH_BEFORE naming another build of the page, each round also
// plays a course on it, and the CPU rows compare the two builds.
import { existsSync, mkdtempSync, readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { gzipSync } from 'node:zlib';
import { createServer } from 'node:http';
import { launchBrowser, openPage, pagePath } from '../tests/browser.js';

const courseMs = 15220;
const rounds = Number(process.env.VORTALIN_BENCH_ROUNDS || 3);
const beforePath = process.env.VORTALIN_BENCH_BEFORE;
if (beforePath && !existsSync(beforePath)) {
  console.error(`bench.mjs: VORTALIN_BENCH_BEFORE names ${beforePath}, which does not exist`);
  process.exit(2);
}
const barePage = `<!DOCTYPE html><html><body style="margin:0">
<input id="text" value="0" style="position:absolute;left:8px;top:136px;width:89px;height:46px;
  font:bold 35px sans-serif;text-align:right">
<canvas id="view" width="141" height="301" style="position:absolute;left:138px;top:10px"></canvas>
<script>
const text = document.getElementById('text');
const context = document.getElementById('view').getContext('2d', { alpha: false });
let frame = 0;
context.fillStyle = '#b2b2b2';
context.fillRect(0, 0, 141, 301);
window.run = () => new Promise((done) => {
  const start = performance.now();
  const step = () => {
    frame += 1;
    text.value = String(frame);
    context.fillStyle = frame % 2 ? '#b2b2b2' : '#008000';
    context.fillRect(0, 0, 141, 301);
    if (performance.now() - start < ${courseMs}) requestAnimationFrame(step); else done();
  };
  requestAnimationFrame(step);
});
</script></body></html>`;

const clockTicks = 100;  // USER_HZ
function processStat(pid) {
  try {
    return readFileSync(`/proc/${pid}/stat`, 'utf8').split(') ')[1].split(' ');
  } catch {
    return null;
  }
}

function cpuSeconds(pid) {
  const fields = processStat(pid);
  return fields ? (Number(fields[11]) + Number(fields[12])) / clockTicks : 0;
}

function commandLine(pid) {
  try {
    return readFileSync(`/proc/${pid}/cmdline`, 'utf8');
  } catch {
    return '';
  }
}

// The renderer and GPU processes among a browser's descendants.
function chromiumHelpers(browserPid) {
  const parents = new Map();
  for (const entry of readdirSync('/proc')) {
    if (!/^\d+$/.test(entry)) continue;
    const fields = processStat(entry);
    if (fields) parents.set(Number(entry), Number(fields[1]));
  }
  const descends = (pid) => {
    for (let at = pid; at > 1; at = parents.get(at) ?? 0) {
      if (at === browserPid) return true;
    }
    return false;
  };
  return [...parents.keys()].filter((pid) => descends(pid)).filter((pid) => {
    const command = commandLine(pid);
    return command.includes('--type=renderer') || command.includes('--type=gpu-process');
  });
}

const helpersCpu = (pids) => pids.reduce((sum, pid) => sum + cpuSeconds(pid), 0);

async function openBare(browser, url) {
  const page = await browser.newPage();
  await page.setViewport({ width: 400, height: 420 });
  await page.goto(url);
  return page;
}

async function cpuOfCourse(url, open, drive) {
  const browser = await launchBrowser();
  try {
    const page = await open(browser, url);
    await new Promise((done) => setTimeout(done, 300));
    const pids = chromiumHelpers(browser.process().pid);
    const before = helpersCpu(pids);
    await drive(page);
    return { cpu: helpersCpu(pids) - before };
  } finally {
    await browser.close();
  }
}

const playCourse = async (page) => {
  await page.click('#Command1');
  await page.waitForFunction(
    () => document.getElementById('Text2').value === '1522', { timeout: 60000, polling: 1000 });
};
const runBare = (page) => page.evaluate(() => window.run());

// A browser already running has its network service started: a fresh one starts it on its
// first request, so the timed page follows one request to another host name (its connection
// to 127.0.0.1 stays cold) in another tab.
async function startNetworkService(browser, warmUrl) {
  const tab = await browser.newPage();
  await tab.goto(warmUrl);
  await tab.close();
}

async function firstFrameMs(url, warmUrl) {
  const browser = await launchBrowser();
  try {
    await startNetworkService(browser, warmUrl);
    const page = await browser.newPage();
    await page.goto(url, { waitUntil: 'load' });
    return await page.evaluate(() => new Promise((done) => {
      const found = () => performance.getEntriesByName('first-contentful-paint')[0];
      const check = () => (found() ? done(found().startTime) : setTimeout(check, 20));
      check();
    }));
  } finally {
    await browser.close();
  }
}

function serve(files) {
  const server = createServer((request, response) => {
    const body = files[new URL(request.url, 'http://127.0.0.1').pathname];
    if (!body) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, {
      'content-type': 'text/html; charset=utf-8',
      'content-length': Buffer.byteLength(body),
    }).end(body);
  });
  return new Promise((done) => server.listen(0, '127.0.0.1', () => done(server)));
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const row = (name, value, reference, goal) => console.log(
  `${name.padEnd(44)} ${value.padStart(12)} ${reference.padStart(12)}   ${goal}`);

const scratch = mkdtempSync(join(tmpdir(), 'vortalin-bench-'));
const barePath = join(scratch, 'bare.html');
writeFileSync(barePath, barePage);
const server = await serve({ '/vortalin.html': readFileSync(pagePath), '/bare.html': barePage });
const served = (name) => `http://127.0.0.1:${server.address().port}/${name}`;

const game = [];
const bare = [];
const before = [];
const openGame = (browser, url) => openPage(browser, url, { traced: false });
for (let round = 0; round < rounds; round += 1) {
  game.push(await cpuOfCourse(pathToFileURL(pagePath).href, openGame, playCourse));
  bare.push(await cpuOfCourse(pathToFileURL(barePath).href, openBare, runBare));
  if (beforePath) before.push(await cpuOfCourse(pathToFileURL(beforePath).href, openGame, playCourse));
}
const times = async (url) => {
  const runs = [];
  const warmUrl = `http://localhost:${server.address().port}/`;
  for (let run = 0; run < 5; run += 1) runs.push(await firstFrameMs(url, warmUrl));
  return median(runs);
};
const firstFrames = {
  gameFile: await times(pathToFileURL(pagePath).href),
  gameServed: await times(served('vortalin.html')),
  bareFile: await times(pathToFileURL(barePath).href),
  bareServed: await times(served('bare.html')),
};
server.close();

const page = readFileSync(pagePath);
console.log(`browser edition in Chromium, ${rounds} rounds; CPU of the renderer and GPU processes`);
row('figure', 'vortalin', 'bare page', 'goal');
game.forEach((run, i) => row(`CPU per course, round ${i + 1} (s)`, run.cpu.toFixed(2),
  bare[i].cpu.toFixed(2), `ratio ${(run.cpu / bare[i].cpu).toFixed(2)}`));
const ratio = median(game.map((run, i) => run.cpu / bare[i].cpu));
row('CPU per course, median ratio', ratio.toFixed(2), '1.00', '<= 1.1');
if (beforePath) {
  row('figure', 'vortalin', 'before', '');
  before.forEach((run, i) => row(`CPU per course, round ${i + 1} (s)`, game[i].cpu.toFixed(2),
    run.cpu.toFixed(2), `ratio ${(game[i].cpu / run.cpu).toFixed(2)}`));
  const change = median(game.map((run, i) => run.cpu / before[i].cpu));
  row('CPU per course against before, median ratio', change.toFixed(2), '1.00', '<= 1.0');
}
const ms = (value) => value.toFixed(0);
row('navigation start to first frame, file:// (ms)', ms(firstFrames.gameFile),
  ms(firstFrames.bareFile), '<= 300');
row('navigation start to first frame, 127.0.0.1 (ms)', ms(firstFrames.gameServed),
  ms(firstFrames.bareServed), '<= 300');
const kilobytes = (bytes) => (gzipSync(bytes, { level: 9 }).length / 1024).toFixed(1);
row('page size gzipped (KB)', kilobytes(page), kilobytes(barePage), '<= 150');
