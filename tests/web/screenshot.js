// Saves pictures of the page, to look at as a student would:
//   node tests/web/screenshot.js OUT_DIR
'use strict';

const path = require('node:path');
const {serveSite, launchBrowser, openWindow, typeAndCalculate, PAIRS} = require('./support');

(async () => {
  const out = process.argv[2] || '.';
  const site = await serveSite();
  const browser = await launchBrowser();
  try {
    const desk = await openWindow(browser, site.url, {locale: 'bg-BG'});
    await typeAndCalculate(desk.page, 9, '10', '4.8', PAIRS);
    await desk.page.screenshot({path: path.join(out, 'page-bg.png'), fullPage: true});
    const phone = await openWindow(browser, site.url, {locale: 'bg-BG', viewport: {width: 360, height: 640},
                                                      deviceScaleFactor: 2, isMobile: true, hasTouch: true});
    await phone.page.screenshot({path: path.join(out, 'page-phone.png')});
    await typeAndCalculate(desk.page, 1, '5', '3', PAIRS);
    await desk.page.screenshot({path: path.join(out, 'page-failure.png')});
  } finally {
    await browser.close();
    await site.close();
  }
})();
