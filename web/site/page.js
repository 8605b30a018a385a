// SPDX-License-Identifier: GPL-3.0-or-later
// The page: the window's controls for a browser, a face of the same session
// the window runs. It forwards what the user does to the solver module and
// shows the view the module hands back; every number, every note, what
// empties and what shows is decided there, in the module's words.
'use strict';

(() => {
  const kPerimeter = 8;
  const kValueFields = 8;

  const byId = (id) => document.getElementById(id);

  // The module's entries, each answering with JSON.
  function entries(module) {
    const call = (name, ...types) => {
      const entry = module.cwrap(name, 'string', types);
      return (...args) => JSON.parse(entry(...args));
    };
    return {
      texts: call('triangle_texts'),
      view: call('triangle_view'),
      choose: call('triangle_choose', 'number'),
      compute: call('triangle_compute', 'string'),
      next: call('triangle_next'),
      sample: call('triangle_sample', 'number'),
      clear: call('triangle_clear'),
      solution: call('triangle_solution'),
      picture: call('triangle_picture', 'number', 'number'),
    };
  }

  class Page {
    constructor(module) {
      this.session = entries(module);
      this.texts = this.session.texts();
      this.list = byId('combinations');
      this.picture = byId('picture');
      this.other = byId('other');
      this.solutionButton = byId('solution-button');
      this.solution = byId('solution');
      this.note = byId('note');
      this.fields = [];
      this.marks = [];
      this.view = null;
      // Where the focus goes back to when the solution closes.
      this.solutionOpener = null;
      // The pictures' sizes in pixels, kept up to date by a resize observer:
      // asking an element in the middle of a request would make the browser
      // lay out the whole page there and then.
      this.sizes = new Map();
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
      this.other.title = `${t.otherTriangle} (${t.otherTriangleShortcut})`;
      this.solutionButton.textContent = t.solutionButton;
      byId('solution-title').textContent = t.solution.title;
      byId('solution-picture').setAttribute('aria-label', t.solution.pictureName);
      byId('solution-text').setAttribute('aria-label', t.solution.textName);
      byId('solution-close').textContent = t.solution.close;
      this.buildList();
      this.buildRows();
      this.connect();
    }

    buildList() {
      for (const combination of this.texts.combinations) {
        const option = new Option(combination.label);
        option.setAttribute('aria-label', combination.name);
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
      this.list.addEventListener('change', () => this.render(this.session.choose(this.list.selectedIndex)));
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
      byId('clear').addEventListener('click', () => this.render(this.session.clear()));
      byId('sample').addEventListener('click', () => this.render(this.session.sample(Math.random())));
      this.other.addEventListener('click', () => this.showNextTriangle());
      this.solutionButton.addEventListener('click', () => this.openSolution());
      byId('solution-close').addEventListener('click', () => this.closeSolution());
      this.solution.addEventListener('keydown', (event) => {
        if (event.key === 'Escape') {
          event.preventDefault();
          this.closeSolution();
        }
      });
      document.addEventListener('keydown', (event) => {
        if (event.altKey && !event.ctrlKey && event.code === 'KeyN' && !this.other.hidden) {
          event.preventDefault();
          this.showNextTriangle();
        }
      });
      const observer = new ResizeObserver((changes) => {
        for (const { target, contentRect } of changes) {
          const size = Math.round(contentRect.width);
          if (size !== this.sizes.get(target)) {
            this.sizes.set(target, size);
            this.paint(target);
          }
        }
      });
      observer.observe(this.picture);
      observer.observe(byId('solution-picture'));
    }

    start() {
      this.list.selectedIndex = 0;
      this.render(this.session.choose(0));
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
        this.render(this.session.choose(this.list.selectedIndex));
      }
    }

    compute() {
      const typed = this.fields.slice(0, kValueFields).map((field) => field.value);
      this.render(this.session.compute(typed.join('\n')));
    }

    showNextTriangle() {
      if (!this.other.hidden)
        this.render(this.session.next());
    }

    render(view) {
      this.view = view;
      this.closeSolution();
      this.fields.forEach((field, i) => {
        const open = i < kValueFields && view.open[i];
        // Only what changes: every change makes the browser look at the
        // page afresh. A long value is cut at the field's edge: the whole
        // of it on hover.
        if (field.value !== view.fields[i]) {
          field.value = view.fields[i];
          field.title = view.fields[i];
        }
        if (field.readOnly === open)
          field.readOnly = !open;
        if (i < kValueFields && this.marks[i].checked !== open)
          this.marks[i].checked = open;
      });
      // Rewriting the same text would scroll the note back to its top.
      if (this.note.textContent !== view.note)
        this.note.textContent = view.note;
      this.other.hidden = !view.otherTriangle;
      this.solutionButton.hidden = !view.solution;
      this.announce(view.announcement);
      this.paint(this.picture);
    }

    // What the focus does not show: a status to say when convenient, an
    // alert at once.
    announce(announcement) {
      if (!announcement)
        return;
      byId('status').textContent = '';
      byId('alert').textContent = '';
      byId(announcement.kind).textContent = announcement.text;
    }

    openSolution() {
      const { solution, view } = this.session.solution();
      const opener = document.activeElement;
      this.render(view);
      if (!solution)
        return;
      const lines = solution.text.split('\n').filter((line) => line.length > 0);
      byId('solution-text').replaceChildren(...lines.map((line) => {
        const paragraph = document.createElement('p');
        paragraph.textContent = line;
        return paragraph;
      }));
      const picture = byId('solution-picture');
      picture.hidden = !solution.picture;
      this.solution.hidden = false;
      this.solutionOpener = opener;
      this.paint(picture);
      this.solution.focus();
    }

    // Closed by its button, Esc, or any action that changes the view; the
    // focus goes back where it came from when it was inside.
    closeSolution() {
      if (this.solution.hidden)
        return;
      const hadFocus = this.solution.contains(document.activeElement);
      this.solution.hidden = true;
      if (!hadFocus)
        return;
      const opener = this.solutionOpener;
      const back = opener && opener.isConnected && !opener.hidden && opener.offsetParent !== null
        ? opener : byId('compute');
      back.focus();
    }

    paint(svg) {
      const size = this.sizes.get(svg) ?? 0;
      if (size === 0 || svg.closest('[hidden]') || !this.view)
        return;
      const layout = this.session.picture(size, size);
      window.paintPicture(svg, layout, size, this.texts.enlargedPicture);
      if (svg === this.picture) {
        const description = layout.enlarged
          ? `${this.view.pictureDescription}. ${this.texts.enlargedPicture}` : this.view.pictureDescription;
        byId('picture-description').textContent = description;
      }
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
