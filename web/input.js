// Pointer and key input of the document window. A press becomes "AI Mouse Down", moves
// become "AI Mouse Drag" and the release "AI Mouse Up". Moves are coalesced: one slot holds
// the latest unprocessed move, so the page never queues more than one pending event, and
// each processed event is timed. Space + drag or the middle button pans; Escape during a drag
// cancels it. On a touch screen one finger draws once it has moved a little, and two fingers
// pinch to zoom and move to pan; a second finger cancels a drag the first one began.

export const SHIFT = 0x20;
export const ALT = 0x40;
export const CONTROL = 0x200;  // Command on the Mac

export function modifierBits(e) {
  return (e.shiftKey ? SHIFT : 0) | (e.altKey ? ALT : 0) | (e.ctrlKey || e.metaKey ? CONTROL : 0);
}

// Pen pressure 0 to 255; a mouse or touch reports none, which the host gives as 255.
function pressureOf(e) {
  if (e.pointerType !== 'pen') return 255;
  return Math.max(0, Math.min(255, Math.round(e.pressure * 255)));
}

export function typingIn(target) {
  return target instanceof HTMLElement && target.closest('input, select, textarea') !== null;
}

// How far (CSS pixels) a finger moves before it draws: less is a tap, or the start of a pinch.
const TOUCH_SLOP = 6;

export class DragInput {
  // hooks: session() -> HostSession | null, pressureDevice() -> bool, penFound(),
  //        processed({result, ms}), finished(result), started(result), modifiers(bits),
  //        cancelled(result)
  constructor(stage, view, hooks) {
    this.stage = stage;
    this.view = view;
    this.hooks = hooks;
    this.dragging = false;
    this.pending = null;  // the one unprocessed drag event
    this.scheduled = false;
    this.lastPoint = null;
    this.lastPressure = 255;
    this.panning = null;
    this.spaceHeld = false;
    this.pointerOver = false;  // keys act on the drawing while the pointer is over the page
    this.touches = new Map();  // touch pointers down: id -> {x, y}
    this.touchStart = null;    // a finger down that has not drawn yet: {id, x, y, at}
    this.pinch = null;         // two fingers: {distance, mid}
    this.channel = new MessageChannel();
    this.channel.port1.onmessage = () => this.pump();

    stage.addEventListener('pointerenter', (e) => { if (e.pointerType !== 'touch') this.pointerOver = true; });
    stage.addEventListener('pointerleave', () => { this.pointerOver = false; });
    stage.addEventListener('pointerdown', (e) => this.down(e));
    stage.addEventListener('pointermove', (e) => this.move(e));
    stage.addEventListener('pointerup', (e) => this.up(e));
    stage.addEventListener('pointercancel', (e) => this.up(e));
    stage.addEventListener('contextmenu', (e) => e.preventDefault());
    window.addEventListener('keydown', (e) => this.key(e, true));
    window.addEventListener('keyup', (e) => this.key(e, false));
    window.addEventListener('blur', () => this.hooks.modifiers(0));
  }

  // Moves outside the window still reach the drag; a pointer the browser no longer tracks
  // cannot be captured, and the drag then simply ends at the window's edge.
  capture(pointerId) {
    try {
      this.stage.setPointerCapture(pointerId);
    } catch {
      // not capturable: nothing to do
    }
  }

  down(e) {
    // A click on the page gives the keys back to the drawing.
    if (document.activeElement !== this.stage) this.stage.focus({ preventScroll: true });
    if (e.pointerType === 'touch') {
      this.touchDown(e);
      return;
    }
    if (this.dragging || this.panning) return;
    if (e.button === 1 || (e.button === 0 && this.spaceHeld)) {
      this.panning = { id: e.pointerId, x: e.clientX, y: e.clientY };
      this.capture(e.pointerId);
      e.preventDefault();
      return;
    }
    if (e.button !== 0) return;
    const session = this.hooks.session();
    if (!session) return;
    if (e.pointerType === 'pen' && !this.hooks.pressureDevice()) {
      // The host learns of the pen first; this stroke is not drawn.
      this.hooks.penFound();
      return;
    }
    e.preventDefault();
    this.capture(e.pointerId);
    this.begin(session, e.pointerId, this.view.toDocument(e.clientX, e.clientY), pressureOf(e));
  }

  begin(session, pointerId, at, pressure) {
    this.dragging = true;
    this.pointerId = pointerId;
    this.lastPoint = at;
    this.lastPressure = pressure;
    this.hooks.started(session.mouseDown(this.lastPoint));
  }

  // Escape during a drag: the host's mouse-up and revert; the rest of the drag is ignored.
  cancel() {
    if (!this.dragging) return false;
    this.pending = null;
    this.dragging = false;
    const session = this.hooks.session();
    if (session) this.hooks.cancelled(session.cancelDrag());
    return true;
  }

