// The classroom with no server, as a teacher and three students meet it:
// the teacher builds a set in „За учителя“, its link opens the same tasks in
// a fresh browser and in the tool; the students work it in browsers of
// their own and hand over their result lines; the teacher pastes them and
// reads the table, the shares and the commonest mistakes, and takes the
// CSV. The page's table is the tool's, byte for byte.
'use strict';

const {test, before, after, describe} = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const {spawnSync} = require('node:child_process');
const {DESKTOP, testSession, openWindow, readQr} = require('./support');

const QUANTITIES = ['a', 'b', 'c', 'hc', 'a1', 'b1'];
const BG = {env: {...process.env, LC_ALL: 'bg_BG.UTF-8'}};

// The served site and one browser, for the whole file.
const session = testSession({before, after});

// The text of pieces from the core, as a line shows it.
const spoken = (pieces) => pieces.map((piece) => (piece.kind === 'square' ? '2' : piece.text)).join('');

const tool = (...args) => spawnSync(DESKTOP, args, BG);

async function open(fragment, options = {}) {
  return openWindow(session.browser, `${session.site.url}${fragment}`, {locale: 'bg-BG', viewport: {width: 1280, height: 900},
                                                       ...options});
}

// The set's task `n` answered from its key (or „няма такъв триъгълник“);
// `wrong` puts another length of the triangle in the first box first.
async function solve(page, code, n, {wrong = false, hint = false} = {}) {
  await page.click(`#PracticeTaskList button[data-task="${n}"]`);
  const task = await page.evaluate(([c, i]) => window.rightTriangle.tutor.practiceSet(c).tasks[i], [code, n]);
  const answers = task.key ? task.sought.map((q) => task.key[QUANTITIES.indexOf(q)]) : null;
  if (wrong) {
    const mistaken = [task.key.find((length) => length !== answers[0]), ...answers.slice(1)];
    for (const [i, value] of mistaken.entries()) await page.fill(`#PracticeAnswer${i}`, value);
    await page.click('#PracticeCheck');
    assert.match(await page.textContent('#PracticeResult'), /^Верни: 3 от 4/);
    return mistaken;
  }
  if (hint) await page.click('#PracticeHint');
  if (answers) {
    for (const [i, value] of answers.entries()) await page.fill(`#PracticeAnswer${i}`, value);
  } else {
    await page.check('#PracticeNone');
  }
  await page.click('#PracticeCheck');
  assert.match(await page.textContent('#PracticeResult'), /^Вярно/);
  return answers;
}

// The student's line for the teacher, with the name typed.
async function resultLine(page, name) {
  await page.click('#ResultForTeacher summary');
  await page.fill('#ResultName', name);
  return page.textContent('#ResultLine');
}

