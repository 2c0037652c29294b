// The window before its module has arrived: the page is written in the
// state that Form_Load leaves, so a student can pick a pair, type and press
// „Изчисли“ at once; the logic, when it arrives, takes over from that state
// and runs a waiting „Изчисли“ once. The module is held back by the test.
'use strict';

const {test, before, after, describe} = require('node:test');
const assert = require('node:assert');
const {testSession, pageReady, texts} = require('./support');

const K_C_HC = ['6.0000000', '8.0000001', '10.0000000', '4.8000000', '3.5999999', '6.4000000'];

// The served site and one browser, for the whole file.
const session = testSession({before, after});

// A page whose window module is held until `release` is called.
async function heldBack(options = {}) {
  const context = await session.browser.newContext({
    locale: 'en-US', viewport: options.viewport || {width: 800, height: 700},
    hasTouch: options.hasTouch || false, isMobile: options.isMobile || false, serviceWorkers: 'block',
  });
  let release = null;
  const held = new Promise((resolve) => {
    release = resolve;
  });
  await context.route('**/triangle.wasm', async (route) => {
    await held;
    await route.continue();
  });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(session.site.url, {waitUntil: 'domcontentloaded'});
  return {context, page, errors, release};
}

const state = (page) => page.evaluate(() => ({
  busy: document.getElementById('TriangleForm').getAttribute('aria-busy'),
  row: document.querySelector('#List1_0 [aria-selected=true]')?.textContent ?? null,
  ticks: [...document.querySelectorAll('#Frame1 input[type=checkbox]')].map((check) => check.checked),
  open: [...document.querySelectorAll('#Frame1 input[type=text]')].map((box) => !box.readOnly),
  focus: document.activeElement.id,
  logic: window.rightTriangle !== undefined,
}));

describe('the window before its module has arrived', () => {
  test('a pair picked, values typed and „Изчисли“ pressed: the right triangle once it arrives', async () => {
    const {context, page, errors, release} = await heldBack();
    try {
      assert.deepStrictEqual(await state(page), {
        busy: 'true', row: 'a,b', ticks: [true, true, false, false, false, false],
        open: [true, true, false, false, false, false], focus: 'Text1_0', logic: false,
      });
      await page.click('#List1_0_row9');  // c,hc
      await page.click('#Text2_2');
      await page.keyboard.type('10');
      await page.click('#Text2_3');
      await page.keyboard.type('4.8');
      await page.click('#Command1_0');
      assert.deepStrictEqual(await state(page), {
        busy: 'true', row: 'c,hc', ticks: [false, false, true, true, false, false],
        open: [false, false, true, true, false, false], focus: 'Command1_0', logic: false,
      });
      assert.deepStrictEqual(await texts(page), ['', '', '10', '4.8', '', '']);
      release();
      await pageReady(page);
      assert.deepStrictEqual(await texts(page), K_C_HC);
      assert.deepStrictEqual(await state(page), {
        busy: null, row: 'c,hc', ticks: [false, false, true, true, false, false],
        open: [false, false, true, true, false, false], focus: 'Command1_0', logic: true,
      });
      // „Решение“ of that run, shown once the tutor has arrived.
      await page.waitForSelector('#Solution:not([hidden])');
      assert.match(await page.textContent('#Solution'), /hc = 4\.8/);
      assert.strictEqual(await page.evaluate(() => document.getElementById('FailureMessage').open), false);
      assert.deepStrictEqual(errors, []);
    } finally {
      await context.close();
    }
  });

  test('a pair picked by the keyboard and values typed, no „Изчисли“: the logic keeps them', async () => {
    const {context, page, errors, release} = await heldBack();
    try {
      await page.focus('#List1_0');
      await page.keyboard.press('End');  // a1,b1
      await page.click('#Text2_4');
      await page.keyboard.type('1.8');
      await page.click('#Text2_5');
      await page.keyboard.type('3.2');
      release();
      await pageReady(page);
      assert.deepStrictEqual(await texts(page), ['', '', '', '', '1.8', '3.2']);
      const after = await state(page);
      assert.deepStrictEqual([after.row, after.open, after.focus], ['a1,b1', [false, false, false, false, true, true],
        'Text2_5']);
      // The caret stays where the student left it, and the logic works on.
      await page.keyboard.type('0');
      await page.click('#Command1_0');
      assert.deepStrictEqual(await texts(page), ['3.0000000', '4.0000000', '5.0000000', '2.4000000', '1.8000000',
        '3.2000000']);
      assert.deepStrictEqual(errors, []);
    } finally {
      await context.close();
    }
  });

  test('„Изчисти“ before the module empties the boxes, and a later pick cancels a waiting „Изчисли“', async () => {
    const {context, page, errors, release} = await heldBack();
    try {
      await page.click('#Text2_0');
      await page.keyboard.type('3');
      await page.click('#Text2_1');
      await page.keyboard.type('4');
      await page.click('#Command1_1');
      assert.deepStrictEqual(await texts(page), ['', '', '', '', '', '']);
      await page.click('#Text2_0');
      await page.keyboard.type('5');
      await page.click('#Command1_0');
      await page.click('#List1_0_row1');  // a,c: the boxes empty, nothing waits
      await page.click('#Text2_2');
      await page.keyboard.type('13');
      release();
      await pageReady(page);
      assert.deepStrictEqual(await texts(page), ['', '', '13', '', '', '']);
      assert.strictEqual((await state(page)).row, 'a,c');
      assert.strictEqual(await page.evaluate(() => document.getElementById('FailureMessage').open), false);
      assert.deepStrictEqual(errors, []);
    } finally {
      await context.close();
    }
  });

  test('„Изчисли“ then „Изчисти“ before the module: nothing waits, nothing is said', async () => {
    const {context, page, errors, release} = await heldBack();
    try {
      await page.click('#Text2_0');
      await page.keyboard.type('3');
      await page.click('#Command1_0');
      await page.click('#Command1_1');
      release();
      await pageReady(page);
      assert.deepStrictEqual(await texts(page), ['', '', '', '', '', '']);
      // A waiting „Изчисли“ would have said that the boxes are empty.
      assert.strictEqual(await page.textContent('#ReadingNotice'), '');
      assert.strictEqual(await page.isVisible('#Solution'), false);
      assert.deepStrictEqual(errors, []);
    } finally {
      await context.close();
    }
  });
});
