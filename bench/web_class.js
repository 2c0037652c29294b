// How long a teacher waits for the class's table in „За учителя“: from the
// pasted lines' input event to the end of the frame that shows the table
// (the lines read and summed up in the WebAssembly core, the table and the
// lists written), in Chromium, for 30 students of a sixteen-task set.
//   node bench/web_class.js [RUNS]     (after cmake --build --preset web)
'use strict';

const path = require('node:path');
const SUPPORT = path.join(__dirname, '../tests/web/support');
const {serveSite, launchBrowser, openWindow} = require(SUPPORT);

const percentile = (values, p) => [...values].sort((x, y) => x - y)[Math.min(values.length - 1,
                                                                            Math.floor(values.length * p))];

(async () => {
  const runs = Number(process.argv[2] || 30);
  const site = await serveSite();
  const browser = await launchBrowser();
  try {
    const opened = await openWindow(browser, site.url, {locale: 'bg-BG'});
    const times = await opened.page.evaluate(async (count) => {
      const tutor = window.rightTriangle.tutor;
      const code = tutor.practiceCodeFor(0x7FFF, 16, false, true, 5);
      const outcomes = ['alone', 'mistakes:swapped-projection', 'hints', 'none', 'mistakes:other-root'];
      // Thirty students, each with other outcomes.
      const lines = Array.from({length: 30}, (_, s) => `Ученик ${s + 1} ` + tutor.practiceResultCode(code,
        Array.from({length: 16}, (__, t) => outcomes[(s * 7 + t * 3) % outcomes.length])));
      document.getElementById('TeacherDetails').open = true;
      document.getElementById('OpenerCode').value = code;
      document.getElementById('OpenerOpen').click();
      const box = document.getElementById('ClassPaste');
      const shown = [];
      for (let n = 0; n < count; ++n) {
        // Every other run one line less, so that each paste changes the table.
        box.value = lines.slice(0, 30 - (n % 2)).join('\n');
        const start = performance.now();
        box.dispatchEvent(new Event('input'));
        await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
        shown.push(performance.now() - start);
        if (document.querySelectorAll('#ClassTable tbody tr').length !== 30 - (n % 2)) throw new Error('no table');
      }
      return shown;
    }, runs);
    await opened.context.close();
    console.log(`${runs} pastes of 30 students' lines, 16 tasks`);
    console.log(`input to the frame with the table: median ${percentile(times, 0.5).toFixed(1)} ms, ` +
                `95th ${percentile(times, 0.95).toFixed(1)} ms, slowest ${Math.max(...times).toFixed(1)} ms`);
  } finally {
    await browser.close();
    await site.close();
  }
})();
