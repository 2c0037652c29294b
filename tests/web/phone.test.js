// The page on phones and tablets: below the window's width the same controls
// stand in one column, in the order a student works, large enough for a
// finger, and every one of them works by touch; rotating or resizing
// switches layouts without losing anything.
'use strict';

const {test, before, after, describe} = require('node:test');
const assert = require('node:assert');
const {testSession, texts, PAIRS} = require('./support');

const {withWindow} = testSession({before, after});

const phone = (width, height) => ({viewport: {width, height}, isMobile: true, hasTouch: true, deviceScaleFactor: 2,
                                   locale: 'bg-BG'});

const WORK_ORDER = ['Label1_0', 'Label1_1', 'List1_0', 'Frame1', 'Command1_0', 'Picture1', 'Text1_0'];
// The focus order from the first control that takes the focus: the
// definition's in the window, down the column in one column.
const TAB_ORDER_WIDE = ['Text1_0', 'Text2_0', 'Text2_1', 'Text2_2', 'Text2_3', 'Text2_4', 'Text2_5', 'List1_0',
  'Command1_0', 'Command1_1'];
const TAB_ORDER_NARROW = ['List1_0', 'Text2_0', 'Text2_1', 'Text2_2', 'Text2_3', 'Text2_4', 'Text2_5', 'Command1_0',
  'Command1_1', 'Text1_0'];

// What a finger and an eye meet: the size of every control that takes a
// touch, the smallest text, and anything that sticks out to the side.
function measure(page) {
  return page.evaluate(() => {
    const targets = [...document.querySelectorAll(
      '#TriangleForm [role=option], #TriangleForm input[type=text], #TriangleForm button, #TriangleForm textarea')]
      .filter((element) => !element.closest('[hidden]'));
    const small = targets.map((element) => [element.id, element.getBoundingClientRect()])
      .filter(([, box]) => box.width < 44 || box.height < 44).map(([id, box]) => `${id} ${box.width}x${box.height}`);
    const textSizes = [...document.querySelectorAll('#TriangleForm *')]
      .filter((element) => [...element.childNodes].some((node) => node.nodeType === 3 && node.textContent.trim())
        || element.matches('input[type=text], textarea'))
      .map((element) => parseFloat(getComputedStyle(element).fontSize));
    const width = document.documentElement.clientWidth;
    const outside = [...document.querySelectorAll('body *')]
      .filter((element) => element.getClientRects().length > 0 && element.getBoundingClientRect().right > width + 0.5)
      .map((element) => element.id || element.className || element.tagName);
    const tops = {};
    for (const id of ['Label1_0', 'Label1_1', 'List1_0', 'Frame1', 'Command1_0', 'Command1_1', 'Picture1', 'Text1_0']) {
      tops[id] = document.getElementById(id).getBoundingClientRect().top;
    }
    return {
      small, smallestText: Math.min(...textSizes), outside, tops,
      scrolls: document.documentElement.scrollWidth > width,
      formWidth: document.getElementById('TriangleForm').getBoundingClientRect().width,
      inputMode: [...document.querySelectorAll('#Frame1 input[type=text]')].map((box) => box.inputMode),
    };
  });
}

// Every target of the page that is shown and enabled, with its size: a
// check box or a radio button by the label around it (which takes its
// taps), a text box by itself (its label is only a second way in).
async function pageTargets(page, {outsideWindow = false} = {}) {
  const sizes = await page.evaluate((outside) => {
    const selector = 'button, input, textarea, select, summary, a[href], [role=option], [role=listbox]';
    return [...document.querySelectorAll(selector)]
      .filter((element) => element.getClientRects().length > 0 && !element.disabled)
      .filter((element) => !outside || !element.closest('#TriangleForm'))
      .map((element) => {
        const target = element.matches('input[type=checkbox], input[type=radio]') && element.closest('label') || element;
        const box = target.getBoundingClientRect();
        return {name: element.id || element.className || element.tagName, width: box.width, height: box.height};
      });
  }, outsideWindow);
  return {
    count: sizes.length,
    under: (width, height) => sizes.filter((size) => size.width < width || size.height < height)
      .map((size) => `${size.name} ${size.width}×${size.height}`),
  };
}

// Turns the screen: the page hears of the new width (a media query's
// change) in the rendering step before the next animation frame.
async function turn(page, size) {
  await page.setViewportSize(size);
  await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => resolve())));
}

async function tabOrder(page, first) {
  await page.focus(`#${first}`);
  const visited = [first];
  for (let n = 1; n < 10; ++n) {
    await page.keyboard.press('Tab');
    visited.push(await page.evaluate(() => document.activeElement.id));
  }
  return visited;
}

