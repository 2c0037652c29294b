// Start-up of the browser edition in Chromium, against a bare page with the
// same twenty-one controls in the same state and no program (written from
// the control table by the build, build/web/bench/bare.html). First visits,
// the page and the bare page interleaved, each in a fresh browser context:
// nothing comes from a cache or a service worker. The bare page links the
// page's style sheet as a plain page would. The site is served as it lies,
// or with --gzip compressed, as most web servers send it. Two profiles:
//   laptop:     1280 px, the machine's own network and processor;
//   slow phone: 360 px with touch, emulated slow 4G (150 ms latency,
//               1.6 Mbit/s down, 0.75 up) and a processor 4× slower, through
//               the Chrome DevTools Protocol.
// Measured:
//   paint:  the first contentful paint, which shows the whole window;
//   typing: the first frame, no earlier than that paint, in which the first
//           value box takes typing (in the markup, not read-only, not inert);
//   ready:  the page's logic has run Form_Load (aria-busy gone); for the
//           bare page, when its window is both shown and parsed (the later
//           of its first paint and DOMContentLoaded).
// Then a value is typed to confirm that the window takes it.
//   node bench/web_startup.js [--gzip] [LAPTOP_RUNS [PHONE_RUNS]]   (after cmake --build --preset web)
'use strict';

const fs = require('node:fs');
const path = require('node:path');
const {spawn} = require('node:child_process');
const SUPPORT = path.join(__dirname, '../tests/web/support');
const {SITE, launchBrowser} = require(SUPPORT);

const BARE = path.join(path.dirname(SITE), 'bench', 'bare.html');
const median = (values) => [...values].sort((x, y) => x - y)[Math.floor(values.length / 2)];

const PROFILES = {
  laptop: {context: {viewport: {width: 1280, height: 900}}},
  'slow phone': {
    context: {viewport: {width: 360, height: 740}, deviceScaleFactor: 2, isMobile: true, hasTouch: true},
    network: {offline: false, latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 0.75e6 / 8},
    cpuSlowdown: 4,
  },
};

// Runs in the page before its own scripts: notes the first frame in which
// the first value box could take a typed character.
function watchTyping() {
  const check = () => {
    const box = document.getElementById('Text2_0');
    if (box && !box.readOnly && !box.closest('[inert]')) {
      window.benchTypingAt = performance.now();
    } else {
      requestAnimationFrame(check);
    }
  };
  requestAnimationFrame(check);
}

async function visit(browser, url, program, profile) {
  const context = await browser.newContext({...profile.context, serviceWorkers: 'block'});
  await context.addInitScript(watchTyping);
  const page = await context.newPage();
  if (profile.network) {
    const cdp = await context.newCDPSession(page);
    await cdp.send('Network.enable');
    await cdp.send('Network.emulateNetworkConditions', profile.network);
    await cdp.send('Emulation.setCPUThrottlingRate', {rate: profile.cpuSlowdown});
  }
  await page.goto(url, {waitUntil: 'load', timeout: 60000});
  if (program) await page.waitForFunction(() => window.rightTriangleReadyAt !== undefined, null, {timeout: 60000});
  await page.waitForFunction(() => window.benchTypingAt !== undefined);
  const times = await page.evaluate(async (isProgram) => {
    // The paint is reported after its frame, which may come after "load".
    const paint = await new Promise((resolve) => {
      new PerformanceObserver((list) => {
        const entry = list.getEntriesByName('first-contentful-paint')[0];
        if (entry) resolve(entry);
      }).observe({type: 'paint', buffered: true});
    });
    const navigation = performance.getEntriesByType('navigation')[0];
    return {
      paint: paint.startTime,
      typing: Math.max(paint.startTime, window.benchTypingAt),
      ready: isProgram ? window.rightTriangleReadyAt
        : Math.max(paint.startTime, navigation.domContentLoadedEventEnd),
      busy: document.getElementById('TriangleForm').getAttribute('aria-busy'),
    };
  }, program);
  await page.click('#Text2_0');
  await page.keyboard.type('3');
  const typed = await page.inputValue('#Text2_0');
  await context.close();
  if (typed !== '3' || (program && times.busy !== null)) throw new Error(`${url}: not ready (${typed}, ${times.busy})`);
  return times;
}

// The site's server in a process of its own, as a real host is: in this one
// it would wait for the browser's driver, and the page asks for more files.
function startServer(gzip) {
  const child = spawn(process.execPath, ['-e', `require(${JSON.stringify(SUPPORT)}).serveSite(undefined, undefined,
    {gzip: ${gzip}}).then((site) => console.log(site.url))`], {stdio: ['ignore', 'pipe', 'inherit']});
  return new Promise((resolve, reject) => {
    child.stdout.once('data', (data) => resolve({url: data.toString().trim(), close: () => child.kill()}));
    child.once('exit', (code) => reject(new Error(`server exited (${code})`)));
  });
}

async function measure(browser, site, name, runs) {
  const profile = PROFILES[name];
  const results = {page: {paint: [], typing: [], ready: []}, bare: {paint: [], typing: [], ready: []}};
  await visit(browser, site.url, true, profile);  // a first warm-up of the browser itself
  for (let n = 0; n < runs; ++n) {
    for (const [which, url, program] of [['page', site.url, true], ['bare', `${site.url}bench-bare.html`, false]]) {
      const times = await visit(browser, url, program, profile);
      for (const what of ['paint', 'typing', 'ready']) results[which][what].push(times[what]);
    }
  }
  console.log(`${name}: medians over ${runs} interleaved first visits each, headless Chromium`);
  for (const what of ['paint', 'typing', 'ready']) {
    const page = median(results.page[what]);
    const bare = median(results.bare[what]);
    console.log(`  ${what.padEnd(7)} page ${page.toFixed(0).padStart(5)} ms, bare ${bare.toFixed(0).padStart(5)} ms: ` +
                `ratio ${(page / bare).toFixed(2)}`);
  }
}

(async () => {
  const gzip = process.argv.includes('--gzip');
  const [laptopRuns, phoneRuns] = process.argv.slice(2).filter((arg) => arg !== '--gzip').map(Number);
  if (!fs.existsSync(BARE)) throw new Error(`${BARE} missing: build the web preset first`);
  const site = await startServer(gzip);
  const browser = await launchBrowser();
  console.log(gzip ? 'served gzip-compressed' : 'served uncompressed');
  // The bare page is served from the site's folder, so that it shares the
  // picture, with the style sheet that the page has inline.
  const extras = {'bench-bare.html': BARE, 'bench-page.css': path.join(__dirname, '../web/site/page.css')};
  try {
    for (const [name, source] of Object.entries(extras)) fs.copyFileSync(source, path.join(SITE, name));
    if ((laptopRuns ?? 15) > 0) await measure(browser, site, 'laptop', laptopRuns ?? 15);
    if ((phoneRuns ?? 7) > 0) await measure(browser, site, 'slow phone', phoneRuns ?? 7);
  } finally {
    for (const name of Object.keys(extras)) fs.rmSync(path.join(SITE, name), {force: true});
    await browser.close();
    site.close();
  }
})();
