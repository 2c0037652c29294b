// The browser edition in Debian's Chromium: the window as the definition
// places it, the same digits and the same keyboard behaviour as the desktop
// window, the failure message, the regional settings of the browser's
// language, offline use and what the page asks of the network.
'use strict';

const {test, before, after, describe} = require('node:test');
const assert = require('node:assert');
const {testSession, openWindow, texts, typeAndCalculate, workerReady, PAIRS, pageReady} = require('./support');

const session = testSession({before, after});
const {withWindow} = session;

const focusedId = (page) => page.evaluate(() => document.activeElement.id);

const K345 = ['3.0000000', '4.0000000', '5.0000000', '2.4000000', '1.8000000', '3.2000000'];

describe('the window as the definition builds it', () => {
  // The icon comes inline, as a data address the build writes from
  // resources/icon.svg: a picture that the browser draws.
  test('the inline icon is a picture', async () => {
    await withWindow({}, async (page) => {
      const icon = await page.evaluate(async () => {
        const link = document.querySelector('link[rel=icon][type="image/svg+xml"]');
        const image = new Image();
        image.src = link.href;
        await image.decode();
        return {start: link.getAttribute('href').slice(0, 25), width: image.naturalWidth, height: image.naturalHeight};
      });
      assert.deepStrictEqual(icon, {start: 'data:image/svg+xml,%3Csvg', width: 32, height: 32});
    });
  });

  test('every control stands where the definition puts it, in CSS pixels', async () => {
    await withWindow({}, async (page) => {
      const misplaced = await page.evaluate(() => {
        const table = window.rightTriangle.module.controlTable();
        const form = document.getElementById('TriangleForm');
        const frame = document.getElementById('Frame1');
        const origin = (element) => {
          const box = element.getBoundingClientRect();
          const style = getComputedStyle(element);
          return {x: box.left + parseFloat(style.borderLeftWidth), y: box.top + parseFloat(style.borderTopWidth)};
        };
        const wrong = [];
        for (const control of table) {
          const element = document.getElementById(control.objectName);
          if (!control.visible) continue;
          const base = control.inFrame ? frame.getBoundingClientRect() : origin(form);
          const box = element.getBoundingClientRect();
          const actual = [box.left - (base.x ?? base.left), box.top - (base.y ?? base.top), box.width, box.height];
          const expected = [control.left, control.top, control.width, control.height].map((t) => Math.trunc(t / 15));
          if (actual.some((v, i) => Math.abs(v - expected[i]) > 0.01)) wrong.push({name: control.objectName, actual, expected});
        }
        const client = form.getBoundingClientRect();
        return {wrong, count: table.length, client: [client.width - 2, client.height - 2]};
      });
      assert.strictEqual(misplaced.count, 21);
      assert.deepStrictEqual(misplaced.wrong, []);
      assert.deepStrictEqual(misplaced.client, [481, 424]);
    });
  });

  test('the first state: a,b selected and only its two boxes open, the focus in the task text', async () => {
    await withWindow({}, async (page) => {
      const state = await page.evaluate(() => {
        const boxes = [...document.querySelectorAll('#Frame1 input[type=text]')];
        const checks = [...document.querySelectorAll('#Frame1 input[type=checkbox]')];
        return {
          selected: document.querySelector('#List1_0 [aria-selected=true]').textContent,
          ticks: checks.map((c) => c.checked),
          disabled: checks.map((c) => c.disabled),
          readOnly: boxes.map((b) => b.readOnly),
          maxLength: boxes.map((b) => b.maxLength),
          inputMode: boxes.map((b) => b.inputMode),
          title: document.title,
          lang: document.documentElement.lang,
        };
      });
      assert.strictEqual(state.selected, 'a,b');
      assert.deepStrictEqual(state.ticks, [true, true, false, false, false, false]);
      assert.deepStrictEqual(state.disabled, [true, true, true, true, true, true]);
      assert.deepStrictEqual(state.readOnly, [false, false, true, true, true, true]);
      assert.deepStrictEqual(state.maxLength, [7, 7, 7, 7, 7, 7]);
      assert.deepStrictEqual(state.inputMode, Array(6).fill('decimal'));
      assert.strictEqual(state.title, 'www.right-triangle.example Математика - правоъгълен триъгълник');
      assert.strictEqual(state.lang, 'bg');
      assert.strictEqual(await focusedId(page), 'Text1_0');
    });
  });

  test('the texts, the list rows, the hidden quotation and the picture', async () => {
    await withWindow({deviceScaleFactor: 2}, async (page) => {
      await page.waitForFunction(() => document.querySelector('#Picture1 img').complete);
      const content = await page.evaluate(() => ({
        task: document.getElementById('Text1_0').value,
        taskReadOnly: document.getElementById('Text1_0').readOnly,
        quotationHidden: document.getElementById('Text1_1').hidden,
        rows: [...document.querySelectorAll('#List1_0 [role=option]')].map((o) => o.textContent),
        labels: [document.getElementById('Label1_0').textContent, document.getElementById('Label1_1').textContent],
        picture: document.querySelector('#Picture1 img').currentSrc,
        font: getComputedStyle(document.getElementById('Text2_0')).fontSize,
        family: getComputedStyle(document.getElementById('TriangleForm')).fontFamily,
      }));
      assert.strictEqual(content.task.split('\n').length, 16);
      assert.ok(content.task.startsWith('Да се състави проект, чрез който'));
      assert.ok(content.task.endsWith('Пример: a=3, b=4  Изход: c=5, hc=2.4 a1=1.8, b1=3.2\n'));
      assert.ok(content.taskReadOnly);
      assert.ok(content.quotationHidden);
      assert.deepStrictEqual(content.rows, ['a,b', 'a,c', 'a,hc', 'a,a1', 'a,b1', 'b,c', 'b,hc', 'b,a1', 'b,b1',
        'c,hc', 'c,a1', 'c,b1', 'hc,a1', 'hc,b1', 'a1,b1']);
      assert.deepStrictEqual(content.labels, ['Математика - проекции в правоъгълен триъгълник', 'Дадени:']);
      assert.ok(content.picture.endsWith('/triangle@2x.png'), content.picture);
      assert.strictEqual(content.font, '16px');
      assert.ok(content.family.startsWith('"Times New Roman"'), content.family);
    });
  });

  test('flat button faces and captions that read on the blue', async () => {
    await withWindow({}, async (page) => {
      const colours = await page.evaluate(() => ({
        calculate: getComputedStyle(document.getElementById('Command1_0')).backgroundColor,
        clear: getComputedStyle(document.getElementById('Command1_1')).backgroundColor,
        calculateImage: getComputedStyle(document.getElementById('Command1_0')).backgroundImage,
        caption: getComputedStyle(document.querySelector('#Check1_0 span')).color,
        frame: getComputedStyle(document.getElementById('Check1_0')).backgroundColor,
      }));
      assert.strictEqual(colours.calculate, 'rgb(0, 255, 0)');
      assert.strictEqual(colours.clear, 'rgb(255, 0, 0)');
      assert.strictEqual(colours.calculateImage, 'none');
      assert.strictEqual(colours.caption, 'rgb(0, 0, 0)');  // 6.4:1 on the frame's blue
      assert.strictEqual(colours.frame, 'rgb(128, 128, 255)');
    });
  });

  test('every control has its Bulgarian accessible name', async () => {
    await withWindow({}, async (page) => {
      const named = async (role, name) => assert.strictEqual(await page.getByRole(role, {name, exact: true}).count(), 1,
                                                             `${role} ${name}`);
      for (const symbol of ['a', 'b', 'c', 'hc', 'a1', 'b1']) {
        await named('textbox', `Дължина ${symbol}`);
        await named('checkbox', `Дадено ${symbol}`);
      }
      await named('listbox', 'Дадени');
      await named('button', 'Изчисли');
      await named('button', 'Изчисти');
      await named('textbox', 'Условие на задачата');
      await named('group', 'Дължини на страни');
      await named('img', 'Чертеж на правоъгълен триъгълник');
      await named('option', 'c,hc');
    });
  });
});

