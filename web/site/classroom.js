// The classroom with no server: the student's result code for the teacher
// (in „Упражнение“), and the section „За учителя“: a set built from its
// options, its code and link, and the class's results read from the lines
// that the students hand over. Codes, results and tables come from the core
// (the same C++ as the command-line tool); nothing leaves the device.
'use strict';

const Classroom = (function () {
  const NAME_KEY = 'right-triangle/result-name';
  const CLASS_PREFIX = 'right-triangle/class/';
  const VARIANTS = 1024;

  function element(tag, className, text) {
    const made = document.createElement(tag);
    if (className) made.className = className;
    if (text !== undefined) made.textContent = text;
    return made;
  }

  // A figure with the QR code of `text` (none for no text), for the board or
  // a phone's camera.
  function qrFigure(figure, text, label) {
    figure.replaceChildren(...(text ? [QrPicture.picture(text, label)] : []));
    figure.hidden = !text;
  }

  // Shows `text` beside a button for a while, and says it.
  function confirmAt(place, text) {
    place.textContent = text;
    clearTimeout(place.clearing);
    place.clearing = setTimeout(() => {
      place.textContent = '';
    }, 4000);
  }

  async function copy(text, input, place) {
    try {
      await navigator.clipboard.writeText(text);
    } catch (error) {
      // No clipboard here (or no permission): the text stands selected.
      if (input) input.select();
    }
    confirmAt(place, 'Копирано.');
  }

  // „Резултат за учителя“: the line the student hands over, the name first
  // where one is typed.
  function studentResult(tutor, practice, storage) {
    const $ = (id) => document.getElementById(id);
    const name = $('ResultName');
    const line = $('ResultLine');
    const qr = $('ResultQr');
    const stored = storage.read(NAME_KEY);
    if (typeof stored === 'string') name.value = stored.slice(0, 60);
    const show = () => {
      const code = practice.code();
      const result = code ? tutor.practiceResultCode(code, practice.resultItems()) : '';
      const typed = name.value.trim().replace(/\s+/g, ' ');
      line.textContent = result ? (typed ? `${typed} ${result}` : result) : '';
      qrFigure(qr, line.textContent, 'QR код на реда за учителя');
    };
    name.addEventListener('input', () => {
      storage.write(NAME_KEY, name.value);
      show();
    });
    $('ResultCopy').addEventListener('click', () => copy(line.textContent, null, $('ResultCopied')));
    practice.onChange(show);
    show();
  }

  // The teacher's set: its options from the form, a variant of its own.
  function setBuilder(tutor, ui) {
    const choices = tutor.pairNames().map((pair, row) => {
      const label = element('label');
      const box = element('input');
      box.type = 'checkbox';
      box.value = String(row);
      label.append(box, ` ${pair}`);
      ui.pairs.append(label);
      return box;
    });
    const random = new Uint32Array(1);
    crypto.getRandomValues(random);
    const state = {variant: random[0] % VARIANTS, code: ''};
    const mask = () => choices.reduce((bits, box, row) => (box.checked ? bits | (1 << row) : bits), 0);
    const count = () => Number(ui.count.value);
    const update = () => {
      const n = count();
      const problem = mask() === 0 ? 'Изберете поне една двойка дадени.'
        : !Number.isInteger(n) || n < 1 || n > 16 ? 'Броят задачи е от 1 до 16.' : '';
      ui.problem.textContent = problem;
      ui.problem.hidden = !problem;
      state.code = problem ? '' : tutor.practiceCodeFor(mask(), n, ui.whole.checked, ui.noTriangle.checked,
                                                        state.variant);
      const made = state.code ? tutor.practiceSet(state.code) : null;
      ui.code.textContent = state.code || '—';
      ui.description.textContent = made ? `(${made.description})` : '';
      ui.link.value = state.code ? `${location.origin}${location.pathname}#practice=${state.code}` : '';
      qrFigure(ui.qr, ui.link.value, 'QR код на връзката за учениците');
      for (const button of [ui.copy, ui.open, ui.print]) button.disabled = !state.code;
      ui.changed(state.code);
    };
    // A set's own options, when the teacher opens it by its code.
    const take = (made) => {
      choices.forEach((box, row) => {
        box.checked = (made.options.pairMask & (1 << row)) !== 0;
      });
      ui.count.value = String(made.count);
      ui.whole.checked = made.options.easy;
      ui.decimal.checked = !made.options.easy;
      ui.noTriangle.checked = made.options.noTriangleTasks;
      state.variant = made.options.variant;
      update();
    };
    choices.forEach((box) => box.addEventListener('change', update));
    for (const input of [ui.count, ui.whole, ui.decimal, ui.noTriangle]) input.addEventListener('input', update);
    ui.all.addEventListener('click', () => {
      choices.forEach((box) => {
        box.checked = true;
      });
      update();
    });
    ui.none.addEventListener('click', () => {
      choices.forEach((box) => {
        box.checked = false;
      });
      update();
    });
    ui.variant.addEventListener('click', () => {
      state.variant = (state.variant + 1 + Math.floor(Math.random() * (VARIANTS - 1))) % VARIANTS;
      update();
    });
    ui.copy.addEventListener('click', () => copy(ui.link.value, ui.link, ui.copied));
    ui.link.addEventListener('focus', () => ui.link.select());
    ui.open.addEventListener('click', () => {
      location.hash = `practice=${state.code}`;
      document.getElementById('Practice').scrollIntoView({block: 'start'});
    });
    // The set's worksheet, variants A and B, as „Упражнение“ prints it.
    ui.print.addEventListener('click', () => {
      location.hash = `practice=${state.code}`;
      window.dispatchEvent(new HashChangeEvent('hashchange'));
      document.body.classList.add('printing-worksheet');
      window.print();
    });
    choices.forEach((box) => {
      box.checked = true;
    });
    update();
    return {code: () => state.code, take};
  }

  // The class's results on the builder's set, from the pasted lines, kept
  // on this device a set.
  function classView(tutor, storage, ui) {
    let code = '';
    const render = () => {
      const text = ui.paste.value;
      const results = code && text.trim() ? tutor.classResults(code, text) : null;
      ui.notes.replaceChildren(...(results ? results.notes : []).map((note) => element('p', '', note)));
      ui.view.hidden = !results || results.students.length === 0;
      if (!results) return;
      const head = element('thead');
      const heading = element('tr');
      heading.append(element('th', '', 'Ученик'));
      results.tasks.forEach((task, n) => {
        const th = element('th', '', String(n + 1));
        th.scope = 'col';
        heading.append(th);
      });
      head.append(heading);
      const body = element('tbody');
      for (const student of results.students) {
        const row = element('tr');
        const th = element('th', '', student.name || `(ред ${student.line})`);
        th.scope = 'row';
        row.append(th);
        for (const task of student.tasks) {
          const cell = element('td', task.outcome, task.words);
          cell.dataset.item = task.item;
          row.append(cell);
        }
        body.append(row);
      }
      const foot = element('tfoot');
      const shares = element('tr');
      const label = element('th', '', 'Решили сами');
      label.scope = 'row';
      shares.append(label, ...results.tasks.map((task) => element('td', '', task.aloneShare)));
      foot.append(shares);
      ui.table.replaceChildren(head, body, foot);
      ui.tasks.replaceChildren(...results.tasks.map((task, n) => {
        const mistakes = task.commonest.map((mistake) => `${mistake.words} (${mistake.students})`).join('; ');
        return element('li', '', `Задача ${n + 1}: сами ${task.aloneShare}` +
                                 (mistakes ? `; най-честите първи грешки: ${mistakes}` : '; без грешки'));
      }));
      ui.pairs.replaceChildren(...results.pairs.map((pair) => element('li', '',
        `${pair.pair}: сами ${pair.alone}, с помощ ${pair.helped}, нерешени ${pair.none}`)));
      ui.last = results;
    };
    let pending = false;
    const changed = () => {
      if (code) storage.write(CLASS_PREFIX + code, ui.paste.value);
      if (pending) return;
      pending = true;
      requestAnimationFrame(() => {
        pending = false;
        render();
      });
    };
    ui.paste.addEventListener('input', changed);
    // A text file dropped on the box: its lines after those already there.
    ui.paste.addEventListener('dragover', (event) => event.preventDefault());
    ui.paste.addEventListener('drop', async (event) => {
      const file = event.dataTransfer && event.dataTransfer.files[0];
      if (!file) return;
      event.preventDefault();
      const text = await file.text();
      ui.paste.value = ui.paste.value && !ui.paste.value.endsWith('\n') ? `${ui.paste.value}\n${text}` :
        ui.paste.value + text;
      changed();
    });
    ui.print.addEventListener('click', () => {
      document.body.classList.add('printing-class');
      window.print();
    });
    ui.csv.addEventListener('click', () => {
      if (!ui.last) return;
      const link = element('a');
      // The byte-order mark that the core writes is read away by the text
      // decoder on its way here: it goes back in front.
      const csv = ui.last.csv.startsWith('\uFEFF') ? ui.last.csv : `\uFEFF${ui.last.csv}`;
      link.href = URL.createObjectURL(new Blob([csv], {type: 'text/csv;charset=utf-8'}));
      link.download = `rezultati-${code}.csv`;
      document.body.append(link);
      link.click();
      link.remove();
      setTimeout(() => URL.revokeObjectURL(link.href), 0);
    });
    return {
      open(setCode) {
        if (setCode === code) return;
        code = setCode;
        const kept = code ? storage.read(CLASS_PREFIX + code) : null;
        ui.paste.value = typeof kept === 'string' ? kept : '';
        render();
      },
    };
  }

  // #class=CODE: the teacher's view of a set.
  function classCodeInAddress() {
    const match = /^#(?:class|клас)=([^&]*)$/iu.exec((() => {
      try {
        return decodeURIComponent(location.hash);
      } catch (error) {
        return '';
      }
    })());
    return match ? match[1] : null;
  }

  function start(tutor, practice) {
    const $ = (id) => document.getElementById(id);
    const storage = Practice.storage;
    studentResult(tutor, practice, storage);
    const section = $('Teacher');
    section.removeAttribute('inert');
    section.removeAttribute('aria-busy');
    const view = classView(tutor, storage, {
      paste: $('ClassPaste'), notes: $('ClassNotes'), view: $('ClassView'), table: $('ClassTable'),
      tasks: $('ClassTasks'), pairs: $('ClassPairs'), csv: $('ClassCsv'), print: $('ClassPrint'),
    });
    const builder = setBuilder(tutor, {
      pairs: $('BuilderPairs'), count: $('BuilderCount'), whole: $('BuilderWhole'), decimal: $('BuilderDecimal'),
      noTriangle: $('BuilderNoTriangle'), problem: $('BuilderProblem'), code: $('BuilderCode'),
      description: $('BuilderDescription'), link: $('BuilderLink'), copy: $('BuilderCopy'),
      copied: $('BuilderCopied'), open: $('BuilderOpen'), qr: $('BuilderQr'), print: $('BuilderPrint'), variant: $('BuilderVariant'), all: $('BuilderAll'),
      none: $('BuilderNone'), changed: (code) => view.open(code),
    });
    $('SetOpener').addEventListener('submit', (event) => {
      event.preventDefault();
      const typed = $('OpenerCode').value.trim();
      const made = tutor.practiceSet(typed);
      $('OpenerProblem').textContent = made ? '' : `„${typed.slice(0, 24)}“ не е код на упражнение.`;
      if (made) builder.take(made);
    });
    const openNamed = () => {
      const named = classCodeInAddress();
      if (named === null) return;
      const made = tutor.practiceSet(named);
      $('TeacherDetails').open = true;
      if (made) builder.take(made);
      $('Teacher').scrollIntoView({block: 'start'});
    };
    window.addEventListener('hashchange', openNamed);
    openNamed();
  }

  return {start};
})();

if (typeof module !== 'undefined') module.exports = {Classroom};
