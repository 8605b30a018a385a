// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the picture as SVG from the layout the solver module hands out,
// the same layout the window paints: colours and line widths as there, the
// corners lettered upright, the sides in italics, the angles' names in their
// arcs' colour and the centre in its circle's. A practice problem's figure
// marks the elements it gives, bold in their own colour, and those it asks
// for, bold with "?". The drawing's parts are made once and then only moved:
// a browser lays out moved parts, and above all letters it has already
// shaped, much faster than new ones.
'use strict';

(() => {
  const kSvg = 'http://www.w3.org/2000/svg';
  const kCevianColour = 'rgb(0,125,0)';
  // The bits of a figure's marks, as the module's ElementMarks has them.
  const angleBit = (corner) => 1 << corner;
  const sideBit = (corner) => 1 << (3 + corner);
  const cevianBit = (kind, corner) => 1 << (9 + 3 * kind + corner);

  function element(name, attributes, parent) {
    const node = document.createElementNS(kSvg, name);
    set(node, attributes);
    parent.append(node);
    return node;
  }

  // An attribute set again to the value it has would still make the
  // browser look at the whole drawing afresh.
  function set(node, attributes) {
    for (const [key, value] of Object.entries(attributes)) {
      if (node.getAttribute(key) !== String(value))
        node.setAttribute(key, String(value));
    }
  }

  const pointsOf = (points) => points.map(([x, y]) => `${x},${y}`).join(' ');

  // The parts, in the order the window paints them.
  function makeParts(picture) {
    const parts = {};
    parts.background = element('rect', { x: 0, y: 0, fill: 'white' }, picture);
    // All but the background, which an empty picture shows alone.
    const svg = element('g', {}, picture);
    parts.drawing = svg;
    const circlePen = { fill: 'none', stroke: 'rgb(0,0,160)' };
    parts.circle = element('circle', circlePen, svg);
    parts.arcInView = element('polyline', circlePen, svg);
    const dashes = { stroke: 'rgb(90,90,90)', 'stroke-width': 1, 'stroke-dasharray': '4 2' };
    parts.bisectors = [0, 1, 2].map(() => element('line', dashes, svg));
    parts.arcs = [0, 1, 2].map(() => element('path', { fill: 'none', stroke: 'rgb(170,0,0)' }, svg));
    parts.triangle = element('polygon', { fill: 'none', stroke: 'black' }, svg);
    // As many as three elements can be given cevians.
    parts.cevians = [0, 1, 2].map(() => {
      const carriedOn = element('line', { stroke: 'black', 'stroke-dasharray': '4 2' }, svg);
      const line = element('line', { stroke: kCevianColour }, svg);
      const strokes = element('path', { fill: 'none', stroke: kCevianColour }, svg);
      const label = element('text', { class: 'letter cevian' }, svg);
      const letter = document.createElementNS(kSvg, 'tspan');
      const index = document.createElementNS(kSvg, 'tspan');
      set(index, { class: 'index' });
      label.append(letter, index);
      return { carriedOn, line, strokes, label, letter, index };
    });
    parts.centreDot = element('circle', { fill: 'rgb(0,0,160)' }, svg);
    const letter = (text, kind) => {
      const node = element('text', { class: `letter ${kind}` }, svg);
      node.textContent = text;
      return node;
    };
    parts.cornerLetters = [...'ABC'].map((text) => letter(text, 'corner'));
    parts.sideLetters = [...'abc'].map((text) => letter(text, 'side'));
    parts.angleLetters = [...'αβγ'].map((text) => letter(text, 'angle'));
    parts.centreLetter = letter('O', 'centre');
    parts.noteBox = element('foreignObject', {}, svg);
    parts.note = document.createElement('div');
    parts.note.className = 'enlarged';
    parts.noteBox.append(parts.note);
    return parts;
  }

  const show = (node, shown) => {
    if (node.hasAttribute('display') === Boolean(shown))
      shown ? node.removeAttribute('display') : node.setAttribute('display', 'none');
  };

  function drawCircle(parts, circle, side) {
    const width = Math.max(1, side / 120);
    show(parts.circle, circle && !circle.arcInView);
    show(parts.arcInView, circle && circle.arcInView);
    if (circle && circle.arcInView)
      set(parts.arcInView, { points: pointsOf(circle.arcInView), 'stroke-width': width });
    else if (circle)
      set(parts.circle, { cx: circle.centre[0], cy: circle.centre[1], r: circle.radius, 'stroke-width': width });
    parts.bisectors.forEach((line, i) => {
      const bisector = circle && circle.bisectors[i];
      show(line, bisector);
      if (bisector)
        set(line, { x1: bisector[0][0], y1: bisector[0][1], x2: bisector[1][0], y2: bisector[1][1] });
    });
  }

  // The arc in a corner, between its two sides, the short way round.
  function drawArcs(parts, layout, side) {
    layout.corners.forEach(([x, y], i) => {
      const radius = layout.arcRadii[i];
      const [[x1, y1], [x2, y2]] = [layout.corners[(i + 1) % 3], layout.corners[(i + 2) % 3]].map(([px, py]) => {
        const length = Math.hypot(px - x, py - y) || 1;
        return [x + (radius * (px - x)) / length, y + (radius * (py - y)) / length];
      });
      const sweep = (x1 - x) * (y2 - y) - (y1 - y) * (x2 - x) > 0 ? 1 : 0;
      set(parts.arcs[i], {
        d: `M ${x1} ${y1} A ${radius} ${radius} 0 0 ${sweep} ${x2} ${y2}`,
        'stroke-width': Math.max(1, side / 150),
      });
    });
  }

  // How an element's letters show: given, asked for with "?", or plain.
  function markOf(marks, bit) {
    if (marks.given & bit)
      return 'given';
    return marks.asked & bit ? 'asked' : '';
  }

  function setMark(node, text, mark) {
    const shown = mark === 'asked' ? `${text}?` : text;
    if (node.textContent !== shown)
      node.textContent = shown;
    for (const kind of ['given', 'asked'])
      node.classList.toggle(kind, mark === kind);
  }

  function drawLetters(parts, layout, marks) {
    const lettered = layout.letterSize > 0;
    const size = Math.max(8, Math.round(layout.letterSize));
    const place = (node, [x, y]) => {
      show(node, lettered);
      set(node, { x, y, 'font-size': size });
    };
    parts.cornerLetters.forEach((node, i) => place(node, layout.cornerLetters[i]));
    parts.sideLetters.forEach((node, i) => {
      place(node, layout.sideLetters[i]);
      setMark(node, 'abc'[i], markOf(marks, sideBit(i)));
    });
    parts.angleLetters.forEach((node, i) => {
      place(node, layout.angleLetters[i]);
      setMark(node, 'αβγ'[i], markOf(marks, angleBit(i)));
    });
    const mark = layout.centreMark;
    show(parts.centreDot, mark);
    show(parts.centreLetter, mark);
    if (!mark)
      return;
    const [cx, cy] = layout.circle.centre;
    set(parts.centreDot, { cx, cy, r: mark.dotRadius });
    place(parts.centreLetter, mark.letter);
  }

  const lineTo = (node, [[x1, y1], [x2, y2]]) => set(node, { x1, y1, x2, y2 });

  // Each given cevian from its corner to its foot, the side carried on
  // dashed to a foot beyond it, its strokes and its label: h, m or l with
  // the corner's small letter as its index, and "?" after it when asked.
  function drawCevians(parts, layout, side, marks) {
    const cevians = layout.cevians || [];
    const size = Math.max(8, Math.round(layout.letterSize));
    parts.cevians.forEach((drawn, k) => {
      const cevian = cevians[k];
      for (const node of [drawn.carriedOn, drawn.line, drawn.strokes, drawn.label])
        show(node, cevian);
      if (!cevian)
        return;
      show(drawn.carriedOn, cevian.carriedOn);
      if (cevian.carriedOn) {
        lineTo(drawn.carriedOn, cevian.carriedOn);
        set(drawn.carriedOn, { 'stroke-width': Math.max(1, side / 180) });
      }
      lineTo(drawn.line, cevian.line);
      set(drawn.line, { 'stroke-width': Math.max(1, side / 110) });
      set(drawn.strokes, {
        d: cevian.strokes.map(([[x1, y1], [x2, y2]]) => `M ${x1} ${y1} L ${x2} ${y2}`).join(' ') || 'M 0 0',
        'stroke-width': Math.max(1, side / 180),
      });
      show(drawn.label, layout.letterSize > 0);
      const [x, y] = cevian.label;
      set(drawn.label, { x, y, 'font-size': size });
      set(drawn.index, { dy: 0.25 * size });
      const letter = 'hml'[cevian.kind];
      const mark = markOf(marks, cevianBit(cevian.kind, cevian.corner));
      if (drawn.letter.textContent !== letter)
        drawn.letter.textContent = letter;
      setMark(drawn.index, 'abc'[cevian.corner], mark);
      for (const kind of ['given', 'asked'])
        drawn.label.classList.toggle(kind, mark === kind);
    });
  }

  function drawEnlargedNote(parts, layout, note) {
    show(parts.noteBox, layout.enlarged);
    if (!layout.enlarged)
      return;
    const [left, top, width, height] = layout.noteStrip;
    set(parts.noteBox, { x: left + 2, y: top + 1, width: width - 4, height: height - 1 });
    parts.note.style.fontSize = `${Math.max(8, Math.round(0.75 * layout.letterSize))}px`;
    if (parts.note.textContent !== note)
      parts.note.textContent = note;
  }

  const parts = new WeakMap();

  window.paintPicture = (svg, layout, side, enlargedNote) => {
    if (!parts.has(svg))
      parts.set(svg, makeParts(svg));
    const drawing = parts.get(svg);
    set(svg, { viewBox: `0 0 ${side} ${side}` });
    set(drawing.background, { width: side, height: side });
    show(drawing.drawing, !layout.empty);
    if (layout.empty)
      return;
    const marks = layout.marks ?? { given: 0, asked: 0 };
    drawCircle(drawing, layout.circle, side);
    drawArcs(drawing, layout, side);
    set(drawing.triangle, { points: pointsOf(layout.corners), 'stroke-width': Math.max(1, side / 90) });
    drawCevians(drawing, layout, side, marks);
    drawLetters(drawing, layout, marks);
    drawEnlargedNote(drawing, layout, enlargedNote);
  };
})();