describe('the same digits', () => {
  // The 3-4-5 triangle given in each of the fifteen ways; a,a1, a,b1 and b,b1
  // show the single-precision b1 in the seventh decimal.
  const cases = [
    [0, '3', '4', K345], [1, '3', '5', K345], [2, '3', '2.4', K345],
    [3, '3', '1.8', ['3.0000000', '4.0000001', '5.0000000', '2.4000000', '1.8000000', '3.2000000']],
    [4, '3', '3.2', ['3.0000000', '4.0000000', '5.0000001', '2.4000000', '1.8000000', '3.2000000']],
    [5, '4', '5', K345], [6, '4', '2.4', K345], [7, '4', '1.8', K345],
    [8, '4', '3.2', ['2.9999997', '4.0000000', '4.9999998', '2.3999998', '1.7999997', '3.2000000']],
    [9, '5', '2.4', K345], [10, '5', '1.8', K345], [11, '5', '3.2', K345], [12, '2.4', '1.8', K345],
    [13, '2.4', '3.2', K345], [14, '1.8', '3.2', K345],
  ];
  test('the 3-4-5 triangle in all fifteen pairs, typed with the keyboard', async () => {
    await withWindow({}, async (page) => {
      for (const [row, first, second, expected] of cases) {
        await typeAndCalculate(page, row, first, second, PAIRS);
        assert.deepStrictEqual(await texts(page), expected, `row ${row}`);
      }
    });
  });

  test('c,hc 10 and 4.8, and a second Calculate writes the same texts', async () => {
    await withWindow({}, async (page) => {
      await typeAndCalculate(page, 9, '10', '4.8', PAIRS);
      const first = await texts(page);
      assert.deepStrictEqual(first, ['6.0000000', '8.0000001', '10.0000000', '4.8000000', '3.5999999', '6.4000000']);
      await page.click('#Command1_0');
      assert.deepStrictEqual(await texts(page), first);
    });
  });

  test('a value that is not positive changes nothing and shows nothing', async () => {
    await withWindow({}, async (page) => {
      await typeAndCalculate(page, 0, '-2', '4', PAIRS);
      assert.deepStrictEqual(await texts(page), ['-2', '4', '', '', '', '']);
      assert.strictEqual(await page.evaluate(() => document.getElementById('FailureMessage').open), false);
    });
  });
});

