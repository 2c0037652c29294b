// The page audited by axe-core for WCAG 2.2 A and AA and the best practices,
// on the desktop and on a phone, in each state a student meets: the first
// one, after a calculation with its solution, with the failure message
// open, and in the practice section. No rule is switched off.
'use strict';

const {test, before, after, describe} = require('node:test');
const assert = require('node:assert');
const {testSession, typeAndCalculate, PAIRS} = require('./support');

const AXE = require.resolve('axe-core/axe.min.js');
const TAGS = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22a', 'wcag22aa', 'best-practice'];

const {withWindow} = testSession({before, after});

// The violations, each with the elements it names, readable in a failure.
async function audit(page) {
  if (!(await page.evaluate(() => typeof window.axe === 'object'))) await page.addScriptTag({path: AXE});
  const results = await page.evaluate((tags) => window.axe.run(document, {runOnly: {type: 'tag', values: tags}}), TAGS);
  assert.ok(results.passes.length >= 10, `axe ran its checks: ${results.passes.length} passed`);
  return results.violations.map((violation) => ({
    rule: violation.id,
    nodes: violation.nodes.map((node) => `${node.target.join(' ')}: ${node.failureSummary}`),
  }));
}

const SCREENS = [
  ['the desktop', {viewport: {width: 1280, height: 900}}],
  ['a 360 px phone', {viewport: {width: 360, height: 740}, isMobile: true, hasTouch: true, deviceScaleFactor: 2}],
];

describe('accessibility, audited by axe-core', () => {
  for (const [name, options] of SCREENS) {
    test(`${name}: the first state, a solution, the failure message`, async () => {
      await withWindow({locale: 'bg-BG', ...options}, async (page) => {
        assert.deepStrictEqual(await audit(page), [], 'first state');
        await typeAndCalculate(page, 9, '10', '4,8', PAIRS);
        assert.strictEqual(await page.isVisible('#Solution'), true);
        assert.deepStrictEqual(await audit(page), [], 'with the solution');
        await typeAndCalculate(page, 1, '5', '3', PAIRS);
        assert.strictEqual(await page.isVisible('#FailureMessage'), true);
        assert.deepStrictEqual(await audit(page), [], 'with the failure message');
      });
    });
  }

  for (const [name, options] of SCREENS) {
    test(`${name}: the practice section with a task, its marks, hints and the whole solution`, async () => {
      await withWindow({locale: 'bg-BG', fragment: '#practice=9SVZUC', ...options}, async (page) => {
        assert.strictEqual(await page.isVisible('#PracticeTask'), true);
        assert.deepStrictEqual(await audit(page), [], 'a task');
        await page.fill('#PracticeAnswer0', '12,6');
        await page.fill('#PracticeAnswer1', '3cm');
        await page.click('#PracticeCheck');
        assert.deepStrictEqual(await audit(page), [], 'with its marks');
        await page.click('#PracticeHint');
        await page.click('#PracticeHint');
        assert.deepStrictEqual(await audit(page), [], 'with two hints');
        await page.click('#PracticeShow');
        assert.deepStrictEqual(await audit(page), [], 'with the whole solution');
        await page.fill('#PracticeAnswer1', '√(12,6²)');
        await page.fill('#PracticeAnswer2', '45');
        await page.click('#PracticeCheck');
        await page.click('#PracticeSetBar .standing summary');
        assert.deepStrictEqual(await audit(page), [], 'with notes on the marks and the standing by pairs');
      });
    });
  }

  for (const [name, options] of SCREENS) {
    test(`${name}: every control that takes the focus by Tab shows a ring of 2 px at 3:1 or more`, async () => {
      await withWindow({locale: 'bg-BG', fragment: '#practice=9SVZUC', ...options}, async (page) => {
        await page.click('#PracticeSetBar .standing summary');
        await page.click('#PracticeHint');
        const rings = [];
        for (let n = 0; n < 80; ++n) {
          await page.keyboard.press('Tab');
          const ring = await page.evaluate(() => {
            const element = document.activeElement;
            if (!element || element === document.body) return null;
            const style = getComputedStyle(element);
            const rgb = (text) => (text.match(/[\d.]+/g) || []).map(Number);
            const luminance = ([r, g, b]) => {
              const linear = (c) => (c / 255 <= 0.03928 ? c / 255 / 12.92 : ((c / 255 + 0.055) / 1.055) ** 2.4);
              return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
            };
            // The colour behind the ring: the first ancestor with a background.
            let behind = element.parentElement;
            while (behind && rgb(getComputedStyle(behind).backgroundColor)[3] === 0) behind = behind.parentElement;
            const background = behind ? rgb(getComputedStyle(behind).backgroundColor) : [255, 255, 255];
            const [l1, l2] = [luminance(rgb(style.outlineColor)), luminance(background)].sort((x, y) => y - x);
            window.ringsSeen = window.ringsSeen || new Set();
            const again = window.ringsSeen.has(element);
            window.ringsSeen.add(element);
            const id = element.id || `${element.tagName.toLowerCase()}.${element.className} ${element.textContent}`;
            return {id, again, style: style.outlineStyle, width: parseFloat(style.outlineWidth),
                    contrast: Math.round(((l1 + 0.05) / (l2 + 0.05)) * 10) / 10};
          });
          if (!ring) continue;
          if (ring.again) break;
          delete ring.again;
          rings.push(ring);
        }
        assert.ok(rings.length >= 20, JSON.stringify(rings.map((ring) => ring.id)));
        const weak = rings.filter((ring) => ring.style === 'none' || ring.width < 2 || ring.contrast < 3);
        assert.deepStrictEqual(weak, []);
      });
    });
  }

  test('the window caption is the one level-one heading and looks like the label it was', async () => {
    await withWindow({}, async (page) => {
      const heading = await page.evaluate(() => {
        const headings = [...document.querySelectorAll('h1')];
        const style = getComputedStyle(headings[0]);
        return {count: headings.length, id: headings[0].id, text: headings[0].textContent,
                font: [style.fontSize, style.fontWeight, style.margin].join(' ')};
      });
      assert.deepStrictEqual(heading, {count: 1, id: 'Label1_0', text: 'Математика - проекции в правоъгълен триъгълник',
                                       font: '16px 400 0px'});
    });
  });
});

