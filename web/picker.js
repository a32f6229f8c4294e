// The side panel's first-run parts: the mode picker (the thirteen modes with a thumbnail and
// their full names, driving the palette's own tool selector), the presets (one click: a new
// document with the preset drawn; each says what it sets) and the preview strips of the long
// numbered popups.
import { LINE_TYPE, TOOL_SELECTOR } from './engine.js';
import { PREVIEWED_POPUPS } from './previews.js';

const trimmed = (text) => text.trim();

function element(tag, props = {}, ...children) {
  const el = document.createElement(tag);
  for (const [key, value] of Object.entries(props)) {
    if (key === 'class') el.className = value;
    else if (key.startsWith('data-') || key.startsWith('aria-') || key === 'role') el.setAttribute(key, value);
    else el[key] = value;
  }
  el.append(...children);
  return el;
}

// The modes' drag for a thumbnail: the drag of the mode's first preset, so it stays on the page.
function modeJob(tool, presets) {
  const preset = presets.find((p) => p.toolNumber === tool);
  const drag = preset?.drag ?? { from: [180, 300], to: [430, 520] };
  return { tool, shape: 4, sets: [['strokeoptions', 2], ['filloptions', 3], ['closedpath', true]], from: drag.from, to: drag.to, steps: 1 };
}

export class ModePicker {
  // entries: the tool selector's entries (the modes' full names); onPick(tool)
  constructor(root, entries, onPick) {
    this.buttons = entries.map((text, tool) => {
      const img = element('img', { alt: '', width: 56, height: 56, className: 'thumb' });
      const button = element('button', { type: 'button', class: 'mode', title: trimmed(text), 'aria-pressed': 'false', 'data-tool': String(tool) },
        img, element('span', { class: 'mode-name' }, trimmed(text)));
      button.addEventListener('click', () => onPick(tool));
      return { button, img };
    });
    root.replaceChildren(...this.buttons.map((b) => b.button));
  }

  show(tool) {
    this.buttons.forEach(({ button }, i) => button.setAttribute('aria-pressed', String(i === tool)));
  }

  drawThumbnails(engine, presets) {
    const jobs = this.buttons.map((_, tool) => modeJob(tool, presets));
    return engine.draw(jobs, (i, url) => { if (url) this.buttons[i].img.src = url; });
  }
}

// "What a preset sets", in the palette's own words: the mode, the line type, then each option's
// caption (or short name) with its value (a popup's entry, on for a check box).
export function describePreset(preset, model, tips, catalog) {
  const byId = new Map(model.items.map((i) => [i.id, i]));
  const entry = (item, index) => trimmed(byId.get(item)?.entries?.[index] ?? String(index));
  const parts = [entry(TOOL_SELECTOR, preset.toolNumber), entry(LINE_TYPE, preset.shape)];
  for (const [name, value] of preset.sets) {
    const option = catalog.find((o) => o.name === name);
    if (!option) continue;
    const item = byId.get(option.item);
    const tip = tips[option.item] ?? {};
    const label = tip.caption || (tip.what ? tip.what.charAt(0).toUpperCase() + tip.what.slice(1) : name);
    if (option.type === 'bool') parts.push(value ? label : `${label} off`);
    else if (item?.kind === 'popup') parts.push(`${label}: ${entry(option.item, value)}`);
    else parts.push(`${label} ${value}`);
  }
  return parts.join(' · ');
}

export class PresetList {
  // presets: the table's, with toolNumber; onPick(preset)
  constructor(root, presets, onPick) {
    this.root = root;
    this.presets = presets;
    this.items = presets.map((preset) => {
      const img = element('img', { alt: '', width: 56, height: 56, className: 'thumb' });
      const what = element('span', { class: 'preset-sets' });
      const title = preset.title.charAt(0).toUpperCase() + preset.title.slice(1);
      const button = element('button', { type: 'button', class: 'preset', 'data-preset': preset.name },
        img, element('span', { class: 'preset-text' }, element('span', { class: 'preset-title' }, title), what));
      button.addEventListener('click', () => onPick(preset));
      return { button, img, what };
    });
    root.replaceChildren(...this.items.map((i) => i.button));
  }

  describe(model, tips, catalog) {
    this.presets.forEach((preset, i) => {
      const text = describePreset(preset, model, tips, catalog);
      this.items[i].what.textContent = text;
      this.items[i].button.title = text;
    });
  }

  drawThumbnails(engine) {
    const jobs = this.presets.map((p) => ({ tool: p.toolNumber, shape: p.shape, sets: p.sets, from: p.drag.from, to: p.drag.to, steps: p.drag.steps ?? 8, wholePage: true }));
    return engine.draw(jobs, (i, url) => { if (url) this.items[i].img.src = url; });
  }
}

// The strip under the palette for a long numbered popup: one thumbnail per entry with the
// page's current settings and that entry; a click chooses it.
export class PopupPreviews {
  // hooks: settings() -> {tool, shape, sets}, choose(item, index), entries(item) -> [text]
  constructor(root, engine, hooks) {
    this.root = root;
    this.engine = engine;
    this.hooks = hooks;
    this.item = null;
    this.generation = 0;
  }

  // Shows the strip of palette item `item` (one of PREVIEWED_POPUPS), drawn afresh.
  open(item) {
    const option = PREVIEWED_POPUPS.get(item);
    if (!option) return;
    this.item = item;
    const generation = ++this.generation;
    const entries = this.hooks.entries(item);
    const settings = this.hooks.settings();
    const heading = element('div', { class: 'previews-head' },
      element('strong', {}, `Previews: ${trimmed(entries[0] ?? '')}`),
      element('button', { type: 'button', class: 'close', 'aria-label': 'Close the previews', textContent: '×' }));
    heading.lastChild.addEventListener('click', () => this.close());
    const grid = element('div', { class: 'previews-grid' });
    const tiles = entries.map((text, index) => {
      const img = element('img', { alt: '', width: 64, height: 64 });
      const tile = element('button', { type: 'button', class: 'preview', title: trimmed(text), 'data-entry': String(index) },
        img, element('span', {}, trimmed(text).replace(/^(Pattern|Apply|Re-size) /, '')));
      tile.addEventListener('click', () => this.hooks.choose(item, index));
      grid.append(tile);
      return img;
    });
    this.root.replaceChildren(heading, grid);
    this.root.hidden = false;
    const sets = settings.sets.filter(([name]) => name !== option);
    const jobs = entries.map((_, index) => ({
      tool: settings.tool, shape: settings.shape, sets: [...sets, [option, index]], from: [250, 350], to: [360, 440], steps: 1,
    }));
    this.engine.draw(jobs, (i, url) => { if (url) tiles[i].src = url; }, () => generation === this.generation);
  }

  close() {
    ++this.generation;
    this.item = null;
    this.root.hidden = true;
    this.root.replaceChildren();
  }
}