describe('the keyboard and the mouse', () => {
  test('a value box takes at most seven typed or pasted characters; the program writes more', async () => {
    await withWindow({}, async (page, context) => {
      await page.click('#Text2_0');
      await page.keyboard.type('123456789');
      assert.strictEqual(await page.inputValue('#Text2_0'), '1234567');
      await context.grantPermissions(['clipboard-read', 'clipboard-write']);
      await page.evaluate(() => navigator.clipboard.writeText('3456789012'));
      await page.fill('#Text2_0', '');
      await page.keyboard.type('12');
      await page.keyboard.press('Control+V');
      assert.strictEqual(await page.inputValue('#Text2_0'), '1234567');
      await page.fill('#Text2_0', '');
      await page.keyboard.type('10');
      await page.fill('#Text2_1', '4.8');
      await page.click('#List1_0_row9');
      await page.click('#Text2_2');
      await page.keyboard.type('10');
      await page.click('#Text2_3');
      await page.keyboard.type('4.8');
      await page.click('#Command1_0');
      assert.strictEqual(await page.inputValue('#Text2_2'), '10.0000000');
    });
  });

  test('a locked box takes the focus and can be copied, but not edited', async () => {
    await withWindow({}, async (page) => {
      await typeAndCalculate(page, 0, '3', '4', PAIRS);
      await page.focus('#Text2_2');
      assert.strictEqual(await focusedId(page), 'Text2_2');
      await page.keyboard.type('99');
      await page.keyboard.press('Backspace');
      await page.keyboard.press('Delete');
      assert.strictEqual(await page.inputValue('#Text2_2'), '5.0000000');
      const selected = await page.evaluate(() => {
        const box = document.getElementById('Text2_2');
        box.select();
        return box.value.substring(box.selectionStart, box.selectionEnd);
      });
      assert.strictEqual(selected, '5.0000000');
    });
  });

  test('the check boxes cannot be ticked or cleared and never take the focus', async () => {
    await withWindow({}, async (page) => {
      for (let i = 0; i < 6; ++i) await page.click(`#Check1_${i}`, {force: true});
      const ticks = await page.$$eval('#Frame1 input[type=checkbox]', (boxes) => boxes.map((b) => b.checked));
      assert.deepStrictEqual(ticks, [true, true, false, false, false, false]);
      assert.notStrictEqual(await focusedId(page), 'Check1_0');
    });
  });

  test('Tab visits the controls in the defined order', async () => {
    await withWindow({}, async (page) => {
      const visited = [];
      for (let n = 0; n < 9; ++n) {
        await page.keyboard.press('Tab');
        visited.push(await focusedId(page));
      }
      assert.deepStrictEqual(visited, ['Text2_0', 'Text2_1', 'Text2_2', 'Text2_3', 'Text2_4', 'Text2_5', 'List1_0',
        'Command1_0', 'Command1_1']);
      await page.keyboard.press('Shift+Tab');
      assert.strictEqual(await focusedId(page), 'Command1_0');
    });
  });

  test('the list by keyboard: arrows, End, a letter; each change opens its pair', async () => {
    await withWindow({}, async (page) => {
      await page.focus('#List1_0');
      await page.keyboard.press('ArrowDown');
      await page.keyboard.press('ArrowDown');
      const open = () => page.$$eval('#Frame1 input[type=text]', (boxes) => boxes.map((b) => !b.readOnly));
      assert.deepStrictEqual(await open(), [true, false, false, true, false, false]);
      await page.keyboard.press('End');
      assert.deepStrictEqual(await open(), [false, false, false, false, true, true]);
      await page.keyboard.press('h');
      assert.strictEqual(await page.textContent('#List1_0 [aria-selected=true]'), 'hc,a1');
      assert.strictEqual(await focusedId(page), 'List1_0');
    });
  });

  test('a tap on a row selects it', async () => {
    await withWindow({hasTouch: true, isMobile: true, viewport: {width: 400, height: 700}}, async (page) => {
      await page.tap('#List1_0_row5');
      assert.strictEqual(await page.textContent('#List1_0 [aria-selected=true]'), 'b,c');
      const open = await page.$$eval('#Frame1 input[type=text]', (boxes) => boxes.map((b) => !b.readOnly));
      assert.deepStrictEqual(open, [false, true, true, false, false, false]);
    });
  });

  test('Enter and Esc press no button; Space presses the focused one', async () => {
    await withWindow({}, async (page) => {
      await page.click('#Text2_0');
      await page.keyboard.type('3');
      await page.click('#Text2_1');
      await page.keyboard.type('4');
      for (const id of ['Text2_1', 'Command1_0', 'Command1_1']) {
        await page.focus(`#${id}`);
        await page.keyboard.press('Enter');
        await page.keyboard.press('Escape');
      }
      assert.deepStrictEqual(await texts(page), ['3', '4', '', '', '', '']);
      await page.focus('#Command1_0');
      await page.keyboard.press('Space');
      assert.deepStrictEqual(await texts(page), K345);
      await page.focus('#Command1_1');
      await page.keyboard.press('Space');
      assert.deepStrictEqual(await texts(page), ['', '', '', '', '', '']);
    });
  });

  test('another row empties all six boxes; Clear empties them and keeps the selection', async () => {
    await withWindow({}, async (page) => {
      await typeAndCalculate(page, 5, '4', '5', PAIRS);
      await page.click('#Command1_1');
      assert.deepStrictEqual(await texts(page), ['', '', '', '', '', '']);
      assert.strictEqual(await page.textContent('#List1_0 [aria-selected=true]'), 'b,c');
      await page.fill('#Text2_1', '3');
      await page.click('#List1_0_row1');
      assert.deepStrictEqual(await texts(page), ['', '', '', '', '', '']);
    });
  });
});

