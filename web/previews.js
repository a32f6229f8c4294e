// Thumbnails drawn by the engine, on demand, in a WebAssembly instance of their own (the
// plug-in keeps module-wide state, so never in the page's own document): the mode picker's
// thirteen modes and the strips for the long numbered popups (patterns, grid rules, windmill
// re-size rules). Each thumbnail is one drag in a fresh palette state (Reset, then the
// settings), exported as SVG and cropped to its art; the drag is undone before the next.
import { HostSession } from './engine.js';
import { svgOfArea } from './files.js';

const THUMB_DOCUMENT = { seed: 1, page: [612, 792], colorModel: 'rgb', fill: '#ffffff', stroke: 'rgb(0.1,0.1,0.2)', strokeWidth: 1, pressureDevice: false };

// The long numbered popups that get a strip: palette item -> the option it sets.
export const PREVIEWED_POPUPS = new Map([
  [17, 'patternoptions'],
  [34, 'scalexoptions_0'],
  [35, 'scaleyoptions_0'],
  [120, 'windmilloptions_5'],
]);

const nextTask = () => new Promise((resolve) => setTimeout(resolve, 0));

// The SVG cropped to the art with a margin (or the page, as the window shows it), or null
// without art.
function cropped(session, wholePage) {
  const bounds = session.artBounds();
  if (!bounds) return null;
  if (wholePage) return URL.createObjectURL(new Blob([session.documentSvg()], { type: 'image/svg+xml' }));
  const [l, b, r, t] = bounds;
  const margin = Math.max(r - l, t - b) * 0.04 + 1;
  const svg = svgOfArea(session.documentSvg(), [l - margin, b - margin, r + margin, t + margin], session.config.page[1]);
  return URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
}

export class ThumbnailEngine {
  constructor() {
    this.session = null;
    this.queue = Promise.resolve();
  }

  async ensure() {
    if (!this.session) this.session = await HostSession.start(THUMB_DOCUMENT);
    return this.session;
  }

  // Draws each job ({tool, shape, sets: [[option, value]], from, to, steps, wholePage}) in turn and hands
  // its image URL (or null) to `done(index, url)`; jobs run one batch at a time.
  draw(jobs, done, stillWanted = () => true) {
    this.queue = this.queue.then(async () => {
      const session = await this.ensure();
      for (let i = 0; i < jobs.length; ++i) {
        if (!stillWanted()) return;
        const job = jobs[i];
        session.reset();
        session.selectTool(job.tool);
        session.selectShape(job.shape ?? 0);
        for (const [option, value] of job.sets ?? []) session.setOption(option, value);
        const steps = job.steps ?? 1;
        session.mouseDown(job.from);
        for (let k = 1; k <= steps; ++k) {
          const t = k / steps;
          const at = k === steps ? job.to : [job.from[0] + (job.to[0] - job.from[0]) * t, job.from[1] + (job.to[1] - job.from[1]) * t];
          session.mouseDrag(at, 255, 0);
        }
        session.mouseUp();
        done(i, cropped(session, job.wholePage));
        session.undoLastDrag();
        session.log.length = 0;  // nothing here is ever exported
        await nextTask();
      }
    }).catch((e) => console.warn(`thumbnails: ${e.message}`));
    return this.queue;
  }
}
