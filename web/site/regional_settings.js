// The user's regional number settings, from the browser's language, in the
// form the core takes (the desktop reads the same from the system): the
// decimal separator, the group separator, from how many integer digits
// grouping starts (bg-BG writes 1234,5 but 12 345,5), the group sizes and
// the minus sign.
'use strict';

function regionalSettingsOf(locale) {
  // The locale's own grouping ("auto"): it knows where grouping starts.
  const format = new Intl.NumberFormat(locale, {maximumFractionDigits: 1});
  const partsOf = (value) => format.formatToParts(value);
  const part = (parts, type, fallback) => {
    const found = parts.find((p) => p.type === type);
    return found ? found.value : fallback;
  };

  const settings = {
    decimalSeparator: part(partsOf(1.5), 'decimal', '.'),
    groupSeparator: '',
    primaryGroupSize: 3,
    secondaryGroupSize: 3,
    groupingMinimumDigits: 4,
    negativeSign: part(partsOf(-1), 'minusSign', '-'),
    leadingZero: true,
  };

  // The integer groups of a long number: the last one is the primary group,
  // the one before it the secondary.
  const groups = partsOf(1234567890123).filter((p) => p.type === 'integer').map((p) => p.value);
  if (groups.length < 2) return settings;
  settings.groupSeparator = part(partsOf(1234567890123), 'group', '');
  settings.primaryGroupSize = groups[groups.length - 1].length;
  settings.secondaryGroupSize = groups.length > 2 ? groups[groups.length - 2].length : settings.primaryGroupSize;

  // The shortest number that is grouped at all.
  settings.groupingMinimumDigits = settings.primaryGroupSize + 1;
  for (let digits = 1, number = 1; digits <= settings.primaryGroupSize + 4; ++digits, number *= 10) {
    if (partsOf(number).some((p) => p.type === 'group')) {
      settings.groupingMinimumDigits = digits;
      break;
    }
  }
  return settings;
}

if (typeof module !== 'undefined') module.exports = {regionalSettingsOf};