describe('the failure message', () => {
  test('an alert dialog with the Bulgarian texts; the focus comes back and the boxes keep their texts', async () => {
    await withWindow({}, async (page) => {
      await typeAndCalculate(page, 1, '5', '3', PAIRS);
      const dialog = page.getByRole('alertdialog', {name: 'Триъгълникът не може да се изчисли'});
      assert.strictEqual(await dialog.count(), 1);
      assert.ok(await dialog.isVisible());
      assert.strictEqual(await page.textContent('#FailureText'),
                         'Катетът a трябва да е по-къс от хипотенузата c: хипотенузата е най-дългата страна на ' +
                         'правоъгълния триъгълник.');
      assert.strictEqual(await page.textContent('#FailureAdvice'),
                         'Поправете дадените стойности и натиснете „Изчисли“ отново.');
      assert.strictEqual(await focusedId(page), 'FailureOk');
      assert.strictEqual(await page.textContent('#FailureOk'), 'Добре');
      await page.keyboard.press('Enter');
      assert.strictEqual(await dialog.isVisible(), false);
      assert.strictEqual(await focusedId(page), 'Command1_0');
      assert.deepStrictEqual(await texts(page), ['5', '', '3', '', '', '']);
    });
  });
});

describe('regional settings from the browser language', () => {
  test('bg-BG writes a decimal comma and groups from five digits with a no-break space, and reads them back',
       async () => {
         await withWindow({locale: 'bg-BG'}, async (page) => {
           await typeAndCalculate(page, 0, '2.5', '12345', PAIRS);
           const first = await texts(page);
           assert.deepStrictEqual(first.slice(0, 2), ['2,5000000', '12\u00a0345,0000000']);
           await page.click('#Command1_0');
           assert.deepStrictEqual(await texts(page), first);
           await typeAndCalculate(page, 14, '1234', '1', PAIRS);
           assert.strictEqual(await page.inputValue('#Text2_4'), '1234,0000000');
         });
       });

  test('en-US groups with commas; de-DE with points and a decimal comma', async () => {
    await withWindow({locale: 'en-US'}, async (page) => {
      await typeAndCalculate(page, 0, '1234.5', '2000', PAIRS);
      assert.deepStrictEqual((await texts(page)).slice(0, 2), ['1,234.5000000', '2,000.0000000']);
    });
    await withWindow({locale: 'de-DE'}, async (page) => {
      await typeAndCalculate(page, 0, '1234.5', '2000', PAIRS);
      assert.deepStrictEqual((await texts(page)).slice(0, 2), ['1.234,5000000', '2.000,0000000']);
      await page.click('#Command1_0');
      assert.deepStrictEqual((await texts(page)).slice(0, 2), ['1.234,5000000', '2.000,0000000']);
    });
  });
});

