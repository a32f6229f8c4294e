// The WebAssembly host: the module is compiled once; every document gets a fresh instance
// (the plug-in keeps module-wide state, so a new document starts from zero as a new process
// does for the command line). A HostSession forwards the page's events to the binding and
// keeps them as a gesture log that `quentarb draw --gesture` plays back.

// The palette items the page drives by number, as the binding reads them from the tables; set
// when the first instance starts, before the page has a palette to look them up in.
export let TOOL_SELECTOR = -1;
export let LINE_TYPE = -1;
export let RESET_BUTTON = -1;

let compiled = null;

export async function loadEngine() {
  if (compiled) return;
  const response = await fetch('quentarb_playground.wasm');
  if (!response.ok) throw new Error(`cannot load quentarb_playground.wasm (HTTP ${response.status})`);
  compiled = await WebAssembly.compile(await response.arrayBuffer());
}

function instantiate() {
  return new Promise((resolve, reject) => {
    globalThis.createQuenTarb({
      instantiateWasm(imports, receive) {
        WebAssembly.instantiate(compiled, imports).then((instance) => receive(instance, compiled), reject);
        return {};
      },
      onAbort: (what) => reject(new Error(`the WebAssembly module stopped: ${what}`)),
      print: (text) => console.log(text),
      printErr: (text) => console.warn(text),
    }).then(resolve, reject);
  });
}

export class HostSession {
  // config: {seed, page: [w, h], colorModel, fill, stroke, strokeWidth, pressureDevice}
  static async start(config) {
    const mod = await instantiate();
    ({ toolSelector: TOOL_SELECTOR, lineType: LINE_TYPE, reset: RESET_BUTTON } = JSON.parse(mod.paletteItemsJson()));
    const error = mod.start(JSON.stringify(config));
    if (error) {
      mod.stop();
      throw new Error(error);
    }
    return new HostSession(mod, config);
  }

  constructor(mod, config) {
    this.mod = mod;
    this.config = config;
    this.catalog = JSON.parse(mod.optionCatalogJson());
    this.optionByItem = new Map(this.catalog.filter((o) => o.item >= 0).map((o) => [o.item, o]));
    this.optionByName = new Map(this.catalog.map((o) => [o.name, o]));
    this.kinds = new Map(this.palette(false).items.map((i) => [i.id, i.kind]));
    this.log = [];
    this.mouseIsDown = false;
  }

  stop() {
    this.mod.stop();
    this.mod = null;
  }

  // A result code as the command line writes it: "1346458189 ('PARM')".
  errorText(code) { return this.mod.errorCodeText(code); }

  // ---- Mouse ----
  mouseDown(at) {
    this.mouseIsDown = true;
    this.log.push({ type: 'down', at });
    return this.mod.mouseDown(at[0], at[1]);
  }

  mouseDrag(at, pressure, modifiers) {
    const event = { type: 'drag', at };
    if (pressure !== 255) event.pressure = pressure;
    if (modifiers) event.modifiers = modifiers;
    this.log.push(event);
    return this.mod.mouseDrag(at[0], at[1], pressure, modifiers);
  }

  mouseUp() {
    this.mouseIsDown = false;
    this.log.push({ type: 'up' });
    return this.mod.mouseUp();
  }

  // The host's undo of the last finished drag, logged as `quentarb draw` plays it back; a
  // drag in progress is never undone (a gesture file cannot hold an undo there).
  undoLastDrag() {
    if (this.mouseIsDown) return false;
    const done = this.mod.undoLastDrag();
    if (done) this.log.push({ type: 'undo' });
    return done;
  }

  // The host's redo of the drag undone last (nothing once a new drag began).
  redoLastDrag() {
    if (this.mouseIsDown) return false;
    const done = this.mod.redoLastDrag();
    if (done) this.log.push({ type: 'redo' });
    return done;
  }

  // Escape during a drag: the mouse-up, then the host's revert to before the drag.
  cancelDrag() {
    if (!this.mouseIsDown) return null;
    this.mouseIsDown = false;
    this.log.push({ type: 'cancel' });
    return this.mod.cancelDrag();
  }

