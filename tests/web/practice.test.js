// The section „Упражнение“ as a student and a teacher use it: a whole set
// solved with right and wrong answers in bg-BG and en-US, a task with no
// triangle, hints, the work kept across a reload, the shared link, a code
// that is no code, a browser storage that fails, the printed worksheet, a
// phone, and offline.
'use strict';

const {test, before, after, describe} = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const {spawnSync} = require('node:child_process');
const {DESKTOP, testSession, openWindow, serveSite, typeAndCalculate, texts, workerReady, PAIRS, pageReady} = require('./support');

const session = testSession({before, after});
const {withWindow} = session;


// Three tasks: a = 43,2, c = 45; c = 26, hc = 12; a = 2,8, c = 5.
const SET = '9SVZUC';
const STATEMENTS = [
  'Дадено: a = 43,2; c = 45. Намерете b, hc, a1, b1.',
  'Дадено: c = 26; hc = 12. Намерете a, b, a1, b1.',
  'Дадено: a = 2,8; c = 5. Намерете b, hc, a1, b1.',
];
// Worked out by hand: b = √(45² − 43,2²) = 12,6, hc = 43,2·12,6/45 = 12,096, ...
const ANSWERS = [
  ['12,6', '12,096', '41,472', '3,528'],
  ['14,42', '21,63', '8', '18'],
  ['4,14', '2,32', '1,568', '3,432'],
];
// Its first task has no triangle: c = 14, a1 = 20.
const NO_TRIANGLE_SET = 'NB7ZUC';

const boxes = [0, 1, 2, 3].map((n) => `#PracticeAnswer${n}`);

async function answer(page, values) {
  for (const [n, value] of values.entries()) await page.fill(boxes[n], value);
}

function marks(page) {
  return page.$$eval('#PracticeBoxes .mark', (shown) => shown.map((mark) => mark.textContent));
}

function text(page, selector) {
  return page.textContent(selector);
}

// The text of an element as a screen reader has it, from the browser's
// accessibility tree: its text lines, joined.
async function spokenText(page, selector) {
  const tree = await page.locator(selector).ariaSnapshot();
  // The words of a sign stand apart in the tree: a blank before the comma
  // or bracket that follows them.
  return [...tree.matchAll(/(?:- text|status): "?(.*?)"?$/gm)].map((found) => found[1]).join('')
    .replace(/ ([,)])/g, '$1');
}

// Whether the element stands whole inside the view (to a pixel: scrolled to
// its top, its top may lie a fraction of one above).
function inView(page, selector) {
  return page.$eval(selector, (element) => {
    const box = element.getBoundingClientRect();
    return box.height > 0 && box.top >= -1 && box.bottom <= window.innerHeight + 1;
  });
}

// The text of pieces from the core, as a line shows it.
function spoken(pieces) {
  return pieces.map((piece) => (piece.kind === 'square' ? '2' : piece.text)).join('');
}

