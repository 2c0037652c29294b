// Start-up of the browser edition in Chromium: from navigation to the window
// ready for typing (the module compiled, the controls built, Form_Load run),
// and to the first computed triangle, over repeated cold loads.
//   node bench/web_startup.js [RUNS]     (after cmake --build --preset web)
'use strict';

const path = require('node:path');
const {serveSite, launchBrowser, openWindow} = require(path.join(__dirname, '../tests/web/support'));

const median = (values) => [...values].sort((x, y) => x - y)[Math.floor(values.length / 2)];

(async () => {
  const runs = Number(process.argv[2] || 15);
  const site = await serveSite();
  const browser = await launchBrowser();
  const ready = [];
  const solved = [];
  try {
    for (let n = 0; n < runs; ++n) {
      const opened = await openWindow(browser, site.url, {});
      // performance.now() counts from the start of the navigation.
      ready.push(await opened.page.evaluate(() => window.rightTriangleReadyAt));
      solved.push(await opened.page.evaluate(() => {
        const {controls} = window.rightTriangle;
        controls.text2[0].value = '3';
        controls.text2[1].value = '4';
        const start = performance.now();
        controls.command1[0].click();
        return performance.now() - start;
      }));
      await opened.context.close();
    }
  } finally {
    await browser.close();
    await site.close();
  }
  console.log(`window ready after navigation: median ${median(ready).toFixed(1)} ms over ${runs} cold loads`);
  console.log(`one Calculate (read, compute, write six boxes, show the solution): median ${median(solved).toFixed(2)} ms`);
})();