describe('the page on every screen, offline and on its own', () => {
  test('asks nothing of another host', async () => {
    const opened = await openWindow(session.browser, session.site.url, {});
    const urls = [];
    opened.page.on('request', (request) => urls.push(request.url()));
    await opened.page.reload();
    await pageReady(opened.page);
    await typeAndCalculate(opened.page, 9, '10', '4.8', PAIRS);
    await opened.context.close();
    assert.ok(urls.length >= 5);
    assert.deepStrictEqual(urls.filter((url) => !url.startsWith(session.site.url)), []);
  });

  test('after the first visit it starts and computes with no network at all', async () => {
    await withWindow({serviceWorkers: 'allow'}, async (page, context) => {
      await workerReady(page);
      const served = session.site.requests.length;
      await context.setOffline(true);
      const fromWorker = [];
      page.on('response', (response) => fromWorker.push(response.fromServiceWorker()));
      await page.reload();
      await pageReady(page);
      await typeAndCalculate(page, 9, '10', '4.8', PAIRS);
      assert.deepStrictEqual(await texts(page),
                             ['6.0000000', '8.0000001', '10.0000000', '4.8000000', '3.5999999', '6.4000000']);
      assert.ok(fromWorker.length >= 5 && fromWorker.every(Boolean), JSON.stringify(fromWorker));
      assert.strictEqual(session.site.requests.length, served);
      // The drawing too, the one this screen shows, from the worker's cache.
      assert.ok(await page.evaluate(() => document.querySelector('#Picture1 img').complete &&
                                          document.querySelector('#Picture1 img').naturalWidth > 0));
    });
  });

  test('the web app manifest: Bulgarian, standalone, icons of 192 and 512', async () => {
    await withWindow({}, async (page) => {
      const manifest = await page.evaluate(async () => (await fetch('manifest.webmanifest')).json());
      assert.strictEqual(manifest.lang, 'bg');
      assert.strictEqual(manifest.display, 'standalone');
      assert.strictEqual(manifest.name, 'Математика - правоъгълен триъгълник');
      const sizes = manifest.icons.map((icon) => icon.sizes);
      assert.ok(sizes.includes('192x192') && sizes.includes('512x512'));
      for (const icon of manifest.icons) {
        const status = await page.evaluate(async (src) => (await fetch(src)).status, icon.src);
        assert.strictEqual(status, 200, icon.src);
      }
    });
  });
});

