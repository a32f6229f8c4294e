// What the modifier keys do during a drag in each mode; shown beside the palette, with the
// keys being held marked.
import { ALT, CONTROL, SHIFT } from './input.js';

const COPIES = 'one more copy per event (2 … 40, then 2)';
const MOVE = 'moves the drag path instead of copying it';

// [Shift alone, Shift + Alt] per mode, by tool number.
const MODE_KEYS = [
  ['one more column and row per event (2 … 40)', 'rotation +5° per event (to 360, then 0)'],
  [COPIES, MOVE],
  [COPIES, 'curve +5 per event (above 100 wraps to −100)'],
  ['one more copy per side per event (2 … 40)', 'jitter +5 per event (to 200, then 0)'],
  [COPIES, MOVE],
  [COPIES, 'rotation +5° per event (to 360, then 0)'],
  [COPIES, 'twist +1 per event (to 20, then 0)'],
  [COPIES, 'bounces +1 per event (to 20, then 1)'],
  [COPIES, 'arms +1 per event (to 30, then 1)'],
  ['one more column and row per event (2 … 40)', 'rotation +5° per event (to 360, then 0)'],
  ['stamp scale −0.01 % per event, both ways', 'jitter +1 per event (to 30, then 0)'],
  [null, null],
  [COPIES, MOVE],
];

function row(keys, bits, held, text) {
  const li = document.createElement('li');
  if (held === bits) li.className = 'held';
  for (const key of keys) {
    const kbd = document.createElement('kbd');
    kbd.textContent = key;
    li.append(kbd, ' ');
  }
  li.append(text);
  return li;
}

// `name`: the mode's full name, as the palette's tool selector and the mode picker show it.
export function renderHints(container, tool, held, name) {
  const [shift, shiftAlt] = MODE_KEYS[tool] ?? MODE_KEYS[0];
  const heading = document.createElement('h3');
  heading.textContent = `Keys while dragging: ${name}`;
  const list = document.createElement('ul');
  const heldMode = held & (SHIFT | ALT);
  if (shift) list.append(row(['Shift'], SHIFT, heldMode, shift));
  if (shiftAlt) list.append(row(['Shift', 'Alt'], SHIFT | ALT, heldMode, shiftAlt));
  if (!shift && !shiftAlt) list.append(row([], -1, heldMode, 'this mode reads no keys'));
  if (tool !== 11) list.append(row(['Alt'], ALT, heldMode, 'with Trail on: pause, nothing is added'));
  list.append(row(['Ctrl'], CONTROL, held & CONTROL,
    'collect a point (line types " Points - keys" and " Points - keys (Random curve)")'));
  const pan = document.createElement('p');
  pan.className = 'note';
  pan.textContent = 'Space + drag or the middle button pans; the wheel or two fingers zoom; Esc cancels a drag; ? lists every key.';
  container.replaceChildren(heading, list, pan);
}
