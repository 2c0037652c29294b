// How long a student waits for the marks after „Провери“ in the practice
// section, in Chromium: from the click to the end of its handler (the
// answers read and checked in the WebAssembly core, the marks written), and
// to the next frame, in which they are painted. Checks alternate between
// two sets of answers, so that every check changes the marks.
//   node bench/web_practice.js [CHECKS]     (after cmake --build --preset web)
'use strict';

const path = require('node:path');
const SUPPORT = path.join(__dirname, '../tests/web/support');
const {serveSite, launchBrowser, openWindow} = require(SUPPORT);

const percentile = (values, p) => [...values].sort((x, y) => x - y)[Math.min(values.length - 1,
                                                                            Math.floor(values.length * p))];

(async () => {
  const checks = Number(process.argv[2] || 100);
  const site = await serveSite();
  const browser = await launchBrowser();
  try {
    const opened = await openWindow(browser, `${site.url}#practice=9SVZUC`, {locale: 'bg-BG'});
    const times = await opened.page.evaluate(async (count) => {
      const answers = [['12,6', '12,096', '41,472', '3,528'], ['12', '3cm', '−4', '']];
      const handled = [];
      const painted = [];
      for (let n = 0; n < count; ++n) {
        answers[n % 2].forEach((value, i) => {
          document.getElementById(`PracticeAnswer${i}`).value = value;
        });
        const start = performance.now();
        document.getElementById('PracticeCheck').click();
        handled.push(window.practiceCheckedAt - start);
        await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
        painted.push(performance.now() - start);
      }
      return {handled, painted};
    }, checks);
    await opened.context.close();
    const report = (name, values) => console.log(
      `${name.padEnd(22)} median ${percentile(values, 0.5).toFixed(2)} ms, 95th ${percentile(values, 0.95).toFixed(2)} ms`);
    console.log(`${checks} checks of one task's four answers`);
    report('click to marks', times.handled);
    report('click to next frame', times.painted);
  } finally {
    await browser.close();
    await site.close();
  }
})();