describe('the page on a narrow screen', () => {
  for (const width of [320, 360]) {
    test(`${width} px: one column in the order a student works, with 44 px targets and 16 px text`, async () => {
      await withWindow(phone(width, 720), async (page) => {
        const seen = await measure(page);
        assert.deepStrictEqual(seen.small, []);
        assert.ok(seen.smallestText >= 16, `smallest text ${seen.smallestText}px`);
        assert.deepStrictEqual(seen.outside, []);
        assert.strictEqual(seen.scrolls, false);
        assert.strictEqual(seen.formWidth, width);
        assert.deepStrictEqual(seen.inputMode, Array(6).fill('decimal'));
        const tops = WORK_ORDER.map((id) => seen.tops[id]);
        assert.deepStrictEqual([...tops].sort((x, y) => x - y), tops, JSON.stringify(seen.tops));
        assert.strictEqual(seen.tops.Command1_1, seen.tops.Command1_0);
        // The focus goes down the column, from the list to the task text.
        assert.deepStrictEqual(await tabOrder(page, 'List1_0'), TAB_ORDER_NARROW);
        // The grid of pairs is still the list box, with its keys; left and
        // right move along the grid's rows.
        await page.focus('#List1_0');
        for (const key of ['ArrowRight', 'ArrowRight', 'ArrowDown']) await page.keyboard.press(key);
        assert.strictEqual(await page.textContent('#List1_0 [aria-selected=true]'), 'a,a1');
        await page.keyboard.press('ArrowLeft');
        assert.strictEqual(await page.textContent('#List1_0 [aria-selected=true]'), 'a,hc');
        assert.strictEqual(await page.getAttribute('#List1_0', 'role'), 'listbox');
      });
    });
  }

  // A touch screen as wide as the window: the column, its targets a
  // finger's size, on the whole page with a practice task open.
  for (const [name, width, height] of [['a tablet', 768, 1024], ['a phone turned sideways', 740, 360]]) {
    test(`${name} (${width} × ${height}) with touch: the column, and no target under 44 × 44 px`, async () => {
      await withWindow({...phone(width, height), fragment: '#practice=9SVZUC'}, async (page) => {
        await page.evaluate(() => document.querySelectorAll('details').forEach((details) => {
          details.open = true;
        }));
        const seen = await measure(page);
        assert.strictEqual(seen.formWidth, 483);
        assert.strictEqual(seen.scrolls, false);
        const tops = WORK_ORDER.map((id) => seen.tops[id]);
        assert.deepStrictEqual([...tops].sort((x, y) => x - y), tops, JSON.stringify(seen.tops));
        assert.deepStrictEqual(await tabOrder(page, 'List1_0'), TAB_ORDER_NARROW);
        const targets = await pageTargets(page);
        assert.ok(targets.count > 40, `${targets.count} targets`);
        assert.deepStrictEqual(targets.under(44, 44), []);
      });
    });
  }

  // With a mouse the window is the definition's, whose rows, boxes and
  // buttons are 19 to 27 px high; the rest of the page takes 24 px.
  test('a laptop with a mouse: the window as the definition draws it, and no target of the page under 24 px', async () => {
    await withWindow({viewport: {width: 768, height: 1024}, fragment: '#practice=9SVZUC'}, async (page) => {
      await page.evaluate(() => document.querySelectorAll('details').forEach((details) => {
        details.open = true;
      }));
      const seen = await measure(page);
      assert.strictEqual(seen.formWidth, 483);
      assert.deepStrictEqual(await tabOrder(page, 'Text1_0'), TAB_ORDER_WIDE);
      const targets = await pageTargets(page, {outsideWindow: true});
      assert.ok(targets.count > 20, `${targets.count} targets`);
      assert.deepStrictEqual(targets.under(24, 24), []);
      assert.strictEqual(await page.evaluate(() => document.getElementById('List1_0_row0').getBoundingClientRect().height),
                         19);
    });
  });

  test('every control works by touch, with quick taps from box to box', async () => {
    for (const width of [320, 360]) {
      await withWindow(phone(width, 720), async (page) => {
        // Every row of the list, each opening its pair.
        for (let row = 0; row < PAIRS.length; ++row) {
          await page.tap(`#List1_0_row${row}`);
          const open = await page.$$eval('#Frame1 input[type=text]', (boxes) => boxes.map((b) => !b.readOnly));
          assert.deepStrictEqual(open.flatMap((isOpen, i) => (isOpen ? [i] : [])), PAIRS[row], `row ${row}`);
        }
        // c,hc: hc first, then c at once, as a student types them.
        await page.tap('#List1_0_row9');
        await page.tap('#Text2_3');
        await page.keyboard.type('4,8');
        await page.tap('#Text2_2');
        await page.keyboard.type('10');
        await page.tap('#Command1_0');
        assert.deepStrictEqual(await texts(page),
                               ['6,0000000', '8,0000001', '10,0000000', '4,8000000', '3,5999999', '6,4000000']);
        assert.strictEqual(await page.isVisible('#Solution'), true);
        // A display-only check box stays as the logic set it.
        await page.tap('#Check1_0', {force: true});
        assert.strictEqual(await page.isChecked('#Check1_0 input'), false);
        await page.tap('#Text1_0');
        assert.strictEqual(await page.evaluate(() => document.activeElement.id), 'Text1_0');
        await page.tap('#Command1_1');
        assert.deepStrictEqual(await texts(page), Array(6).fill(''));
      });
    }
  });

  // With touch the column stays when the phone turns; with a mouse the
  // layout follows the window's width, and the controls their order.
  for (const [name, options, wideWidth, wideOrder] of [
    ['turning the phone', phone(360, 740), 483, ['List1_0', TAB_ORDER_NARROW]],
    ['widening a browser window with a mouse', {viewport: {width: 360, height: 740}, locale: 'bg-BG'}, 483,
      ['Text1_0', TAB_ORDER_WIDE]],
  ]) {
    test(`${name} keeps the typed text, the selected row, the focus and the caret`, async () => {
      await withWindow(options, async (page) => {
        const press = (selector) => (options.hasTouch ? page.tap(selector) : page.click(selector));
        await press('#List1_0_row9');
        await press('#Text2_3');
        await page.keyboard.type('4,8');
        await press('#Text2_2');
        await page.keyboard.type('10');
        await page.keyboard.press('ArrowLeft');
        const state = () => page.evaluate(() => ({
          texts: [...document.querySelectorAll('#Frame1 input[type=text]')].map((box) => box.value),
          row: document.querySelector('#List1_0 [aria-selected=true]').textContent,
          focus: document.activeElement.id,
          caret: document.activeElement.selectionStart,
          width: document.getElementById('TriangleForm').getBoundingClientRect().width,
        }));
        const before = await state();
        assert.deepStrictEqual(before, {texts: ['', '', '10', '4,8', '', ''], row: 'c,hc', focus: 'Text2_2', caret: 1,
                                        width: 360});
        await turn(page, {width: 740, height: 360});
        assert.deepStrictEqual(await state(), {...before, width: wideWidth});
        assert.deepStrictEqual(await tabOrder(page, wideOrder[0]), wideOrder[1]);
        await page.focus('#Text2_2');
        await turn(page, {width: 360, height: 740});
        assert.deepStrictEqual((await state()).focus, 'Text2_2');
        assert.deepStrictEqual(await tabOrder(page, 'List1_0'), TAB_ORDER_NARROW);
        await press('#Command1_0');
        assert.deepStrictEqual((await texts(page))[0], '6,0000000');
      });
    });
  }

  // „Решение“ begins far below „Изчисли“ in the column: a link beside the
  // buttons leads there, and the note on the values read stands there too.
  test('360 px: after „Изчисли“ the way to „Решение“ and the note on the values stand by the buttons', async () => {
    await withWindow(phone(360, 740), async (page) => {
      assert.strictEqual(await page.isVisible('#SolutionCue'), false);
      await page.tap('#List1_0_row9');
      await page.tap('#Text2_2');
      await page.keyboard.type('10');
      await page.tap('#Text2_3');
      await page.keyboard.type('4,8,1');  // read as 4,8, and said so
      await page.tap('#Command1_0');
      await page.waitForSelector('#SolutionCue:not([hidden])');
      const near = await page.evaluate(() => {
        const buttons = document.getElementById('Command1_0').getBoundingClientRect();
        const cue = document.getElementById('SolutionCue').getBoundingClientRect();
        const notice = document.getElementById('ReadingNotice').getBoundingClientRect();
        const solution = document.getElementById('Solution').getBoundingClientRect();
        return {cue: [cue.top - buttons.bottom, cue.bottom <= innerHeight, cue.height >= 44],
                notice: [notice.top - cue.bottom, notice.bottom <= innerHeight], solutionBelow: solution.top > innerHeight};
      });
      assert.ok(near.cue[0] >= 0 && near.cue[0] < 30 && near.cue[1] && near.cue[2], JSON.stringify(near));
      assert.ok(near.notice[0] >= 0 && near.notice[0] < 30 && near.notice[1], JSON.stringify(near));
      assert.ok(near.solutionBelow, JSON.stringify(near));
      assert.strictEqual(await page.textContent('#SolutionCue'), 'Решение ↓');
      await page.tap('#SolutionCue');
      const shown = await page.evaluate(() => ({
        top: document.getElementById('Solution').getBoundingClientRect().top,
        focus: document.activeElement.id,
        hash: location.hash,
      }));
      assert.ok(Math.abs(shown.top) <= 1, JSON.stringify(shown));
      assert.deepStrictEqual([shown.focus, shown.hash], ['Solution', '']);
      await page.tap('#Command1_1');
      assert.strictEqual(await page.isVisible('#SolutionCue'), false);
    });
  });

  test('with a mouse by the window, the link stays away: „Решение“ is just under the window', async () => {
    await withWindow({viewport: {width: 1280, height: 800}}, async (page) => {
      await page.click('#Text2_0');
      await page.keyboard.type('3');
      await page.click('#Text2_1');
      await page.keyboard.type('4');
      await page.click('#Command1_0');
      await page.waitForSelector('#Solution:not([hidden])');
      assert.strictEqual(await page.isVisible('#SolutionCue'), false);
      assert.strictEqual(await page.evaluate(() => document.getElementById('SolutionCue').parentElement.id), 'stage');
    });
  });
});
