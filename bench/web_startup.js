// Start-up of the browser edition in Chromium, against a bare page with the
// same twenty-one controls and no program (written from the control table by
// the build, build/web/bench/bare.html). First visits, interleaved: a fresh
// browser context each time, so nothing comes from a cache.
//   first paint: the first contentful paint, which shows the whole window
//                (its markup and style come with the page);
//   ready:       the page's logic has run Form_Load and the controls take
//                input (aria-busy gone); for the bare page, when its window
//                is both shown and parsed (the later of its first paint and
//                DOMContentLoaded): before that nobody can type in it.
//   parsed:      the bare page's DOMContentLoaded alone, the strictest
//                yardstick, for comparison.
// Then a value is typed to confirm that the window accepts it.
//   node bench/web_startup.js [RUNS]     (after cmake --build --preset web)
'use strict';

const fs = require('node:fs');
const path = require('node:path');
const {spawn} = require('node:child_process');
const SUPPORT = path.join(__dirname, '../tests/web/support');
const {SITE, launchBrowser} = require(SUPPORT);

const BARE = path.join(path.dirname(SITE), 'bench', 'bare.html');
const median = (values) => [...values].sort((x, y) => x - y)[Math.floor(values.length / 2)];

async function visit(browser, url, program) {
  const context = await browser.newContext({viewport: {width: 1280, height: 900}, serviceWorkers: 'block'});
  const page = await context.newPage();
  await page.goto(url, {waitUntil: 'load'});
  if (program) await page.waitForFunction(() => window.rightTriangleReadyAt !== undefined);
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
      ready: isProgram ? window.rightTriangleReadyAt
        : Math.max(paint.startTime, navigation.domContentLoadedEventEnd),
      parsed: navigation.domContentLoadedEventEnd,
      busy: document.getElementById('TriangleForm').getAttribute('aria-busy'),
    };
  }, program);
  // The first value box takes a typed value (on the page, the pair a,b is
  // open; the bare page's boxes are locked as defined, so it takes the focus).
  await page.click('#Text2_0');
  await page.keyboard.type('3');
  const typed = program ? await page.inputValue('#Text2_0') : await page.evaluate(() => document.activeElement.id);
  await context.close();
  if (typed !== (program ? '3' : 'Text2_0') || times.busy !== null) {
    throw new Error(`${url}: not ready (${typed}, ${times.busy})`);
  }
  return times;
}

// The site's server in a process of its own, as a real host is: in this one
// it would wait for the browser's driver, and the page asks for more files.
function startServer() {
  const child = spawn(process.execPath, ['-e', `require(${JSON.stringify(SUPPORT)}).serveSite()
    .then((site) => console.log(site.url))`], {stdio: ['ignore', 'pipe', 'inherit']});
  return new Promise((resolve, reject) => {
    child.stdout.once('data', (data) => resolve({url: data.toString().trim(), close: () => child.kill()}));
    child.once('exit', (code) => reject(new Error(`server exited (${code})`)));
  });
}

(async () => {
  const runs = Number(process.argv[2] || 15);
  if (!fs.existsSync(BARE)) throw new Error(`${BARE} missing: build the web preset first`);
  const site = await startServer();
  const browser = await launchBrowser();
  const results = {page: {paint: [], ready: [], parsed: []}, bare: {paint: [], ready: [], parsed: []}};
  try {
    // The bare page is served from the site's folder, so that it shares the
    // style sheet and the picture.
    fs.copyFileSync(BARE, path.join(SITE, 'bench-bare.html'));
    await visit(browser, site.url, true);  // a first warm-up of the browser itself
    for (let n = 0; n < runs; ++n) {
      for (const [name, url, program] of [['page', site.url, true], ['bare', `${site.url}bench-bare.html`, false]]) {
        const times = await visit(browser, url, program);
        results[name].paint.push(times.paint);
        results[name].ready.push(times.ready);
        results[name].parsed.push(times.parsed);
      }
    }
  } finally {
    fs.rmSync(path.join(SITE, 'bench-bare.html'), {force: true});
    await browser.close();
    site.close();
  }
  const report = (what) => {
    const page = median(results.page[what]);
    const bare = median(results.bare[what]);
    console.log(`${what.padEnd(11)} page ${page.toFixed(1)} ms, bare ${bare.toFixed(1)} ms: ratio ${(page / bare).toFixed(2)}`);
  };
  console.log(`medians over ${runs} interleaved first visits each, headless Chromium, 1280 px`);
  report('paint');
  report('ready');
  const parsed = median(results.bare.parsed);
  console.log(`ready against the bare page's DOMContentLoaded alone (${parsed.toFixed(1)} ms): ratio ${
    (median(results.page.ready) / parsed).toFixed(2)}`);
})();
