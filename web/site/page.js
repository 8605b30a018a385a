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
      texts: call('triangle_texts', 'string'),
      language: call('triangle_language', 'string'),
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

  // The language a first visit starts in: the browser's first one that the
  // page speaks, else Bulgarian.
  function firstLanguage(offered) {
    const codes = offered.map((language) => language.code);
    const chosen = localStorage.getItem('language');
    if (codes.includes(chosen))
      return chosen;
    const spoken = (navigator.languages ?? [navigator.language]).map((tag) => tag.slice(0, 2).toLowerCase());
    return spoken.find((code) => codes.includes(code)) ?? codes[0];
  }

  class Page {
    constructor(module) {
      this.session = entries(module);
      this.list = byId('combinations');
      this.picture = byId('picture');
      this.other = byId('other');
      this.solutionButton = byId('solution-button');
      this.solution = byId('solution');
      this.note = byId('note');
      this.languageChoice = byId('language');
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
      this.texts = this.session.texts('');
      const code = firstLanguage(this.texts.languages);
      this.texts = this.session.texts(code);
      for (const language of this.texts.languages)
        this.languageChoice.add(new Option(language.name, language.code));
      for (const combination of this.texts.combinations)
        this.list.add(new Option(combination.label));
      this.buildRows();
      this.applyWords();
      this.connect();
      this.session.language(code);
    }

    // Every word of the page in the language of the texts.
    applyWords() {
      const t = this.texts;
      document.documentElement.lang = t.code;
      document.title = t.title;
      this.languageChoice.value = t.code;
      this.languageChoice.setAttribute('aria-label', t.languageName);
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
        button.textContent = t.buttons[k].caption;
        button.accessKey = t.buttons[k].mnemonic.toLowerCase();
      });
      this.other.textContent = t.otherTriangle.caption;
      this.other.title = `${t.otherTriangle.caption} (${t.otherTriangleShortcut})`;
      this.solutionButton.textContent = t.solutionButton.caption;
      this.solutionButton.accessKey = t.solutionButton.mnemonic.toLowerCase();
      byId('solution-title').textContent = t.solution.title;
      byId('solution-picture').setAttribute('aria-label', t.solution.pictureName);
      byId('solution-text').setAttribute('aria-label', t.solution.textName);
      byId('solution-close').textContent = t.solution.close.caption;
      // Read in words: said aloud, "A" and "a" sound alike; the row's
      // number first, as typed to choose it.
      t.combinations.forEach((combination, k) => this.list.options[k].setAttribute('aria-label', combination.name));
      this.list.setAttribute('aria-label', t.listName);
      t.fieldNames.forEach((name, position) => {
        this.fields[position].setAttribute('aria-label', name);
        this.captions[position].textContent = position < kPerimeter ? ` ${t.marks[position]}` : t.perimeterLabel;
      });
    }

    chooseLanguage(code) {
      localStorage.setItem('language', code);
      this.texts = this.session.texts(code);
      this.applyWords();
      this.render(this.session.language(code));
    }

    buildRows() {
      const rows = byId('rows');
      this.captions = [];
      this.texts.fieldNames.forEach((name, position) => {
        const row = document.createElement('div');
        row.className = position < 3 ? 'row angle' : 'row';
        const label = document.createElement('span');
        label.className = 'mark';
        // The caption's words, beside the mark where there is one.
        const caption = document.createElement('span');
        if (position < kPerimeter) {
          const mark = document.createElement('input');
          mark.type = 'checkbox';
          mark.disabled = true;
          mark.tabIndex = -1;
          mark.setAttribute('aria-hidden', 'true');
          this.marks.push(mark);
          label.append(mark);
        }
        label.append(caption);
        this.captions.push(caption);
        const field = document.createElement('input');
        field.type = 'text';
        field.inputMode = 'decimal';
        field.readOnly = true;
        field.maxLength = this.texts.typingLimit;
        field.spellcheck = false;
        this.fields.push(field);
        row.append(label, field);
        rows.append(row);
      });
    }

    connect() {
      this.languageChoice.addEventListener('change', () => this.chooseLanguage(this.languageChoice.value));
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
      // Escaped by the module, which writes the indices as subscripts.
      const lines = solution.markup.split('\n').filter((line) => line.length > 0);
      byId('solution-text').replaceChildren(...lines.map((line) => {
        const paragraph = document.createElement('p');
        paragraph.innerHTML = line;
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
      // Without the module there is nothing to compute with, nor any words:
      // the page's own message says so, with why.
      const message = byId('not-loaded');
      message.append(` ${error}`);
      message.hidden = false;
    });
})();
