// What the page tests share: a static server for the built site on
// localhost, and Debian's Chromium driven by playwright-core.
'use strict';

const http = require('node:http');
const assert = require('node:assert');
const crypto = require('node:crypto');
const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');
const {chromium} = require('playwright-core');

const SITE = process.env.RT_SITE || path.resolve(__dirname, '../../build/web/site');
// The desktop build's command-line tool, to compare the pages and the wasm core with.
const DESKTOP = process.env.RT_DESKTOP_SOLVE || path.resolve(__dirname, '../../build/dev/tools/right-triangle-solve');

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
  '.webmanifest': 'application/manifest+json',
};

// Serves the site (or another folder); `requests` lists every path asked
// for, so that a test can see what came from the network. With `gzip`, a
// body goes out compressed to a browser that takes it, as web servers send
// it (the start-up benchmark's slow network counts the bytes that travel).
async function serveSite(root = SITE, types = TYPES, {gzip = false} = {}) {
  const requests = [];
  const sent = [];  // what went out: path, status and the file's bytes when a body did
  const server = http.createServer((request, response) => {
    const url = new URL(request.url, 'http://localhost');
    requests.push(url.pathname);
    const file = path.join(root, url.pathname.endsWith('/') ? `${url.pathname}index.html` : url.pathname);
    if (!file.startsWith(root) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
      response.writeHead(404).end();
      sent.push({path: url.pathname, status: 404});
      return;
    }
    // As a static host serves files: a validator, and the browser asks again
    // before it uses its copy (a new build is then seen at once).
    const body = fs.readFileSync(file);
    const etag = `"${crypto.createHash('sha1').update(body).digest('hex')}"`;
    const headers = {'Content-Type': types[path.extname(file)] || 'application/octet-stream', 'ETag': etag,
                     'Cache-Control': 'no-cache'};
    if (request.headers['if-none-match'] === etag) {
      response.writeHead(304, headers).end();
      sent.push({path: url.pathname, status: 304});
      return;
    }
    if (gzip && /\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
      response.writeHead(200, {...headers, 'Content-Encoding': 'gzip', 'Vary': 'Accept-Encoding'})
        .end(zlib.gzipSync(body));
    } else {
      response.writeHead(200, headers).end(body);
    }
    sent.push({path: url.pathname, status: 200, body});
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const url = `http://127.0.0.1:${server.address().port}/`;
  return {url, requests, sent, close: () => new Promise((resolve) => server.close(resolve))};
}

// Chromium as this machine runs it headless: no sandbox as root, and none of
// the background connections that a closed network refuses.
async function launchBrowser() {
  return chromium.launch({
    executablePath: process.env.RT_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: [
      '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--font-render-hinting=none',
    ],
  });
}

// A page with the window loaded and ready, in the given browser language.
async function openWindow(browser, url, options = {}) {
  const context = await browser.newContext({
    locale: options.locale || 'en-US',
    viewport: options.viewport || {width: 800, height: 700},
    deviceScaleFactor: options.deviceScaleFactor || 1,
    serviceWorkers: options.serviceWorkers || 'block',
    hasTouch: options.hasTouch || false,
    isMobile: options.isMobile || false,
  });
  // Runs in every page of the context before the page's own scripts.
  if (options.initScript) await context.addInitScript(options.initScript);
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(url);
  await pageReady(page);
  return {context, page, errors};
}

// Waits until the window works and the tutor has started (or failed to);
// the service worker is registered after both.
function pageReady(page) {
  return page.waitForFunction(() => window.rightTriangle !== undefined && window.rightTriangle.kept !== undefined);
}

// What a test file shares: the served site and one browser, started before
// its first test and closed after its last (pass node:test's before and
// after). `withWindow` runs `body` on a freshly loaded window, checks that
// the page raised no error, and closes the window.
function testSession({before, after}) {
  const session = {site: null, browser: null};
  before(async () => {
    session.site = await serveSite();
    session.browser = await launchBrowser();
  });
  after(async () => {
    await session.browser.close();
    await session.site.close();
  });
  session.withWindow = async (options, body) => {
    const opened = await openWindow(session.browser, session.site.url + (options.fragment || ''), options);
    try {
      await body(opened.page, opened.context);
      assert.deepStrictEqual(opened.errors, []);
    } finally {
      await opened.context.close();
    }
  };
  return session;
}

// The six value-box texts.
function texts(page) {
  return page.$$eval('#Frame1 input[type=text]', (boxes) => boxes.map((box) => box.value));
}

// Picks a row with the mouse, types the two given values, presses Calculate.
async function typeAndCalculate(page, row, first, second, pairs) {
  await page.click(`#List1_0_row${row}`);
  const [a, b] = pairs[row];
  await page.click(`#Text2_${a}`);
  await page.keyboard.type(first);
  await page.click(`#Text2_${b}`);
  await page.keyboard.type(second);
  await page.click('#Command1_0');
}

// Waits until the service worker has fetched what it keeps, controls the
// page, and keeps the drawing that this screen shows.
async function workerReady(page) {
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller) {
      await new Promise((resolve) => navigator.serviceWorker.addEventListener('controllerchange', resolve));
    }
  });
  await pageReady(page);
  await page.evaluate(() => window.rightTriangle.kept);
}

// The text of the QR code in the SVG picture at `selector`, read back by
// jsQR from the picture drawn on a canvas (null when it reads nothing).
const JSQR = require.resolve('jsqr/dist/jsQR.js');
async function readQr(page, selector) {
  if (!(await page.evaluate(() => typeof window.jsQR === 'function'))) await page.addScriptTag({path: JSQR});
  return page.$eval(selector, async (svg) => {
    const side = 400;
    const image = new Image();
    image.src = `data:image/svg+xml;charset=utf-8,${encodeURIComponent(new XMLSerializer().serializeToString(svg))}`;
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = side;
    canvas.height = side;
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0, side, side);
    const found = window.jsQR(context.getImageData(0, 0, side, side).data, side, side);
    return found ? new TextDecoder().decode(new Uint8Array(found.binaryData)) : null;
  });
}

// The two quantities of each row, as the pair table orders them.
const PAIRS = [
  [0, 1], [0, 2], [0, 3], [0, 4], [0, 5], [1, 2], [1, 3], [1, 4], [1, 5], [2, 3], [2, 4], [2, 5], [3, 4], [3, 5],
  [4, 5],
];

module.exports = {SITE, DESKTOP, TYPES, serveSite, launchBrowser, openWindow, pageReady, readQr, testSession, texts, typeAndCalculate, workerReady,
  PAIRS};