  // ---- Touch ----
  touchDown(e) {
    e.preventDefault();
    this.capture(e.pointerId);
    this.touches.set(e.pointerId, { x: e.clientX, y: e.clientY });
    if (this.touches.size === 1) {
      this.touchStart = { id: e.pointerId, x: e.clientX, y: e.clientY, at: this.view.toDocument(e.clientX, e.clientY) };
      return;
    }
    // A second finger: no drawing, whatever the first one began.
    this.touchStart = null;
    if (this.dragging) this.cancel();
    this.pinch = this.twoFingers();
  }

  twoFingers() {
    const [a, b] = [...this.touches.values()];
    if (!b) return null;
    return { distance: Math.hypot(b.x - a.x, b.y - a.y), mid: [(a.x + b.x) / 2, (a.y + b.y) / 2] };
  }

  touchMove(e) {
    const touch = this.touches.get(e.pointerId);
    if (!touch) return false;
    touch.x = e.clientX;
    touch.y = e.clientY;
    if (this.pinch) {
      const now = this.twoFingers();
      if (!now) return true;
      this.view.panBy(now.mid[0] - this.pinch.mid[0], now.mid[1] - this.pinch.mid[1]);
      if (this.pinch.distance > 0 && now.distance > 0) this.view.zoomAt(now.mid[0], now.mid[1], now.distance / this.pinch.distance);
      this.pinch = now;
      return true;
    }
    const start = this.touchStart;
    if (start && start.id === e.pointerId && Math.hypot(e.clientX - start.x, e.clientY - start.y) >= TOUCH_SLOP) {
      this.touchStart = null;
      const session = this.hooks.session();
      if (session) this.begin(session, e.pointerId, start.at, 255);
    }
    return !this.dragging;
  }

  touchUp(e) {
    if (!this.touches.delete(e.pointerId)) return false;
    if (this.touchStart?.id === e.pointerId) {
      // A tap: a press and a release where the finger went down.
      const session = this.hooks.session();
      this.touchStart = null;
      if (session && e.type === 'pointerup') {
        this.begin(session, e.pointerId, this.view.toDocument(e.clientX, e.clientY), 255);
        return false;
      }
      return true;
    }
    if (this.pinch) {
      this.pinch = this.touches.size >= 2 ? this.twoFingers() : null;
      return true;
    }
    return !this.dragging;
  }

  move(e) {
    if (e.pointerType === 'touch' && this.touchMove(e)) return;
    if (this.panning && e.pointerId === this.panning.id) {
      this.view.panBy(e.clientX - this.panning.x, e.clientY - this.panning.y);
      this.panning.x = e.clientX;
      this.panning.y = e.clientY;
      return;
    }
    if (!this.dragging || e.pointerId !== this.pointerId) return;
    this.lastPoint = this.view.toDocument(e.clientX, e.clientY);
    this.lastPressure = pressureOf(e);
    this.queue(modifierBits(e));
  }

  up(e) {
    if (e.pointerType === 'touch' && this.touchUp(e)) return;
    if (this.panning && e.pointerId === this.panning.id) {
      this.panning = null;
      return;
    }
    if (!this.dragging || e.pointerId !== this.pointerId) return;
    this.pump();  // the last move is drawn before the drag ends
    this.dragging = false;
    const session = this.hooks.session();
    if (session) this.hooks.finished(session.mouseUp());
  }

  // A modifier pressed or released during a drag is a drag event at the same point, so the
  // per-event key rules work without moving the mouse.
  key(e, pressed) {
    if (pressed && e.key === 'Escape' && this.cancel()) {
      e.preventDefault();
      return;
    }
    if (e.key === ' ' && (!typingIn(e.target) || this.pointerOver || this.spaceHeld)) {
      this.spaceHeld = pressed;
      this.stage.classList.toggle('panning', pressed);
      e.preventDefault();
      return;
    }
    if (!['Shift', 'Alt', 'Control', 'Meta'].includes(e.key)) return;
    const bits = modifierBits(e);
    this.hooks.modifiers(bits);
    if (!this.dragging) return;
    if (e.key === 'Alt') e.preventDefault();  // keeps the browser's menu bar out of the drag
    this.queue(bits);
  }

  queue(modifiers) {
    this.pending = { at: this.lastPoint, pressure: this.lastPressure, modifiers };
    if (!this.scheduled) {
      this.scheduled = true;
      this.channel.port2.postMessage(0);
    }
  }

  pump() {
    this.scheduled = false;
    const event = this.pending;
    if (!event) return;
    this.pending = null;
    const session = this.hooks.session();
    if (!session) return;
    const start = performance.now();
    const result = session.mouseDrag(event.at, event.pressure, event.modifiers);
    this.hooks.processed({ result, ms: performance.now() - start });
  }
}
