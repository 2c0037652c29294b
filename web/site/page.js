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
      this.selected = -1;
      this.rows = Array.from(element.querySelectorAll('[role="option"]'));
      this.rows.forEach((option, row) => {
        // A tap that scrolls the list raises no click, so only a real tap selects.
        option.addEventListener('click', () => {
          element.focus({preventScroll: true});
          this.select(row);
        });
      });
      element.addEventListener('keydown', (event) => this.key(event));
    }

    select(row) {
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
      this.changed();
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

  // Takes over the twenty-one controls that the page's markup already holds,
  // by the names of the module's control table (a page and a module from
  // different builds fail here, not later); returns them by name. `events`
  // hears of the list's changes and the buttons' presses, which it passes on
  // to the window's logic.
  function adoptWindow(module, definition, events) {
    const controls = {text1: [], check1: [], text2: [], command1: [], list1: null};
    const table = module.controlTable();
    for (let n = 0; n < table.length; ++n) {
      const control = table[n];
      const element = document.getElementById(control.objectName);
      if (!element) throw new Error(`${control.objectName} missing from the page`);
      switch (control.kind) {
        case 'TextBox':
          (element.tagName === 'TEXTAREA' ? controls.text1 : controls.text2)[control.index] = element;
          break;
        case 'CheckBox':
          controls.check1[control.index] = element.querySelector('input');
          break;
        case 'ListBox':
          controls.list1 = new PairList(element, () => events.listChanged());
          break;
        case 'Button':
          element.addEventListener('click', () => events.buttonPressed(control.index));
          // Neither button is the window's default or cancel button: Enter
          // presses nothing, while Space presses the focused one.
          element.addEventListener('keydown', (event) => {
            if (event.key === 'Enter') event.preventDefault();
          });
          controls.command1[control.index] = element;
          break;
        default:
          break;
      }
    }
    controls.pairs = definition.pairs;
    return controls;
  }

  // The window's events go to the logic as they are; the logic hands the
  // section „Решение“ below the window the solution of each "Изчисли" (and
  // an empty one when the values are cleared or another row is chosen).
  function windowEvents(module, notice) {
    return {
      listChanged: () => {
        module.list1Click(0);
        notice.clear();
      },
      buttonPressed: (index) => {
        // Read before the click: „Изчисли“ writes the given boxes too.
        const notes = notice.notesBefore(index);
        module.command1Click(index);
        notice.show(notes);
      },
    };
  }

  // What the boxes alone would not say about how the given values were
  // read ("4,8" read as 4 where the decimal sign is "."; a value that is not
  // positive, so nothing was computed): beside the window, in view, and
  // announced. The boxes themselves get exactly what the window gives them.
  function readingNotice(module, controlsOf) {
    const notice = document.getElementById('ReadingNotice');
    const show = (notes) => {
      // New nodes each time, so that the same words are announced again.
      notice.replaceChildren(...notes.map((note) => {
        const line = document.createElement('p');
        line.textContent = note;
        return line;
      }));
      if (notes.length) notice.scrollIntoView({block: 'nearest'});
    };
    return {
      clear: () => show([]),
      show,
      notesBefore: (index) => {
        const controls = controlsOf();
        return index === 0 ? module.readingNotes(controls.list1.selected, controls.text2.map((box) => box.value)) : [];
      },
    };
  }

  function solutionSection() {
    const section = document.getElementById('Solution');
    return (solution) => {
      if (solution.outcome === 'noPair') {
        SolutionView.clear(section);
      } else {
        SolutionView.show(section, solution);
      }
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
  function pageProperties(controls, showFailure, showSolution) {
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
      showSolution,
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

  // Below the window's width the style sheet stands the controls in one
  // column, in the order a student works. The focus follows the visual
  // order, so the controls move into that order in the document too, and
  // back when the screen widens; the focus, the caret and the scroll
  // positions stay where they were.
  const WORK_ORDER = ['Label1_0', 'Label1_1', 'List1_0', 'Frame1', 'Command1_0', 'Command1_1', 'Picture1', 'Text1_0',
    'Text1_1'];

  function followLayout(form, windowWidth) {
    const tabOrder = Array.from(form.children);
    const workOrder = WORK_ORDER.map((id) => document.getElementById(id));
    const wide = window.matchMedia(`(min-width: ${windowWidth}px)`);
    const arrange = () => {
      const order = wide.matches ? tabOrder : workOrder;
      if (order.every((element, n) => form.children[n] === element)) return;
      const focused = document.activeElement;
      const caret = focused && 'selectionStart' in focused && focused.selectionStart !== null
        ? [focused.selectionStart, focused.selectionEnd, focused.selectionDirection] : null;
      const scrolled = Array.from(form.querySelectorAll('textarea, .ListBox'), (element) => [element, element.scrollTop]);
      form.append(...order);
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

  // The module that the page began to compile as it loaded; when that failed
  // (a server that sends .wasm with another type cannot stream it), the
  // module's bytes, compiled once they are all here.
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

  // The module instantiates while the regional settings are read: the first
  // use of Intl is slow (it loads the locale data), and it need not wait.
  const starting = createTriangleModule(moduleOptions());
  const settings = regionalSettingsOf(navigator.language);
  starting.then((module) => {
    const form = document.getElementById('TriangleForm');
    const definition = module.windowDefinition();
    let adopted = null;
    const notice = readingNotice(module, () => adopted);
    const controls = adoptWindow(module, definition, windowEvents(module, notice));
    adopted = controls;
    for (let i = 0; i < QUANTITIES; ++i) {
      if (!controls.check1[i] || !controls.text2[i]) throw new Error(`Check1(${i}) or Text2(${i}) missing`);
    }
    const wide = followLayout(form, Math.trunc(definition.clientWidth / definition.twipsPerPixel) + 2);
    const properties = pageProperties(controls, failureDialog(), solutionSection());
    module.load(properties, settings);
    form.removeAttribute('inert');
    form.removeAttribute('aria-busy');
    // The window opens with the focus on the first control of the focus
    // order that can take it: the task text, or, in one column, the list.
    if (wide.matches) {
      controls.text1[0].focus();
      controls.text1[0].setSelectionRange(0, 0);
      controls.text1[0].scrollTop = 0;
    } else {
      controls.list1.element.focus({preventScroll: true});
    }
    Practice.start(module);
    window.rightTriangle = {module, controls, settings, properties};
    window.rightTriangleReadyAt = performance.now();  // for the start-up benchmark
    window.rightTriangle.kept = registerServiceWorker();
  });
})();
