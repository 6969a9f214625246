// The generated sample: a scratch copy of examples/ with ombrelta run in its
// gallery/, as scripts/sample does it.
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

// Makes a fresh temporary folder whose name starts with `prefix`.
export function scratchFolder(prefix) {
  return fs.mkdtempSync(path.join(os.tmpdir(), prefix));
}

// Calls `fill(root)` on a fresh scratch folder and returns its result; the
// folder is removed again when `fill` throws.
function inScratchFolder(prefix, fill) {
  const root = scratchFolder(prefix);
  try {
    return fill(root);
  } catch (error) {
    fs.rmSync(root, { recursive: true, force: true });
    throw error;
  }
}

// Copies `examples` into a scratch folder and runs `binary` in its gallery/
// with standard input from /dev/null (the sample's case warning waits for
// Enter). Returns the gallery folder and the run's console output.
export function generateSample(binary, examples) {
  return inScratchFolder('ombrelta-browser-', (root) => {
    fs.cpSync(examples, root, { recursive: true });
    const gallery = path.join(root, 'gallery');
    const run = spawnSync(binary, [], { cwd: gallery, stdio: ['ignore', 'pipe', 'pipe'] });
    if (run.error) throw run.error;
    if (run.status !== 0) {
      throw new Error(`ombrelta ended with status ${run.status}:\n${run.stdout}${run.stderr}`);
    }
    return { root, gallery, console: run.stdout.toString('latin1') };
  });
}

// Copies a generated sample (its whole root, so that the parent page comes
// along) and replaces `from` by `to` in one page of the copy's gallery.
// Throws when the page does not hold `from`: a control that breaks nothing
// would prove nothing.
export function brokenCopy(sample, page, from, to) {
  return inScratchFolder('ombrelta-broken-', (root) => {
    fs.cpSync(sample.root, root, { recursive: true });
    const gallery = path.join(root, 'gallery');
    const file = path.join(gallery, page);
    const text = fs.readFileSync(file, 'latin1');
    if (!text.includes(from)) throw new Error(`${page} does not hold ${from}`);
    fs.writeFileSync(file, text.replace(from, to), 'latin1');
    return { root, gallery };
  });
}
