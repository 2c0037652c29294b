// The section „Решение“ below the window: the worked solution of the last
// "Изчисли", with sub- and superscripts, and a drawing of that triangle to
// scale (the hypotenuse horizontal, the right angle on top).
'use strict';

const SolutionView = (function () {
  const SVG = 'http://www.w3.org/2000/svg';
  const SUBSCRIPTED = {hc: ['h', 'c'], a1: ['a', '1'], b1: ['b', '1']};

  // A symbol as a variable with its subscript: hc is h with a subscript c.
  function symbol(text) {
    const variable = document.createElement('var');
    const [letter, subscript] = SUBSCRIPTED[text] || [text, ''];
    variable.append(letter);
    if (subscript) {
      const sub = document.createElement('sub');
      sub.textContent = subscript;
      variable.append(sub);
    }
    return variable;
  }

  // The signs that a screen reader would read as they stand ("c 2" for c²)
  // or not at all, and the words of a lesson that it says instead.
  const SQUARE = ' на квадрат';
  const SPOKEN = {'²': SQUARE, '√': 'корен квадратен от ', '·': ' по ', '/': ' делено на ', '≈': ' приблизително ',
                  '≤': ' по-малко или равно на '};

  // A sign as the eye sees it, hidden from screen readers, and its words,
  // hidden from the eye and from a copy.
  function spokenSign(sign, words, tag = 'span') {
    const shown = document.createElement(tag);
    shown.textContent = sign;
    shown.setAttribute('aria-hidden', 'true');
    const said = document.createElement('span');
    said.className = 'spoken';
    said.textContent = words;
    return [shown, said];
  }

  function appendText(element, text) {
    for (const part of text.split(/([²√·/≈≤])/)) {
      if (part in SPOKEN) {
        element.append(...spokenSign(part, SPOKEN[part]));
      } else if (part) {
        element.append(part);
      }
    }
  }

  // A line of pieces: text, symbols, numbers as the boxes write them, and
  // the superscript 2 of a square; a screen reader says "c на квадрат".
  function line(pieces, tag = 'div') {
    const element = document.createElement(tag);
    for (const piece of pieces) {
      if (piece.kind === 'symbol') {
        element.append(symbol(piece.text));
      } else if (piece.kind === 'square') {
        element.append(...spokenSign('2', SQUARE, 'sup'));
      } else if (piece.kind === 'number') {
        const number = document.createElement('span');
        number.className = 'number';
        appendText(number, piece.text);
        element.append(number);
      } else {
        appendText(element, piece.text);
      }
    }
    return element;
  }

  // A sentence of words and symbols, as a paragraph.
  function sentence(pieces, className) {
    const p = line(pieces, 'p');
    p.className = className;
    return p;
  }

  function paragraph(text, className) {
    const p = document.createElement('p');
    p.textContent = text;
    if (className) p.className = className;
    return p;
  }

  function svgElement(name, attributes, parent) {
    const element = document.createElementNS(SVG, name);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, String(value));
    if (parent) parent.appendChild(element);
    return element;
  }

  // A label of the drawing: the symbol with its subscript, "=", the text the
  // box holds.
  function label(parent, quantity, text, x, y, anchor) {
    const element = svgElement('text', {x, y, 'text-anchor': anchor, 'data-quantity': quantity}, parent);
    const [letter, subscript] = SUBSCRIPTED[quantity] || [quantity, ''];
    const name = svgElement('tspan', {'font-style': 'italic'}, element);
    name.textContent = letter;
    if (subscript) {
      const sub = svgElement('tspan', {'baseline-shift': 'sub', 'font-size': '75%', 'font-style': 'italic'}, element);
      sub.textContent = subscript;
    }
    const value = svgElement('tspan', {}, element);
    value.textContent = ` = ${text}`;
    return element;
  }

  // The triangle ABC to scale: A at the left end of the hypotenuse, B at the
  // right, C above with the right angle, H the foot of the altitude; b1 lies
  // next to A and a1 next to B, as in the window's picture.
  function drawing(solution) {
    const [a, b, c, hc, a1, b1] = solution.lengths;
    const texts = solution.texts;
    const width = 460;
    const s = width / c;  // hc is at most c/2, so the drawing is at most half as high as wide
    // The labels beside the left and right edges stay inside the picture:
    // where the right angle stands near one end, the margin on that side
    // widens (the width of a label is reckoned from its characters, at most
    // 0.6 of the 13 px font each).
    const labelWidth = (quantity, text) => (quantity.length + 3 + text.length) * 7.8;
    const margin = {
      left: Math.max(20, labelWidth('b', texts[1]) + 10 - b1 * s / 2, labelWidth('hc', texts[3]) + 6 - b1 * s,
                     labelWidth('b1', texts[5]) / 2 + 4 - b1 * s / 2),
      right: Math.max(20, labelWidth('a', texts[0]) + 10 - a1 * s / 2, labelWidth('a1', texts[4]) / 2 + 4 - a1 * s / 2),
      top: 34,
      bottom: 60,
    };
    const A = [margin.left, margin.top + hc * s];
    const B = [margin.left + c * s, A[1]];
    const C = [margin.left + b1 * s, margin.top];
    const H = [C[0], A[1]];
    const svg = svgElement('svg', {
      viewBox: `0 0 ${width + margin.left + margin.right} ${hc * s + margin.top + margin.bottom}`,
      role: 'img',
      class: 'drawing',
    });
    svgElement('title', {}, svg).textContent =
      `Чертеж в мащаб: a = ${texts[0]}, b = ${texts[1]}, c = ${texts[2]}, hc = ${texts[3]}, ` +
      `a1 = ${texts[4]}, b1 = ${texts[5]}`;
    svgElement('polygon', {points: [A, B, C].map((p) => p.join(',')).join(' '), class: 'triangle'}, svg);
    svgElement('line', {x1: C[0], y1: C[1], x2: H[0], y2: H[1], class: 'altitude'}, svg);
    const mark = Math.min(8, hc * s / 2);
    if (mark >= 2) {
      svgElement('path', {d: `M${H[0] - mark} ${H[1]} V${H[1] - mark} H${H[0]}`, class: 'mark'}, svg);
    }
    for (const [name, point, dx, dy] of [['A', A, -12, 4], ['B', B, 4, 4], ['C', C, -4, -8]]) {
      svgElement('text', {x: point[0] + dx, y: point[1] + dy, class: 'vertex'}, svg).textContent = name;
    }
    label(svg, 'b', texts[1], (A[0] + C[0]) / 2 - 6, (A[1] + C[1]) / 2 - 6, 'end');
    label(svg, 'a', texts[0], (B[0] + C[0]) / 2 + 6, (B[1] + C[1]) / 2 - 6, 'start');
    label(svg, 'hc', texts[3], C[0] - 4, (C[1] + H[1]) / 2 + 5, 'end');
    label(svg, 'b1', texts[5], (A[0] + H[0]) / 2, A[1] + 18, 'middle');
    label(svg, 'a1', texts[4], (H[0] + B[0]) / 2, A[1] + 36, 'middle');
    label(svg, 'c', texts[2], (A[0] + B[0]) / 2, A[1] + 54, 'middle');
    const figure = document.createElement('figure');
    figure.append(svg);
    if (hc * s < 6) {
      figure.append(paragraph('Триъгълникът е много тесен: начертан е в мащаб, затова височината почти не се вижда.',
                              'note'));
    }
    return figure;
  }

  function show(section, solution) {
    const body = section.querySelector('.content');
    body.replaceChildren();
    if (solution.outcome === 'noPair') return clear(section);
    const given = document.createElement('div');
    given.className = 'given';
    given.append('Дадено: ');
    solution.given.forEach((pieces, n) => {
      if (n > 0) given.append('; ');
      given.append(line(pieces, 'span'));
    });
    const sought = document.createElement('div');
    sought.className = 'sought';
    sought.append('Търсим: ');
    solution.sought.forEach((name, n) => {
      if (n > 0) sought.append(', ');
      sought.append(symbol(name));
    });
    body.append(given);
    for (const note of solution.givenNotes) body.append(sentence(note, 'note'));
    body.append(sought);

    const steps = document.createElement('ol');
    steps.className = 'steps';
    for (const step of solution.steps) {
      const item = document.createElement('li');
      item.dataset.quantity = step.quantity;
      const heading = document.createElement('div');
      heading.className = 'relation';
      heading.append(symbol(step.quantity));
      appendText(heading, `: ${step.relation} (`);
      heading.append(line(step.relationFormula, 'span'), ')');
      item.append(heading);
      for (const derivation of step.derivation) item.append(line(derivation));
      item.append(line(step.formula), line(step.substituted));
      if (step.working.length > 0) item.append(line(step.working));
      if (step.result.length > 0) {
        const result = line(step.result);
        result.className = 'result';
        item.append(result);
      }
      for (const note of step.notes) item.append(sentence(note, 'note'));
      steps.append(item);
    }
    body.append(steps);
    if (solution.check.length > 0) {
      const check = document.createElement('div');
      check.className = 'check';
      const heading = document.createElement('div');
      heading.className = 'relation';
      heading.textContent = 'Проверка:';
      check.append(heading);
      for (const pieces of solution.check) check.append(line(pieces));
      body.append(check);
    }
    for (const stop of solution.stop) body.append(sentence(stop, 'stop'));
    if (solution.outcome === 'solved') body.append(drawing(solution));
    section.hidden = false;
  }

  function clear(section) {
    section.querySelector('.content').replaceChildren();
    section.hidden = true;
  }

  return {show, clear, line, symbol};
})();

if (typeof module !== 'undefined') module.exports = {SolutionView};
