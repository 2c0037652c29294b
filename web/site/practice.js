// The section „Упражнение“: the program sets a task, the student computes,
// the program checks. Tasks, codes, the check and the hints come from the
// core (the same C++ as the command-line tool); this file shows them, keeps
// the student's work on the device and prints the worksheet.
'use strict';

const Practice = (function () {
  const STORE_PREFIX = 'right-triangle/practice/';
  const LAST_SET = 'right-triangle/practice-last';
  const VARIANTS = 1024;
  const SOUGHT = 4;
  const QUANTITIES = ['a', 'b', 'c', 'hc', 'a1', 'b1'];
  const NAMES = {a: 'катет', b: 'катет', c: 'хипотенуза', hc: 'височина', a1: 'проекция', b1: 'проекция'};
  const MARKS = {
    right: '✓',
    wrong: '✗',
    notNumber: '✗',
    notPositive: '✗',
    tooManyDecimals: '✗',
    empty: '–',
  };

  // localStorage may be full, switched off or hold another program's data
  // under our names: every use may fail, and a failure only means that the
  // score is not kept.
  const storage = {
    read(key) {
      try {
        const text = window.localStorage.getItem(key);
        return text === null ? null : JSON.parse(text);
      } catch (error) {
        return null;
      }
    },
    write(key, value) {
      try {
        window.localStorage.setItem(key, JSON.stringify(value));
        return true;
      } catch (error) {
        return false;
      }
    },
  };

  function freshTask() {
    return {answers: ['', '', '', ''], none: false, hints: 0, shown: false, solved: false, help: false,
            missed: false, mistake: ''};
  }

  // The stored work of a set, taken only as far as it has the expected
  // shape; anything else starts afresh.
  // `count` tasks and as many retries: task count + k is task k's retry,
  // which `order` holds once it has come back.
  function progressOf(stored, count) {
    const progress = {current: 0, order: Array.from({length: count}, (_, n) => n),
                      tasks: Array.from({length: 2 * count}, freshTask)};
    if (!stored || typeof stored !== 'object' || !Array.isArray(stored.tasks)) return progress;
    const order = stored.order;
    if (Array.isArray(order) && order.length <= 2 * count && new Set(order).size === order.length &&
        order.every((n) => Number.isInteger(n) && n >= 0 && n < 2 * count) &&
        progress.order.every((n) => order.includes(n))) {
      progress.order = order.slice();
    }
    if (progress.order.includes(stored.current)) progress.current = stored.current;
    progress.tasks.forEach((task, n) => {
      const saved = stored.tasks[n];
      if (!saved || typeof saved !== 'object') return;
      if (Array.isArray(saved.answers) && saved.answers.length === SOUGHT &&
          saved.answers.every((answer) => typeof answer === 'string')) {
        task.answers = saved.answers.map((answer) => answer.slice(0, 200));
      }
      for (const flag of ['none', 'shown', 'solved', 'help', 'missed']) task[flag] = saved[flag] === true;
      if (Number.isInteger(saved.hints) && saved.hints >= 0 && saved.hints < 100) task.hints = saved.hints;
      if (typeof saved.mistake === 'string' && /^[a-z-]{1,40}$/.test(saved.mistake)) task.mistake = saved.mistake;
    });
    return progress;
  }

  // The code that the address names: #упражнение=CODE or #practice=CODE.
  // A code that does not decode is named as it stands after "=", not with
  // the name of the fragment before it.
  function codeInAddress() {
    const fragment = location.hash.slice(1);
    const equals = fragment.indexOf('=');
    if (equals < 0) return {named: false, code: ''};
    let name = fragment.slice(0, equals);
    let code = fragment.slice(equals + 1);
    try {
      name = decodeURIComponent(name);
    } catch (error) {
      return {named: false, code: ''};
    }
    if (!/^(?:упражнение|practice)$/iu.test(name)) return {named: false, code: ''};
    try {
      code = decodeURIComponent(code);
    } catch (error) {
      // kept as it stands in the address
    }
    return {named: true, code};
  }

  function shortLink(code) {
    return `${location.origin}${location.pathname}#practice=${code}`;
  }

  function element(tag, className, text) {
    const made = document.createElement(tag);
    if (className) made.className = className;
    if (text !== undefined) made.textContent = text;
    return made;
  }

  // The outcome of each of the set's tasks, as the result code holds it:
  // not solved, solved with hints or the shown solution, solved after a
  // wrong check, or alone; with the first mistake where the check named one.
  function resultItems(progress, count) {
    return progress.tasks.slice(0, count).map((task) => {
      const outcome = !task.solved ? 'none' : task.help ? 'hints' : task.missed ? 'mistakes' : 'alone';
      return outcome !== 'alone' && task.mistake ? `${outcome}:${task.mistake}` : outcome;
    });
  }

  function start(module) {
    const $ = (id) => document.getElementById(id);
    const listeners = [];
    const changed = () => listeners.forEach((listener) => listener());
    const section = $('Practice');
    section.removeAttribute('inert');
    section.removeAttribute('aria-busy');
    const ui = {
      notice: $('PracticeNotice'),
      bar: $('PracticeSetBar'),
      code: $('PracticeCode'),
      description: $('PracticeDescription'),
      score: $('PracticeScore'),
      link: $('PracticeLink'),
      copy: $('PracticeCopy'),
      copied: $('PracticeCopied'),
      list: $('PracticeTaskList'),
      next: $('PracticeNew'),
      newSet: $('PracticeNewSet'),
      print: $('PracticePrint'),
      task: $('PracticeTask'),
      title: $('PracticeTaskTitle'),
      statement: $('PracticeStatement'),
      form: $('PracticeAnswers'),
      boxes: $('PracticeBoxes'),
      none: $('PracticeNone'),
      rule: $('PracticeRule'),
      hint: $('PracticeHint'),
      show: $('PracticeShow'),
      result: $('PracticeResult'),
      solution: $('PracticeSolution'),
      worksheet: $('Worksheet'),
      standing: $('PracticeStanding'),
    };
    let set = null;       // the set from the core: code, description, rule, tasks
    let progress = null;  // the student's work on it
    let inputs = [];
    let marks = [];
    let keeping = true;   // whether the work is being kept on the device

    function save() {
      if (!set || !keeping) return;
      if (!storage.write(STORE_PREFIX + set.code, progress) || !storage.write(LAST_SET, set.code)) {
        keeping = false;
        notices.storage = 'Резултатът не се пази на това устройство (паметта на браузъра е пълна или изключена).';
        showNotices();
      }
    }

    // What the student is told about the set, and about keeping the work.
    const notices = {set: '', storage: ''};
    function notify(text) {
      notices.set = text;
      showNotices();
    }
    function showNotices() {
      const text = [notices.set, notices.storage].filter(Boolean).join(' ');
      ui.notice.textContent = text;
      ui.notice.hidden = !text;
    }

    // Solved alone, solved with help (hints, the solution or mistakes first)
    // or not yet.
    function standingOf(task) {
      if (!task.solved) return 'not-yet';
      return task.help || task.missed ? 'helped' : 'alone';
    }

    function showScore() {
      const worked = progress.order.map((id) => progress.tasks[id]);
      const solved = worked.filter((task) => task.solved).length;
      const helped = worked.filter((task) => standingOf(task) === 'helped').length;
      ui.score.textContent = `${solved} от ${worked.length} задачи` + (helped ? `, ${helped} с помощ` : '') +
                             (helped ? ' (✓* — решена с подсказка или след грешка)' : '');
      ui.list.querySelectorAll('button').forEach((button, n) => {
        const id = progress.order[n];
        const task = progress.tasks[id];
        const standing = standingOf(task);
        const state = {'alone': 'решена', 'helped': 'решена с помощ', 'not-yet': 'нерешена'}[standing];
        const again = id >= set.count ? ', отново същият вид' : '';
        button.setAttribute('aria-label', `Задача ${n + 1}${again}, ${state}`);
        button.textContent = `${n + 1}${id >= set.count ? '↻' : ''}` +
                             {'alone': ' ✓', 'helped': ' ✓*', 'not-yet': ''}[standing];
        button.classList.toggle('solved', task.solved);
        if (id === progress.current) {
          button.setAttribute('aria-current', 'step');
        } else {
          button.removeAttribute('aria-current');
        }
      });
      showStanding();
    }

    // The fifteen pairs, each with the best the student has done in it.
    function showStanding() {
      const best = {};
      const rank = {'not-yet': 0, 'helped': 1, 'alone': 2};
      for (const id of progress.order) {
        const pair = set.tasks[id].pair;
        const standing = standingOf(progress.tasks[id]);
        if (!(pair in best) || rank[standing] > rank[best[pair]]) best[pair] = standing;
      }
      const words = {'alone': 'без помощ', 'helped': 'с помощ', 'not-yet': 'още не'};
      ui.standing.replaceChildren(...module.pairNames().map((pair) => {
        const item = element('li', best[pair] || 'absent');
        item.append(element('span', 'pair', pair), ' ', element('span', 'state', pair in best ? words[best[pair]] :
                                                                     'няма в набора'));
        return item;
      }));
    }

    // Opens the set of a code (or the set `made` of it already); a text that
    // is no code gets a message and a fresh set.
    function openSet(code, {announce = false, made = null} = {}) {
      let opened = made || module.practiceSet(code);
      if (!opened) {
        const named = code.length > 24 ? `${code.slice(0, 24)}…` : code;
        notify(`„${named}“ не е код на упражнение: кодът е от шест или седем знака, цифрите 2–9 и буквите A–Z без I и O. ` +
               'Ето нови задачи.');
        opened = module.practiceSet(newCode());
      } else {
        notify('');
      }
      set = opened;
      progress = progressOf(storage.read(STORE_PREFIX + set.code), set.count);
      ui.bar.hidden = false;
      ui.print.hidden = false;
      ui.code.textContent = set.code;
      ui.description.textContent = `(${set.description})`;
      ui.link.value = shortLink(set.code);
      ui.rule.textContent = set.rule;
      buildList();
      if (location.hash !== `#practice=${set.code}`) {
        history.replaceState(null, '', `${location.pathname}${location.search}#practice=${set.code}`);
      }
      ui.worksheet.replaceChildren();  // made when it is printed
      openTask(progress.current, {focus: announce});
      changed();
    }

    // A button a task, in the order the student meets them.
    function buildList() {
      ui.list.replaceChildren(...progress.order.map((id) => {
        const item = element('li');
        const button = element('button', 'task-number');
        button.type = 'button';
        button.dataset.task = String(id);  // the set's task (from count on, the retries)
        button.addEventListener('click', () => openTask(id, {focus: true}));
        item.append(button);
        return item;
      }));
    }

    function newCode() {
      const random = new Uint32Array(1);
      crypto.getRandomValues(random);
      return module.newPracticeCode(random[0] % VARIANTS);
    }

    function answerBox(name, n) {
      const row = element('div', 'answer');
      const label = element('label');
      label.htmlFor = `PracticeAnswer${n}`;
      label.append(element('span', 'visually-hidden', `${NAMES[name]} `), SolutionView.symbol(name), ' =');
      const input = element('input');
      input.id = `PracticeAnswer${n}`;
      input.type = 'text';
      input.inputMode = 'decimal';
      input.autocomplete = 'off';
      input.spellcheck = false;
      // The rule is stated once, for the whole form: each box has its mark.
      input.setAttribute('aria-describedby', `PracticeMark${n}`);
      input.addEventListener('input', () => {
        progress.tasks[progress.current].answers[n] = input.value;
        clearMark(n);
        save();
      });
      const mark = element('span', 'mark');
      mark.id = `PracticeMark${n}`;
      // A phone's decimal keyboard has neither √ nor /: keys beside the box
      // put them where the caret stands.
      const entry = element('span', 'entry');
      entry.append(input);
      for (const [sign, word] of [['√', 'корен квадратен'], ['/', 'дробна черта']]) {
        const key = element('button', 'key', sign);
        key.type = 'button';
        key.setAttribute('aria-label', `${word} в ${name}`);
        key.addEventListener('click', () => {
          const from = input.selectionStart ?? input.value.length;
          const to = input.selectionEnd ?? from;
          input.setRangeText(sign, from, to, 'end');
          input.focus();
          input.dispatchEvent(new Event('input', {bubbles: true}));
        });
        entry.append(key);
      }
      row.append(label, entry, mark);
      return {row, input, mark};
    }

    function clearMark(n) {
      inputs[n].classList.remove('right', 'wrong');
      inputs[n].removeAttribute('aria-invalid');
      marks[n].textContent = '';
      marks[n].className = 'mark';
    }

    function openTask(index, {focus = false} = {}) {
      progress.current = index;
      const task = set.tasks[index];
      const work = progress.tasks[index];
      ui.task.hidden = false;
      const position = progress.order.indexOf(index);
      ui.title.textContent = `Задача ${position + 1} от ${progress.order.length}` +
                             (index >= set.count ? ' (отново същият вид)' : '');
      ui.statement.replaceChildren(SolutionView.line(task.statement, 'span'));
      const boxes = task.sought.map((name, n) => answerBox(name, n));
      inputs = boxes.map((box) => box.input);
      marks = boxes.map((box) => box.mark);
      ui.boxes.replaceChildren(...boxes.map((box) => box.row));
      inputs.forEach((input, n) => {
        input.value = work.answers[n];
      });
      ui.none.checked = work.none;
      ui.result.replaceChildren();
      showSolution();
      showScore();
      save();
      if (focus) ui.title.focus();
    }

    function check() {
      const work = progress.tasks[progress.current];
      const checked = module.checkPracticeTask(set.code, progress.current, inputs.map((input) => input.value),
                                               ui.none.checked);
      checked.marks.forEach((kind, n) => {
        clearMark(n);
        marks[n].textContent = `${MARKS[kind]} ${checked.markTexts[n]}`;
        marks[n].classList.add(kind === 'right' ? 'right' : kind === 'empty' ? 'empty' : 'wrong');
        if (kind === 'right') inputs[n].classList.add('right');
        if (kind !== 'right' && kind !== 'empty') {
          inputs[n].classList.add('wrong');
          inputs[n].setAttribute('aria-invalid', 'true');
        }
      });
      const typed = inputs.some((input) => input.value.trim() !== '') || ui.none.checked;
      if (!checked.solved && !work.solved && typed) work.missed = true;
      // The first mistake the check names, for the teacher's result code
      // (early rounding is a fair method, not a mistake).
      if (!work.solved && !work.mistake) {
        work.mistake = checked.tags.find((tag) => tag !== '-' && tag !== 'early-rounding') || '';
      }
      let summary = checked.summary;
      if (checked.solved && !work.solved) {
        work.solved = true;
        work.help = work.hints > 0 || work.shown;
        if (work.help || work.missed) summary += comeBack();
      }
      if (checked.solved && work.help) summary += ' (с подсказка)';
      // A new node each time, so that the same words are announced again
      // after another „Провери“.
      ui.result.replaceChildren(document.createTextNode(summary));
      ui.result.className = `result ${checked.solved ? 'right' : 'wrong'}`;
      showScore();
      save();
      changed();
      window.practiceCheckedAt = performance.now();  // for the page test that times the marks
    }

    // A task solved with mistakes or hints comes back once, as a fresh task
    // of the same pair, two tasks later (or last, where fewer are left).
    function comeBack() {
      const id = progress.current;
      const retry = id + set.count;
      if (id >= set.count || progress.order.includes(retry)) return '';
      const position = progress.order.indexOf(id);
      const at = Math.min(position + 3, progress.order.length);
      progress.order.splice(at, 0, retry);
      buildList();
      return ` Задача от същия вид ще дойде отново: задача ${at + 1}.`;
    }

    // The hints of a task climb, four rungs a step: the relation's name, its
    // formula, the formula with the task's numbers, the result; where the
    // solution stops, why, as a last rung.
    function rungsOf(solution) {
      const rungs = [];
      for (const step of solution.steps) {
        const named = [{kind: 'symbol', text: step.quantity}, {kind: 'text', text: `: ${step.relation}`}];
        const formula = step.relationFormula.length ?
          [...step.relationFormula, {kind: 'text', text: ', '}, ...step.formula] : step.formula;
        for (const pieces of [named, formula, step.substituted, step.result]) {
          if (pieces.length) rungs.push({step: step.quantity, pieces});
        }
      }
      for (const pieces of solution.stop) rungs.push({step: null, pieces});
      return rungs;
    }

    // The rungs climbed so far, a list item a step; „Покажи решението“
    // shows the whole solution with its drawing instead.
    function showSolution() {
      const work = progress.tasks[progress.current];
      const content = ui.solution.querySelector('.content');
      if (work.hints === 0 && !work.shown) {
        ui.solution.hidden = true;
        content.replaceChildren();
        ui.hint.disabled = false;
        ui.hint.textContent = 'Подсказка';
        return [];
      }
      const solution = module.practiceSolution(set.code, progress.current);
      if (work.shown) {
        SolutionView.show(ui.solution, solution);
        ui.hint.disabled = true;
        ui.hint.textContent = 'Подсказка';
        return [];
      }
      const rungs = rungsOf(solution);
      const climbed = rungs.slice(0, work.hints);
      const list = element('ol', 'hints');
      let item = null;
      let last = undefined;
      for (const rung of climbed) {
        if (!item || rung.step !== last) {
          item = element('li');
          list.append(item);
          last = rung.step;
        }
        item.append(SolutionView.line(rung.pieces, 'div'));
      }
      content.replaceChildren(element('h3', '', 'Подсказки'), list);
      ui.solution.hidden = false;
      ui.hint.disabled = work.hints >= rungs.length;
      ui.hint.textContent = ui.hint.disabled ? 'Подсказка' :
        `Подсказка (${Math.min(work.hints, rungs.length)} от ${rungs.length})`;
      return climbed;
    }

    function hint() {
      const work = progress.tasks[progress.current];
      work.hints += 1;
      const climbed = showSolution();
      const rung = climbed[climbed.length - 1];
      // The status line says the rung itself, not only how far it is.
      ui.result.replaceChildren(rung ? SolutionView.line([{kind: 'text', text: `Подсказка ${climbed.length}: `},
        ...rung.pieces], 'span') : document.createTextNode('Няма повече подсказки.'));
      ui.result.className = 'result';
      // The new rung in view, now that the status line above it has its words.
      const shown = ui.solution.querySelector('.hints li:last-child > div:last-child');
      if (shown) shown.scrollIntoView({block: 'nearest'});
      save();
    }

    function showAll() {
      progress.tasks[progress.current].shown = true;
      showSolution();
      ui.result.replaceChildren(document.createTextNode('Решението е показано цялото, с чертежа.'));
      ui.result.className = 'result';
      save();
    }

    // The next task not yet solved, in the student's order; after the last
    // one, a new set.
    function nextTask() {
      if (!set) {
        openSet(newCode(), {announce: true});
        return;
      }
      const count = progress.order.length;
      const position = progress.order.indexOf(progress.current);
      // A task's retry never comes straight after it while others wait.
      const own = progress.current + set.count;
      for (const skipRetry of [true, false]) {
        for (let step = 1; step <= count; ++step) {
          const id = progress.order[(position + step) % count];
          if (!progress.tasks[id].solved && !(skipRetry && id === own)) {
            openTask(id, {focus: true});
            return;
          }
        }
      }
      openNewSet('Всички задачи от предишния набор са решени. Ето нови задачи.');
    }

    // A new set, with the notice that says why at the top of the view and
    // the focus on its first task.
    function openNewSet(notice) {
      openSet(newCode());
      notify(notice);
      ui.title.focus({preventScroll: true});
      ui.notice.scrollIntoView({block: 'start'});
    }

    // The printed worksheet, for two neighbouring desks: variant A (this
    // set) and variant B (the same options, other numbers), each on sheets
    // of its own: a header with lines for the name, the class and the date,
    // how to answer, and each task with a sketch of the triangle, its given
    // lengths marked, and room to work. Then the key of both, with exact
    // forms and decimals, on a sheet of its own. Each printed page is a
    // page of the markup, and a variant that fills an odd number of pages
    // gets a blank one, so that in duplex nothing shares paper.
    const FIRST_PAGE_TASKS = 4;
    const PAGE_TASKS = 6;

    function variantB() {
      const o = set.options;
      const code = module.practiceCodeFor(o.pairMask, set.count, o.easy, o.noTriangleTasks,
                                          (o.variant + VARIANTS / 2) % VARIANTS);
      return module.practiceSet(code);
    }

    // A right triangle not to scale, its six lengths named; the given ones
    // with their values.
    function sketch(task) {
      const SVG = 'http://www.w3.org/2000/svg';
      const make = (name, attributes, parent) => {
        const made = document.createElementNS(SVG, name);
        for (const [key, value] of Object.entries(attributes)) made.setAttribute(key, String(value));
        parent.append(made);
        return made;
      };
      const svg = document.createElementNS(SVG, 'svg');
      svg.setAttribute('viewBox', '0 0 240 120');
      svg.setAttribute('class', 'sketch');
      svg.setAttribute('aria-hidden', 'true');
      const [A, B, C, H] = [[20, 95], [220, 95], [150, 25], [150, 95]];
      make('polygon', {points: [A, B, C].map((p) => p.join(',')).join(' '), fill: 'none', stroke: '#000',
                       'stroke-width': 1.2}, svg);
      make('line', {x1: C[0], y1: C[1], x2: H[0], y2: H[1], stroke: '#000', 'stroke-dasharray': '3 2'}, svg);
      make('path', {d: `M${H[0] - 6} ${H[1]} V${H[1] - 6} H${H[0]}`, fill: 'none', stroke: '#000'}, svg);
      const given = Object.fromEntries(task.given.map((length) => [length.quantity, length.text]));
      const places = {a: [190, 52, 'start'], b: [78, 52, 'end'], c: [120, 112, 'middle'], hc: [146, 66, 'end'],
                      a1: [185, 90, 'middle'], b1: [85, 90, 'middle']};
      for (const [quantity, [x, y, anchor]] of Object.entries(places)) {
        const text = make('text', {x, y, 'text-anchor': anchor, 'font-size': 11,
                                   'font-weight': quantity in given ? 'bold' : 'normal'}, svg);
        text.textContent = quantity in given ? `${quantity} = ${given[quantity]}` : quantity;
      }
      for (const [name, [x, y]] of [['A', [8, 100]], ['B', [224, 100]], ['C', [146, 18]]]) {
        make('text', {x, y, 'font-size': 11, 'font-style': 'italic'}, svg).textContent = name;
      }
      return svg;
    }

    function page(...children) {
      const made = element('div', 'page');
      made.append(...children);
      return made;
    }

    // One variant's pages: the header and the first tasks, then the rest six
    // a page, and a blank page where that makes the count even.
    function variantPages(letter, variant) {
      const header = element('header', 'sheet-header');
      header.append(QrPicture.picture(shortLink(variant.code), `QR код на връзката към вариант ${letter}`, 96),
                    element('h2', '', `Упражнение: правоъгълен триъгълник · вариант ${letter}`),
                    element('p', 'lines', 'Име: ______________________________  Клас: ________  ' +
                                          'Дата: ______________'),
                    element('p', 'set', `Код: ${variant.code} · ${variant.description} · ${shortLink(variant.code)}`),
                    element('p', 'how', 'Пишете всяка търсена дължина с десетични знаци или в точен вид (като 5√2 ' +
                                        'или 144/13).' + (variant.options.noTriangleTasks ?
                                          ' Някои задачи нямат решение: тогава отговорът е „няма такъв триъгълник“.' :
                                          '')));
      const cells = variant.tasks.slice(0, variant.count).map((task, n) => {
        const cell = element('section', 'task');
        const statement = SolutionView.line(task.statement, 'p');
        statement.prepend(element('strong', '', `${n + 1}. `));
        cell.append(statement, sketch(task), element('div', 'work'));
        return cell;
      });
      const pages = [page(header, ...cells.slice(0, FIRST_PAGE_TASKS))];
      for (let n = FIRST_PAGE_TASKS; n < cells.length; n += PAGE_TASKS) pages.push(page(...cells.slice(n, n + PAGE_TASKS)));
      if (pages.length % 2 === 1) pages.push(page(element('p', 'blank', 'Тази страница е празна нарочно.')));
      return pages;
    }

    function keyOf(letter, variant) {
      const part = element('section', 'key-part');
      part.append(element('h3', '', `Вариант ${letter} · код ${variant.code}`));
      const answers = element('ol');
      for (const task of variant.tasks.slice(0, variant.count)) {
        const item = element('li');
        if (task.key) {
          task.key.forEach((text, q) => {
            if (q > 0) item.append('; ');
            const form = task.keyForms[q];
            item.append(SolutionView.symbol(QUANTITIES[q]), form ? ` = ${form} ≈ ${text}` : ` = ${text}`);
          });
        } else {
          item.textContent = task.noTriangle;
        }
        answers.append(item);
      }
      part.append(answers);
      return part;
    }

    function buildWorksheet() {
      const variants = [['A', set], ['B', variantB()]];
      const key = element('div', 'key');
      key.append(element('h2', '', 'Отговори'), ...variants.map(([letter, variant]) => keyOf(letter, variant)));
      ui.worksheet.replaceChildren(...variants.flatMap(([letter, variant]) => variantPages(letter, variant)), key);
    }

    async function copyLink() {
      let copied = false;
      try {
        await navigator.clipboard.writeText(ui.link.value);
        copied = true;
      } catch (error) {
        ui.link.select();
        copied = document.execCommand && document.execCommand('copy');
      }
      // Said at the button, and the check's result above stays.
      ui.copied.replaceChildren(document.createTextNode(
        copied ? 'Връзката е копирана.' : 'Изберете връзката и я копирайте.'));
    }

    ui.form.addEventListener('submit', (event) => {
      event.preventDefault();
      check();
    });
    ui.none.addEventListener('change', () => {
      progress.tasks[progress.current].none = ui.none.checked;
      save();
    });
    ui.hint.addEventListener('click', hint);
    ui.show.addEventListener('click', showAll);
    ui.next.addEventListener('click', nextTask);
    // A new set at any time, not only after the last task.
    ui.newSet.addEventListener('click', () => openNewSet('Ето нов набор задачи.'));
    ui.copy.addEventListener('click', copyLink);
    ui.link.addEventListener('focus', () => ui.link.select());
    ui.print.addEventListener('click', () => {
      document.body.classList.add('printing-worksheet');
      window.print();
    });
    // The worksheet (two variants, each a set's tasks made anew) is made
    // only for a print that shows it, not with every set opened. The page
    // chooses what a print shows before this hears of it.
    window.addEventListener('beforeprint', () => {
      if (set && document.body.classList.contains('printing-worksheet')) buildWorksheet();
    });
    window.addEventListener('afterprint', () => document.body.classList.remove('printing-worksheet'));
    window.addEventListener('hashchange', () => {
      const named = codeInAddress();
      if (named.named && (!set || named.code.toUpperCase() !== set.code)) openSet(named.code, {announce: true});
    });

    const named = codeInAddress();
    const last = storage.read(LAST_SET);
    if (named.named) {
      openSet(named.code, {announce: true});
      document.getElementById('Practice').scrollIntoView();
    } else if (typeof last === 'string') {
      // The last set the student worked on, unless what is stored is no code.
      const made = module.practiceSet(last);
      if (made) openSet(last, {made});
    }
    return {
      code: () => (set ? set.code : null),
      resultItems: () => (set ? resultItems(progress, set.count) : []),
      onChange: (listener) => listeners.push(listener),
    };
  }

  return {start, storage};
})();

if (typeof module !== 'undefined') module.exports = {Practice};
