// What the page says about how the given values were read, where the boxes
// alone would hide it: a value read only in part, a value that is not a
// positive number, an empty box. In view at 360 px and in a live region;
// the boxes get exactly what the window gives them.
'use strict';

const {test, before, after, describe} = require('node:test');
const assert = require('node:assert');
const {testSession, typeAndCalculate, texts, PAIRS} = require('./support');

const {withWindow} = testSession({before, after});

const PHONE = {viewport: {width: 360, height: 740}, isMobile: true, hasTouch: true};

async function notice(page) {
  return page.$$eval('#ReadingNotice p', (lines) => lines.map((line) => line.textContent));
}

async function inView(page) {
  return page.evaluate(() => {
    const box = document.getElementById('ReadingNotice').getBoundingClientRect();
    return box.height > 0 && box.top >= 0 && box.bottom <= window.innerHeight + 1;
  });
}

describe('the note on how the given values were read', () => {
  for (const [name, options] of [['the desktop', {}], ['a 360 px phone', PHONE]]) {
    test(`${name}, en-US: "4,8" is read as 4, and the page says so`, async () => {
      await withWindow({locale: 'en-US', ...options}, async (page) => {
        await typeAndCalculate(page, 9, '10', '4,8', PAIRS);
        assert.deepStrictEqual(await notice(page), ['Прочетено е само 4 от „4,8“: тук десетичният знак е точка.']);
        assert.strictEqual(await page.getAttribute('#ReadingNotice', 'role'), 'status');
        assert.ok(await inView(page));
        // The boxes as the window writes them: the triangle with hc = 4.
        assert.deepStrictEqual((await texts(page)).slice(0, 4), ['4.4721360', '8.9442719', '10.0000000', '4.0000000']);
        // A value read whole: no note.
        await page.fill('#Text2_3', '4.8');
        await page.click('#Command1_0');
        assert.deepStrictEqual(await notice(page), []);
      });
    });

    test(`${name}, bg-BG: a value that is not positive, and an empty box`, async () => {
      await withWindow({locale: 'bg-BG', ...options}, async (page) => {
        await typeAndCalculate(page, 0, '-10', '4', PAIRS);
        assert.deepStrictEqual(await notice(page),
                               ['Стойността на a („-10“) не е положително число; нищо не е изчислено.']);
        assert.ok(await inView(page));
        await page.fill('#Text2_0', '');
        await page.click('#Command1_0');
        assert.deepStrictEqual(await notice(page), ['Полето a е празно.']);
        // "Изчистване" and another pair take the note away.
        await page.click('#Command1_1');
        assert.deepStrictEqual(await notice(page), []);
      });
    });
  }
});

describe('what the student is told, where the student looks, on a 360 px phone', () => {
  test('„Копирай връзката“ says so at the button and keeps the check\'s result', async () => {
    await withWindow({locale: 'bg-BG', fragment: '#practice=9SVZUC', ...PHONE}, async (page) => {
      await page.fill('#PracticeAnswer0', '12,6');
      await page.click('#PracticeCheck');
      const result = await page.textContent('#PracticeResult');
      await page.tap('#PracticeCopy');
      await page.waitForFunction(() => document.getElementById('PracticeCopied').textContent !== '');
      assert.match(await page.textContent('#PracticeCopied'), /^(Връзката е копирана\.|Изберете връзката и я копирайте\.)$/);
      assert.strictEqual(await page.textContent('#PracticeResult'), result);
      const near = await page.evaluate(() => {
        const button = document.getElementById('PracticeCopy').getBoundingClientRect();
        const said = document.getElementById('PracticeCopied').getBoundingClientRect();
        return said.top >= 0 && said.bottom <= window.innerHeight && Math.abs(said.top - button.bottom) < 60;
      });
      assert.ok(near);
    });
  });
});
