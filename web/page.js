// SPDX-License-Identifier: GPL-3.0-or-later
// The page's own part: it lays out, draws and takes input. Every number, the
// construction, the tasks and their judge and the results file come from the
// lesson compiled to WebAssembly (web/lessonpage.*), asked through q_* calls.
'use strict';

// The page's words, in Russian and English: the desktop's own texts and their
// translations, put here by the build (web/pagetexts.h, web/texts.cmake).
/*QUELLOR-TEXTS*/
// Keys ending in .0, .1, … are lists.
function nested(flat) {
  const out = {};
  for (const [key, text] of Object.entries(flat)) {
    const [name, index] = key.split('.');
    if (index === undefined) out[name] = text;
    else (out[name] = out[name] || [])[Number(index)] = text;
  }
  return out;
}

const SNAP_PIXELS = 4;
const LENS_BLUE = '#0000c0', CLICK = '#c800c8';

function pickLanguage() {
  const wanted = (navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language || 'en']);
  for (const tag of wanted) {
    const base = String(tag).toLowerCase().split('-')[0];
    if (base === 'ru') return 'ru';
    if (base === 'en') return 'en';
  }
  return 'en';
}

const lang = pickLanguage();
const T = nested(TEXTS[lang]);
const $ = (id) => document.getElementById(id);
const fill = (text, ...values) => values.reduce((t, v, i) => t.split('%' + (i + 1)).join(String(v)), text);

// A number as the read-outs write it: two decimals, the language's decimal
// mark, a true minus sign, and no sign on a zero.
function number(value, decimals = 2) {
  let text = value.toFixed(decimals);
  if (Number(text) === 0) text = (0).toFixed(decimals);
  text = text.replace('-', '\u2212');
  return lang === 'ru' ? text.replace('.', ',') : text;
}
const cm = (value) => fill(T.cm, number(value));
// A typed number: either decimal mark, nothing else.
function typedNumber(text) {
  const t = String(text).trim().replace(',', '.');
  return /^[+]?(\d+\.?\d*|\.\d+)$/.test(t) ? Number(t) : NaN;
}
// An index as typed: its shortest digits to 15 places (1,64, not 1,6400000000000001).
const shownTyped = (value) => { const t = String(Number(value.toPrecision(15))); return lang === 'ru' ? t.replace('.', ',') : t; };

