// The browser edition's window: builds TriangleForm from the control table
// that the WebAssembly module holds, offers its controls to the window's
// logic (the same C++ as on the desktop) and raises the logic's handlers on
// the user's clicks and keys.
'use strict';

(function () {
  const QUANTITIES = 6;

  // The pair list: one row always selected once one is, by mouse, touch or
  // keyboard (arrows, Home, End, Page Up, Page Down, and a letter jumps to
  // the next row that begins with it). `changed` runs whenever the selected
  // row changes, whether the user or the program changed it.
  class PairList {
    constructor(element, changed) {
      this.element = element;
      this.changed = changed;
      this.rows = Array.from(element.querySelectorAll('[role="option"]'));
      // The markup comes with the row that Form_Load selects.
      this.selected = this.rows.findIndex((option) => option.getAttribute('aria-selected') === 'true');
      this.rows.forEach((option, row) => {
        // A tap that scrolls the list raises no click, so only a real tap selects.
        option.addEventListener('click', () => {
          element.focus({preventScroll: true});
          this.select(row);
        });
      });
      element.addEventListener('keydown', (event) => this.key(event));
    }

    // `quietly` changes the row without telling `changed`.
    select(row, {quietly = false} = {}) {
      if (row === this.selected) return;
      if (this.selected >= 0) {
        this.rows[this.selected].classList.remove('selected');
        this.rows[this.selected].setAttribute('aria-selected', 'false');
      }
      this.selected = row >= 0 && row < this.rows.length ? row : -1;
      if (this.selected >= 0) {
        const option = this.rows[this.selected];
        option.classList.add('selected');
        option.setAttribute('aria-selected', 'true');
        this.element.setAttribute('aria-activedescendant', option.id);
        this.scrollIntoView(option);
      } else {
        this.element.removeAttribute('aria-activedescendant');
      }
      if (!quietly) this.changed();
    }

    scrollIntoView(option) {
      const list = this.element;
      if (option.offsetTop < list.scrollTop) list.scrollTop = option.offsetTop;
      const bottom = option.offsetTop + option.offsetHeight;
      if (bottom > list.scrollTop + list.clientHeight) list.scrollTop = bottom - list.clientHeight;
    }

    key(event) {
      if (event.altKey || event.ctrlKey || event.metaKey) return;
      const last = this.rows.length - 1;
      const page = Math.max(1, Math.floor(this.element.clientHeight / this.rows[0].offsetHeight) - 1);
      const current = this.selected;
      const moves = {
        ArrowDown: Math.min(last, current + 1),
        ArrowUp: Math.max(0, current - 1),
        // As in the system's list box; on a phone the rows stand in a grid.
        ArrowRight: Math.min(last, current + 1),
        ArrowLeft: Math.max(0, current - 1),
        Home: 0,
        End: last,
        PageDown: Math.min(last, current + page),
        PageUp: Math.max(0, current - page),
      };
      if (event.key in moves) {
        event.preventDefault();
        this.select(moves[event.key]);
        return;
      }
      if (event.key.length === 1 && event.key !== ' ') {
        const letter = event.key.toLowerCase();
        for (let step = 1; step <= this.rows.length; ++step) {
          const row = (current + step + this.rows.length) % this.rows.length;
          if (this.rows[row].textContent.toLowerCase().startsWith(letter)) {
            event.preventDefault();
            this.select(row);
            return;
          }
        }
      }
    }
  }

  // The twenty-one controls of the page's markup, by the names of the
  // window's control table. `events` hears of the list's changes and the
  // buttons' presses. Each row of the list names its two value boxes.
  function windowControls(events) {
    const byId = (id) => document.getElementById(id);
    const numbers = (count) => Array.from({length: count}, (_, n) => n);
    const controls = {
      text1: numbers(2).map((n) => byId(`Text1_${n}`)),
      check1: numbers(QUANTITIES).map((n) => byId(`Check1_${n}`).querySelector('input')),
      text2: numbers(QUANTITIES).map((n) => byId(`Text2_${n}`)),
      list1: new PairList(byId('List1_0'), () => events.listChanged()),
      command1: numbers(2).map((n) => byId(`Command1_${n}`)),
    };
    controls.command1.forEach((button, index) => {
      button.addEventListener('click', () => events.buttonPressed(index));
      // Neither button is the window's default or cancel button: Enter
      // presses nothing, while Space presses the focused one.
      button.addEventListener('keydown', (event) => {
        if (event.key === 'Enter') event.preventDefault();
      });
    });
    controls.pairs = controls.list1.rows.map((row) => row.dataset.given.split(' ').map(Number));
    return controls;
  }

  // A page and a module from different builds fail here, not later.
  function checkControls(module) {
    const table = module.controlTable();
    for (let n = 0; n < table.length; ++n) {
      if (!document.getElementById(table[n].objectName)) throw new Error(`${table[n].objectName} missing from the page`);
    }
  }

  // Until the window's logic has arrived, the window does at once what the
  // student sees it do: a chosen row ticks and opens its two boxes and
  // empties all six (as SelectGivenPair does), „Изчисти“ empties them, and
  // „Изчисли“ waits to run once the logic is there. The logic then starts
  // from the row and the texts that the student left.
  function waitingEvents(controls) {
    const waiting = {calculate: false};
    waiting.listChanged = () => {
      const given = controls.pairs[controls.list1.selected] || [];
      for (let i = 0; i < QUANTITIES; ++i) {
        controls.check1[i].checked = given.includes(i);
        controls.text2[i].value = '';
        controls.text2[i].readOnly = !given.includes(i);
      }
      waiting.calculate = false;
    };
    waiting.buttonPressed = (index) => {
      if (index === 0) waiting.calculate = true;
      if (index === 1) {
        for (const box of controls.text2) box.value = '';
        waiting.calculate = false;
      }
    };
    return waiting;
  }

  // The window's events go to the logic as they are; what the boxes do not
  // say about the given values is said beside the window.
  function logicEvents(module, notice) {
    return {
      listChanged: () => {
        module.list1Click(0);
        notice.clear();
      },
      buttonPressed: (index) => {
        // Read before the click: „Изчисли“ writes the given boxes too.
        const notes = index === 0 ? module.readingNotes() : [];
        module.command1Click(index);
        notice.show(notes);
      },
    };
  }

  // What the window says beside its buttons (the note on the values read,
  // under the link to „Решение“), brought into view as a whole.
  function showBesideButtons() {
    const notice = document.getElementById('ReadingNotice');
    (notice.childElementCount ? notice : document.getElementById('SolutionCue')).scrollIntoView({block: 'nearest'});
  }

  // What the boxes alone would not say about how the given values were
  // read ("4,8" read as 4 where the decimal sign is "."; a value that is not
  // positive, so nothing was computed): beside the window, in view, and
  // announced. The boxes themselves get exactly what the window gives them.
  function readingNotice() {
    const notice = document.getElementById('ReadingNotice');
    const show = (notes) => {
      // New nodes each time, so that the same words are announced again.
      notice.replaceChildren(...notes.map((note) => {
        const line = document.createElement('p');
        line.textContent = note;
        return line;
      }));
      if (notes.length) showBesideButtons();
    };
    return {clear: () => show([]), show};
  }

  // „Решение“ below the window: the tutor module solves the window's run
  // again, with steps, from its row and the two texts as typed. A run that
  // ends before the tutor has arrived is shown when it arrives; a later run
  // or a clearing replaces it.
  // In the column „Решение“ begins far below „Изчисли“: a link beside the
  // buttons leads there while it shows a solution.
  function solutionSection(tutorReady) {
    const section = document.getElementById('Solution');
    const cue = document.getElementById('SolutionCue');
    cue.addEventListener('click', (event) => {
      event.preventDefault();  // the address keeps its practice code
      section.scrollIntoView({block: 'start'});
      section.focus({preventScroll: true});
    });
    let run = 0;
    return {
      showSolutionOf: (listIndex, first, second) => {
        const mine = ++run;
        tutorReady.then((tutor) => {
          if (mine !== run) return;
          SolutionView.show(section, tutor.windowSolution(listIndex, first, second));
          cue.hidden = section.hidden;
          if (!cue.hidden) showBesideButtons();
        }, () => {});
      },
      clearSolution: () => {
        ++run;
        if (typeof SolutionView !== 'undefined') SolutionView.clear(section);
        cue.hidden = true;
      },
    };
  }

  // The failure message: modal, announced as an alert dialog; the focus goes
  // back where it was when it closes, and the boxes keep their texts.
  function failureDialog() {
    const dialog = document.getElementById('FailureMessage');
    const ok = document.getElementById('FailureOk');
    let returnFocus = null;
    ok.addEventListener('click', () => dialog.close());
    dialog.addEventListener('close', () => {
      if (returnFocus && returnFocus.isConnected) returnFocus.focus();
      returnFocus = null;
    });
    return (title, explanation, advice) => {
      document.getElementById('FailureTitle').textContent = title;
      document.getElementById('FailureText').textContent = explanation;
      document.getElementById('FailureAdvice').textContent = advice;
      returnFocus = document.activeElement;
      dialog.showModal();
      ok.focus();
    };
  }

  // What the window's logic reads and writes of the controls.
  function pageProperties(controls, showFailure, solution) {
    const check = (i) => controls.check1[i];
    const box = (i) => controls.text2[i];
    return {
      listIndex: () => controls.list1.selected,
      // A different row raises List1_Click before this returns.
      setListIndex: (row) => controls.list1.select(row),
      checkValue: (i) => (check(i).checked ? 1 : 0),
      setCheckValue: (i, value) => {
        check(i).checked = value === 1;
      },
      setCheckEnabled: (i, enabled) => {
        check(i).disabled = !enabled;
      },
      text: (i) => box(i).value,
      // The program's write is never cut: maxlength limits only typing and pasting.
      setText: (i, text) => {
        box(i).value = text;
      },
      setLocked: (i, locked) => {
        box(i).readOnly = locked;
      },
      setMaxLength: (i, length) => {
        box(i).maxLength = length;
      },
      showFailure,
      showSolutionOf: solution.showSolutionOf,
      clearSolution: solution.clearSolution,
    };
  }

  // The worker keeps the site for visits with no network. The drawing is
  // not in its list: once it controls the page, the page asks again for the
  // one that this screen shows (from the browser's cache), and the worker
  // keeps it.
  // Resolves once the drawing is kept (or cannot be).
  function registerServiceWorker() {
    if (!('serviceWorker' in navigator) || !location.protocol.startsWith('http')) return Promise.resolve();
    navigator.serviceWorker.register('sw.js').catch(() => {});
    const controlled = navigator.serviceWorker.controller ? Promise.resolve() :
      new Promise((resolve) => navigator.serviceWorker.addEventListener('controllerchange', resolve, {once: true}));
    return controlled.then(() => {
      const drawing = document.querySelector('#Picture1 img');
      return drawing && drawing.currentSrc ? fetch(drawing.currentSrc).then(() => {}, () => {}) : undefined;
    });
  }

  // Below the window's width, and on touch screens, the style sheet stands
  // the controls in one column, in the order a student works. The focus
  // follows the visual order, so the controls move into that order in the
  // document too, and back where the window's geometry holds (`windowMedia`);
  // the focus, the caret and the scroll positions stay where they were. In
  // the column the note on the values read and the link to „Решение“ stand
  // beside the buttons; by the window they stand under it.
  const WORK_ORDER = ['Label1_0', 'Label1_1', 'List1_0', 'Frame1', 'Command1_0', 'Command1_1', 'SolutionCue',
    'ReadingNotice', 'Picture1', 'Text1_0', 'Text1_1'];
  const UNDER_WINDOW = ['ReadingNotice', 'SolutionCue'];

  function followLayout(form, windowMedia) {
    const tabOrder = Array.from(form.children);
    const workOrder = WORK_ORDER.map((id) => document.getElementById(id));
    const underWindow = UNDER_WINDOW.map((id) => document.getElementById(id));
    const wide = window.matchMedia(windowMedia);
    const arrange = () => {
      const order = wide.matches ? tabOrder : workOrder;
      if (order.every((element, n) => form.children[n] === element) && form.children.length === order.length) return;
      const focused = document.activeElement;
      const caret = focused && 'selectionStart' in focused && focused.selectionStart !== null
        ? [focused.selectionStart, focused.selectionEnd, focused.selectionDirection] : null;
      const scrolled = Array.from(form.querySelectorAll('textarea, .ListBox'), (element) => [element, element.scrollTop]);
      form.append(...order);
      if (wide.matches) form.after(...underWindow);
      for (const [element, top] of scrolled) element.scrollTop = top;
      if (focused && form.contains(focused) && document.activeElement !== focused) {
        focused.focus({preventScroll: true});
        if (caret) focused.setSelectionRange(...caret);
      }
    };
    wide.addEventListener('change', arrange);
    arrange();
    return wide;
  }

  // The window module that the page began to compile as it loaded; when
  // that failed (a server that sends .wasm with another type cannot stream
  // it), the module's bytes, compiled once they are all here.
  function moduleOptions() {
    const compiling = window.triangleWasm;
    if (!compiling) return {};
    const fromBytes = (imports) => fetch('triangle.wasm')
      .then((response) => response.arrayBuffer())
      .then((bytes) => WebAssembly.instantiate(bytes, imports))
      .then((result) => result.instance);
    return {
      instantiateWasm(imports, receive) {
        compiling
          .then((compiled) => (compiled ? WebAssembly.instantiate(compiled, imports) : fromBytes(imports)))
          .then((instance) => receive(instance));
        return {};
      },
    };
  }

  // The window module's script loads beside the page (async): its factory,
  // once the script has run.
  function windowModule() {
    if (typeof createTriangleModule === 'function') return createTriangleModule(moduleOptions());
    const script = document.getElementById('WindowModule');
    return new Promise((resolve, reject) => {
      script.addEventListener('load', () => resolve(createTriangleModule(moduleOptions())));
      script.addEventListener('error', reject);
    });
  }

  // The tutor's scripts and module, after the window's: the page's first
  // load is the window alone.
  function loadTutor(settings) {
    const script = (source) => new Promise((resolve, reject) => {
      const element = document.createElement('script');
      element.src = source;
      element.async = false;  // run in this order
      element.addEventListener('load', resolve);
      element.addEventListener('error', () => reject(new Error(`${source} did not load`)));
      document.head.append(element);
    });
    return Promise.all(['qrcode.js', 'qr_picture.js', 'solution_view.js', 'practice.js', 'classroom.js', 'tutor.js']
      .map(script))
      .then(() => createTutorModule())
      .then((tutor) => {
        tutor.setSettings(settings);
        return tutor;
      });
  }

  // What the browser's own print (Ctrl+P) prints, as a document: where the
  // student looks at the practice section with a task, the worksheet; at
  // the teacher's section with a class's table, the table; elsewhere the
  // window with its result and „Решение“, without buttons. "Looks at": the
  // part that holds the focus, or else the one that fills most of the view.
  // A „Печат“ button may have chosen already.
  const PRINTS = ['printing-worksheet', 'printing-class', 'printing-window'];
  function inView(element) {
    const box = element.getBoundingClientRect();
    const width = Math.max(0, Math.min(box.right, window.innerWidth) - Math.max(box.left, 0));
    const height = Math.max(0, Math.min(box.bottom, window.innerHeight) - Math.max(box.top, 0));
    return width * height;
  }
  function followPrinting() {
    window.addEventListener('beforeprint', () => {
      const body = document.body;
      if (PRINTS.some((name) => body.classList.contains(name))) return;
      const $ = (id) => document.getElementById(id);
      const focused = document.activeElement;
      const holds = (element) => (element.contains(focused) ? Infinity : inView(element));
      const parts = [
        ['printing-window', Math.max(holds($('stage')), holds($('Solution')))],
        ['printing-worksheet', $('PracticeTask').hidden ? 0 : holds($('Practice'))],
        ['printing-class', $('ClassView').hidden ? 0 : holds($('Teacher'))],
      ];
      body.classList.add(parts.reduce((best, part) => (part[1] > best[1] ? part : best))[0]);
    });
    window.addEventListener('afterprint', () => document.body.classList.remove(...PRINTS));
  }

  // The window's drawing comes last: on a slow network the window's logic,
  // which shares the bandwidth, comes first.
  function showDrawing() {
    const drawing = document.querySelector('#Picture1 img');
    if (drawing.dataset.srcset) drawing.srcset = drawing.dataset.srcset;
    if (drawing.dataset.src) drawing.src = drawing.dataset.src;
  }

  // The logic takes over the window in the state that the student has left
  // it in: Form_Load runs on the definition's state, as the forms runtime
  // runs it, then the row chosen meanwhile is chosen again (List1_Click),
  // the texts typed meanwhile stand in its boxes again, and a waiting
  // „Изчисли“ runs, once.
  function takeOver(module, controls, events, waiting, properties, settings) {
    const typed = controls.text2.map((box) => box.value);
    const row = controls.list1.selected;
    controls.list1.select(-1, {quietly: true});
    Object.assign(events, logicEvents(module, readingNotice()));
    module.load(properties, settings);
    if (row >= 0) controls.list1.select(row);
    controls.text2.forEach((box, i) => {
      if (!box.readOnly && typed[i] !== '') box.value = typed[i];
    });
    if (waiting.calculate) events.buttonPressed(0);
  }

  // The window works from its first paint: the markup is in Form_Load's
  // state, so the boxes take typing at once, and the list and the buttons
  // work from here on, before the window's module has arrived.
  const form = document.getElementById('TriangleForm');
  followPrinting();
  const events = {};
  const controls = windowControls(events);
  const waiting = waitingEvents(controls);
  Object.assign(events, waiting);
  // The window opens with the focus on the first control of the focus
  // order that can take it (the task text, or in one column the list),
  // unless the student has already put it somewhere.
  const wide = followLayout(form, form.dataset.windowMedia);
  if (document.activeElement === document.body || document.activeElement === null) {
    if (wide.matches) {
      controls.text1[0].focus({preventScroll: true});
      controls.text1[0].setSelectionRange(0, 0);
    } else {
      controls.list1.element.focus({preventScroll: true});
    }
  }

  let windowReady = null;
  const tutorReady = new Promise((resolve) => {
    windowReady = resolve;
  }).then(loadTutor);
  // The regional settings are read after the first frame, while the module
  // is on its way: the first use of Intl is slow (it loads the locale data),
  // and the first paint need not wait for it.
  let settings = null;
  const readSettings = () => {
    if (!settings) settings = regionalSettingsOf(navigator.language);
    return settings;
  };
  requestAnimationFrame(() => setTimeout(readSettings));
  const properties = pageProperties(controls, failureDialog(), solutionSection(tutorReady));
  windowModule().then((module) => {
    checkControls(module);
    takeOver(module, controls, events, waiting, properties, readSettings());
    form.removeAttribute('aria-busy');
    window.rightTriangle = {module, controls, settings, properties};
    window.rightTriangleReadyAt = performance.now();  // for the start-up benchmark
    windowReady(settings);
  }).catch(() => {
    readingNotice().show(['Програмата не се зареди докрай. Проверете връзката и презаредете страницата.']);
  }).finally(showDrawing);
  tutorReady.then((tutor) => {
    Classroom.start(tutor, Practice.start(tutor));
    window.rightTriangle.tutor = tutor;
  }).catch(() => {
    const notice = document.getElementById('PracticeNotice');
    notice.textContent = 'Решението и упражнението не се заредиха. Проверете връзката и презаредете страницата.';
    notice.hidden = false;
  }).finally(() => {
    if (window.rightTriangle) window.rightTriangle.kept = registerServiceWorker();
  });
})();
