// SPDX-License-Identifier: GPL-3.0-or-later
// The page: the window's controls for a browser. It reads what the user
// typed, asks the solver module for the answer exactly as triangle-solve
// gives it, and shows that answer; every number, every decision about the
// triangle and every word comes from the module.
'use strict';

(() => {
  // The window switches triangles with Ctrl+T, which a browser keeps for a
  // new tab; Alt with the key N does it here, whatever the keyboard layout.
  const kOtherTriangleShortcut = 'Alt+N';
  const kPerimeter = 8;

  const byId = (id) => document.getElementById(id);

  // Qt's arg(): %1, %2, ... in order.
  const fill = (template, ...values) =>
    values.reduce((text, value, i) => text.replaceAll(`%${i + 1}`, String(value)), template);

  // The page shows and takes a decimal comma. The solver reads a point or
  // the comma of a Bulgarian window alike, once each, so handing it the
  // text with points for commas reads the very same number.
  const toSolver = (text) => text.replaceAll(',', '.');
  const toPage = (text) => text.replace('.', ',');

  // A shown number as it is said: "7,0000" as "7", "4,0400" as "4,04".
  const spoken = (shown) => (shown.includes(',') ? shown.replace(/0+$/, '').replace(/,$/, '') : shown);

  class Page {
    constructor(module) {
      this.answer = module.cwrap('triangle_answer', 'string', ['string']);
      this.layout = module.cwrap('triangle_picture', 'string', ['string', 'number', 'number', 'number']);
      this.texts = JSON.parse(module.cwrap('triangle_texts', 'string', [])());
      this.list = byId('combinations');
      this.picture = byId('picture');
      this.other = byId('other');
      this.solutionButton = byId('solution-button');
      this.solution = byId('solution');
      this.note = byId('note');
      this.fields = [];
      this.marks = [];
      // The request the fields last solved, and every answer line of the
      // triangles it fits while there is more than one.
      this.solved = null;
      this.fitting = [];
      this.shown = 0;
      this.pictured = { request: '', shown: 0 };
      // The picture's size in pixels, kept up to date by a resize observer:
      // asking the element in the middle of a request would make the
      // browser lay out the whole page there and then.
      this.pictureSize = 0;
    }

    build() {
      const t = this.texts;
      document.title = t.title;
      byId('heading').textContent = t.labels[0];
      byId('list-label').textContent = t.labels[1];
      byId('legend').textContent = t.labels[2];
      byId('frame').textContent = t.frame;
      this.picture.setAttribute('aria-label', t.pictureName);
      this.note.setAttribute('aria-label', t.noteName);
      const motto = byId('motto');
      motto.setAttribute('aria-label', t.mottoName);
      motto.textContent = t.motto;
      const buttons = [byId('compute'), byId('clear'), byId('sample')];
      buttons.forEach((button, k) => {
        button.textContent = t.buttons[k];
        button.accessKey = t.mnemonics[k].toLowerCase();
      });
      this.other.textContent = t.otherTriangle;
      this.other.title = `${t.otherTriangle} (${kOtherTriangleShortcut})`;
      this.buildList();
      this.buildRows();
      this.connect();
    }

    buildList() {
      const words = this.texts.spoken.quantities;
      for (const combination of this.texts.combinations) {
        const option = new Option(combination.label);
        // Read in words: said aloud, "A" and "a" sound alike.
        option.setAttribute(
          'aria-label',
          [...combination.given].flatMap((mark, i) => (mark === '1' ? [words[i]] : [])).join(', ')
        );
        this.list.add(option);
      }
      this.list.setAttribute('aria-label', this.texts.listName);
    }

    buildRows() {
      const t = this.texts;
      const rows = byId('rows');
      t.fieldNames.forEach((name, position) => {
        const row = document.createElement('div');
        row.className = position < 3 ? 'row angle' : 'row';
        const caption = document.createElement('span');
        caption.className = 'mark';
        if (position < kPerimeter) {
          const mark = document.createElement('input');
          mark.type = 'checkbox';
          mark.disabled = true;
          mark.tabIndex = -1;
          mark.setAttribute('aria-hidden', 'true');
          this.marks.push(mark);
          caption.append(mark, ` ${t.marks[position]}`);
        } else {
          caption.textContent = t.perimeterLabel;
        }
        const field = document.createElement('input');
        field.type = 'text';
        field.inputMode = 'decimal';
        field.readOnly = true;
        field.maxLength = t.typingLimit;
        field.spellcheck = false;
        field.setAttribute('aria-label', name);
        this.fields.push(field);
        row.append(caption, field);
        rows.append(row);
      });
    }

    connect() {
      this.list.addEventListener('change', () => this.prepareSelection());
      this.list.addEventListener('keydown', (event) => this.typeRowNumber(event));
      // Enter in a field computes, as in the window. Caught as a key rather
      // than as the form's submission, which would first lay out the page.
      byId('values').addEventListener('keydown', (event) => {
        if (event.key !== 'Enter' || event.altKey || event.ctrlKey || event.metaKey || event.shiftKey)
          return;
        event.preventDefault();
        this.compute();
      });
      byId('compute').addEventListener('click', () => this.compute());
      byId('clear').addEventListener('click', () => this.clearAll());
      byId('sample').addEventListener('click', () => this.showSample());
      this.other.addEventListener('click', () => this.showNextTriangle());
      this.solutionButton.addEventListener('click', () => this.showSolution());
      document.addEventListener('keydown', (event) => {
        if (event.altKey && !event.ctrlKey && event.code === 'KeyN' && !this.other.hidden) {
          event.preventDefault();
          this.showNextTriangle();
        }
      });
      new ResizeObserver(([entry]) => {
        const size = Math.round(entry.contentRect.width);
        if (size !== this.pictureSize) {
          this.pictureSize = size;
          this.paint();
        }
      }).observe(this.picture);
    }

    start() {
      this.clearAll();
      this.list.selectedIndex = 0;
      this.prepareSelection();
      byId('page').hidden = false;
      this.list.focus();
    }

    // Typing a row's number selects it: "2", then "21" within a second.
    typeRowNumber(event) {
      if (!/^[0-9]$/.test(event.key) || event.altKey || event.ctrlKey || event.metaKey)
        return;
      event.preventDefault();
      const now = performance.now();
      const goingOn = this.typed !== undefined && now - this.typedAt < 1000;
      this.typedAt = now;
      let typed = goingOn ? this.typed + event.key : event.key;
      if (Number(typed) >= this.list.length)
        typed = event.key;
      this.typed = typed;
      if (this.list.selectedIndex !== Number(typed)) {
        this.list.selectedIndex = Number(typed);
        this.prepareSelection();
      }
    }

    givenPositions() {
      const combination = this.texts.combinations[this.list.selectedIndex];
      return [...combination.given].flatMap((mark, i) => (mark === '1' ? [i] : []));
    }

    prepareSelection() {
      this.endOtherTriangles();
      this.endSolution();
      this.showPicture('', 0);
      this.marks.forEach((mark, i) => {
        mark.checked = false;
        this.fields[i].value = '';
        this.fields[i].readOnly = true;
      });
      for (const position of this.givenPositions()) {
        this.marks[position].checked = true;
        this.fields[position].readOnly = false;
      }
    }

    clearAll() {
      this.endOtherTriangles();
      this.endSolution();
      this.showPicture('', 0);
      this.fields.forEach((field) => {
        field.value = '';
      });
      this.showNote(this.texts.problemStatement);
    }

    // One of the worked triangles in the eight input fields; nothing is
    // computed, and the picture stays.
    showSample() {
      this.endOtherTriangles();
      this.endSolution();
      const samples = this.texts.samples;
      const sample = samples[Math.floor(Math.random() * samples.length)];
      sample.forEach((value, i) => {
        this.fields[i].value = toPage(String(value));
      });
    }

    compute() {
      const given = this.givenPositions();
      const request = [String(this.list.selectedIndex), ...given.map((i) => toSolver(this.fields[i].value))];
      const lines = this.answer(['--all', ...request].join('\n')).split('\n');
      const [status, ...rest] = lines[0].split('\t');
      this.fitting = [];
      this.shown = 0;
      if (status === 'solved') {
        this.showValues(rest, given);
        if (rest[kPerimeter + 1] === 'triangle') {
          this.solved = request.join('\n');
          this.fitting = lines.length > 1 ? lines.map((line) => line.split('\t').slice(1)) : [];
          this.showPicture(this.solved, 0);
        } else {
          this.showPicture('', 0);
        }
      } else {
        this.showPicture('', 0);
      }
      this.other.hidden = this.fitting.length === 0;
      this.endSolution();
      this.request = request;
      this.solutionButton.hidden = status !== 'solved';
      this.showNote(this.fitting.length > 0 ? this.otherTrianglesNote() : this.noteFor(status, rest));
      this.announce(status, rest, given);
    }

    // The nine values of an answer line; the given fields keep what was
    // typed, so that computing again reads the same numbers.
    showValues(values, given) {
      this.fields.forEach((field, i) => {
        if (!given.includes(i))
          field.value = toPage(values[i]);
      });
    }

    noteFor(status, rest) {
      const notes = this.texts.notes;
      switch (status) {
        case 'invalid':
          return notes.invalid;
        case 'fault':
          return notes[rest[0]];
        case 'solved':
          return rest[kPerimeter + 1] === 'triangle' ? this.texts.problemStatement : notes['no-triangle'];
        default:
          return rest.join(' ');
      }
    }

    otherTrianglesFit() {
      const notes = this.texts.notes;
      const count = this.fitting.length;
      return count === 2 ? notes.oneOtherTriangle : fill(notes.moreOtherTriangles, count - 1);
    }

    otherTrianglesNote() {
      const notes = this.texts.notes;
      const which = fill(notes.shownTriangle, this.shown + 1, this.fitting.length);
      const how = fill(notes.howToSwitch, this.texts.otherTriangle, kOtherTriangleShortcut);
      return `${this.otherTrianglesFit()} ${which}\n${how}\n\n${this.texts.problemStatement}`;
    }

    showNextTriangle() {
      if (this.fitting.length === 0)
        return;
      this.solution.hidden = true;
      this.shown = (this.shown + 1) % this.fitting.length;
      this.showValues(this.fitting[this.shown], this.givenPositions());
      this.showNote(this.otherTrianglesNote());
      this.showPicture(this.solved, this.shown);
    }

    // The worked solution of the triangle on screen: the steps that
    // triangle-solve --steps --more writes for it, with a decimal comma.
    showSolution() {
      const lines = this.answer(['--all', '--steps', '--more', ...this.request].join('\n')).split('\n');
      let block = -1;
      const steps = [];
      for (const line of lines) {
        const fields = line.split('\t');
        if (fields[0] === 'solved' || fields[0] === 'also')
          block += 1;
        else if (fields[0] === 'step' && block === this.shown)
          steps.push(fields[4].replace(/(\d)\.(\d)/g, '$1,$2'));
      }
      const list = byId('solution-steps');
      list.replaceChildren(...steps.map((text) => {
        const item = document.createElement('li');
        item.textContent = text;
        return item;
      }));
      this.solution.hidden = false;
      this.solution.focus();
    }

    endSolution() {
      this.solution.hidden = true;
      this.solutionButton.hidden = true;
    }

    endOtherTriangles() {
      if (this.fitting.length === 0)
        return;
      this.fitting = [];
      this.shown = 0;
      this.other.hidden = true;
      this.showNote(this.texts.problemStatement);
    }

    // Rewriting the same text would scroll the note back to its top.
    showNote(text) {
      if (this.note.textContent !== text)
        this.note.textContent = text;
    }

    // The fields change without the focus moving: a screen reader hears of
    // it here. A failed request is an alert; a solved one a status with the
    // sides, S, R and P it computed. The angles are left to the picture's
    // description: said aloud, the angle A and the side a sound alike.
    announce(status, rest, given) {
      const solvedTriangle = status === 'solved' && rest[kPerimeter + 1] === 'triangle';
      const region = byId(solvedTriangle ? 'status' : 'alert');
      let text = this.noteFor(status, rest);
      if (solvedTriangle) {
        const results = [];
        for (let position = 3; position <= kPerimeter; ++position) {
          if (!given.includes(position))
            results.push(`${this.texts.tags[position]} = ${spoken(this.fields[position].value)}`);
        }
        text = this.texts.spoken.solved + results.join(', ');
        if (this.fitting.length > 0)
          text += `. ${this.otherTrianglesFit()}`;
      }
      byId('status').textContent = '';
      byId('alert').textContent = '';
      region.textContent = text;
    }

    showPicture(request, shown) {
      this.pictured = { request, shown };
      this.paint();
    }

    paint() {
      const size = this.pictureSize;
      if (size === 0)
        return;
      const { request, shown } = this.pictured;
      const layout = JSON.parse(this.layout(request, shown, size, size));
      window.paintPicture(this.picture, layout, size, this.texts.enlargedPicture);
      byId('picture-description').textContent = this.describe(layout);
    }

    describe(layout) {
      const t = this.texts;
      if (layout.startUp)
        return t.spoken.startUpPicture;
      const said = (value, decimals) => spoken(toPage(value.toFixed(decimals)));
      let text = fill(
        t.spoken.triangle,
        ...layout.sides.map((side) => said(side, 4)),
        ...layout.angles.map((angle) => said(angle, 1))
      );
      if (layout.enlarged)
        text += `. ${t.enlargedPicture}`;
      return text;
    }
  }

  createTriangleModule()
    .then((module) => {
      const page = new Page(module);
      page.build();
      page.start();
    })
    .catch((error) => {
      // Without the module there is nothing to compute with: say so rather
      // than leave the page empty.
      const message = document.createElement('p');
      message.textContent = `Изчислителят не се зареди: ${error}`;
      document.body.append(message);
    });
})();
