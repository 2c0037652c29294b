// The site as a school publishes it: the archive unpacked into a sub-folder
// of a static host works there, online and offline. Sizes gzip-compressed,
// as a web server sends them: the window works after at most 80 KiB (the
// page, the window's module and its script); a first visit, with the tutor
// (the worked solution, the practice, the classroom's codes and tables) and
// everything the service worker keeps, sends at most 230 KiB. The tutor's
// module holds the window's arithmetic again (about 45 KiB), since it
// solves each run anew with its steps: two modules cannot share code.
'use strict';

const {test, before, after, describe} = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const zlib = require('node:zlib');
const {execFileSync} = require('node:child_process');
const {SITE, TYPES, serveSite, launchBrowser, openWindow, texts, typeAndCalculate, workerReady, PAIRS, pageReady} = require('./support');

const BUILD = path.dirname(SITE);
const K_C_HC = ['6.0000000', '8.0000001', '10.0000000', '4.8000000', '3.5999999', '6.4000000'];
const WINDOW_BUDGET = 80 * 1024;
const FIRST_VISIT_BUDGET = 230 * 1024;

let browser;

before(async () => {
  browser = await launchBrowser();
});

after(async () => {
  await browser.close();
});

describe('publishing the site', () => {
  test('the archive, unpacked into /school/math/, works there, and starts offline', async () => {
    const archives = fs.readdirSync(BUILD).filter((name) => /^right-triangle-site-[0-9.]+\.zip$/.test(name));
    assert.strictEqual(archives.length, 1, `one archive in ${BUILD}: ${archives}`);
    const root = fs.mkdtempSync(path.join(os.tmpdir(), 'rt-host-'));
    const folder = path.join(root, 'school', 'math');
    fs.mkdirSync(folder, {recursive: true});
    try {
      execFileSync('cmake', ['-E', 'tar', 'xf', path.join(BUILD, archives[0])], {cwd: folder});
      // The site only, every file at the top.
      assert.deepStrictEqual(fs.readdirSync(folder).sort(), fs.readdirSync(SITE).sort());
      const host = await serveSite(root);
      try {
        const opened = await openWindow(browser, `${host.url}school/math/`, {serviceWorkers: 'allow'});
        const {page, context} = opened;
        await typeAndCalculate(page, 9, '10', '4.8', PAIRS);
        assert.deepStrictEqual(await texts(page), K_C_HC);
        assert.deepStrictEqual(host.requests.filter((asked) => !asked.startsWith('/school/math/')), []);
        await workerReady(page);
        await context.setOffline(true);
        await page.reload();
        await pageReady(page);
        await typeAndCalculate(page, 9, '10', '4.8', PAIRS);
        assert.deepStrictEqual(await texts(page), K_C_HC);
        assert.deepStrictEqual(opened.errors, []);
        await context.close();
      } finally {
        await host.close();
      }
    } finally {
      fs.rmSync(root, {recursive: true, force: true});
    }
  });

  test('a host that sends the module with another type still gets a working page', async () => {
    const host = await serveSite(SITE, {...TYPES, '.wasm': 'application/octet-stream'});
    try {
      const opened = await openWindow(browser, host.url, {});
      await typeAndCalculate(opened.page, 9, '10', '4.8', PAIRS);
      assert.deepStrictEqual(await texts(opened.page), K_C_HC);
      assert.deepStrictEqual(opened.errors, []);
      await opened.context.close();
    } finally {
      await host.close();
    }
  });

  test(`the window works after ${WINDOW_BUDGET / 1024} KiB; a first visit sends at most ${
    FIRST_VISIT_BUDGET / 1024} KiB, gzip-compressed`, async () => {
    const host = await serveSite();
    try {
      const opened = await openWindow(browser, host.url, {serviceWorkers: 'allow'});
      // What had arrived when the window's logic had run Form_Load.
      const beforeReady = await opened.page.evaluate(() => ['/', ...performance.getEntriesByType('resource')
        .filter((entry) => entry.responseEnd <= window.rightTriangleReadyAt)
        .map((entry) => new URL(entry.name).pathname)]);
      await workerReady(opened.page);
      await opened.context.close();
      const sizes = host.sent.filter((response) => response.body)
        .map((response) => [response.path, zlib.gzipSync(response.body).length]);
      const sum = (list) => list.reduce((total, [, size]) => total + size, 0);
      const total = sum(sizes);
      const windowSizes = sizes.filter(([asked]) => beforeReady.includes(asked));
      assert.deepStrictEqual(windowSizes.map(([asked]) => asked).sort(), ['/', '/triangle.js', '/triangle.wasm']);
      assert.ok(sum(windowSizes) <= WINDOW_BUDGET, `${sum(windowSizes)} bytes: ${JSON.stringify(windowSizes)}`);
      assert.ok(sizes.some(([asked]) => asked === '/tutor.wasm'));
      assert.ok(host.sent.some((response) => response.status === 304), 'the worker revalidates what the page loaded');
      assert.ok(total <= FIRST_VISIT_BUDGET, `${total} bytes: ${JSON.stringify(sizes)}`);
    } finally {
      await host.close();
    }
  });
});
