// SPDX-License-Identifier: GPL-3.0-or-later
// The page: the window's controls for a browser, a face of the same session
// the window runs. It forwards what the user does to the solver module and
// shows the view the module hands back; every number, every note, what
// empties and what shows is decided there, in the module's words.
'use strict';

(() => {
  const kPerimeter = 8;
  const kValueFields = 8;
  // Requests closer than this to the last new entry in the browser's
  // history take its place rather than making another (a correction, or
  // Enter pressed again and again): a new entry costs Chromium most of a
  // request's time.
  const kQuickSuccessionMs = 1000;

  const byId = (id) => document.getElementById(id);

  // The modes by the number the picture's entry knows them by.
  const kModeNumbers = { list: 0, elements: 1, practice: 2 };

  // The module's entries, each answering with JSON.
  function entries(module) {
    const call = (name, ...types) => {
      const entry = module.cwrap(name, 'string', types);
      return (...args) => JSON.parse(entry(...args));
    };
    const practiceView = call('triangle_practice_view', 'number');
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
      picture: call('triangle_picture', 'number', 'number', 'number'),
      copied: call('triangle_copied', 'string', 'number'),
      // The mode of any three elements, a session of its own.
      elements: {
        view: call('triangle_elements_view'),
        edit: call('triangle_elements_edit', 'number', 'string'),
        compute: call('triangle_elements_compute'),
        next: call('triangle_elements_next'),
        clear: call('triangle_elements_clear'),
        solution: call('triangle_elements_solution'),
        copied: call('triangle_elements_copied', 'string', 'number'),
      },
      // The mode «Упражнение», a session of its own made by the first call
      // with its first problem drawn at random, and its worksheets.
      practice: {
        start: (draw) => practiceView(draw),
        view: () => practiceView(0),
        newProblem: call('triangle_practice_new', 'number', 'number'),
        show: call('triangle_practice_show', 'string'),
        edit: call('triangle_practice_edit', 'number', 'string'),
        check: call('triangle_practice_check'),
        hint: call('triangle_practice_hint'),
        solution: call('triangle_practice_solution'),
        worksheet: call('triangle_worksheet', 'string', 'number', 'string', 'string', 'string', 'number'),
      },
    };
  }

  // A value as it stands in an address: escaped where it could be taken for
  // a separator, a decimal comma kept as it reads.
  const escapedValue = (text) => encodeURIComponent(text).replaceAll('%2C', ',');

  // The address of a request: its given values by name, in field order, and
  // which triangle is shown where it is not the first: "#C=60;a=5;b=8",
  // "#A=30;a=5;b=8;n=2", "#a=7;b=8;m_c=6". The names are the elements'
  // letters (`names`), the same in every language; `given` says which
  // fields hold the request. An address is a list of name=value items apart
  // by ";", and a reader passes over the names it does not know, so that
  // other kinds of items can join later.
  function addressOf(view, names, given) {
    const items = [];
    given.forEach((isGiven, position) => {
      if (isGiven)
        items.push(`${names[position]}=${escapedValue(view.fields[position])}`);
    });
    if (view.triangle > 1)
      items.push(`n=${view.triangle}`);
    return `#${items.join(';')}`;
  }

  // The request an address names, or null: the three elements named (their
  // positions among `texts.elements.tags`), the nineteen fields' texts, the
  // triangle to show, and the row of the list whose given quantities they
  // are, -1 where there is none: any three elements then.
  function requestOf(hash, texts) {
    const names = texts.elements.tags;
    const values = Array(names.length).fill('');
    const named = [];
    let triangle = 1;
    try {
      for (const item of hash.replace(/^#/, '').split(';')) {
        const [name, value = ''] = item.split('=', 2);
        const position = names.indexOf(name);
        if (position >= 0 && !named.includes(position)) {
          named.push(position);
          values[position] = decodeURIComponent(value);
        } else if (name === 'n' && /^[1-9][0-9]?$/.test(value)) {
          triangle = Number(value);
        }
      }
    } catch {
      // A malformed escape: no request of ours.
      return null;
    }
    if (named.length !== 3)
      return null;
    const key = named.sort((p, q) => p - q).join(',');
    const combination = texts.combinations.findIndex((row) => row.given.join(',') === key);
    return { combination, named, values, triangle };
  }

  // An element's letters as its field's label shows them: "h_a" with the
  // index lowered.
  function letters(tag) {
    const [letter, index] = tag.split('_');
    if (!index)
      return [letter];
    const lowered = document.createElement('sub');
    lowered.textContent = index;
    return [letter, lowered];
  }

  // Puts `text` on the clipboard; resolves to whether it is there. Where the
  // clipboard's interface is missing or refused (a page not served
  // securely), through a selection copied the old way.
  async function toClipboard(text) {
    try {
      await navigator.clipboard.writeText(text);
      return true;
    } catch {
      const focused = document.activeElement;
      const holder = document.createElement('textarea');
      holder.value = text;
      holder.setAttribute('aria-hidden', 'true');
      holder.className = 'spoken';
      document.body.append(holder);
      holder.select();
      const copied = document.execCommand('copy');
      holder.remove();
      focused?.focus();
      return copied;
    }
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
      this.link = byId('link');
      this.copy = byId('copy');
      this.solution = byId('solution');
      this.note = byId('note');
      this.languageChoice = byId('language');
      this.modeButton = byId('mode');
      this.practiceButton = byId('practice-mode');
      // The mode on view: 'list', 'elements' (any three) or 'practice'.
      this.mode = 'list';
      this.practice = new window.Practice(this, this.session.practice);
      this.fields = [];
      this.elementFields = [];
      this.marks = [];
      this.view = null;
      // Where the focus goes back to when the solution closes.
      this.solutionOpener = null;
      // The pictures' sizes in pixels, kept up to date by a resize observer:
      // asking an element in the middle of a request would make the browser
      // lay out the whole page there and then.
      this.sizes = new Map();
      this.lastEntryAt = -Infinity;
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
      this.buildElements();
      this.practice.build(this.texts);
      this.applyWords();
      this.connect();
      this.session.practice.start(Math.random());
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
      byId('legend').textContent = t.legend;
      byId('frame').textContent = t.frame;
      this.picture.setAttribute('aria-label', t.pictureName);
      this.note.setAttribute('aria-label', t.noteName);
      const motto = byId('motto');
      motto.setAttribute('aria-label', t.mottoName);
      motto.textContent = t.motto;
      const buttons = [byId('compute'), byId('clear'), byId('sample')];
      buttons.forEach((button, k) => {
        button.textContent = t.buttons[k].caption;
      });
      this.other.textContent = t.otherTriangle.caption;
      this.other.title = `${t.otherTriangle.caption} (${t.otherTriangleShortcut})`;
      this.solutionButton.textContent = t.solutionButton.caption;
      this.link.textContent = t.link.caption;
      this.copy.textContent = t.copy.caption;
      this.practiceButton.textContent = t.practice.mode.caption;
      this.practice.applyWords(t);
      byId('solution-title').textContent = t.solution.title;
      byId('solution-picture').setAttribute('aria-label', t.solution.pictureName);
      byId('solution-text').setAttribute('aria-label', t.solution.textName);
      byId('solution-close').textContent = t.solution.close.caption;
      this.applyElementWords();
      // Read in words: said aloud, "A" and "a" sound alike; the row's
      // number first, as typed to choose it.
      t.combinations.forEach((combination, k) => this.list.options[k].setAttribute('aria-label', combination.name));
      this.list.setAttribute('aria-label', t.listName);
      t.fieldNames.forEach((name, position) => {
        this.fields[position].setAttribute('aria-label', name);
        this.captions[position].textContent = position < kPerimeter ? ` ${t.marks[position]}` : t.perimeterLabel;
      });
      this.applyAccessKeys();
    }

    // The letters Alt takes with the controls of the mode on view, then
    // with those every mode shows, then with the modes' switches: each
    // letter to the first control that has it.
    applyAccessKeys() {
      const t = this.texts;
      const actions = [[byId('compute'), t.buttons[0]], [byId('clear'), t.buttons[1]]];
      const own = {
        list: [...actions, [byId('sample'), t.buttons[2]]],
        elements: actions,
        practice: this.practice.accessKeys(t),
      };
      const shared = [[this.solutionButton, t.solutionButton], [this.link, t.link], [this.copy, t.copy],
        [this.modeButton, t.elements.mode], [this.practiceButton, t.practice.mode]];
      for (const [control] of [...own.list, ...own.practice])
        control.accessKey = '';
      const taken = new Set();
      for (const [control, words] of [...own[this.mode], ...shared]) {
        const key = words.mnemonic.toLowerCase();
        control.accessKey = taken.has(key) ? '' : key;
        taken.add(key);
      }
    }

    // The mode's switch and the nineteen fields' group captions and names.
    applyElementWords() {
      const words = this.texts.elements;
      this.modeButton.textContent = words.mode.caption;
      this.groupLegends.forEach((legend, k) => {
        legend.textContent = words.groups[k];
      });
      words.names.forEach((name, position) => this.elementFields[position].setAttribute('aria-label', name));
    }

    chooseLanguage(code) {
      localStorage.setItem('language', code);
      this.texts = this.session.texts(code);
      this.applyWords();
      // The last announcement was in the other language.
      byId('status').textContent = '';
      byId('alert').textContent = '';
      const view = this.session.language(code);
      this.render(this.mode === 'list' ? view : this.modeSession().view());
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

    // The mode of any three elements: a fieldset for each group of fields,
    // each field labelled with its element's letters and named in words.
    buildElements() {
      const words = this.texts.elements;
      this.groupLegends = [];
      const groups = words.groups.map(() => {
        const group = document.createElement('fieldset');
        const legend = document.createElement('legend');
        const rows = document.createElement('div');
        rows.className = 'rows';
        group.append(legend, rows);
        this.groupLegends.push(legend);
        byId('groups').append(group);
        return rows;
      });
      words.tags.forEach((tag, position) => {
        const row = document.createElement('div');
        row.className = position < 3 ? 'row angle' : 'row';
        const field = document.createElement('input');
        field.type = 'text';
        field.id = `element-${position}`;
        field.inputMode = 'decimal';
        field.maxLength = this.texts.typingLimit;
        field.spellcheck = false;
        field.addEventListener('input', () => this.render(this.session.elements.edit(position, field.value)));
        const label = document.createElement('label');
        label.className = 'mark';
        label.htmlFor = field.id;
        label.append(...letters(tag));
        this.elementFields.push(field);
        row.append(label, field);
        groups[words.group[position]].append(row);
      });
    }

    // The list's mode, that of any three elements or practice, each with
    // its own session's request as it was left.
    setMode(mode) {
      this.mode = mode;
      this.modeButton.setAttribute('aria-pressed', String(mode === 'elements'));
      this.practiceButton.setAttribute('aria-pressed', String(mode === 'practice'));
      const layout = byId('layout');
      layout.classList.toggle('any-three', mode === 'elements');
      layout.classList.toggle('practising', mode === 'practice');
      byId('choice').hidden = mode !== 'list';
      byId('values').hidden = mode !== 'list';
      byId('elements').hidden = mode !== 'elements';
      byId('practice').hidden = mode !== 'practice';
      byId('sample').hidden = mode !== 'list';
      byId('actions').hidden = mode === 'practice';
      this.copy.hidden = mode === 'practice';
      if (mode !== 'practice')
        this.practice.closeSettings();
      this.applyAccessKeys();
    }

    // A mode's switch: that mode, or pressed again the list, with its view
    // as it was and nothing to say, since no request changed; its request's
    // address, where it has one.
    switchMode(mode) {
      this.setMode(this.mode === mode ? 'list' : mode);
      this.render({ ...this.modeSession().view(), announcement: false });
      this.remember(true);
    }

    // Enter in a field computes, as in the window. Caught as a key rather
    // than as the form's submission, which would first lay out the page.
    computeOnEnter(form) {
      form.addEventListener('keydown', (event) => {
        if (event.key !== 'Enter' || event.altKey || event.ctrlKey || event.metaKey || event.shiftKey)
          return;
        event.preventDefault();
        this.compute();
      });
    }

    connect() {
      this.languageChoice.addEventListener('change', () => this.chooseLanguage(this.languageChoice.value));
      this.list.addEventListener('change', () => this.render(this.session.choose(this.list.selectedIndex)));
      this.list.addEventListener('keydown', (event) => this.typeRowNumber(event));
      this.modeButton.addEventListener('click', () => this.switchMode('elements'));
      this.practiceButton.addEventListener('click', () => this.switchMode('practice'));
      this.practice.connect();
      this.computeOnEnter(byId('values'));
      this.computeOnEnter(byId('elements'));
      byId('compute').addEventListener('click', () => this.compute());
      byId('clear').addEventListener('click', () => this.render(this.modeSession().clear()));
      byId('sample').addEventListener('click', () => this.render(this.session.sample(Math.random())));
      this.other.addEventListener('click', () => this.showNextTriangle());
      this.solutionButton.addEventListener('click', () => this.openSolution());
      this.link.addEventListener('click', () => this.copyText(location.href, this.texts.linkCopied));
      this.copy.addEventListener('click', () => {
        const { text } = this.modeSession().copied(location.href, this.solution.hidden ? 0 : 1);
        this.copyText(text, this.texts.textCopied);
      });
      // Back and Forward: the request of that address, or the page as it
      // starts.
      window.addEventListener('popstate', () => this.openAddress(location.hash));
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
      this.openAddress(location.hash);
      byId('page').hidden = false;
      const first = { list: this.list, elements: this.elementFields[0], practice: this.practice.firstField() };
      first[this.mode]?.focus();
    }

    // The session of the mode on view.
    modeSession() {
      return { list: this.session, elements: this.session.elements, practice: this.session.practice }[this.mode];
    }

    // The view of an address: a practice problem or a worksheet's settings
    // in that mode, else a request (below).
    openAddress(hash) {
      const practised = this.practice.opened(hash);
      if (!practised) {
        this.open(requestOf(hash, this.texts));
        return;
      }
      this.setMode('practice');
      this.render(practised);
      this.remember(false);
    }

    // The view of an address: its request solved and its triangle shown, in
    // the list where it names a row of it, else as any three elements;
    // without one, the list's first row chosen and nothing else.
    open(request) {
      this.setMode(request !== null && request.combination < 0 ? 'elements' : 'list');
      const view = this.mode === 'elements' ? this.openElements(request) : this.openRow(request);
      for (let shown = 1; shown < (request?.triangle ?? 1) && view.otherTriangle; ++shown)
        this.modeSession().next();
      this.render(this.modeSession().view());
      // As the page writes it: a triangle the data do not have is not named.
      if (request)
        this.remember(false);
    }

    openRow(request) {
      const combination = request?.combination ?? 0;
      this.list.selectedIndex = combination;
      this.session.clear();
      const view = this.session.choose(combination);
      return request ? this.session.compute(request.values.slice(0, kValueFields).join('\n')) : view;
    }

    openElements(request) {
      const elements = this.session.elements;
      elements.clear();
      for (const position of request.named)
        elements.edit(position, request.values[position]);
      return elements.compute();
    }

    // The address names the request on view: a new request is a new entry
    // in the browser's history (unless it follows the last one at once),
    // the next triangle of the same request changes the entry it is in.
    // A mode without a request keeps the address of the last one, except
    // a practice problem's: that would open the other mode.
    remember(newEntry) {
      const tags = this.texts.elements.tags;
      let address = location.hash;
      if (this.solved()) {
        address = {
          list: () => addressOf(this.view, tags, this.view.open),
          elements: () => addressOf(this.view, tags, this.view.given),
          practice: () => this.practice.address(this.view),
        }[this.mode]();
      } else if (this.practice.names(location.hash)) {
        address = '';
      }
      if (address === location.hash)
        return;
      const url = address === '' ? location.pathname + location.search : address;
      const now = performance.now();
      if (newEntry && now - this.lastEntryAt >= kQuickSuccessionMs) {
        history.pushState(null, '', url);
        this.lastEntryAt = now;
      } else {
        history.replaceState(null, '', url);
      }
    }

    // On a narrow screen the fields may be above the part of the page in
    // view, the button pressed below them.
    bringResultsIntoView() {
      byId(this.mode === 'elements' ? 'elements' : 'values').scrollIntoView({ block: 'nearest' });
    }

    // Whether the view holds a request's triangle, or a problem, which an
    // address names.
    solved() {
      if (this.mode === 'practice')
        return true;
      return this.mode === 'elements' ? this.view.picture : this.view.solution;
    }

    async copyText(text, said) {
      const copied = await toClipboard(text);
      const words = copied ? said : this.texts.notCopied;
      this.announce({ kind: copied ? 'status' : 'alert', text: words });
      byId('copied').textContent = words;
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
      if (this.mode === 'elements') {
        // Each field's text is in the session already, sent as it is typed.
        this.render(this.session.elements.compute());
      } else {
        const typed = this.fields.slice(0, kValueFields).map((field) => field.value);
        this.render(this.session.compute(typed.join('\n')));
      }
      this.remember(true);
      this.bringResultsIntoView();
    }

    showNextTriangle() {
      if (this.other.hidden)
        return;
      this.render(this.modeSession().next());
      this.remember(false);
      this.bringResultsIntoView();
    }

    render(view) {
      this.view = view;
      this.closeSolution();
      if (this.mode === 'elements')
        this.showElements(view);
      else if (this.mode === 'practice')
        this.practice.show(view);
      else
        this.showFields(view);
      // Rewriting the same text would scroll the note back to its top.
      if (this.note.textContent !== view.note)
        this.note.textContent = view.note;
      this.other.hidden = !view.otherTriangle;
      this.solutionButton.hidden = !view.solution;
      byId('share').hidden = !this.solved();
      byId('copied').textContent = '';
      this.announce(view.announcement);
      this.paint(this.picture);
    }

    // A field's text, only where it changes: every change makes the browser
    // look at the page afresh. A long value is cut at the field's edge: the
    // whole of it on hover.
    static showText(field, text) {
      if (field.value !== text) {
        field.value = text;
        field.title = text;
      }
    }

    // The nineteen fields: those not open for typing stay read-only rather
    // than disabled, to be focused, read and copied.
    showElements(view) {
      this.elementFields.forEach((field, i) => {
        Page.showText(field, view.fields[i]);
        if (field.readOnly === view.open[i])
          field.readOnly = !view.open[i];
      });
    }

    showFields(view) {
      this.fields.forEach((field, i) => {
        const open = i < kValueFields && view.open[i];
        Page.showText(field, view.fields[i]);
        if (field.readOnly === open)
          field.readOnly = !open;
        if (i < kValueFields && this.marks[i].checked !== open)
          this.marks[i].checked = open;
      });
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
      const { solution, view } = this.modeSession().solution();
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
      // An SVG element has no hidden property: the attribute hides it.
      picture.toggleAttribute('hidden', !solution.picture);
      this.solution.hidden = false;
      this.solutionOpener = opener;
      this.paint(picture);
      // Its heading and picture first in view: focus alone would scroll
      // only as far as the box's nearest edge, past them.
      this.solution.focus({ preventScroll: true });
      this.solution.scrollIntoView({ block: 'start' });
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
        ? opener : byId(this.mode === 'practice' ? 'check' : 'compute');
      back.focus();
    }

    paint(svg) {
      const size = this.sizes.get(svg) ?? 0;
      if (size === 0 || svg.closest('[hidden]') || !this.view)
        return;
      const layout = this.session.picture(size, size, kModeNumbers[this.mode]);
      // The worked solution's picture marks nothing as asked.
      if (svg !== this.picture)
        delete layout.marks;
      window.paintPicture(svg, layout, size, this.texts.enlargedPicture);
      if (svg === this.picture) {
        const description = layout.enlarged
          ? `${this.view.pictureDescription}. ${this.texts.enlargedPicture}` : this.view.pictureDescription;
        byId('picture-description').textContent = description;
      }
    }
  }

  // An app to install, kept for use without a connection, where the page is
  // served: a page opened as a file may neither read its manifest nor have
  // a worker. The browser looks for a newer worker at every visit with a
  // connection, and a new build's takes the kept files' place.
  if (/^https?:$/.test(location.protocol)) {
    const manifest = document.createElement('link');
    manifest.rel = 'manifest';
    manifest.href = 'manifest.webmanifest';
    document.head.append(manifest);
    navigator.serviceWorker?.register('sw.js')
      .catch((error) => console.warn(`The page is not kept for use offline: ${error}`));
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
