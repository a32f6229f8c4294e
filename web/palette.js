// The options palette drawn from the host's live dialog model: every item at its bounds, its
// caption, range, entries, value, and hidden and disabled states. A change goes back to the
// host as a user's change (`onChange(item, value)`); the host's model then redraws the
// palette, so clamping and the notification procedures are the host's and the plug-in's.

const INT32_MIN = -2147483648;
const INT32_MAX = 2147483647;

function place(el, [left, top, right, bottom]) {
  el.style.left = `${left}px`;
  el.style.top = `${top}px`;
  el.style.width = `${right - left}px`;
  el.style.height = `${bottom - top}px`;
}

function spinText(item) {
  return item.precision > 0 ? Number(item.value).toFixed(item.precision) : String(item.value);
}

// A control's accessible name: its caption; where the caption is shared by two controls or
// there is none (popups, the colour steps), the short name the tips table gives.
function accessibleName(caption, what, shared) {
  const sentence = (text) => text.charAt(0).toUpperCase() + text.slice(1);
  if (!caption) return what ? sentence(what) : '';
  return shared && what ? `${caption}: ${what}` : caption;
}

export class PaletteView {
  constructor(root, title, onChange) {
    this.root = root;
    this.title = title;
    this.onChange = onChange;
    this.controls = new Map();  // id -> {item, el, input}
    this.tips = {};  // by item: {what, tip, caption} (resources/option_tips.def)
    this.onDone = () => {};  // Enter in a control: the edit is finished
  }

  setTips(tips) { this.tips = tips; }

  // Names and tooltips, once the controls exist: captions shared by two spin edits are told
  // apart by their short names.
  label() {
    const captions = new Map();
    for (const tip of Object.values(this.tips)) if (tip.caption) captions.set(tip.caption, (captions.get(tip.caption) ?? 0) + 1);
    for (const { item, el, input } of this.controls.values()) {
      if (!input) continue;
      const tip = this.tips[item.id] ?? { what: '', tip: '', caption: '' };
      const caption = item.kind === 'spin' ? tip.caption : item.kind === 'popup' ? '' : item.text.trim();
      const name = accessibleName(caption, tip.what, (captions.get(caption) ?? 0) > 1);
      if (name && (item.kind !== 'check' || name !== caption)) input.setAttribute('aria-label', name);
      const range = item.kind === 'spin' ? ` (${item.min} to ${item.max})` : '';
      if (tip.tip || range) el.title = `${tip.tip}${range}`.trim();
    }
  }

  build(model) {
    this.root.replaceChildren();
    this.controls.clear();
    this.root.style.width = `${model.width}px`;
    this.root.style.height = `${model.height}px`;
    for (const item of model.items) {
      const control = this.make(item);
      control.item = item;
      control.el.dataset.item = String(item.id);
      control.el.dataset.kind = item.kind;
      place(control.el, item.bounds);
      this.root.append(control.el);
      this.controls.set(item.id, control);
      if (control.input) {
        control.input.addEventListener('keydown', (e) => {
          // Leaving the field commits a typed value (its change event), then the keys go back
          // to the drawing.
          if (e.key === 'Enter' && !e.isComposing) this.onDone(e);
        });
      }
    }
    this.label();
    this.update(model);
  }

  // Shows the host's value in a spin edit again (after a text undo the browser would do).
  revert(input) {
    const control = this.controlOf(input);
    if (control?.item.kind === 'spin') input.value = spinText(control.item);
  }

  make(item) {
    switch (item.kind) {
      case 'spin': {
        const input = document.createElement('input');
        input.type = 'number';
        input.min = String(item.min);
        input.max = String(item.max);
        input.step = item.precision > 0 ? 'any' : '1';
        input.addEventListener('change', () => this.spinChanged(input));
        return { el: input, input };
      }
      case 'check': {
        const label = document.createElement('label');
        label.className = 'check';
        const input = document.createElement('input');
        input.type = 'checkbox';
        const caption = document.createElement('span');
        caption.textContent = item.text;
        label.append(input, caption);
        input.addEventListener('change', () => this.changed(input, input.checked));
        return { el: label, input };
      }
      case 'popup': {
        const select = document.createElement('select');
        for (const text of item.entries ?? []) select.add(new Option(text));
        select.addEventListener('change', () => this.changed(select, select.selectedIndex));
        return { el: select, input: select };
      }
      case 'button': {
        const button = document.createElement('button');
        button.type = 'button';
        button.textContent = item.text;
        button.addEventListener('click', () => this.changed(button, true));
        return { el: button, input: button };
      }
      default: {
        const text = document.createElement('div');
        text.className = 'text';
        text.textContent = item.text;
        return { el: text, input: null };
      }
    }
  }

  controlOf(input) {
    for (const control of this.controls.values()) if (control.input === input) return control;
    return null;
  }

  changed(input, value) {
    const control = this.controlOf(input);
    if (!control) return;
    control.shown = null;  // the host's answer is shown whatever it is
    this.onChange(control.item, value);
  }

  spinChanged(input) {
    const control = this.controlOf(input);
    if (!control) return;
    const number = input.value.trim() === '' ? NaN : Number(input.value);
    if (!Number.isFinite(number)) {
      input.value = spinText(control.item);  // not a number: the control keeps its value
      return;
    }
    const value = control.item.precision > 0 ? number
      : Math.min(INT32_MAX, Math.max(INT32_MIN, Math.round(number)));
    control.shown = null;  // the host's answer is shown whatever it is
    this.onChange(control.item, value);
  }

  // Values, captions, visibility and enabled state from the model; only what changed is
  // touched, so a refresh after every drawn event costs little.
  update(model) {
    if (this.title.textContent !== model.title) this.title.textContent = model.title;
    for (const item of model.items) {
      const control = this.controls.get(item.id);
      if (!control) continue;
      const before = control.shown ?? {};
      control.item = item;
      control.shown = item;
      const { el, input } = control;
      if (before.visible !== item.visible) el.classList.toggle('hidden', !item.visible);
      if (before.enabled !== item.enabled) {
        el.classList.toggle('disabled', !item.enabled);
        if (input) input.disabled = !item.enabled;
      }
      const captionChanged = before.text !== item.text;
      switch (item.kind) {
        case 'spin':
          if (input.value !== spinText(item) && (document.activeElement !== input || before.value !== item.value)) {
            input.value = spinText(item);
          }
          break;
        case 'check':
          if (input.checked !== item.value) input.checked = item.value;
          if (captionChanged) el.lastChild.textContent = item.text;
          break;
        case 'popup':
          if (input.selectedIndex !== item.value) input.selectedIndex = item.value;
          break;
        default:
          if (captionChanged) el.textContent = item.text;
      }
    }
  }
}