describe('the practice section', () => {
  for (const width of [360, 1280]) {
  test(`${width} px, bg-BG: a whole set solved with wrong and right answers; a missed pair comes back`,
       async () => {
    await withWindow({locale: 'bg-BG', fragment: `#упражнение=${SET}`, viewport: {width, height: 800}},
                     async (page) => {
      assert.strictEqual(await text(page, '#PracticeCode'), SET);
      assert.strictEqual(await text(page, '#PracticeTaskTitle'), 'Задача 1 от 3');
      assert.strictEqual(await text(page, '#PracticeStatement'), STATEMENTS[0]);
      await answer(page, ['12,6', '12,1', '3cm', '']);
      await page.press(boxes[2], 'Enter');
      assert.deepStrictEqual(await marks(page), ['✓ вярно', '✓ вярно', '✗ не е число', '– няма отговор']);
      assert.strictEqual(await page.getAttribute(boxes[2], 'aria-invalid'), 'true');
      assert.strictEqual(await page.getAttribute(boxes[0], 'aria-invalid'), null);
      assert.strictEqual(await text(page, '#PracticeResult'),
                         'Верни: 2 от 4. b: вярно; hc: вярно; a1: не е число; b1: няма отговор.');
      assert.strictEqual(await text(page, '#PracticeScore'), '0 от 3 задачи');

      // Solved after a mistake: a task of the same pair comes back, two later.
      await answer(page, ['12,6', '12,1', '41,47', '3,528']);
      await page.click('#PracticeCheck');
      assert.strictEqual(await text(page, '#PracticeResult'),
                         'Вярно: и четирите дължини. Задача от същия вид ще дойде отново: задача 4.');
      assert.strictEqual(await text(page, '#PracticeScore'),
                         '1 от 4 задачи, 1 с помощ (✓* — решена с подсказка или след грешка)');

      await page.click('#PracticeNew');
      assert.strictEqual(await text(page, '#PracticeStatement'), STATEMENTS[1]);
      assert.strictEqual(await page.evaluate(() => document.activeElement.id), 'PracticeTaskTitle');
      await answer(page, ['14,43', '21,63', '-8', '18,0']);
      await page.press(boxes[3], 'Enter');
      assert.deepStrictEqual(await marks(page), ['✗ грешно', '✓ вярно', '✗ дължината е положително число', '✓ вярно']);
      await answer(page, ANSWERS[1]);
      await page.press(boxes[0], 'Enter');
      assert.match(await text(page, '#PracticeResult'), /задача 5\.$/);
      assert.match(await text(page, '#PracticeScore'), /^2 от 5 задачи, 2 с помощ/);

      await page.click('#PracticeNew');
      await answer(page, ANSWERS[2]);
      await page.click('#PracticeCheck');
      assert.strictEqual(await text(page, '#PracticeResult'), 'Вярно: и четирите дължини.');
      assert.match(await text(page, '#PracticeScore'), /^3 от 5 задачи/);
      assert.strictEqual(await page.getAttribute('#PracticeTaskList li:nth-child(3) button', 'aria-label'),
                         'Задача 3, решена');
      assert.strictEqual(await page.getAttribute('#PracticeTaskList li:nth-child(1) button', 'aria-label'),
                         'Задача 1, решена с помощ');

      // The retries: the same pairs, other numbers, solved alone this time.
      for (const [position, pair] of [[4, 'a,c'], [5, 'c,hc']]) {
        await page.click('#PracticeNew');
        assert.strictEqual(await text(page, '#PracticeTaskTitle'), `Задача ${position} от 5 (отново същият вид)`);
        const task = await page.evaluate((n) => {
          const made = window.rightTriangle.tutor.practiceSet('9SVZUC');
          return made.tasks[made.count + n];
        }, position === 4 ? 0 : 1);
        assert.strictEqual(task.pair, pair);
        assert.notStrictEqual(spoken(task.statement), STATEMENTS[position - 4]);
        const key = Object.fromEntries(['a', 'b', 'c', 'hc', 'a1', 'b1'].map((q, n) => [q, task.key[n]]));
        await answer(page, task.sought.map((q) => key[q]));
        await page.click('#PracticeCheck');
        assert.strictEqual(await text(page, '#PracticeResult'), 'Вярно: и четирите дължини.');
      }
      assert.strictEqual(await text(page, '#PracticeScore'),
                         '5 от 5 задачи, 2 с помощ (✓* — решена с подсказка или след грешка)');
      assert.strictEqual(await text(page, '#PracticeTaskList li:nth-child(4) button'), '4↻ ✓');
      // Per pair, the best done: alone in both.
      const standing = await page.$$eval('#PracticeStanding li', (items) => items.map((item) => item.textContent));
      assert.strictEqual(standing.length, 15);
      assert.deepStrictEqual(standing.filter((item) => !item.endsWith('няма в набора')),
                             ['a,c без помощ', 'c,hc без помощ']);

      // After the last task, a new set.
      await page.click('#PracticeNew');
      assert.notStrictEqual(await text(page, '#PracticeCode'), SET);
      assert.match(await text(page, '#PracticeNotice'), /Всички задачи от предишния набор са решени/);
      assert.strictEqual(await text(page, '#PracticeScore'), '0 от 6 задачи');
      // The notice in view, the focus on the new set's first task.
      assert.ok(await inView(page, '#PracticeNotice'));
      assert.strictEqual(await page.evaluate(() => document.activeElement.id), 'PracticeTaskTitle');
    });
  });
  }

  test('en-US: the decimal point; a comma is no number there', async () => {
    await withWindow({locale: 'en-US', fragment: `#practice=${SET}`}, async (page) => {
      assert.strictEqual(await text(page, '#PracticeStatement'), STATEMENTS[0].replace('43,2', '43.2'));
      assert.match(await text(page, '#PracticeRule'), /за 8\.4852814… верни са 8\.5 и 8\.49, но не 8\.48\)/);
      // The last task solved after a mistake: its retry can only come straight
      // after it, so „Нова задача“ takes the unsolved first task first.
      await page.click('#PracticeTaskList li:nth-child(3) button');
      await answer(page, ['4.2', '2.32', '1.568', '3.432']);
      await page.click('#PracticeCheck');
      await answer(page, ['4.14', '2.32', '1.568', '3.432']);
      await page.click('#PracticeCheck');
      assert.match(await text(page, '#PracticeResult'), /задача 4\.$/);
      await page.click('#PracticeNew');
      assert.strictEqual(await text(page, '#PracticeTaskTitle'), 'Задача 1 от 4');
      await answer(page, ['12.6', '12,1', '41.472', '3.5']);
      await page.click('#PracticeCheck');
      assert.deepStrictEqual(await marks(page), ['✓ вярно', '✗ не е число', '✓ вярно', '✓ вярно']);
      await page.fill(boxes[1], '12.10');
      await page.click('#PracticeCheck');
      assert.strictEqual(await text(page, '#PracticeScore'),
                         '2 от 5 задачи, 2 с помощ (✓* — решена с подсказка или след грешка)');
    });
  });

  test('a task with no triangle is solved by saying so, and the check says why', async () => {
    await withWindow({locale: 'bg-BG', fragment: `#practice=${NO_TRIANGLE_SET}`}, async (page) => {
      assert.strictEqual(await text(page, '#PracticeStatement'), 'Дадено: c = 14; a1 = 20. Намерете a, b, hc, b1.');
      await page.fill(boxes[0], '5');
      await page.click('#PracticeCheck');
      assert.match(await text(page, '#PracticeResult'),
                   /^Няма такъв триъгълник\. Проекцията a1 трябва да е по-къса от хипотенузата c/);
      assert.deepStrictEqual(await marks(page), ['✗ грешно', '– няма отговор', '– няма отговор', '– няма отговор']);
      await page.fill(boxes[0], '');
      await page.check('#PracticeNone');
      await page.click('#PracticeCheck');
      assert.match(await text(page, '#PracticeResult'), /^Вярно: няма такъв триъгълник\. Проекцията a1/);
      // Numbers were typed first: a task of the same pair comes back.
      assert.match(await text(page, '#PracticeResult'), /Задача от същия вид ще дойде отново: задача 4\.$/);
      assert.match(await text(page, '#PracticeScore'), /^1 от 4 задачи, 1 с помощ/);
    });
  });

  for (const width of [360, 1280]) {
  test(`${width} px: hints climb from the theorem to the number, then the whole solution; the task counts as helped`,
       async () => {
         await withWindow({locale: 'bg-BG', fragment: `#practice=${SET}`, viewport: {width, height: 800}},
                          async (page) => {
           const hints = () => page.$$eval('#PracticeSolution .hints > li', (steps) => steps.map((step) =>
             [...step.children].map((rung) => {
               const shown = rung.cloneNode(true);
               shown.querySelectorAll('.spoken').forEach((words) => words.remove());
               return shown.textContent;
             })));
           assert.strictEqual(await page.isVisible('#PracticeSolution'), false);
           const rungs = [
             ['b: Питагорова теорема', 'Подсказка 1: b: Питагорова теорема'],
             ['c2 = a2 + b2, b = √(c2 − a2)', 'Подсказка 2: c на квадрат = a на квадрат + b на квадрат, ' +
              'b = корен квадратен от (c на квадрат − a на квадрат)'],
             ['b = √(452 − 43,22)', 'Подсказка 3: b = корен квадратен от (45 на квадрат − 43,2 на квадрат)'],
             ['b = 12,6000000', 'Подсказка 4: b = 12,6000000'],
           ];
           for (const [n, [shown, said]] of rungs.entries()) {
             await page.click('#PracticeHint');
             assert.deepStrictEqual(await hints(page), [rungs.slice(0, n + 1).map(([rung]) => rung)]);
             // The status line says the rung itself, in words for a screen
             // reader (as the tree of the page has it).
             assert.strictEqual(await spokenText(page, "#PracticeResult"), said);
             assert.strictEqual(await page.isVisible('#PracticeSolution'), true);
             // The new rung is brought into view.
             assert.ok(await page.evaluate(() => {
               const rung = document.querySelector('#PracticeSolution .hints li:last-child > div:last-child');
               const box = rung.getBoundingClientRect();
               return box.top >= 0 && box.bottom <= window.innerHeight + 1;  // sub-pixel rounding
             }));
           }
           assert.strictEqual(await text(page, '#PracticeHint'), 'Подсказка (4 от 16)');
           await page.click('#PracticeHint');
           assert.deepStrictEqual((await hints(page)).map((step) => step.length), [4, 1]);
           assert.match(await text(page, '#PracticeResult'), /^Подсказка 5: hc: от лицето/);
           for (let n = 5; n < 16; ++n) await page.click('#PracticeHint');
           assert.strictEqual(await page.isDisabled('#PracticeHint'), true);
           assert.deepStrictEqual((await hints(page)).at(-1).at(-1), 'b1 = 3,5280000');
           await page.click('#PracticeShow');
           assert.strictEqual(await page.isVisible('#PracticeSolution figure svg'), true);
           await answer(page, ANSWERS[0]);
           await page.click('#PracticeCheck');
           assert.match(await text(page, '#PracticeResult'), /^Вярно: и четирите дължини\. Задача от същия вид/);
           assert.match(await text(page, '#PracticeResult'), /\(с подсказка\)$/);
           assert.strictEqual(await page.getAttribute('#PracticeTaskList li:nth-child(1) button', 'aria-label'),
                              'Задача 1, решена с помощ');
         });
       });
  }

  for (const width of [360, 1280]) {
    test(`${width} px: an exact answer typed with the √ key, a simplified note and a named mistake`, async () => {
      await withWindow({locale: 'bg-BG', fragment: `#practice=${SET}`, viewport: {width, height: 800}},
                       async (page) => {
        await page.click('#PracticeNew');
        assert.strictEqual(await text(page, '#PracticeStatement'), STATEMENTS[1]);
        // a = 4√13, typed as 4, √ from the key beside the box, 13.
        await page.click(boxes[0]);
        await page.keyboard.type('4');
        const root = page.getByRole('button', {name: 'корен квадратен в a', exact: true});
        assert.ok(await root.isVisible());
        await root.click();
        assert.strictEqual(await page.evaluate(() => document.activeElement.id), 'PracticeAnswer0');
        await page.keyboard.type('13');
        assert.strictEqual(await page.inputValue(boxes[0]), '4√13');
        // b = 6√13 as √468: right, and the simplified form; b1 a fraction by the / key.
        await page.fill(boxes[1], '√468');
        await page.fill(boxes[2], '16');
        await page.click(boxes[2]);
        await page.keyboard.press('End');
        await page.getByRole('button', {name: 'дробна черта в a1', exact: true}).click();
        await page.keyboard.type('2');
        assert.strictEqual(await page.inputValue(boxes[2]), '16/2');
        await page.fill(boxes[3], '8');  // a1's value in b1's box
        await page.click('#PracticeCheck');
        assert.deepStrictEqual(await marks(page), [
          '✓ вярно',
          '✓ вярно; опростено: 6√13',
          '✓ вярно; опростено: 8',
          '✗ грешно. Това е другият корен на квадратното уравнение: b₁ е по-големият корен, a₁ — по-малкият.',
        ]);
        await page.fill(boxes[1], '14,42');
        await page.click('#PracticeCheck');
        assert.strictEqual((await marks(page))[1],
                           '✗ грешно. Изглежда сте използвали b² = c·a₁. За катета b трябва проекцията му b₁: b² = c·b₁.');
        // The mark is in view beside its box, on a phone too.
        const box = await page.locator('#PracticeMark1').boundingBox();
        assert.ok(box.x + box.width <= width + 1, JSON.stringify(box));
      });
    });
  }

  test('reopening the page continues where the student stopped, with or without the link', async () => {
    await withWindow({locale: 'bg-BG', fragment: `#practice=${SET}`}, async (page) => {
      await answer(page, ANSWERS[0]);
      await page.click('#PracticeCheck');
      await page.click('#PracticeNew');
      await page.fill(boxes[0], '14,4');
      await page.click('#PracticeHint');
      await page.reload();
      await pageReady(page);
      assert.strictEqual(await text(page, '#PracticeTaskTitle'), 'Задача 2 от 3');
      assert.strictEqual(await page.inputValue(boxes[0]), '14,4');
      assert.strictEqual(await text(page, '#PracticeScore'), '1 от 3 задачи');
      assert.match(await text(page, '#PracticeSolution .hints li'), /^b1: /);
      await page.goto(session.site.url);
      await pageReady(page);
      assert.strictEqual(await text(page, '#PracticeCode'), SET);
      assert.strictEqual(await text(page, '#PracticeTaskTitle'), 'Задача 2 от 3');
    });
  });

  test('the link opens the same tasks on another device, and the tool prints them too', async () => {
    let link = '';
    await withWindow({locale: 'bg-BG', fragment: `#practice=${SET}`}, async (page) => {
      link = await page.inputValue('#PracticeLink');
    });
    assert.strictEqual(link, `${session.site.url}#practice=${SET}`);
    const opened = await openWindow(session.browser, link, {locale: 'bg-BG'});
    try {
      const statements = [];
      for (let n = 1; n <= 3; ++n) {
        await opened.page.click(`#PracticeTaskList li:nth-child(${n}) button`);
        statements.push(await text(opened.page, '#PracticeStatement'));
      }
      assert.deepStrictEqual(statements, STATEMENTS);
      assert.deepStrictEqual(opened.errors, []);
    } finally {
      await opened.context.close();
    }
    if (fs.existsSync(DESKTOP)) {
      const printed = spawnSync(DESKTOP, ['--practice', SET], {env: {...process.env, LC_ALL: 'bg_BG.UTF-8'}});
      const lines = printed.stdout.toString().split('\n');
      assert.deepStrictEqual(STATEMENTS.map((statement, n) => lines.includes(`${n + 1}. ${statement}`)),
                             [true, true, true]);
    }
  });

  test('on a first visit „Нова задача“ starts a new set and names it in the address', async () => {
    await withWindow({locale: 'bg-BG'}, async (page) => {
      assert.strictEqual(await page.isVisible('#PracticeTask'), false);
      assert.strictEqual(await page.isVisible('#PracticePrint'), false);
      await page.click('#PracticeNew');
      const code = await text(page, '#PracticeCode');
      assert.match(code, /^[2-9A-HJ-NP-Z]{6}$/);
      assert.strictEqual(await page.evaluate(() => location.hash), `#practice=${code}`);
      assert.strictEqual(await text(page, '#PracticeTaskTitle'), 'Задача 1 от 6');
      assert.match(await text(page, '#PracticeStatement'), /^Дадено: .+ = .+; .+ = .+\. Намерете .+, .+, .+, .+\.$/);
      assert.strictEqual(await page.isVisible('#PracticeNotice'), false);
    });
  });

  test('a code that is no code gets a message and a fresh set', async () => {
    await withWindow({locale: 'bg-BG', fragment: '#practice=0O1Il2'}, async (page) => {
      assert.match(await text(page, '#PracticeNotice'), /^„0O1Il2“ не е код на упражнение/);
      const code = await text(page, '#PracticeCode');
      assert.match(code, /^[2-9A-HJ-NP-Z]{6}$/);
      assert.strictEqual(await page.evaluate(() => location.hash), `#practice=${code}`);
      assert.strictEqual(await text(page, '#PracticeTaskTitle'), 'Задача 1 от 6');
      // A long address is named only by its beginning.
      await page.evaluate(() => {
        location.hash = `practice=${'X'.repeat(5000)}`;
      });
      await page.waitForFunction((first) => document.getElementById('PracticeCode').textContent !== first, code);
      assert.strictEqual(await text(page, '#PracticeNotice'),
                         `„${'X'.repeat(24)}…“ не е код на упражнение: кодът е от шест или седем знака, цифрите 2–9 и буквите A–Z ` +
                         'без I и O. Ето нови задачи.');
      // A code that does not decode is named as it stands in the address.
      const second = await text(page, '#PracticeCode');
      await page.evaluate(() => {
        location.hash = 'practice=%E0%A4%A';
      });
      await page.waitForFunction((first) => document.getElementById('PracticeCode').textContent !== first, second);
      assert.match(await text(page, '#PracticeNotice'), /^„%E0%A4%A“ не е код на упражнение/);
      // „Нов набор“ at any time.
      const third = await text(page, '#PracticeCode');
      await page.click('#PracticeNewSet');
      assert.notStrictEqual(await text(page, '#PracticeCode'), third);
      assert.strictEqual(await text(page, '#PracticeNotice'), 'Ето нов набор задачи.');
      assert.strictEqual(await text(page, '#PracticeTaskTitle'), 'Задача 1 от 6');
      assert.ok(await inView(page, '#PracticeNotice'));
    });
  });

  const STORAGES = [
    ['holds foreign data', () => {
      localStorage.setItem('right-triangle/practice/9SVZUC', '{"tasks": "not ours", "current": 99}');
      localStorage.setItem('right-triangle/practice-last', '[1, 2]');
      localStorage.setItem('someone-else', 'kept');
    }, false],
    ['is switched off', () => {
      Object.defineProperty(window, 'localStorage', {get() {
        throw new DOMException('The operation is insecure.', 'SecurityError');
      }});
    }, true],
    ['is full', () => {
      Storage.prototype.setItem = () => {
        throw new DOMException('The quota has been exceeded.', 'QuotaExceededError');
      };
    }, true],
  ];

  for (const [name, initScript, lost] of STORAGES) {
    test(`a browser storage that ${name} loses nothing else`, async () => {
      await withWindow({locale: 'bg-BG', fragment: `#practice=${SET}`, initScript}, async (page) => {
        assert.strictEqual(await text(page, '#PracticeTaskTitle'), 'Задача 1 от 3');
        await answer(page, ANSWERS[0]);
        await page.click('#PracticeCheck');
        assert.strictEqual(await text(page, '#PracticeScore'), '1 от 3 задачи');
        assert.strictEqual(await page.isVisible('#PracticeNotice'), lost);
        if (lost) assert.match(await text(page, '#PracticeNotice'), /Резултатът не се пази на това устройство/);
        else assert.strictEqual(await page.evaluate(() => localStorage.getItem('someone-else')), 'kept');
        // The window computes as ever.
        await typeAndCalculate(page, 0, '3', '4', PAIRS);
        assert.deepStrictEqual(await texts(page),
                               ['3,0000000', '4,0000000', '5,0000000', '2,4000000', '1,8000000', '3,2000000']);
      });
    });
  }

  test('„Печат“: the worksheet alone, black on white: variant A\'s tasks, then B\'s, then the key', async () => {
    await withWindow({locale: 'bg-BG', fragment: `#practice=${SET}`}, async (page) => {
      // As a browser prints: beforeprint first.
      await page.evaluate(() => {
        window.print = () => {
          window.printAsked = true;
          window.dispatchEvent(new Event('beforeprint'));
        };
      });
      await page.click('#PracticePrint');
      assert.strictEqual(await page.evaluate(() => window.printAsked), true);
      await page.emulateMedia({media: 'print'});
      const printed = await page.evaluate(() => {
        const shown = (selector) => [...document.querySelectorAll(selector)].some((e) => e.getClientRects().length);
        const worksheet = document.getElementById('Worksheet');
        const parts = [...worksheet.querySelectorAll('.page'), worksheet.querySelector('.key')];
        return {
          window: shown('#TriangleForm'),
          task: shown('#PracticeTask'),
          statements: [...worksheet.querySelectorAll('.page')].slice(0, 1).flatMap((first) =>
            [...first.querySelectorAll('.task p')].map((p) => p.textContent)),
          keyA: [...worksheet.querySelectorAll('.key .key-part')][0].querySelectorAll('li')[1].textContent,
          breaks: parts.map((part) => [getComputedStyle(part).breakBefore, getComputedStyle(part).breakAfter]),
          colours: [...new Set([...worksheet.querySelectorAll('*:not(svg *)')].map((part) => getComputedStyle(part).color))],
          background: getComputedStyle(document.body).backgroundColor,
        };
      });
      assert.strictEqual(printed.window, false);
      assert.strictEqual(printed.task, false);
      assert.deepStrictEqual(printed.statements, STATEMENTS.map((statement, n) => `${n + 1}. ${statement}`));
      assert.strictEqual(printed.keyA,
                         'a = 4√13 ≈ 14,4222051; b = 6√13 ≈ 21,6333077; c = 26,0000000; hc = 12,0000000; a1 = 8,0000000; ' +
                         'b1 = 18,0000000');
      // A's page and its blank one, B's two, then the key on a page of its own.
      assert.deepStrictEqual(printed.breaks, [...Array(4).fill(['auto', 'page']), ['page', 'auto']]);
      assert.deepStrictEqual(printed.colours, ['rgb(0, 0, 0)']);
      assert.strictEqual(printed.background, 'rgb(255, 255, 255)');
      const pdf = await page.pdf({format: 'A4'});
      const pages = pdf.toString('latin1').match(/\/Type\s*\/Page[^s]/g) || [];
      assert.strictEqual(pages.length, 5, 'five A4 pages');
    });
  });

  test('a 360 px phone: 44 px targets, nothing wider than the screen, a task solved by touch', async () => {
    await withWindow({locale: 'bg-BG', fragment: `#practice=${SET}`, viewport: {width: 360, height: 740},
                      isMobile: true, hasTouch: true, deviceScaleFactor: 2}, async (page) => {
      const measured = await page.evaluate(() => {
        const targets = [...document.querySelectorAll('#Practice button, #Practice input, #Practice label.none')]
          .filter((element) => element.getClientRects().length > 0 && element.type !== 'checkbox');
        const width = document.documentElement.clientWidth;
        return {
          small: targets.map((element) => [element.id || element.textContent, element.getBoundingClientRect()])
            .filter(([, box]) => box.height < 44 || box.width < 44).map(([id, box]) => `${id} ${box.width}x${box.height}`),
          wide: document.documentElement.scrollWidth > width,
          inputMode: [...document.querySelectorAll('#PracticeBoxes input')].map((box) => box.inputMode),
        };
      });
      assert.deepStrictEqual(measured, {small: [], wide: false, inputMode: ['decimal', 'decimal', 'decimal', 'decimal']});
      for (const [n, value] of ANSWERS[0].entries()) {
        await page.tap(boxes[n]);
        await page.keyboard.type(value);
      }
      await page.tap('#PracticeCheck');
      assert.strictEqual(await text(page, '#PracticeScore'), '1 от 3 задачи');
      await page.tap('#PracticeNone');
      assert.strictEqual(await page.isChecked('#PracticeNone'), true);
    });
  });

  test('offline: the practice works with no network once the page has been visited', async () => {
    const host = await serveSite();
    const opened = await openWindow(session.browser, `${host.url}#practice=${SET}`,
                                    {locale: 'bg-BG', serviceWorkers: 'allow'});
    try {
      await workerReady(opened.page);
      await opened.context.setOffline(true);
      await opened.page.reload();
      await pageReady(opened.page);
      await answer(opened.page, ANSWERS[0]);
      await opened.page.click('#PracticeCheck');
      assert.strictEqual(await text(opened.page, '#PracticeResult'), 'Вярно: и четирите дължини.');
      assert.deepStrictEqual(opened.errors, []);
    } finally {
      await opened.context.close();
      await host.close();
    }
  });
});
