// SPDX-License-Identifier: GPL-3.0-or-later
// The page's mode «Упражнение»: a problem with a field for each value it
// asks for, the marks after «Провери», the hint, a problem brought back by
// its number; and a worksheet for a class, set up in a dialog and printed.
// As the rest of the page, it forwards what the user does to the module and
// shows the view the module hands back, in the module's words.
'use strict';

(() => {
  const byId = (id) => document.getElementById(id);

  // The address items of a worksheet's settings, in the order written:
  // "#worksheet=SEED;level=0;count=10;variants=2;types=sas,ssa;solutions=1".
  const kSheetItems = ['worksheet', 'level', 'count', 'variants', 'types', 'solutions'];

  // The items of an address, "name=value" apart by ";", by name; null for a
  // malformed escape.
  function addressItems(hash) {
    const items = new Map();
    try {
      for (const item of hash.replace(/^#/, '').split(';')) {
        const [name, value = ''] = item.split('=', 2);
        items.set(name, decodeURIComponent(value));
      }
    } catch {
      return null;
    }
    return items;
  }

  // Enter in a field of `form` does `action` rather than submit the form.
  function onEnter(form, action) {
    form.addEventListener('keydown', (event) => {
      if (event.key !== 'Enter' || event.altKey || event.ctrlKey || event.metaKey || event.shiftKey)
        return;
      if (event.target.tagName !== 'INPUT')
        return;
      event.preventDefault();
      action(event.target);
    });
  }

  class Practice {
    // `page` renders each view and keeps the address.
    constructor(page, session) {
      this.page = page;
      this.session = session;
      this.typeChoice = byId('problem-type');
      this.levelChoice = byId('problem-level');
      this.number = byId('problem-number');
      this.answers = [];
      this.marks = [];
      this.settings = byId('sheet-settings');
      this.typeBoxes = [];
    }

    build(texts) {
      for (let k = -1; k < texts.practice.types.length; ++k)
        this.typeChoice.add(new Option('', String(k)));
      for (const choice of [this.levelChoice, byId('sheet-level')]) {
        for (let k = 0; k < texts.practice.levels.length; ++k)
          choice.add(new Option('', String(k)));
      }
      texts.practice.typeNames.forEach((name) => {
        const box = document.createElement('input');
        box.type = 'checkbox';
        box.value = name;
        const label = document.createElement('label');
        label.className = 'choice-box';
        label.append(box, document.createElement('span'));
        byId('sheet-types').append(label);
        this.typeBoxes.push(box);
      });
    }

    // The words of the mode and of the worksheet's settings.
    applyWords(texts) {
      const words = texts.practice;
      [words.anyType, ...words.types].forEach((text, k) => {
        this.typeChoice.options[k].textContent = text;
      });
      words.levels.forEach((text, k) => {
        this.levelChoice.options[k].textContent = text;
        byId('sheet-level').options[k].textContent = text;
      });
      const captions = {
        'problem-type-label': words.type, 'problem-level-label': words.level, 'problem-number-label': words.number,
        'problem-heading': words.problem, 'new-problem': words.newProblem, check: words.check, hint: words.hint,
        'worksheet-button': words.worksheet,
      };
      for (const [id, control] of Object.entries(captions)) {
        byId(id).textContent = control.caption;
        // A caption that ends in dots is read without them.
        if (control.name !== control.caption)
          byId(id).setAttribute('aria-label', control.name);
      }
      byId('worksheet-button').setAttribute('aria-haspopup', 'dialog');
      this.applySheetWords(texts);
    }

    applySheetWords(texts) {
      const words = texts.worksheet;
      byId('sheet-title').textContent = words.title;
      byId('sheet-types-legend').textContent = words.types.caption;
      const captions = {
        'sheet-level-label': texts.practice.level, 'sheet-count-label': words.count,
        'sheet-variants-label': words.variants, 'sheet-seed-label': words.seed,
        'sheet-solutions-label': words.withSolutions, 'sheet-print': words.print, 'sheet-close': words.close,
      };
      for (const [id, control] of Object.entries(captions))
        byId(id).textContent = control.caption;
      this.typeBoxes.forEach((box, k) => {
        box.nextElementSibling.textContent = texts.practice.types[k];
      });
    }

    // The controls that take a letter with Alt in this mode, in the order
    // they have it first.
    accessKeys(texts) {
      const words = texts.practice;
      return [
        [this.number, words.number], [this.typeChoice, words.type], [this.levelChoice, words.level],
        [byId('new-problem'), words.newProblem], [byId('check'), words.check], [byId('hint'), words.hint],
        [byId('worksheet-button'), words.worksheet],
      ];
    }

    connect() {
      const form = byId('practice');
      onEnter(form, (field) => (field === this.number ? this.showNumber() : this.check()));
      byId('new-problem').addEventListener('click', () => {
        this.page.render(this.session.newProblem(Number(this.typeChoice.value), Number(this.levelChoice.value)));
        this.page.remember(true);
      });
      byId('check').addEventListener('click', () => this.check());
      byId('hint').addEventListener('click', () => this.page.render(this.session.hint()));
      byId('worksheet-button').addEventListener('click', () => {
        this.openSettings(null);
        this.page.remember(false);
      });
      this.connectSettings();
    }

    connectSettings() {
      const settings = this.settings;
      onEnter(settings, () => this.printSheet());
      // Any change of a setting: the address follows, an earlier print
      // layout no longer holds.
      for (const event of ['input', 'change']) {
        settings.addEventListener(event, () => {
          this.forgetSheet();
          this.page.remember(false);
        });
      }
      byId('sheet-print').addEventListener('click', () => this.printSheet());
      byId('sheet-close').addEventListener('click', () => settings.close());
      settings.addEventListener('close', () => {
        this.forgetSheet();
        this.page.remember(false);
        byId('worksheet-button').focus();
      });
    }

    check() {
      this.page.render(this.session.check());
    }

    closeSettings() {
      if (this.settings.open)
        this.settings.close();
    }

    showNumber() {
      this.page.render(this.session.show(this.number.value));
      this.page.remember(true);
    }

    // The view's problem, its answers and their marks. The number field
    // shows the problem's number, but keeps a number that opened none, to
    // be put right.
    show(view) {
      const message = byId('problem-number-message');
      message.textContent = view.numberMessage;
      this.number.setAttribute('aria-invalid', String(view.numberMessage !== ''));
      if (view.numberMessage === '' && this.number.value !== view.problemId)
        this.number.value = view.problemId;
      const problem = byId('problem');
      if (problem.textContent !== view.problem)
        problem.textContent = view.problem;
      if (this.answers.map((field) => field.getAttribute('aria-label')).join('\n') !== view.names.join('\n'))
        this.buildAnswers(view);
      this.answers.forEach((field, k) => {
        if (field.value !== view.answers[k])
          field.value = view.answers[k];
        if (this.marks[k].textContent !== view.marks[k])
          this.marks[k].textContent = view.marks[k];
      });
    }

    // A row for each value asked for: its symbol, its field, named in
    // words, and its mark, which the field's description reads.
    buildAnswers(view) {
      const rows = view.asked.map((symbol, k) => {
        const row = document.createElement('div');
        row.className = 'row answer';
        const field = document.createElement('input');
        field.type = 'text';
        field.id = `answer-${k}`;
        field.spellcheck = false;
        field.setAttribute('aria-label', view.names[k]);
        field.addEventListener('input', () => this.page.render(this.session.edit(k, field.value)));
        const label = document.createElement('label');
        label.className = 'mark';
        label.htmlFor = field.id;
        label.textContent = symbol;
        const mark = document.createElement('span');
        mark.className = 'verdict';
        mark.id = `answer-mark-${k}`;
        field.setAttribute('aria-describedby', mark.id);
        row.append(label, field, mark);
        return { row, field, mark };
      });
      byId('answers').replaceChildren(...rows.map(({ row }) => row));
      this.answers = rows.map(({ field }) => field);
      this.marks = rows.map(({ mark }) => mark);
    }

    // The field the focus goes to when the mode opens.
    firstField() {
      return this.settings.open ? null : this.answers[0] ?? this.number;
    }

    // The address of the problem on view, or while the worksheet's settings
    // are open, of the worksheet.
    address(view) {
      return this.settings.open ? this.sheetAddress() : `#practice=${view.problemId}`;
    }

    // Whether an address is one of this mode's.
    names(hash) {
      const items = addressItems(hash);
      return Boolean(items?.has('practice') || items?.has('worksheet'));
    }

    // The view an address of this mode opens: its problem, or its
    // worksheet's settings over the problem on view; null for an address
    // of another mode.
    opened(hash) {
      const items = addressItems(hash);
      if (items?.has('practice')) {
        this.closeSettings();
        return this.session.show(items.get('practice'));
      }
      if (!items?.has('worksheet'))
        return null;
      this.openSettings(items);
      return this.session.view();
    }

    // The settings: those of an address, else the first ones, the level
    // and type chosen for practice, and a seed drawn at random.
    openSettings(items) {
      const texts = this.page.texts;
      const value = (name, otherwise) => (items?.has(name) ? items.get(name) : otherwise);
      byId('sheet-seed').value = value('worksheet', String(Math.floor(Math.random() * 100000)));
      byId('sheet-count').value = value('count', String(texts.worksheet.firstCount));
      byId('sheet-variants').value = value('variants', String(texts.worksheet.firstVariants));
      const level = value('level', this.levelChoice.value);
      byId('sheet-level').value = /^[01]$/.test(level) ? level : '0';
      const chosen = this.typeChoice.value === '-1' ? [] : [texts.practice.typeNames[Number(this.typeChoice.value)]];
      const types = items ? value('types', '').split(',').filter((name) => name !== '') : chosen;
      this.typeBoxes.forEach((box) => {
        box.checked = types.length === 0 || types.includes(box.value);
      });
      byId('sheet-solutions').checked = value('solutions', '0') === '1';
      this.showSheetMessage('', null);
      if (!this.settings.open)
        this.settings.showModal();
    }

    // Every type checked, or none, is every type in turn.
    checkedTypes() {
      const checked = this.typeBoxes.filter((box) => box.checked).map((box) => box.value);
      return checked.length === this.typeBoxes.length ? [] : checked;
    }

    sheetAddress() {
      const values = {
        worksheet: byId('sheet-seed').value, level: byId('sheet-level').value, count: byId('sheet-count').value,
        variants: byId('sheet-variants').value, types: this.checkedTypes().join(','),
        solutions: byId('sheet-solutions').checked ? '1' : '0',
      };
      const items = kSheetItems.filter((name) => name !== 'types' || values.types !== '')
        .map((name) => `${name}=${encodeURIComponent(values[name]).replaceAll('%2C', ',')}`);
      return `#${items.join(';')}`;
    }

    // The worksheet laid out for paper and printed; or, for a setting that
    // is no number in its range, why, at that setting's field.
    printSheet() {
      const answer = this.session.worksheet(this.checkedTypes().join(','), Number(byId('sheet-level').value),
        byId('sheet-count').value, byId('sheet-variants').value, byId('sheet-seed').value,
        byId('sheet-solutions').checked ? 1 : 0);
      if (answer.error) {
        const field = byId(`sheet-${answer.field}`);
        this.showSheetMessage(answer.error, field);
        field.focus();
        return;
      }
      this.showSheetMessage('', null);
      this.layOutSheet(answer.markup);
      window.print();
    }

    showSheetMessage(text, field) {
      byId('sheet-message').textContent = text;
      for (const name of ['count', 'variants', 'seed']) {
        const input = byId(`sheet-${name}`);
        input.setAttribute('aria-invalid', String(input === field));
        if (input === field)
          input.setAttribute('aria-describedby', 'sheet-message');
        else
          input.removeAttribute('aria-describedby');
      }
    }

    // The worksheet's body in the print layout, which then prints in place
    // of the page. Its new pages, which the document asks for in style
    // attributes, are marked by an attribute of their own before it is read:
    // the page's security policy refuses inline styles even in a document
    // only parsed.
    layOutSheet(markup) {
      const styled = / style="([^"]*)"/g;
      const marked = markup.replace(styled, (_, style) => (/page-break-before:\s*always/.test(style) ? ' data-new-page' : ''));
      const parsed = new DOMParser().parseFromString(marked, 'text/html');
      byId('sheet').replaceChildren(...parsed.body.childNodes);
      document.body.classList.add('printing-sheet');
    }

    forgetSheet() {
      byId('sheet').replaceChildren();
      document.body.classList.remove('printing-sheet');
    }
  }

  window.Practice = Practice;
})();