describe('the classroom', () => {
  test('a teacher builds a set, three students work it, and the teacher reads their results', async () => {
    // The teacher: three pairs, eight tasks, whole numbers.
    const teacher = await open('');
    let code;
    try {
      const {page} = teacher;
      await page.click('#TeacherDetails summary');
      await page.click('#BuilderNone');
      assert.strictEqual(await page.isDisabled('#BuilderOpen'), true);
      assert.strictEqual(await page.textContent('#BuilderProblem'), 'Изберете поне една двойка дадени.');
      for (const pair of ['a,c', 'c,hc', 'hc,a1']) await page.check(`#BuilderPairs label:has-text("${pair}") input`);
      await page.fill('#BuilderCount', '8');
      await page.check('#BuilderWhole');
      code = await page.textContent('#BuilderCode');
      assert.match(code, /^[2-9A-HJ-NP-Z]{6}$/);
      assert.strictEqual(await page.textContent('#BuilderDescription'),
                         '(8 задачи, двойки a,c; c,hc; hc,a1, с цели дадени числа)');
      assert.strictEqual(await page.inputValue('#BuilderLink'), `${session.site.url}#practice=${code}`);
      // The link's QR code, for the board, reads back as the link.
      assert.strictEqual(await readQr(page, '#BuilderQr svg'), `${session.site.url}#practice=${code}`);
      assert.strictEqual(await page.getAttribute('#BuilderQr svg', 'aria-label'), 'QR код на връзката за учениците');
      // „Печат“ prints the set's worksheet.
      await page.evaluate(() => {
        window.print = () => {
          window.printAsked = document.body.classList.contains('printing-worksheet');
          window.dispatchEvent(new Event('beforeprint'));  // as a browser prints
        };
      });
      await page.click('#BuilderPrint');
      assert.strictEqual(await page.evaluate(() => window.printAsked), true);
      assert.strictEqual(await page.textContent('#PracticeCode'), code);
      assert.ok((await page.textContent('#Worksheet .sheet-header .set')).startsWith(`Код: ${code} · `));
      await page.evaluate(() => window.dispatchEvent(new Event('afterprint')));
      // A count outside 1–16 makes no set, and says so.
      for (const count of ['17', '0']) {
        await page.fill('#BuilderCount', count);
        assert.strictEqual(await page.textContent('#BuilderProblem'), 'Броят задачи е от 1 до 16.');
        assert.strictEqual(await page.textContent('#BuilderCode'), '—');
        assert.strictEqual(await page.isDisabled('#BuilderOpen'), true);
      }
      await page.fill('#BuilderCount', '8');
      assert.strictEqual(await page.isVisible('#BuilderProblem'), false);
      // „Друг вариант“: the same options, another code.
      await page.click('#BuilderVariant');
      const other = await page.textContent('#BuilderCode');
      assert.notStrictEqual(other, code);
      assert.strictEqual(await page.textContent('#BuilderDescription'),
                         '(8 задачи, двойки a,c; c,hc; hc,a1, с цели дадени числа)');
      await page.fill('#OpenerCode', code);
      await page.click('#OpenerOpen');
      assert.strictEqual(await page.textContent('#BuilderCode'), code);
      // Every task is left with a triangle: a seventh character.
      await page.uncheck('#BuilderNoTriangle');
      assert.strictEqual(await page.textContent('#BuilderCode'), `${code}3`);
      await page.check('#BuilderNoTriangle');
      assert.deepStrictEqual(teacher.errors, []);
    } finally {
      await teacher.context.close();
    }

    // The link in a fresh browser gives the tool's tasks.
    const printed = tool('--practice', code).stdout.toString().split('\n');
    assert.strictEqual(printed[0], `Упражнение ${code}: 8 задачи, двойки a,c; c,hc; hc,a1, с цели дадени числа`);
    const students = [];
    for (const name of ['Ана', 'Борис', 'Вера']) students.push({name, ...(await open(`#practice=${code}`))});
    const set = await students[0].page.evaluate((c) => window.rightTriangle.tutor.practiceSet(c), code);
    assert.strictEqual(await students[0].page.textContent('#PracticeCode'), code);
    assert.deepStrictEqual(set.tasks.slice(0, 8).map((task, n) => `${n + 1}. ${spoken(task.statement)}`),
                           printed.slice(4, 12));
    const withTriangle = set.tasks.findIndex((task) => task.key !== null);
    const lines = [];
    const qrLines = [];
    let mistaken = null;
    try {
      // Ана: a mistake first, then all solved; Борис: a hint, then all
      // solved; Вера: one task alone, the rest left.
      const [ana, boris, vera] = students.map((student) => student.page);
      mistaken = await solve(ana, code, withTriangle, {wrong: true});
      for (let n = 0; n < 8; ++n) await solve(ana, code, n);
      for (let n = 0; n < 8; ++n) await solve(boris, code, n, {hint: n === withTriangle});
      await solve(vera, code, withTriangle);
      for (const student of students) {
        lines.push(await resultLine(student.page, student.name));
        // The line's QR code, Cyrillic name and all.
        qrLines.push(await readQr(student.page, '#ResultQr svg'));
      }
      for (const student of students) assert.deepStrictEqual(student.errors, []);
    } finally {
      for (const student of students) await student.context.close();
    }
    assert.ok(lines.every((line, n) => line.startsWith(`${students[n].name} ${code}-`)), lines.join('\n'));
    assert.deepStrictEqual(qrLines, lines);
    // The mistake as the tool names it.
    const checked = tool('--check', code, String(withTriangle + 1), ...mistaken).stdout.toString();
    const tag = checked.split('\n')[0].split('\t')[2];
    assert.match(tag, /^[a-z-]+$/, checked);

    // The teacher's view of the set, in a browser of its own.
    const view = await open(`#class=${code}`);
    try {
      const {page} = view;
      assert.strictEqual(await page.evaluate(() => document.getElementById('TeacherDetails').open), true);
      assert.strictEqual(await page.textContent('#BuilderCode'), code);
      const pasted = `${lines.join('\n')}\nздравейте\n`;
      await page.fill('#ClassPaste', pasted);
      await page.waitForSelector('#ClassView:not([hidden])');
      assert.deepStrictEqual(await page.$$eval('#ClassNotes p', (notes) => notes.map((note) => note.textContent)),
                             ['Ред 4 („здравейте“) няма код.']);
      const table = await page.$$eval('#ClassTable tbody tr', (rows) => rows.map((row) =>
        [row.querySelector('th').textContent, ...[...row.querySelectorAll('td')].map((cell) => cell.dataset.item)]));
      const expected = (name, at, others) => [name, ...Array.from({length: 8}, (_, n) => (n === withTriangle ? at : others))];
      assert.deepStrictEqual(table, [
        expected('Ана', `mistakes:${tag}`, 'alone'),
        expected('Борис', 'hints', 'alone'),
        expected('Вера', 'alone', 'none'),
      ]);
      const shares = await page.$$eval('#ClassTable tfoot td', (cells) => cells.map((cell) => cell.textContent));
      assert.deepStrictEqual(shares, Array.from({length: 8}, (_, n) => (n === withTriangle ? '33 %' : '67 %')));
      const perTask = await page.$$eval('#ClassTasks li', (items) => items.map((item) => item.textContent));
      assert.strictEqual(perTask.length, 8);
      assert.match(perTask[withTriangle], new RegExp(`^Задача ${withTriangle + 1}: сами 33 %; най-честите първи ` +
                                                     'грешки: [^;]+ \\(1\\)$'));
      assert.strictEqual(perTask[(withTriangle + 1) % 8], `Задача ${(withTriangle + 1) % 8 + 1}: сами 67 %; без грешки`);
      const pairs = await page.$$eval('#ClassPairs li', (items) => items.map((item) => item.textContent));
      assert.deepStrictEqual(pairs.map((pair) => pair.split(':')[0]), ['a,c', 'c,hc', 'hc,a1'].filter((pair) =>
        set.tasks.slice(0, 8).some((task) => task.pair === pair)));
      // The same table as the tool's, byte for byte.
      const pageTable = await page.evaluate(([c, text]) => window.rightTriangle.tutor.classResults(c, text).table,
                                            [code, pasted]);
      const toolRun = spawnSync(DESKTOP, ['--results', code], {...BG, input: pasted});
      assert.strictEqual(pageTable, toolRun.stdout.toString());
      assert.strictEqual(toolRun.stderr.toString(), 'Ред 4 („здравейте“) няма код.\n');
      // The CSV for a spreadsheet: UTF-8 with its mark, the names and words.
      const [download] = await Promise.all([page.waitForEvent('download'), page.click('#ClassCsv')]);
      assert.strictEqual(download.suggestedFilename(), `rezultati-${code}.csv`);
      const csv = fs.readFileSync(await download.path());
      assert.deepStrictEqual([...csv.subarray(0, 3)], [0xEF, 0xBB, 0xBF]);
      const csvLines = csv.toString('utf8').slice(1).split('\r\n');
      assert.strictEqual(csvLines[0], `"Име",${Array.from({length: 8}, (_, n) => `"Задача ${n + 1}"`).join(',')}`);
      assert.match(csvLines[1], /^"Ана",/);
      assert.ok(csvLines[1].includes('"след грешка: '), csvLines[1]);
      assert.ok(csvLines[2].includes('"с подсказка"'), csvLines[2]);
      assert.strictEqual(csvLines[4].split(',')[0], '"Решили сами"');
      // Kept on this device for the set: a reload shows the same.
      await page.reload();
      await page.waitForFunction(() => window.rightTriangle && window.rightTriangle.kept !== undefined);
      assert.strictEqual(await page.inputValue('#ClassPaste'), pasted);
      assert.strictEqual(await page.locator('#ClassTable tbody tr').count(), 3);
      assert.deepStrictEqual(view.errors, []);
    } finally {
      await view.context.close();
    }
  });

  test('the student\'s line keeps the name on the device only, and says nothing without a set', async () => {
    const {page, context, errors} = await open('#practice=9SVZUC');
    try {
      await page.click('#ResultForTeacher summary');
      const bare = await page.textContent('#ResultLine');
      assert.match(bare, /^9SVZUC-[2-9A-HJ-NP-Z]{4}-[2-9A-HJ-NP-Z]{2}$/);
      await page.fill('#ResultName', '  12  ');
      assert.strictEqual(await page.textContent('#ResultLine'), `12 ${bare}`);
      assert.strictEqual(await page.evaluate(() => localStorage.getItem('right-triangle/result-name')), '"  12  "');
      await page.fill('#ResultName', '');
      assert.strictEqual(await page.textContent('#ResultLine'), bare);
      // Task 1: a mistake, another mistake, a hint, then solved: solved with
      // hints, and the first mistake is the one kept.
      const task = await page.evaluate(() => window.rightTriangle.tutor.practiceSet('9SVZUC').tasks[0]);
      const key = task.sought.map((q) => task.key[QUANTITIES.indexOf(q)]);
      const first = ['45', ...key.slice(1)];
      const second = [key[0], '1', ...key.slice(2)];
      for (const answers of [first, second]) {
        for (const [i, value] of answers.entries()) await page.fill(`#PracticeAnswer${i}`, value);
        await page.click('#PracticeCheck');
      }
      await page.click('#PracticeHint');
      for (const [i, value] of key.entries()) await page.fill(`#PracticeAnswer${i}`, value);
      await page.click('#PracticeCheck');
      const tag = tool('--check', '9SVZUC', '1', ...first).stdout.toString().split('\n')[0].split('\t')[2];
      assert.match(tag, /^[a-z-]+$/);
      const worked = spawnSync(DESKTOP, ['--results', '9SVZUC'], {...BG, input: await page.textContent('#ResultLine')});
      assert.strictEqual(worked.stdout.toString(), `име\t1\t2\t3\n\thints:${tag}\tnone\tnone\n`);
      await page.click('#PracticeTaskList button[data-task="1"]');
      // Nothing solved yet: three tasks not solved.
      const toolRun = spawnSync(DESKTOP, ['--results', '9SVZUC'], {...BG, input: bare});
      assert.strictEqual(toolRun.stdout.toString(), 'име\t1\t2\t3\n\tnone\tnone\tnone\n');
      assert.deepStrictEqual(errors, []);
    } finally {
      await context.close();
    }
  });

  test('„За учителя“ opens a set by its code, and names a code that is none', async () => {
    const {page, context, errors} = await open('');
    try {
      await page.click('#TeacherDetails summary');
      await page.fill('#OpenerCode', '9svzuc');
      await page.click('#OpenerOpen');
      assert.strictEqual(await page.textContent('#BuilderCode'), '9SVZUC');
      assert.strictEqual(await page.inputValue('#BuilderCount'), '3');
      assert.deepStrictEqual(await page.$$eval('#BuilderPairs input:checked', (boxes) =>
        boxes.map((box) => box.parentElement.textContent.trim())), ['a,c', 'c,hc']);
      await page.fill('#OpenerCode', 'XYZ');
      await page.click('#OpenerOpen');
      assert.strictEqual(await page.textContent('#OpenerProblem'), '„XYZ“ не е код на упражнение.');
      assert.strictEqual(await page.textContent('#BuilderCode'), '9SVZUC');
      // A text file dropped on the box: its lines after those already there.
      await page.fill('#ClassPaste', 'Ана 9SVZUC-2222-7M');
      await page.evaluate(() => {
        const dropped = new DataTransfer();
        dropped.items.add(new File(['Борис 9SVZUC-2222-7M\n'], 'klas.txt', {type: 'text/plain'}));
        document.getElementById('ClassPaste').dispatchEvent(new DragEvent('drop', {dataTransfer: dropped,
                                                                                  bubbles: true, cancelable: true}));
      });
      await page.waitForFunction(() => document.querySelectorAll('#ClassTable tbody tr').length === 2);
      assert.strictEqual(await page.inputValue('#ClassPaste'), 'Ана 9SVZUC-2222-7M\nБорис 9SVZUC-2222-7M\n');
      assert.deepStrictEqual(errors, []);
    } finally {
      await context.close();
    }
  });

  // The browser's own print (Ctrl+P): what the student looks at, as a
  // document.
  test('Ctrl+P prints the window and its solution, or the worksheet, or the class\'s table', async () => {
    const {page, context, errors} = await open('');
    try {
      await page.fill('#Text2_0', '3');
      await page.fill('#Text2_1', '4');
      await page.click('#Command1_0');
      await page.waitForSelector('#Solution:not([hidden])');
      const printed = async () => {
        await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
        await page.emulateMedia({media: 'print'});
        const shown = await page.evaluate(() => Object.fromEntries(['TriangleForm', 'Command1_0', 'Solution',
          'Practice', 'Worksheet', 'Teacher', 'ClassTable', 'ClassPaste'].map((id) => [id,
          getComputedStyle(document.getElementById(id)).display !== 'none' &&
          document.getElementById(id).getClientRects().length > 0])));
        await page.emulateMedia({media: 'screen'});
        await page.evaluate(() => window.dispatchEvent(new Event('afterprint')));
        return Object.keys(shown).filter((id) => shown[id]);
      };
      assert.deepStrictEqual(await printed(), ['TriangleForm', 'Solution']);
      // In the practice section with a task: the worksheet.
      await page.evaluate(() => {
        location.hash = 'practice=9SVZUC';
      });
      await page.waitForFunction(() => document.getElementById('PracticeCode').textContent === '9SVZUC');
      await page.evaluate(() => document.getElementById('PracticeTask').scrollIntoView({block: 'center'}));
      assert.deepStrictEqual(await printed(), ['Practice', 'Worksheet']);
      // In the teacher's section with a class's table: the table.
      await page.click('#TeacherDetails summary');
      await page.fill('#OpenerCode', '9SVZUC');
      await page.click('#OpenerOpen');
      await page.fill('#ClassPaste', '9SVZUC-2222-7M');
      await page.waitForSelector('#ClassView:not([hidden])');
      await page.evaluate(() => document.getElementById('ClassTable').scrollIntoView({block: 'center'}));
      assert.deepStrictEqual(await printed(), ['Teacher', 'ClassTable']);
      assert.strictEqual(await page.evaluate(() => document.body.className), '');
      assert.deepStrictEqual(errors, []);
    } finally {
      await context.close();
    }
  });

  // The worksheet as the printer gets it: A4 pages, variants A and B each on
  // sheets of its own (an even number of pages), then the key, which starts
  // a sheet of its own in duplex.
  for (const [code, count] of [['9SVZUC', 3], ['7KXHQW', 6]]) {
    test(`the worksheet of ${code} printed to PDF: A4, two variants on their own sheets, the key on its own`,
         async () => {
           const {page, context, errors} = await open(`#practice=${code}`);
           try {
             // The worksheet is made when a print shows it.
             assert.strictEqual(await page.locator('#Worksheet > *').count(), 0);
             await page.evaluate(() => {
               document.body.classList.add('printing-worksheet');
               window.dispatchEvent(new Event('beforeprint'));
             });
             const sheet = await page.evaluate(() => {
               const worksheet = document.getElementById('Worksheet');
               const headers = [...worksheet.querySelectorAll('.sheet-header')];
               return {
                 pages: worksheet.querySelectorAll('.page').length,
                 variants: headers.map((header) => ({
                   title: header.querySelector('h2').textContent,
                   lines: header.querySelector('.lines').textContent,
                   set: header.querySelector('.set').textContent,
                   how: header.querySelector('.how').textContent,
                 })),
                 sketches: worksheet.querySelectorAll('.task svg.sketch').length,
                 marked: [...worksheet.querySelectorAll('.task svg.sketch')].map((svg) =>
                   [...svg.querySelectorAll('text[font-weight=bold]')].length),
                 blanks: worksheet.querySelectorAll('.blank').length,
                 keyParts: [...worksheet.querySelectorAll('.key .key-part')].map((part) =>
                   [part.querySelector('h3').textContent, part.querySelectorAll('li').length]),
               };
             });
             assert.deepStrictEqual(sheet.variants.map((variant) => variant.title),
                                    ['Упражнение: правоъгълен триъгълник · вариант A',
                                     'Упражнение: правоъгълен триъгълник · вариант B']);
             for (const variant of sheet.variants) {
               assert.match(variant.lines, /^Име: _+ {2}Клас: _+ {2}Дата: _+$/);
               assert.match(variant.how, /десетични знаци или в точен вид/);
               assert.match(variant.how, /„няма такъв триъгълник“/);
             }
             const codeB = /^Код: ([2-9A-HJ-NP-Z]{6}) /.exec(sheet.variants[1].set)[1];
             assert.ok(sheet.variants[0].set.startsWith(`Код: ${code} · `));
             assert.notStrictEqual(codeB, code);
             // B: the same options, other numbers.
             const [a, b] = await page.evaluate(([x, y]) => [x, y].map((c) => window.rightTriangle.tutor.practiceSet(c)),
                                                [code, codeB]);
             assert.strictEqual(b.description, a.description);
             assert.notDeepStrictEqual(b.tasks.map((task) => task.statement), a.tasks.map((task) => task.statement));
             assert.strictEqual(sheet.sketches, 2 * count);
             // Each variant's header has the QR code of its link.
             assert.strictEqual(await readQr(page, '#Worksheet .sheet-header:nth-of-type(1) svg.qr'),
                                `${session.site.url}#practice=${code}`);
             assert.deepStrictEqual(sheet.marked, Array(2 * count).fill(2));  // the two given lengths
             assert.deepStrictEqual(sheet.keyParts, [[`Вариант A · код ${code}`, count], [`Вариант B · код ${codeB}`,
                                                                                         count]]);
             // Each variant's pages even: pages of the first task page and
             // six tasks a page after four, rounded up to even.
             const variantPages = 1 + Math.ceil(Math.max(0, count - 4) / 6);
             const even = variantPages + (variantPages % 2);
             assert.strictEqual(sheet.pages, 2 * even);
             assert.strictEqual(sheet.blanks, 2 * (even - variantPages));
             await page.evaluate(() => document.body.classList.add('printing-worksheet'));
             const pdf = (await page.pdf({preferCSSPageSize: true})).toString('latin1');
             const boxes = [...pdf.matchAll(/\/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+)\s*\]/g)]
               .map((found) => [Math.round(Number(found[1])), Math.round(Number(found[2]))]);
             const printedPages = (pdf.match(/\/Type\s*\/Page[^s]/g) || []).length;
             // Every page A4 (595 × 842 points), and no page of the markup
             // spills over: the key begins on page 2·even·… + 1, an odd one.
             assert.ok(boxes.length >= printedPages && boxes.every(([w, h]) => w === 595 || w === 596), JSON.stringify(boxes));
             assert.ok(boxes.every(([, h]) => h === 842 || h === 843), JSON.stringify(boxes));
             assert.ok(printedPages > sheet.pages, `${printedPages} printed pages for ${sheet.pages} pages and the key`);
             assert.strictEqual((sheet.pages + 1) % 2, 1);
             assert.ok(printedPages - sheet.pages <= 2, `${printedPages - sheet.pages} pages of key`);
             assert.deepStrictEqual(errors, []);
           } finally {
             await context.close();
           }
         });
  }

  // A paste of any size and kind: ten thousand lines of codes, mistyped
  // codes and prose, each a row or a note, and the page stays responsive.
  test('ten thousand pasted lines: every one a row or a note', async () => {
    const {page, context, errors} = await open('#class=9SVZUC');
    try {
      const good = '9SVZUC-2222-7M';
      const lines = Array.from({length: 10000}, (_, n) => [`Ученик ${n} ${good}`, `Ученик ${n} 9SVZUC-2222-M7`,
        `Здравейте ${n}`, `${n} ${good}`][n % 4]);
      const took = await page.evaluate((text) => {
        const box = document.getElementById('ClassPaste');
        box.value = text;
        const start = performance.now();
        box.dispatchEvent(new Event('input'));
        return new Promise((resolve) => requestAnimationFrame(() => setTimeout(() => resolve(performance.now() - start))));
      }, lines.join('\n'));
      assert.strictEqual(await page.locator('#ClassTable tbody tr').count(), 5000);
      assert.strictEqual(await page.locator('#ClassNotes p').count(), 5000);
      assert.ok(took < 10000, `${took} ms`);
      assert.deepStrictEqual(errors, []);
    } finally {
      await context.close();
    }
  });
});
