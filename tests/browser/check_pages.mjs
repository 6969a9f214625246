// The checks a person would make by clicking through a generated gallery:
// every picture shows, every link leads to a file, the slideshow walks from
// the first page to the last and back, and Exit returns to the index page.
// They collect problems instead of stopping at the first, so a broken copy
// can be shown to fail them.
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

// "zdia0001.html" for page 1.
export function slidePage(number) {
  return `zdia${String(number).padStart(4, '0')}.html`;
}

function fileName(url) {
  return decodeURIComponent(new URL(url).pathname.split('/').pop());
}

// True when `url` names an existing regular file, letter case exact.
function isFile(url) {
  if (!url.startsWith('file:')) return false;
  try {
    return fs.statSync(fileURLToPath(url)).isFile();
  } catch {
    return false;
  }
}

// Checks the pictures and links of the page shown now; returns them.
async function checkShownPage(page, problems) {
  const where = fileName(page.url());
  const images = await page.$$eval('img', (all) =>
    all.map((img) => ({ src: img.getAttribute('src'), loaded: img.complete && img.naturalWidth > 0 })),
  );
  for (const img of images) {
    if (!img.loaded) problems.push(`${where}: picture ${img.src} did not load`);
  }
  const links = await page.$$eval('a[href]', (all) =>
    all.map((a) => ({ href: a.getAttribute('href'), url: a.href, inTable: a.closest('table') !== null })),
  );
  for (const link of links) {
    if (!isFile(link.url)) problems.push(`${where}: link ${link.href} leads to no file`);
  }
  return { images, links };
}

// Clicks the one link labelled `label` and checks that it opened `target`.
async function follow(page, label, target, problems) {
  const where = fileName(page.url());
  const link = page.locator('a', { hasText: label });
  const count = await link.count();
  if (count !== 1) {
    problems.push(`${where}: ${count} links labelled ${label}, expected one`);
    return false;
  }
  await link.click();
  await page.waitForLoadState('load');
  const now = fileName(page.url()) || page.url();
  if (now !== target || !isFile(page.url())) {
    problems.push(`${where}: ${label} opened ${now}, expected the file ${target}`);
    return false;
  }
  return true;
}

async function hasLink(page, label) {
  return (await page.locator('a', { hasText: label }).count()) > 0;
}

async function checkIndex(page, gallery, expected, problems) {
  await page.goto(pathToFileURL(path.join(gallery, 'index.html')).href);
  const heading = await page.locator('h2').allTextContents();
  if (heading.join('|') !== expected.heading) {
    problems.push(`index.html: heading ${JSON.stringify(heading)}, expected ${expected.heading}`);
  }
  const { images, links } = await checkShownPage(page, problems);
  if (images.length !== expected.pictures) {
    problems.push(`index.html: ${images.length} pictures in the gallery, expected ${expected.pictures}`);
  }
  const tableLinks = links.filter((link) => link.inTable).map((link) => link.href);
  if (tableLinks.join(' ') !== expected.tableLinks.join(' ')) {
    problems.push(`index.html: table links ${tableLinks.join(' ')}, expected ${expected.tableLinks.join(' ')}`);
  }
}

// One slideshow page: one picture, and a Back button on all but the first.
async function checkSlide(page, number, problems) {
  const { images } = await checkShownPage(page, problems);
  if (images.length !== 1) problems.push(`${slidePage(number)}: ${images.length} pictures, expected one`);
  if ((await hasLink(page, 'Back')) !== number > 1) {
    problems.push(`${slidePage(number)}: Back button ${number > 1 ? 'missing' : 'on the first page'}`);
  }
}

// From the index page: Slideshow, Next to the last page, Back to the first,
// Exit to the index page.
async function walkSlideshow(page, expected, problems) {
  if (!(await follow(page, 'Slideshow', slidePage(1), problems))) return;
  let number = 1;
  await checkSlide(page, number, problems);
  while (number < expected.pictures + 1 && (await hasLink(page, 'Next'))) {
    if (!(await follow(page, 'Next', slidePage(number + 1), problems))) return;
    number += 1;
    await checkSlide(page, number, problems);
  }
  if (number !== expected.pictures) {
    problems.push(`the slideshow ends at ${slidePage(number)}, expected ${slidePage(expected.pictures)}`);
  }
  while (number > 1) {
    if (!(await follow(page, 'Back', slidePage(number - 1), problems))) return;
    number -= 1;
  }
  if (await follow(page, 'Exit', 'index.html', problems)) {
    if ((await page.locator('h2').count()) !== 1) problems.push('Exit: the index page has no heading');
  }
}

// Runs every check on the generated gallery in `gallery`; returns the list of
// problems found, empty when the gallery passes.
export async function checkSample(context, gallery, expected) {
  const problems = [];
  const page = await context.newPage();
  try {
    await checkIndex(page, gallery, expected, problems);
    await walkSlideshow(page, expected, problems);
  } catch (error) {
    problems.push(`stopped: ${String(error.message).split('\n')[0]}`);
  } finally {
    await page.close();
  }
  return problems;
}