function start(M) {
  const q = {
    reset: M.cwrap('q_reset', null, []),
    setIndex: M.cwrap('q_setIndex', null, ['number', 'number']),
    setRadius: M.cwrap('q_setRadius', null, ['number', 'number']),
    setRadiusStep: M.cwrap('q_setRadiusStep', null, ['number', 'number']),
    setConverging: M.cwrap('q_setConverging', null, ['number']),
    setScheme: M.cwrap('q_setScheme', null, ['number']),
    place: M.cwrap('q_place', null, ['number', 'number', 'number']),
    key: M.cwrap('q_key', null, ['number']),
    setScale: M.cwrap('q_setScale', 'number', ['number']),
    setNotation: M.cwrap('q_setNotation', null, ['number']),
    setLanguageNotation: M.cwrap('q_setLanguageNotation', null, ['number']),
    setLayer: M.cwrap('q_setLayer', null, ['number', 'number']),
    view: M.cwrap('q_view', 'string', []),
    startTasks: M.cwrap('q_startTasks', 'number', ['string', 'number', 'string']),
    answer: M.cwrap('q_answer', 'number', ['number', 'number', 'number']),
    nextTask: M.cwrap('q_nextTask', 'number', []),
    stopTasks: M.cwrap('q_stopTasks', null, []),
    results: M.cwrap('q_results', 'string', []),
    nameProblem: M.cwrap('q_nameProblem', 'number', ['string']),
    readSetup: M.cwrap('q_readSetup', 'string', ['array', 'number', 'number']),
    writeSetup: M.cwrap('q_writeSetup', 'string', []),
  };
  // The bench's frame and the construction's colours, as the desktop lays
  // them out: twips, two areas meeting at the lens plane, the axis across.
  const frame = JSON.parse(M.cwrap('q_frame', 'string', [])());
  const { lensX: LENS_X, axisY: AXIS_Y, width: WIDTH, height: HEIGHT } = frame;
  const TWIPS_PER_LAID_OUT_PIXEL = frame.twipsPerPixel;
  const PALETTES = frame.palettes;
  const canvas = $('bench');
  const ctx = canvas.getContext('2d');
  let v = JSON.parse(q.view());
  let taskShownAt = 0;

  document.documentElement.lang = lang;
  for (const el of document.querySelectorAll('[data-t]')) el.textContent = T[el.dataset.t];
  canvas.setAttribute('aria-label', T.bench);
  $('selNotation').add(new Option(T.byLanguage, '-1'));
  T.notations.forEach((name, i) => $('selNotation').add(new Option(name, String(i))));
  T.levels.forEach((name, i) => $('selLevel').add(new Option(name, String(i))));
  // The notation of the language: a Russian textbook's letters, or a UK one's.
  q.setLanguageNotation(lang === 'ru' ? 0 : 1);

  // ---- read-outs and controls from the state ----
  function show() {
    v = JSON.parse(q.view());
    const L = v.letters;
    const inf = (x) => (x === null ? '∞' : cm(x));
    $('lblFocal').textContent = !v.lensShown ? '' : v.oneFocal
      ? `${L.f} = ${inf(v.finite ? v.front : null)}`
      : `${L.f} = ${inf(v.finite ? v.front : null)}   ${L.f2} = ${inf(v.finite ? v.back : null)}`;
    $('lblPower').textContent = v.lensShown ? fill(T.dioptres, L.power, number(v.power)) : '';
    const task = v.task;
    const img = v.image;
    let distances = '', kind = '';
    if (img && v.object.placed && (!task || task.checked)) {
      if (img.kind === 0) {
        distances = `${L.d} = ${cm(img.d)}`;
        kind = T.noImage;
      } else {
        distances = `${L.d} = ${cm(img.d)}   ${L.b} = ${cm(img.b)}   ${L.gamma} = ${number(img.gamma)}`;
        const words = [img.kind === 1 ? T.real : T.virtual, img.upright ? T.upright : T.inverted, T.sizes[img.size]];
        if (img.beyond) words.push(T.beyond[img.beyond]);
        kind = words.join(', ');
      }
    }
    $('lblDistances').textContent = distances;
    $('lblKind').textContent = kind;
    [['sldn1', 'edn1', 0], ['sldN', 'edN', 1], ['sldn2', 'edn2', 2]].forEach(([s, e, i]) => {
      $(s).value = String(Math.round((v.n[i] - 1) * 50));
      if (document.activeElement !== $(e)) $(e).value = shownTyped(v.n[i]);
    });
    [['sldR1', 'edR1', 0], ['sldR2', 'edR2', 1]].forEach(([s, e, i]) => {
      $(s).value = String(v.radiusStep[i]);
      if (document.activeElement !== $(e)) $(e).value = number(v.radius[i]);
    });
    $('cmdSob').setAttribute('aria-pressed', String(v.converging));
    $('cmdRas').setAttribute('aria-pressed', String(!v.converging));
    $('cmdLensView').setAttribute('aria-pressed', String(!v.scheme));
    $('cmdScheme').setAttribute('aria-pressed', String(v.scheme));
    $('cmdScale').textContent = fill(T.scale, v.scale);
    $('cmdScale').title = fill(T.scaleName, v.scale);
    $('selNotation').value = v.notationChosen ? String(v.notation) : '-1';
    ['cmdLabels', 'cmdThird', 'cmdPalette'].forEach((id, i) => $(id).setAttribute('aria-pressed', String(v.layers[i])));
    showTask();
    draw();
  }

  function showTask() {
    const task = v.task;
    $('taskLines').hidden = !task;
    $('cmdNext').disabled = !task || !task.checked || task.index + 1 >= task.count;
    $('cmdResults').disabled = v.answers === 0;
    for (const id of ['sldn1', 'sldN', 'sldn2', 'sldR1', 'sldR2', 'edn1', 'edN', 'edn2', 'edR1', 'edR2',
      'cmdSob', 'cmdRas', 'cmdLensView', 'cmdScheme', 'cmdOpen', 'cmdSave', 'cmdThird', 'cmdLabels'])
      $(id).disabled = !!task;
    if (!task) return;
    const n = task.index + 1;
    $('taskWording').textContent = fill(task.kind === 1 ? T.findFocus : T.findImage, n, task.count);
    $('taskStatus').textContent = fill(T.status, task.seed, T.levels[task.level], task.counted, n - (task.checked ? 0 : 1));
    const d = $('taskDistance'), k = $('taskKind'), r = $('taskRule');
    d.textContent = k.textContent = r.textContent = '';
    d.className = k.className = '';
    if (!task.checked) return;
    const which = task.kind === 1 ? (task.backFocus ? 'back' : 'front') : 'image';
    let said = fill(T[which + (task.right ? 'Yes' : 'No')], number(task.off), number(task.tolerance));
    if (n === task.count) said += ' ' + fill(T.done, task.counted, task.count);
    d.textContent = said;
    d.className = task.right ? 'right' : 'wrong';
    const words = (k3) => [k3[0] ? T.real : T.virtual, k3[1] ? T.upright : T.inverted, T.sizes[k3[2]]].join(', ');
    if (task.kind === 1) {
      k.textContent = T.focusRules[task.converging ? (task.region === 3 ? 1 : 0) : 2];
      return;
    }
    k.textContent = task.kindRight ? fill(T.kindRight, words(task.truth)) : fill(T.kindWrong, words(task.truth), words(task.given));
    k.className = task.kindRight ? 'right' : 'wrong';
    r.textContent = fill(T.rules[task.rule], task.regionText);
  }

  // ---- drawing ----
  let pxPerTwip = 1;
  function fit() {
    const ratio = window.devicePixelRatio || 1;
    const w = Math.max(1, Math.round(canvas.clientWidth * ratio));
    const h = Math.max(1, Math.round(w * HEIGHT / WIDTH));
    if (canvas.width !== w || canvas.height !== h) { canvas.width = w; canvas.height = h; }
    pxPerTwip = w / WIDTH;
  }
  const tint = (index) => { const l = Math.round((index - 1) * 100); return `rgb(${255 - l},${255 - l},255)`; };
  const P = (t) => t * pxPerTwip;

  // A piece of a ray clipped to the bench (Liang–Barsky): far or infinite
  // ends draw the part within, or nothing.
  function clipped(x1, y1, x2, y2) {
    if (![x1, y1, x2, y2].every((a) => a !== null && Number.isFinite(a))) return null;
    let t0 = 0, t1 = 1;
    const dx = x2 - x1, dy = y2 - y1;
    for (const [p, q0] of [[-dx, x1], [dx, WIDTH - x1], [-dy, y1], [dy, HEIGHT - y1]]) {
      if (p === 0) { if (q0 < 0) return null; continue; }
      const r = q0 / p;
      if (p < 0) { if (r > t1) return null; if (r > t0) t0 = r; } else { if (r < t0) return null; if (r < t1) t1 = r; }
    }
    return [x1 + t0 * dx, y1 + t0 * dy, x1 + t1 * dx, y1 + t1 * dy];
  }
  function line(x1, y1, x2, y2, colour, width = 1, dash = null) {
    const c = clipped(x1, y1, x2, y2);
    if (!c) return;
    ctx.strokeStyle = colour;
    ctx.lineWidth = Math.max(1, Math.round(width * pxPerTwip * TWIPS_PER_LAID_OUT_PIXEL));
    ctx.setLineDash(dash ? dash.map((d) => d * Math.max(1, pxPerTwip * TWIPS_PER_LAID_OUT_PIXEL)) : []);
    ctx.beginPath(); ctx.moveTo(P(c[0]), P(c[1])); ctx.lineTo(P(c[2]), P(c[3])); ctx.stroke();
  }
  function dot(x, y, colour, radius = 75) {
    if (!Number.isFinite(x) || !Number.isFinite(y) || x < 0 || x > WIDTH || y < 0 || y > HEIGHT) return;
    ctx.fillStyle = colour;
    ctx.beginPath(); ctx.arc(P(x), P(y), Math.max(2.5, P(radius)), 0, 2 * Math.PI); ctx.fill();
  }
  function label(text, x, y, colour = '#000', size = 180, align = 'center') {
    ctx.fillStyle = colour;
    ctx.font = `${Math.max(9, P(size))}px "Liberation Sans", Arial, sans-serif`;
    ctx.textAlign = align; ctx.textBaseline = 'top';
    ctx.fillText(text, P(x), P(y));
  }
  function arrowheads(top, bottom, outward) {
    const a = 240, s = 220;
    const tip = (y, dir) => { // dir: -1 up, +1 down
      const back = outward ? -dir : dir;
      line(LENS_X, y, LENS_X - s, y + back * a, LENS_BLUE, 3);
      line(LENS_X, y, LENS_X + s, y + back * a, LENS_BLUE, 3);
    };
    tip(top, -1); tip(bottom, 1);
  }
  // The lens from its two surfaces: circular arcs of the radii the bench
  // holds, over the aperture, the body tinted by its index.
  function lensBody() {
    const h = v.converging ? 1340 : 1440;
    const middle = v.converging ? 0 : 60;
    const sag = (R, y) => { const r = Math.abs(R); return r - Math.sqrt(Math.max(0, r * r - y * y)); };
    const sL = sag(v.leftR, h), sR = sag(v.rightR, h);
    // A surface is convex where its centre lies beyond the lens: left for a
    // positive left radius, right for a negative right one.
    const leftX = (y) => LENS_X - middle / 2 - (v.leftR > 0 ? sL - sag(v.leftR, y) : sag(v.leftR, y));
    const rightX = (y) => LENS_X + middle / 2 + (v.rightR < 0 ? sR - sag(v.rightR, y) : sag(v.rightR, y));
    const steps = 32;
    ctx.beginPath();
    for (let i = 0; i <= steps; ++i) {
      const y = -h + (2 * h * i) / steps;
      i ? ctx.lineTo(P(leftX(y)), P(AXIS_Y + y)) : ctx.moveTo(P(leftX(y)), P(AXIS_Y + y));
    }
    for (let i = steps; i >= 0; --i) {
      const y = -h + (2 * h * i) / steps;
      ctx.lineTo(P(rightX(y)), P(AXIS_Y + y));
    }
    ctx.closePath();
    ctx.fillStyle = tint(v.n[1]);
    ctx.fill();
    ctx.strokeStyle = '#8080ff'; ctx.lineWidth = 1; ctx.setLineDash([]); ctx.stroke();
  }

  function draw() {
    fit();
    const pal = PALETTES[v.layers[2] ? 1 : 0];
    const names = v.layers[0];
    ctx.setLineDash([]);
    ctx.fillStyle = tint(v.n[0]); ctx.fillRect(0, 0, P(LENS_X), canvas.height);
    ctx.fillStyle = tint(v.n[2]); ctx.fillRect(P(LENS_X), 0, canvas.width - P(LENS_X), canvas.height);
    line(300, AXIS_Y, WIDTH - 300, AXIS_Y, '#606060', 1);
    if (v.scheme) {
      const [top, bottom] = v.acting ? [2650, 5330] : [2550, 5430];
      line(LENS_X, top, LENS_X, bottom, LENS_BLUE, 3);
      arrowheads(top, bottom, v.acting);
    } else {
      line(LENS_X, 330, LENS_X, HEIGHT, '#606060', 1);
      lensBody();
    }
    // The focal marks: F and 2F before the lens, F′ and 2F′ (F where one
    // focal length is named) behind it.
    if (v.finite && v.lensShown) {
      const [a, b] = v.marks;
      const F = v.acting ? pal.convergingMark : pal.divergingMark;
      const F2 = v.acting ? pal.convergingMark2F : pal.divergingMark2F;
      const back = v.oneFocal ? 'F' : 'F′';
      for (const [x, c, t] of [[LENS_X - a, F, 'F'], [LENS_X - 2 * a, F2, '2 F'], [LENS_X + b, F, back], [LENS_X + 2 * b, F2, '2 ' + back]]) {
        dot(x, AXIS_Y, c, 70);
        if (x >= 0 && x <= WIDTH) label(t, x, AXIS_Y + 110, pal.label, 150);
      }
    }
    label(shownTyped(v.n[0]), LENS_X - 900, HEIGHT - 450, '#000', 260);
    label(shownTyped(v.n[2]), LENS_X + 600, HEIGHT - 450, '#000', 260);
    if (!v.scheme || !v.object.placed || !v.image) return;
    const o = v.object, img = v.image;
    for (const ray of v.rays) for (const [x1, y1, x2, y2, part] of ray.pieces) {
      if (part === 0) line(x1, y1, x2, y2, pal.ray, 1);
      else if (part === 1) line(x1, y1, x2, y2, pal.extension, 1, [4, 3]);
      else line(x1, y1, x2, y2, pal.constructionLine, 1, [2, 3]);
    }
    line(o.x, AXIS_Y, o.x, o.y, pal.object, 2);
    dot(o.x, o.y, pal.object);
    const hasImage = img.kind !== 0 && img.shown;
    const imageColour = img.kind === 1 ? pal.realImage : pal.virtualImage;
    if (hasImage) {
      line(img.bx, AXIS_Y, img.bx, img.by, imageColour, 2);
      dot(img.bx, img.by, imageColour);
    }
    if (names) {
      label('A', o.x - 120, o.y - 330, pal.label, 220);
      label('B', o.x, AXIS_Y + 110, pal.label, 220);
      label('O', LENS_X + 150, AXIS_Y + 110, pal.label, 220, 'left');
      if (hasImage) {
        label('A′', img.bx + 150, img.by + (img.by > AXIS_Y ? 60 : -330), pal.label, 220, 'left');
        label('B′', img.bx, AXIS_Y + (img.by > AXIS_Y ? -330 : 110), pal.label, 220);
      }
    }
    const task = v.task;
    if (task && task.checked) {
      const [x, y] = task.click;
      ctx.strokeStyle = CLICK; ctx.lineWidth = Math.max(2, P(30)); ctx.setLineDash([]);
      ctx.beginPath(); ctx.arc(P(x), P(y), Math.max(4, P(90)), 0, 2 * Math.PI); ctx.stroke();
      line(x - 160, y, x + 160, y, CLICK, 2); line(x, y - 160, x, y + 160, CLICK, 2);
    }
  }

  // ---- input ----
  const twipsAt = (event) => {
    const r = canvas.getBoundingClientRect();
    return [(event.clientX - r.left) * WIDTH / r.width, (event.clientY - r.top) * WIDTH / r.width];
  };
  let dragging = null;
  canvas.addEventListener('pointerdown', (event) => {
    if (event.button !== 0) return;
    canvas.focus({ preventScroll: true });
    const [x, y] = twipsAt(event);
    if (v.task) {
      if (!v.task.checked && q.answer(x, y, (performance.now() - taskShownAt) / 1000)) show();
      return;
    }
    if (x > LENS_X) return;
    dragging = event.pointerId;
    canvas.setPointerCapture(event.pointerId);
    moveTo(event);
  });
  function moveTo(event) {
    const [x, y] = twipsAt(event);
    const snap = event.shiftKey ? 0 : SNAP_PIXELS * WIDTH / canvas.getBoundingClientRect().width;
    q.place(x, y, snap);
    show();
  }
  canvas.addEventListener('pointermove', (event) => { if (dragging === event.pointerId) moveTo(event); });
  const endDrag = (event) => { if (dragging === event.pointerId) dragging = null; };
  canvas.addEventListener('pointerup', endDrag);
  canvas.addEventListener('pointercancel', endDrag);

  document.addEventListener('keydown', (event) => {
    const t = event.target;
    if (t && (t.tagName === 'INPUT' || t.tagName === 'SELECT' || t.tagName === 'TEXTAREA')) return;
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    if (event.key === 'Escape' && v.task) { q.stopTasks(); show(); return; }
    const keys = frame.keys;
    const arrows = { ArrowLeft: keys.left, ArrowUp: keys.up, ArrowRight: keys.right, ArrowDown: keys.down };
    const code = event.key >= '1' && event.key <= '5' && event.key.length === 1 ? keys.digitOne + Number(event.key) - 1 : arrows[event.key];
    if (!code) return;
    event.preventDefault();
    q.key(code);
    show();
  });

  for (const [s, i] of [['sldn1', 0], ['sldN', 1], ['sldn2', 2]])
    $(s).addEventListener('input', () => { q.setIndex(i, 1 + Number($(s).value) / 50); show(); });
  for (const [s, i] of [['sldR1', 0], ['sldR2', 1]])
    $(s).addEventListener('input', () => { q.setRadiusStep(i, Number($(s).value)); show(); });
  // Exact values typed: Enter or leaving the field takes them; anything
  // else than a number in range is refused and marked.
  function typed(id, take, ok, message) {
    const el = $(id);
    const commit = () => {
      const value = typedNumber(el.value);
      const good = Number.isFinite(value) && ok(value);
      el.setAttribute('aria-invalid', String(!good));
      el.title = good ? '' : message();
      if (good) take(value);
      show();
    };
    el.addEventListener('keydown', (event) => { if (event.key === 'Enter') { commit(); el.blur(); } });
    el.addEventListener('change', commit);
  }
  // The hints in the read-out editors' words: the range and an example.
  for (const [e, i] of [['edn1', 0], ['edN', 1], ['edn2', 2]])
    typed(e, (x) => q.setIndex(i, x), (x) => x >= 1 && x <= 2, () => fill(T.badIndex, shownTyped(1), shownTyped(2), shownTyped(1.33)));
  for (const [e, i] of [['edR1', 0], ['edR2', 1]])
    typed(e, (x) => q.setRadius(i, x), (x) => { const r = Math.round(x * 100) / 100; return r >= v.radiusRange[0] && r <= v.radiusRange[1]; },
      () => fill(T.badRadius, number(v.radiusRange[0]), number(v.radiusRange[1]), number(3, 1)));
  $('cmdSob').onclick = () => { q.setConverging(1); show(); };
  $('cmdRas').onclick = () => { q.setConverging(0); show(); };
  $('cmdLensView').onclick = () => { q.setScheme(0); show(); };
  $('cmdScheme').onclick = () => { q.setScheme(1); show(); };
  $('cmdScale').onclick = () => { const k = [1, 2, 5, 10]; q.setScale(k[(k.indexOf(v.scale) + 1) % k.length]); show(); };
  $('selNotation').onchange = () => { q.setNotation(Number($('selNotation').value)); show(); };
  ['cmdLabels', 'cmdThird', 'cmdPalette'].forEach((id, i) => { $(id).onclick = () => { q.setLayer(i, v.layers[i] ? 0 : 1); show(); }; });

  // ---- files: a blob the browser saves, a file the pupil picks ----
  // Why a setup was refused, in the desktop's words: the reader's problem
  // (SetupFormat::Problem, and Syntax where the text is no JSON) with what it
  // names, numbers in the reader's digits and this language's decimal mark.
  function refusal(f) {
    const mark = (digits) => (lang === 'ru' ? digits.replace('.', ',') : digits);
    const scales = fill(T.scaleChoices, f.scales.slice(0, -1).join(', '), f.scales[f.scales.length - 1]);
    const names = {
      1: [f.size, f.most], 3: [T.jsonProblems[f.syntax], f.offset], 5: [f.format], 7: [mark(f.value), f.version],
      8: [scales], 12: [mark(f.value), f.field, mark(f.least), mark(f.greatest)], 13: [f.field, f.yes, f.no], 19: f.notations,
    };
    return fill(T.refusals[f.problem], ...(names[f.problem] || [f.field]));
  }

  function download(text, name, type) {
    const a = document.createElement('a');
    a.href = URL.createObjectURL(new Blob([text], { type }));
    a.download = name;
    document.body.append(a); a.click(); a.remove();
    setTimeout(() => URL.revokeObjectURL(a.href), 1000);
  }
  $('cmdResults').onclick = () => download(q.results(), T.resultsName, 'text/csv;charset=utf-8');
  $('cmdSave').onclick = () => download(q.writeSetup(), T.setupName, 'application/x-quellor');
  $('cmdOpen').onclick = () => $('fileOpen').click();
  $('fileOpen').onchange = async () => {
    const file = $('fileOpen').files[0];
    $('fileOpen').value = '';
    if (!file) return;
    // The bytes as they are, as the desktop reads them: no mark or invalid
    // sequence smoothed over by a text decoder.
    const bytes = new Uint8Array(await file.slice(0, frame.setupBytes + 1).arrayBuffer());
    const answer = q.readSetup(bytes, bytes.length, file.size);
    if (answer) alert(fill(T.badSetup, file.name, refusal(JSON.parse(answer))));
    show();
    // A setup naming a series offers it: the pupil types a name and starts.
    if (!answer && v.offered) {
      $('edSeed').value = v.offered.seed;
      $('selLevel').value = String(v.offered.level);
      $('taskDialog').showModal();
    }
  };

  // ---- tasks ----
  $('cmdTask').onclick = () => {
    if (v.task) { q.stopTasks(); show(); return; }
    $('taskDialog').showModal();
  };
  // The results file's rule for a name, the desktop's own (PupilName).
  const nameProblem = (name) => ['', fill(T.longName, frame.longestName), T.badName][q.nameProblem(name)];
  $('edName').addEventListener('input', () => $('edName').setCustomValidity(''));
  $('taskForm').addEventListener('submit', (event) => {
    if (event.submitter && event.submitter.value !== 'start') return;
    const problem = nameProblem($('edName').value);
    $('edName').setAttribute('aria-invalid', String(!!problem));
    $('edName').title = problem;
    if (problem) { event.preventDefault(); $('edName').setCustomValidity(problem); $('edName').reportValidity(); return; }
    $('edName').setCustomValidity('');
    const seed = $('edSeed').value.trim();
    const okSeed = /^\d{1,20}$/.test(seed);
    $('edSeed').setAttribute('aria-invalid', String(!okSeed));
    if (!okSeed || !q.startTasks(seed, Number($('selLevel').value), $('edName').value)) { event.preventDefault(); return; }
    taskShownAt = performance.now();
    show();
    // The task's words and the bench in view, once the dialog has given the
    // focus back to the button that opened it.
    setTimeout(() => { canvas.focus({ preventScroll: true }); window.scrollTo(0, 0); }, 0);
  });
  $('cmdNext').onclick = () => { if (q.nextTask()) { taskShownAt = performance.now(); show(); } };

  // Setup files need the library's reader and writer.
  if (!M._q_readSetup) { $('cmdOpen').hidden = true; $('cmdSave').hidden = true; }
  new ResizeObserver(() => draw()).observe(canvas);
  show();
  document.body.dataset.ready = '1';
  performance.mark('quellor-ready');
  window.quellor = { q, view: () => v };
}

QuellorModule().then(start);
