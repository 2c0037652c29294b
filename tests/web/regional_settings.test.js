// The regional settings that the page reads from a browser language, in the
// form the core takes; node's ICU knows the same locales as the browser's.
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const {regionalSettingsOf} = require('../../web/site/regional_settings.js');

const cases = [
  ['bg-BG', {decimalSeparator: ',', groupSeparator: '\u00a0', groupingMinimumDigits: 5, primaryGroupSize: 3,
    secondaryGroupSize: 3}],
  ['en-US', {decimalSeparator: '.', groupSeparator: ',', groupingMinimumDigits: 4, primaryGroupSize: 3,
    secondaryGroupSize: 3}],
  ['de-DE', {decimalSeparator: ',', groupSeparator: '.', groupingMinimumDigits: 4, primaryGroupSize: 3,
    secondaryGroupSize: 3}],
  ['hi-IN', {decimalSeparator: '.', groupSeparator: ',', groupingMinimumDigits: 4, primaryGroupSize: 3,
    secondaryGroupSize: 2}],
  ['pl-PL', {decimalSeparator: ',', groupSeparator: '\u00a0', groupingMinimumDigits: 5, primaryGroupSize: 3,
    secondaryGroupSize: 3}],
];

for (const [locale, expected] of cases) {
  test(`the settings of ${locale}`, () => {
    const settings = regionalSettingsOf(locale);
    for (const [field, value] of Object.entries(expected)) assert.strictEqual(settings[field], value, field);
    assert.strictEqual(settings.negativeSign, '-');
    assert.strictEqual(settings.leadingZero, true);
  });
}