describe('the worked solution below the window', () => {
  // The section as the eye reads it (without the words said for its signs).
  const solutionText = (page) => page.$eval('#Solution', (section) => {
    if (section.hidden) return null;
    const shown = section.cloneNode(true);
    shown.querySelectorAll('.spoken').forEach((words) => words.remove());
    document.body.append(shown);  // innerText needs the layout
    const text = shown.innerText;
    shown.remove();
    return text;
  });

  test('appears after Изчисли with results equal to the boxes, and a drawing labelled with the same texts',
       async () => {
         await withWindow({locale: 'bg-BG'}, async (page) => {
           assert.strictEqual(await solutionText(page), null);
           await typeAndCalculate(page, 9, '10', '4.8', PAIRS);
           const boxes = await texts(page);
           const shown = await page.evaluate(() => ({
             results: [...document.querySelectorAll('#Solution .steps li')].map((item) => [
               item.dataset.quantity, [...item.querySelector('.result').childNodes]
                 .filter((node) => !node.classList?.contains('spoken')).map((node) => node.textContent).join('')]),
             labels: Object.fromEntries([...document.querySelectorAll('#Solution svg text[data-quantity]')]
               .map((label) => [label.dataset.quantity, label.textContent])),
             subscripts: document.querySelectorAll('#Solution sub').length,
             squares: [...document.querySelectorAll('#Solution sup')].every((sup) => sup.textContent === '2'),
           }));
           const symbols = ['a', 'b', 'c', 'hc', 'a1', 'b1'];
           const box = (symbol) => boxes[symbols.indexOf(symbol)];
           assert.deepStrictEqual(shown.results.map(([q]) => q), ['b1', 'a1', 'a', 'b']);
           for (const [quantity, result] of shown.results) {
             assert.match(result, new RegExp(`^${quantity} [=≈] ${box(quantity).replace('.', '\\.')}$`));
           }
           for (const symbol of symbols) assert.strictEqual(shown.labels[symbol], `${symbol} = ${box(symbol)}`);
           assert.ok(shown.subscripts > 10 && shown.squares);
           const text = await solutionText(page);
           assert.ok(text.includes('Дадено: c = 10; hc = 4,8'), text);
           assert.ok(text.includes('по-големия'), text);
           assert.ok(text.includes('вместо 6,4 смята с 6,400000095'), text);
           assert.ok(text.includes('Проверка:'), text);
         });
       });

  test('keeps every label of the drawing inside it, also where the right angle stands near one end', async () => {
    await withWindow({locale: 'bg-BG'}, async (page) => {
      for (const [row, first, second] of [[1, '43.2', '45'], [1, '2', '45'], [5, '2', '45'], [9, '10', '4.8']]) {
        await typeAndCalculate(page, row, first, second, PAIRS);
        const outside = await page.evaluate(() => {
          const svg = document.querySelector('#Solution svg');
          const frame = svg.getBoundingClientRect();
          return [...svg.querySelectorAll('text')].map((label) => [label.textContent, label.getBoundingClientRect()])
            .filter(([, box]) => box.left < frame.left - 0.5 || box.right > frame.right + 0.5)
            .map(([text]) => text);
        });
        assert.deepStrictEqual(outside, [], `${first}, ${second}`);
        await page.click('#Command1_1');
      }
    });
  });

  test('comes from the one solve that Изчисли makes', async () => {
    await withWindow({}, async (page) => {
      // Counted where the logic hands each run to the page (a new row or
      // Изчисти clears the solution instead).
      await page.evaluate(() => {
        const properties = window.rightTriangle.properties;
        const show = properties.showSolutionOf;
        window.solutionsShown = 0;
        properties.showSolutionOf = (...run) => {
          window.solutionsShown += 1;
          show(...run);
        };
      });
      const runs = () => page.evaluate(() => window.solutionsShown);
      const before = await runs();
      await typeAndCalculate(page, 9, '10', '4.8', PAIRS);
      assert.strictEqual(await runs(), before + 1);
      assert.notStrictEqual(await solutionText(page), null);
      await page.click('#Command1_0');
      assert.strictEqual(await runs(), before + 2);
    });
  });

  test('empties on Изчисти and on another row', async () => {
    await withWindow({}, async (page) => {
      await typeAndCalculate(page, 0, '3', '4', PAIRS);
      assert.notStrictEqual(await solutionText(page), null);
      await page.click('#Command1_1');
      assert.strictEqual(await solutionText(page), null);
      await typeAndCalculate(page, 0, '3', '4', PAIRS);
      await page.click('#List1_0_row4');
      assert.strictEqual(await solutionText(page), null);
      await typeAndCalculate(page, 4, '3', '3.2', PAIRS);
      await page.focus('#List1_0');
      await page.keyboard.press('ArrowDown');
      assert.strictEqual(await solutionText(page), null);
    });
  });

  test('says which value is not positive, or where the computation stops', async () => {
    await withWindow({}, async (page) => {
      await typeAndCalculate(page, 0, '3', 'abc', PAIRS);
      assert.ok((await solutionText(page)).includes('Дадената стойност на b („abc“) не е положително число'));
      await typeAndCalculate(page, 1, '5', '3', PAIRS);
      await page.click('#FailureOk');
      const text = await solutionText(page);
      assert.ok(text.includes('Тук пресмятането спира: под корена се получава отрицателно число.'), text);
      assert.ok(text.includes('Катетът a трябва да е по-къс от хипотенузата c'), text);
      assert.strictEqual(await page.locator('#Solution svg').count(), 0);
    });
  });

  test('follows each run: the failure of c,hc 5 3, and no solution of 4,8 left beside the failure of 6',
       async () => {
         await withWindow({}, async (page) => {
           await typeAndCalculate(page, 9, '5', '3', PAIRS);
           await page.click('#FailureOk');
           let text = await solutionText(page);
           assert.ok(text.includes('Дадено: c = 5; hc = 3'), text);
           assert.ok(text.includes('При точно пресмятане b1 не може да се изчисли: такъв триъгълник няма.'), text);
           assert.ok(text.includes('Височината hc може да е най-много половината от хипотенузата c'), text);
           await page.click('#Command1_1');
           await typeAndCalculate(page, 9, '10', '4.8', PAIRS);
           assert.ok((await solutionText(page)).includes('Дадено: c = 10; hc = 4.8'));
           await page.fill('#Text2_3', '6');
           await page.click('#Command1_0');
           await page.click('#FailureOk');
           text = await solutionText(page);
           assert.ok(text.includes('Дадено: c = 10; hc = 6'), text);
           assert.ok(text.includes('Височината hc може да е най-много половината'), text);
           assert.ok(!text.includes('4.8') && !text.includes('Проверка'), text);
           assert.strictEqual(await page.locator('#Solution svg').count(), 0);
         });
       });

  test('is reached by keyboard after the window and named for a screen reader', async () => {
    await withWindow({}, async (page) => {
      await typeAndCalculate(page, 0, '3', '4', PAIRS);
      await page.focus('#Command1_1');
      await page.keyboard.press('Tab');
      assert.strictEqual(await focusedId(page), 'Solution');
      assert.strictEqual(await page.getByRole('region', {name: 'Решение'}).count(), 1);
      assert.strictEqual(await page.getByRole('img', {name: /^Чертеж в мащаб: a = 3.0000000/}).count(), 1);
    });
  });

  test('a very thin triangle is drawn to scale, with a note', async () => {
    await withWindow({}, async (page) => {
      await typeAndCalculate(page, 0, '1000', '0.5', PAIRS);
      assert.ok((await solutionText(page)).includes('Триъгълникът е много тесен'));
      await page.click('#Command1_1');
      await typeAndCalculate(page, 0, '3', '4', PAIRS);
      assert.ok(!(await solutionText(page)).includes('много тесен'));
    });
  });
});
