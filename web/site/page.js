// The browser edition's window: builds TriangleForm from the control table
// that the WebAssembly module holds, offers its controls to the window's
// logic (the same C++ as on the desktop) and raises the logic's handlers on
// the user's clicks and keys.
'use strict';

(function () {
  const QUANTITIES = 6;

  // Twips to CSS pixels, as the desktop maps them: 15 to the pixel.
  let twipsPerPixel = 15;
  const px = (twips) => `${Math.trunc(twips / twipsPerPixel)}px`;
  const rgb = (colour) => `rgb(${colour[0]}, ${colour[1]}, ${colour[2]})`;

  function place(element, control) {
    element.id = control.objectName;
    element.classList.add('control', control.kind);
    Object.assign(element.style, {
      left: px(control.left),
      top: px(control.top),
      width: px(control.width),
      height: px(control.height),
    });
    if (control.background) element.style.backgroundColor = rgb(control.background);
  }

  // The pair list: one row always selected once one is, by mouse, touch or
  // keyboard (arrows, Home, End, Page Up, Page Down, and a letter jumps to
  // the next row that begins with it). `changed` runs whenever the selected
  // row changes, whether the user or the program changed it.
  class PairList {
    constructor(element, texts, changed) {
      this.element = element;
      this.changed = changed;
      this.selected = -1;
      element.setAttribute('role', 'listbox');
      element.tabIndex = 0;
      this.rows = texts.map((text, row) => {
        const option = document.createElement('div');
        option.id = `${element.id}_row${row}`;
        option.className = 'row';
        option.setAttribute('role', 'option');
        option.setAttribute('aria-selected', 'false');
        option.textContent = text;
        // A tap that scrolls the list raises no click, so only a real tap selects.
        option.addEventListener('click', () => {
          element.focus();
          this.select(row);
        });
        element.appendChild(option);
        return option;
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

  // Builds the twenty-one controls in tab order; returns them by name.
  // `events` hears of the list's changes and the buttons' presses, which it
  // passes on to the window's logic.
  function buildWindow(module, form, events) {
    const definition = module.windowDefinition();
    twipsPerPixel = definition.twipsPerPixel;
    document.title = definition.caption;
    Object.assign(form.style, {
      width: px(definition.clientWidth),
      height: px(definition.clientHeight),
      backgroundColor: rgb(definition.background),
    });

    const controls = {text1: [], label1: [], check1: [], text2: [], command1: [], frame1: null, list1: null};
    const table = module.controlTable();
    for (let n = 0; n < table.length; ++n) {
      const control = table[n];
      const parent = control.inFrame ? controls.frame1 : form;
      let element;
      switch (control.kind) {
        case 'TextBox':
          if (control.multiLine) {
            element = document.createElement('textarea');
            // The definition's lines end in CR LF; a text area breaks at LF.
            element.value = control.text.replace(/\r\n/g, '\n');
            element.readOnly = control.locked;
            element.wrap = 'soft';
            element.spellcheck = false;
            controls.text1[control.index] = element;
          } else {
            element = document.createElement('input');
            element.type = 'text';
            element.inputMode = 'decimal';
            element.autocomplete = 'off';
            element.spellcheck = false;
            element.readOnly = control.locked;
            if (control.maxLength > 0) element.maxLength = control.maxLength;
            controls.text2[control.index] = element;
          }
          element.setAttribute('aria-label', control.accessibleName);
          break;
        case 'Label':
          element = document.createElement('div');
          element.textContent = control.text;
          if (control.centred) element.classList.add('centred');
          controls.label1[control.index] = element;
          break;
        case 'Frame': {
          element = document.createElement('div');
          element.setAttribute('role', 'group');
          element.setAttribute('aria-label', control.accessibleName);
          const caption = document.createElement('span');
          caption.className = 'caption';
          caption.textContent = control.text;
          caption.setAttribute('aria-hidden', 'true');
          element.appendChild(caption);
          controls.frame1 = element;
          break;
        }
        case 'CheckBox': {
          element = document.createElement('label');
          const box = document.createElement('input');
          box.type = 'checkbox';
          box.disabled = !control.enabled;
          box.setAttribute('aria-label', control.accessibleName);
          const caption = document.createElement('span');
          caption.textContent = control.text;
          caption.setAttribute('aria-hidden', 'true');
          element.append(box, caption);
          controls.check1[control.index] = box;
          break;
        }
        case 'ListBox':
          element = document.createElement('div');
          element.id = control.objectName;
          element.setAttribute('aria-label', control.accessibleName);
          controls.list1 = new PairList(element, definition.pairTexts, () => events.listChanged());
          break;
        case 'Button':
          element = document.createElement('button');
          element.type = 'button';
          element.textContent = control.text;
          element.setAttribute('aria-label', control.accessibleName);
          element.addEventListener('click', () => events.buttonPressed(control.index));
          // Neither button is the window's default or cancel button: Enter
          // presses nothing, while Space presses the focused one.
          element.addEventListener('keydown', (event) => {
            if (event.key === 'Enter') event.preventDefault();
          });
          controls.command1[control.index] = element;
          break;
        case 'PictureBox': {
          element = document.createElement('div');
          element.setAttribute('role', 'img');
          element.setAttribute('aria-label', control.accessibleName);
          const picture = document.createElement('img');
          picture.src = 'triangle.png';
          picture.srcset = 'triangle.png 1x, triangle@2x.png 2x';
          picture.width = 180;
          picture.height = 140;
          picture.alt = '';
          picture.draggable = false;
          element.appendChild(picture);
          break;
        }
        default:
          continue;
      }
      place(element, control);
      if (!control.visible) element.hidden = true;
      parent.appendChild(element);
    }
    controls.pairs = definition.pairs;
    return controls;
  }

  // The window's events go to the logic as they are; the logic hands the
  // section „Решение“ below the window the solution of each "Изчисли" (and
  // an empty one when the values are cleared or another row is chosen).
  function windowEvents(module) {
    return {
      listChanged: () => module.list1Click(0),
      buttonPressed: (index) => module.command1Click(index),
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

  // On a screen narrower than the window, the whole window scales down to
  // fit the width, keeping its proportions; it never reflows.
  function fitToWidth(form) {
    const scaler = document.getElementById('scaler');
    const width = form.offsetWidth + 2;  // with its 1-pixel frame
    const height = form.offsetHeight + 2;
    const fit = () => {
      const scale = Math.min(1, document.documentElement.clientWidth / width);
      form.style.transform = scale < 1 ? `scale(${scale})` : '';
      scaler.style.width = `${width * scale}px`;
      scaler.style.height = `${height * scale}px`;
    };
    window.addEventListener('resize', fit);
    fit();
  }

  function registerServiceWorker() {
    if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
      navigator.serviceWorker.register('sw.js').catch(() => {});
    }
  }

  createTriangleModule().then((module) => {
    const form = document.getElementById('TriangleForm');
    let controls = null;
    controls = buildWindow(module, form, windowEvents(module));
    for (let i = 0; i < QUANTITIES; ++i) {
      if (!controls.check1[i] || !controls.text2[i]) throw new Error(`Check1(${i}) or Text2(${i}) missing`);
    }
    fitToWidth(form);
    const settings = regionalSettingsOf(navigator.language);
    module.load(pageProperties(controls, failureDialog(), solutionSection()), settings);
    form.removeAttribute('aria-busy');
    // The window opens with the focus in the task text, the first control
    // of the tab order that can take it.
    controls.text1[0].focus();
    controls.text1[0].setSelectionRange(0, 0);
    controls.text1[0].scrollTop = 0;
    window.rightTriangle = {module, controls, settings};
    window.rightTriangleReadyAt = performance.now();  // for the start-up benchmark
    registerServiceWorker();
  });
})();
