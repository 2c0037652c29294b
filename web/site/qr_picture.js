// QR codes drawn by the page itself, offline, as SVG: the matrix from
// qrcode-generator (Debian's node-qrcode-generator), the picture here. The
// text goes in as UTF-8, so that a name in Cyrillic reads back.
'use strict';

const QrPicture = (function () {
  const SVG = 'http://www.w3.org/2000/svg';

  // A picture of `text` with its quiet zone, named by `label` for a screen
  // reader; `size` its width in CSS px.
  function picture(text, label, size = 160) {
    qrcode.stringToBytes = qrcode.stringToBytesFuncs['UTF-8'];
    const code = qrcode(0, 'M');
    code.addData(text, 'Byte');
    code.make();
    const count = code.getModuleCount();
    const quiet = 4;
    const side = count + 2 * quiet;
    const svg = document.createElementNS(SVG, 'svg');
    for (const [key, value] of Object.entries({viewBox: `0 0 ${side} ${side}`, width: size, height: size,
                                                role: 'img', 'aria-label': label, class: 'qr',
                                                'shape-rendering': 'crispEdges'})) {
      svg.setAttribute(key, String(value));
    }
    const background = document.createElementNS(SVG, 'rect');
    for (const [key, value] of Object.entries({width: side, height: side, fill: '#fff'})) {
      background.setAttribute(key, String(value));
    }
    // One path: a unit square for each dark module.
    let d = '';
    for (let row = 0; row < count; ++row) {
      for (let column = 0; column < count; ++column) {
        if (code.isDark(row, column)) d += `M${column + quiet} ${row + quiet}h1v1h-1z`;
      }
    }
    const modules = document.createElementNS(SVG, 'path');
    modules.setAttribute('d', d);
    modules.setAttribute('fill', '#000');
    svg.append(background, modules);
    return svg;
  }

  return {picture};
})();

if (typeof module !== 'undefined') module.exports = {QrPicture};