  canUndo() { return !this.mouseIsDown && this.mod.undoableDrags() > 0; }
  canRedo() { return !this.mouseIsDown && this.mod.redoableDrags() > 0; }
  // Whether anything was drawn since the document started (a drag, even one undone).
  hasDrawing() { return this.log.some((e) => e.type === 'down'); }

  // ---- The palette, changed as a user changes it ----
  palette(withEntries) { return JSON.parse(this.mod.paletteJson(withEntries)); }

  // item: the palette item of the model; value: an entry index, a boolean or a number.
  change(item, value) {
    if (item.id === TOOL_SELECTOR) return this.selectTool(value);
    if (item.id === LINE_TYPE) return this.selectShape(value);
    if (item.id === RESET_BUTTON) return this.reset();
    const option = this.optionByItem.get(item.id);
    if (!option) throw new Error(`palette item ${item.id} edits no option`);
    return this.setOption(option.name, value);
  }

  selectTool(tool) {
    this.log.push({ type: 'tool', tool });
    return this.mod.selectEntry(TOOL_SELECTOR, tool);
  }

  selectShape(shape) {
    this.log.push({ type: 'shape', shape });
    return this.mod.selectEntry(LINE_TYPE, shape);
  }

  reset() {
    this.log.push({ type: 'reset' });
    return this.mod.click(RESET_BUTTON);
  }

  // By the option's store name, through its control, as `quentarb draw --set` does.
  setOption(name, value) {
    const option = this.optionByName.get(name);
    if (!option || option.item < 0) throw new Error(`no control edits the option ${name}`);
    const item = option.item;
    this.log.push({ type: 'set', option: name, value });
    if (option.type === 'bool') return this.mod.setBool(item, Boolean(value));
    if (option.type === 'float') return this.mod.setFloat(item, value);
    return this.kinds.get(item) === 'popup' ? this.mod.selectEntry(item, value) : this.mod.setInt(item, value);
  }

  // ---- What the host has ----
  documentJson() { return this.mod.documentJson(); }
  documentSvg() { return this.mod.documentSvg(); }
  pathCount() { return this.mod.documentPathCount(); }
  status(fromAlert) { return JSON.parse(this.mod.statusJson(fromAlert)); }

  gesture() { return { events: this.log }; }

  // Tooltips, short names and captions by palette item; tool names by number.
  controlTips() { return JSON.parse(this.mod.controlTipsJson()); }
  toolNames() { return JSON.parse(this.mod.toolNamesJson()); }
  // A gesture file's events as this page logs them, or {error}.
  normalizeGesture(text) { return JSON.parse(this.mod.normalizeGesture(text)); }
  // The bounds of all art, [left, bottom, right, top] in document points, or null.
  artBounds() { return JSON.parse(this.mod.artBoundsJson()); }

  // Plays a log (this page's own) into this session.
  replay(log) {
    for (const e of log) {
      switch (e.type) {
        case 'down': this.mouseDown(e.at); break;
        case 'drag': this.mouseDrag(e.at, e.pressure ?? 255, e.modifiers ?? 0); break;
        case 'up': this.mouseUp(); break;
        case 'undo': this.undoLastDrag(); break;
        case 'redo': this.redoLastDrag(); break;
        case 'cancel': this.cancelDrag(); break;
        case 'tool': this.selectTool(e.tool); break;
        case 'shape': this.selectShape(e.shape); break;
        case 'reset': this.reset(); break;
        case 'set': this.setOption(e.option, e.value); break;
        default: throw new Error(`unknown event ${e.type}`);
      }
    }
  }

  // Brings the palette of this (new) session to the values of `old` (another session's
  // model), control by control: the tool first, then popups, then the rest.
  carryPalette(old) {
    const current = new Map(this.palette(false).items.map((i) => [i.id, i]));
    const rank = (i) => (i.id === TOOL_SELECTOR ? 0 : i.kind === 'popup' ? 1 : 2);
    const wanted = old.items
      .filter((i) => 'value' in i && i.id !== RESET_BUTTON)
      .filter((i) => i.id === TOOL_SELECTOR || i.id === LINE_TYPE || this.optionByItem.has(i.id))
      .sort((a, b) => rank(a) - rank(b));
    for (const item of wanted) {
      const now = current.get(item.id);
      if (now && now.value !== item.value) this.change(item, item.value);
    }
  }
}
