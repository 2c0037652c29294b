// Saves pictures of the page, to look at as a student would: at each width
// the tests use, after a calculation with its solution, the failure
// message on the desktop, and the practice section on the desktop and a
// phone.
//   node tests/web/screenshot.js OUT_DIR
'use strict';

const path = require('node:path');
const {serveSite, launchBrowser, openWindow, typeAndCalculate, PAIRS} = require('./support');

const SCREENS = [
  {name: 'phone-320', viewport: {width: 320, height: 640}, phone: true},
  {name: 'phone-360', viewport: {width: 360, height: 740}, phone: true},
  {name: 'phone-landscape', viewport: {width: 740, height: 360}, phone: true},
  {name: 'tablet-768', viewport: {width: 768, height: 1024}, phone: true},
  {name: 'desktop-1280', viewport: {width: 1280, height: 900}, phone: false},
];

(async () => {
  const out = process.argv[2] || '.';
  const site = await serveSite();
  const browser = await launchBrowser();
  try {
    for (const screen of SCREENS) {
      const opened = await openWindow(browser, site.url, {
        locale: 'bg-BG', viewport: screen.viewport, deviceScaleFactor: screen.phone ? 2 : 1,
        isMobile: screen.phone, hasTouch: screen.phone,
      });
      await opened.page.screenshot({path: path.join(out, `${screen.name}.png`)});
      await typeAndCalculate(opened.page, 9, '10', '4.8', PAIRS);
      await opened.page.screenshot({path: path.join(out, `${screen.name}-solved.png`), fullPage: true});
      if (!screen.phone) {
        await typeAndCalculate(opened.page, 1, '5', '3', PAIRS);
        await opened.page.screenshot({path: path.join(out, `${screen.name}-failure.png`)});
      }
      await opened.context.close();
    }
    // The practice section with a task checked and one hint, on the desktop and a phone.
    for (const screen of SCREENS.filter(({name}) => ['phone-360', 'desktop-1280'].includes(name))) {
      const opened = await openWindow(browser, `${site.url}#practice=9SVZUC`, {
        locale: 'bg-BG', viewport: screen.viewport, deviceScaleFactor: screen.phone ? 2 : 1,
        isMobile: screen.phone, hasTouch: screen.phone,
      });
      for (const [n, value] of ['12,6', '12,1', '3cm', ''].entries()) await opened.page.fill(`#PracticeAnswer${n}`, value);
      await opened.page.click('#PracticeCheck');
      await opened.page.click('#PracticeHint');
      await opened.page.locator('#Practice').screenshot({path: path.join(out, `${screen.name}-practice.png`)});
      await opened.context.close();
    }
  } finally {
    await browser.close();
    await site.close();
  }
})();
