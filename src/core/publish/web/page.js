(function () {
'use strict';
// The page is whole and painted without the script; the script sets itself up after the first
// frame (it reads the kept progress, a round trip to the browser), or at the first touch or key
// if that comes sooner.
var ready = false;
function start() {
  if (ready) return;
  ready = true;
  var D = JSON.parse(document.getElementById('cf-data').textContent);
  var W = D.w, N = D.w * D.h, T = D.t;
  var $ = function (id) { return document.getElementById(id); };
  var grid = $('grid'), input = $('in'), gw = $('gw');
  var cells = [], names = [], across = [], down = [];
  var letters = [], revealed = [], wrong = [];
  var i, k;
  for (i = 0; i < N; i++) {
    cells[i] = $('c' + i);
    names[i] = cells[i] ? cells[i].getAttribute('aria-label') : '';
    letters[i] = ''; revealed[i] = 0; wrong[i] = 0; across[i] = -1; down[i] = -1;
  }
  var slots = D.s.map(function (s, n) {
    var slot = { n: s[0], d: s[1], cells: s[2], el: $('q' + n) };
    s[2].forEach(function (c) { (s[1] ? down : across)[c] = n; });
    return slot;
  });
  var canCheck = D.a.length === N;
  var cur = -1, dir = 0, slot = -1;
  var checks = 0, reveals = 0, seconds = 0, solved = false, started = false;
  var touch = false;
  var storeKey = 'clueforge:' + D.key;

  // The answers travel as code ^ mask, the mask made from the cell's place and the page's seed.
  function mask(c) {
    var h = (D.k ^ Math.imul(c + 1, 0x9E3779B1)) >>> 0;
    h ^= h >>> 16; h = Math.imul(h, 0x85EBCA6B);
    h ^= h >>> 13; h = Math.imul(h, 0xC2B2AE35);
    h ^= h >>> 16;
    return h & 0xFFFF;
  }
  function answer(c) {
    if (!canCheck) return '';
    var code = (D.a[c] ^ mask(c)) & 0xFFFF;
    return code ? String.fromCharCode(code) : '';
  }

  function slotOf(c, d) { return d ? down[c] : across[c]; }
  function clueText(s) { return s.el ? s.el.textContent : ''; }

  function paint(c) {
    var el = cells[c];
    el.textContent = letters[c];
    el.setAttribute('aria-label', letters[c] ? names[c] + ', ' + letters[c] : names[c]);
    el.classList.toggle('x', !!wrong[c]);
    el.classList.toggle('v', !!revealed[c]);
  }

  function slotFull(s) {
    return s.cells.every(function (c) { return letters[c] && (!canCheck || letters[c] === answer(c)); });
  }
  function markDone() {
    if (!canCheck) return;
    slots.forEach(function (s) { if (s.el) s.el.classList.toggle('ok', slotFull(s)); });
  }

  function select(c, d, focus) {
    if (c < 0 || !cells[c]) return;
    if (slotOf(c, d) < 0) d = 1 - d;
    var old = slot >= 0 ? slots[slot] : null;
    if (old) {
      old.cells.forEach(function (x) { cells[x].classList.remove('w'); });
      if (old.el) { old.el.classList.remove('on'); old.el.removeAttribute('aria-current'); }
    }
    if (cur >= 0) { cells[cur].classList.remove('cur'); cells[cur].tabIndex = -1; }
    cur = c; dir = d; slot = slotOf(c, d);
    var s = slots[slot];
    if (s) {
      s.cells.forEach(function (x) { cells[x].classList.add('w'); });
      if (s.el) { s.el.classList.add('on'); s.el.setAttribute('aria-current', 'true'); }
      $('now').textContent = s.n + ' ' + (s.d ? T.down : T.across) + ': ' +
        clueText(s).replace(/^\s*\d+\.\s*/, '');
    }
    cells[c].classList.add('cur');
    cells[c].tabIndex = 0;
    if (focus) focusCell();
  }

  function focusCell() {
    if (touch) {
      var el = cells[cur];
      input.style.left = el.offsetLeft + 'px';
      input.style.top = el.offsetTop + 'px';
      input.style.width = el.offsetWidth + 'px';
      input.style.height = el.offsetHeight + 'px';
      input.focus({ preventScroll: true });
    } else {
      cells[cur].focus({ preventScroll: false });
    }
  }

  function step(by) {
    var s = slots[slot];
    if (!s) return;
    var at = s.cells.indexOf(cur) + by;
    if (at >= 0 && at < s.cells.length) select(s.cells[at], dir, true);
  }

  function move(dx, dy) {
    var x = cur % W, y = (cur - x) / W;
    for (;;) {
      x += dx; y += dy;
      if (x < 0 || y < 0 || x >= W || y >= D.h) return;
      if (cells[y * W + x]) break;
    }
    select(y * W + x, dy ? 1 : 0, true);
  }

  function nextSlot(by) {
    var n = slot + by;
    if (n < 0 || n >= slots.length) return false;
    var s = slots[n];
    var free = s.cells.filter(function (c) { return !letters[c]; });
    select(free.length ? free[0] : s.cells[0], s.d, true);
    return true;
  }

  function startClock() {
    if (!started && !solved) { started = true; }
  }

  function type(ch) {
    if (cur < 0 || solved) return;
    startClock();
    ch = ch.toUpperCase();
    if (!revealed[cur]) {
      letters[cur] = ch; wrong[cur] = 0; paint(cur);
    }
    var s = slots[slot];
    var at = s ? s.cells.indexOf(cur) : -1;
    if (s && at + 1 < s.cells.length) select(s.cells[at + 1], dir, true);
    changed();
  }

  function erase() {
    if (cur < 0 || solved) return;
    if (letters[cur] && !revealed[cur]) {
      letters[cur] = ''; wrong[cur] = 0; paint(cur);
    } else {
      var s = slots[slot];
      var at = s ? s.cells.indexOf(cur) : -1;
      if (at > 0) {
        select(s.cells[at - 1], dir, true);
        if (!revealed[cur]) { letters[cur] = ''; wrong[cur] = 0; paint(cur); }
      }
    }
    changed();
  }

  function changed() {
    markDone();
    save();
    if (canCheck && !solved && cells.every(function (el, c) { return !el || (letters[c] && letters[c] === answer(c)); })) {
      solved = true;
      showSolved();
      save();
    }
  }

  function showSolved() {
    $('msg').textContent = T.solved + ' ' + clock();
    $('msg').classList.add('solved');
    tick();
  }

  function check(list) {
    if (solved) return;
    startClock();
    checks++;
    var bad = 0;
    list.forEach(function (c) {
      if (letters[c] && answer(c) && letters[c] !== answer(c)) { wrong[c] = 1; bad++; paint(c); }
    });
    $('msg').textContent = bad ? T.wrong + ' ' + bad : T.right;
    changed();
    counts();
  }

  function reveal(list) {
    if (solved) return;
    startClock();
    list.forEach(function (c) {
      var a = answer(c);
      if (a && !revealed[c]) { letters[c] = a; revealed[c] = 1; wrong[c] = 0; reveals++; paint(c); }
    });
    $('msg').textContent = '';
    counts();
    changed();
  }

  function counts() {
    if ($('nck')) { $('nck').textContent = checks; $('nrv').textContent = reveals; }
  }

  function clock() {
    var m = Math.floor(seconds / 60), s = seconds % 60, h = Math.floor(m / 60);
    var text = (h ? h + ':' + (m % 60 < 10 ? '0' : '') + (m % 60) : m) + ':' + (s < 10 ? '0' : '') + s;
    return text;
  }
  function tick() { $('time').textContent = clock(); }

  function save() {
    try {
      localStorage.setItem(storeKey, JSON.stringify({
        l: letters, r: revealed, x: wrong, c: checks, v: reveals, t: seconds, s: solved, g: started
      }));
    } catch (e) { /* storage off: progress lasts as long as the page */ }
  }

  function load() {
    var state = null;
    try { state = JSON.parse(localStorage.getItem(storeKey) || 'null'); } catch (e) { state = null; }
    if (!state || !Array.isArray(state.l) || state.l.length !== N) return;
    for (var c = 0; c < N; c++) {
      if (!cells[c]) continue;
      var l = typeof state.l[c] === 'string' ? state.l[c].slice(0, 2) : '';
      letters[c] = l;
      revealed[c] = state.r && state.r[c] ? 1 : 0;
      wrong[c] = state.x && state.x[c] ? 1 : 0;
      paint(c);
    }
    checks = +state.c || 0; reveals = +state.v || 0; seconds = +state.t || 0;
    started = !!state.g; solved = !!state.s && canCheck;
    counts(); tick(); markDone();
    if (solved) showSolved();
  }

  function reset() {
    if (!window.confirm(T.again)) return;
    for (var c = 0; c < N; c++) {
      letters[c] = ''; revealed[c] = 0; wrong[c] = 0;
      if (cells[c]) paint(c);
    }
    checks = reveals = seconds = 0; solved = started = false;
    $('msg').classList.remove('solved'); $('msg').textContent = '';
    counts(); tick(); markDone(); save();
    if (slots.length) select(slots[0].cells[0], slots[0].d, true);
  }

  function isLetter(ch) { return ch.length === 1 && /\p{L}/u.test(ch); }

  function key(e) {
    if (e.ctrlKey || e.metaKey || e.altKey) return;
    var k = e.key;
    if (k === 'ArrowLeft') move(-1, 0);
    else if (k === 'ArrowRight') move(1, 0);
    else if (k === 'ArrowUp') move(0, -1);
    else if (k === 'ArrowDown') move(0, 1);
    else if (k === 'Home' || k === 'End') {
      var s = slots[slot];
      if (s) select(s.cells[k === 'Home' ? 0 : s.cells.length - 1], dir, true);
    }
    else if (k === 'Backspace' || k === 'Delete') erase();
    else if (k === 'Enter' || k === ' ') select(cur, 1 - dir, true);
    else if (k === 'Tab') { if (!nextSlot(e.shiftKey ? -1 : 1)) return; }
    else if (e.target !== input && isLetter(k)) type(k);
    else return;
    e.preventDefault();
  }

  grid.addEventListener('keydown', key);
  input.addEventListener('keydown', key);
  input.addEventListener('input', function () {
    var text = input.value;
    input.value = '';
    Array.from(text).forEach(function (ch) { if (isLetter(ch)) type(ch); });
  });
  input.addEventListener('beforeinput', function (e) {
    if (e.inputType === 'deleteContentBackward') { e.preventDefault(); erase(); }
  });
  input.addEventListener('blur', function () { touch = false; });
  gw.addEventListener('pointerdown', function (e) { touch = e.pointerType !== 'mouse'; });
  grid.addEventListener('click', function (e) {
    var el = e.target.closest('.l');
    if (!el) return;
    var c = +el.id.slice(1);
    select(c, c === cur ? 1 - dir : dir, true);
  });
  grid.addEventListener('focusin', function (e) {
    var el = e.target.closest('.l');
    if (el && +el.id.slice(1) !== cur) select(+el.id.slice(1), dir, false);
  });
  slots.forEach(function (s) {
    if (!s.el) return;
    s.el.addEventListener('click', function () {
      var free = s.cells.filter(function (c) { return !letters[c]; });
      select(free.length ? free[0] : s.cells[0], s.d, true);
    });
  });
  function on(id, f) { var el = $(id); if (el) el.addEventListener('click', f); }
  function word() { return slot >= 0 ? slots[slot].cells : []; }
  function all() { var out = []; cells.forEach(function (el, c) { if (el) out.push(c); }); return out; }
  on('ckl', function () { if (cur >= 0) check([cur]); });
  on('ckw', function () { check(word()); });
  on('cka', function () { check(all()); });
  on('rvl', function () { if (cur >= 0) reveal([cur]); });
  on('rvw', function () { reveal(word()); });
  on('again', reset);
  on('print', function () { window.print(); });

  setInterval(function () {
    if (started && !solved && !document.hidden) {
      seconds++; tick();
      if (seconds % 5 === 0) save();
    }
  }, 1000);
  document.addEventListener('visibilitychange', save);
  window.addEventListener('pagehide', save);

  load();
  if (slots.length) {
    var first = slots[0];
    var free = first.cells.filter(function (c) { return !letters[c]; });
    select(free.length ? free[0] : first.cells[0], first.d, false);
  }
}
['pointerdown', 'keydown', 'focusin', 'click', 'beforeinput'].forEach(function (t) {
  document.addEventListener(t, start, true);
});
if (document.visibilityState === 'visible') {
  requestAnimationFrame(function () { setTimeout(start, 0); });
} else {
  start();
}
})();