// The classroom's sections: the student's line for the teacher, and
// „За учителя“ with a set built and a class's results read.
describe('accessibility of the classroom, audited by axe-core', () => {
  for (const [name, options] of SCREENS) {
    test(`${name}: the student's result line and the teacher's set and table`, async () => {
      await withWindow({locale: 'bg-BG', fragment: '#practice=9SVZUC', ...options}, async (page) => {
        await page.click('#ResultForTeacher summary');
        await page.fill('#ResultName', 'Ана');
        const line = await page.textContent('#ResultLine');
        await page.click('#TeacherDetails summary');
        await page.fill('#OpenerCode', '9SVZUC');
        await page.click('#OpenerOpen');
        await page.fill('#ClassPaste', `${line}\nБорис 9SVZUC-2222-7M\nбез код\n`);
        await page.waitForSelector('#ClassView:not([hidden])');
        assert.strictEqual(await page.locator('#ClassTable tbody tr').count(), 2);
        assert.deepStrictEqual(await audit(page), [], 'the classroom');
        await page.click('#BuilderNone');
        assert.deepStrictEqual(await audit(page), [], 'a set that cannot be made');
      });
    });
  }
});

// What a screen reader says for the formulas of „Решение“: the words of a
// lesson for the signs ("c на квадрат", "корен квадратен от", "по",
// "делено на"), from the browser's accessibility tree; what the eye sees
// and a copy keep the signs.
describe('the formulas for a screen reader', () => {
  test('„Решение“ of a,b says "c на квадрат", and a copy of it holds the signs alone', async () => {
    await withWindow({locale: 'bg-BG'}, async (page) => {
      await typeAndCalculate(page, 0, '3', '4', PAIRS);
      await page.waitForSelector('#Solution:not([hidden])');
      const tree = await page.locator('#Solution .steps li').first().ariaSnapshot();
      assert.match(tree, /c на квадрат = a на квадрат \+ b на квадрат/);
      assert.match(tree, /c = корен квадратен от \(3 на квадрат \+ 4 на квадрат/);
      assert.doesNotMatch(tree, /[²√]|c2|c 2/);
      const area = await page.locator('#Solution .steps li').nth(1).ariaSnapshot();
      assert.match(area, /a по b делено на c/);
      // Selected and copied, the first step's formula line.
      const copied = await page.evaluate(() => {
        const formula = document.querySelectorAll('#Solution .steps li')[0].children[1];
        const range = document.createRange();
        range.selectNodeContents(formula);
        const selection = getSelection();
        selection.removeAllRanges();
        selection.addRange(range);
        return selection.toString();
      });
      assert.strictEqual(copied, 'c = √(a2 + b2)');
    });
  });
});
