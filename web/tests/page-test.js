// placemove.html in Chromium as a person uses it, opened from disk: the
// sample profiles picked, the folder picked, files dropped, a damaged file
// and a file that is no profile among good ones, the keyboard alone, and
// an accessibility scan; each download compared with placemove-cli's
// export of the same files (ADD_DATE aside), and no request made.
//   node --test page-test.js   with PLACEMOVE_PAGE, PLACEMOVE_CLI and
//   PLACEMOVE_SAMPLES (MakeSampleProfiles) in the environment
'use strict';
const assert = require('assert/strict');
const { spawnSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { after, before, test } = require('node:test');
const { launch, openPage, download } = require('./browser');

const pagePath = process.env.PLACEMOVE_PAGE;
const cli = process.env.PLACEMOVE_CLI;
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'page-test.'));
const samples = path.join(work, 'organize');
let browser;

before(async () => {
  const made = spawnSync(process.env.PLACEMOVE_SAMPLES, [samples]);
  assert.equal(made.status, 0, String(made.stderr));
  browser = await launch();
});
after(async () => {
  await browser.close();
  fs.rmSync(work, { recursive: true, force: true });
});

const withoutDates = (data) => String(data).replace(/ ADD_DATE="\d+"/g, '');

// placemove-cli export of `directory`: the file, the list of AOL-only links,
// the summary and the other lines of standard error, and the exit code.
function cliExport(directory, options = []) {
  const out = fs.mkdtempSync(path.join(work, 'cli.'));
  const run = spawnSync(cli, ['export', directory, '-o', 'bookmarks.html', '--aol-links', 'aol-links.txt', ...options],
                        { cwd: out });
  const lines = String(run.stderr).split('\n').filter((line) => line !== '');
  return {
    code: run.status,
    file: fs.readFileSync(path.join(out, 'bookmarks.html')),
    aolLinks: fs.readFileSync(path.join(out, 'aol-links.txt')),
    summary: lines.filter((line) => !line.startsWith('placemove-cli: ')),
    problems: lines.filter((line) => line.startsWith('placemove-cli: ')).map((line) => line.slice(15)),
  };
}

const sampleFiles = (directory) => fs.readdirSync(directory).sort().map((name) => path.join(directory, name));

// The page after the test, as every test leaves it: nothing requested,
// nothing refused, no error.
async function close(opened) {
  assert.deepEqual(opened.requests, [], 'the page requested something outside itself');
  assert.deepEqual(opened.errors, [], 'the page or its worker reported an error');
  await opened.context.close();
}

async function profileRows(page, count) {
  await page.locator('#profiles tbody tr').nth(count - 1).waitFor();
  return page.locator('#profiles tbody tr').evaluateAll((rows) =>
    rows.map((row) => [...row.cells].slice(1).map((cell) => cell.textContent)));
}

const summaryLines = (page) => page.locator('#summary li').allTextContents();
const problemLines = (page) => page.locator('#problems li').allTextContents();
const downloadControl = (page) => page.getByRole('button', { name: /^Download bookmarks file/ });

// Downloads the bookmarks file and checks it, its summary and its list of
// AOL-only links against placemove-cli's export of the same files.
async function checkDownload(page, expected, press) {
  const file = await download(page, press ?? (() => downloadControl(page).click()));
  assert.equal(file.name, 'bookmarks.html');
  assert.equal(withoutDates(file.data), withoutDates(expected.file));
  assert.deepEqual(await summaryLines(page), expected.summary);
  if (expected.aolLinks.length > 0) {
    const links = await download(page, () => page.getByRole('link', { name: /AOL-only links/ }).click());
    assert.equal(links.name, 'aol-links.txt');
    assert.deepEqual(links.data, expected.aolLinks);
  }
}

test('the sample profiles picked through the file input give the file placemove-cli writes', async () => {
  const opened = await openPage(browser, pagePath);
  const { page } = opened;
  await page.getByLabel('Profile files of the organize folder').setInputFiles(sampleFiles(samples));
  assert.deepEqual(await profileRows(page, 3), [['Jo Smith', '6', '2', 'josmith'], ['KidsZone42', '5', '3', 'kidszone42'],
                                                 ['Travel Desk', '5', '2', 'traveldesk']]);
  assert.deepEqual(await problemLines(page), ['Not an AOL profile: toolbar.dat is not an organize file']);
  await checkDownload(page, cliExport(samples));
  await close(opened);
});

test('a folder picked, and files dropped on the page, give the same file', async () => {
  const expected = cliExport(samples);
  const opened = await openPage(browser, pagePath);
  const { page } = opened;
  await page.getByLabel('Or the whole organize folder').setInputFiles(samples);
  await profileRows(page, 3);
  await checkDownload(page, expected);

  const dropped = sampleFiles(samples).map((file) =>
    ({ name: path.basename(file), data: fs.readFileSync(file).toString('base64') }));
  await page.evaluate((files) => {
    const transfer = new DataTransfer();
    for (const file of files) {
      transfer.items.add(new File([Uint8Array.from(atob(file.data), (c) => c.charCodeAt(0))], file.name));
    }
    document.getElementById('drop').dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true,
                                                                          cancelable: true }));
  }, dropped.filter((file) => file.name !== 'kidszone42'));
  await page.locator('#profiles tbody tr').nth(2).waitFor({ state: 'detached' });
  assert.deepEqual((await profileRows(page, 2)).map((row) => row[0]), ['Jo Smith', 'Travel Desk']);
  const pair = path.join(work, 'pair');
  fs.mkdirSync(pair);
  for (const name of ['josmith', 'traveldesk']) fs.copyFileSync(path.join(samples, name), path.join(pair, name));
  await checkDownload(page, cliExport(pair));
  await close(opened);
});

test('a damaged profile and a file that is no profile are listed with the reason, the rest written', async () => {
  const mixed = path.join(work, 'mixed');
  fs.mkdirSync(mixed);
  for (const name of ['kidszone42', 'traveldesk', 'toolbar.dat']) {
    fs.copyFileSync(path.join(samples, name), path.join(mixed, name));
  }
  const whole = fs.readFileSync(path.join(samples, 'josmith'));
  fs.writeFileSync(path.join(mixed, 'josmith'), whole.subarray(0, whole.length - 200));
  const expected = cliExport(mixed);
  assert.equal(expected.code, 1);
  const opened = await openPage(browser, pagePath);
  const { page } = opened;
  await page.getByLabel('Profile files of the organize folder').setInputFiles(sampleFiles(mixed));
  await profileRows(page, 3);
  const damage = expected.problems.map((line) => 'Damaged, read in part: ' + line.replace(mixed + '/', ''));
  assert.equal(damage.length, 1);
  assert.deepEqual(await problemLines(page), [...damage, 'Not an AOL profile: toolbar.dat is not an organize file']);
  await checkDownload(page, expected);
  assert.ok((await summaryLines(page)).includes('Damaged profiles, read in part: 1'));
  await close(opened);
});

// Tab until the element of that id has the focus.
async function tabTo(page, id) {
  for (let presses = 0; presses < 40; ++presses) {
    await page.keyboard.press('Tab');
    if (await page.evaluate(() => document.activeElement.id) === id) return;
  }
  assert.fail(`Tab never reached #${id}`);
}

test('the keyboard alone picks, chooses, names the folder and downloads', async () => {
  const opened = await openPage(browser, pagePath);
  const { page } = opened;
  await tabTo(page, 'files');
  const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.keyboard.press('Space')]);
  await chooser.setFiles(sampleFiles(samples));
  await profileRows(page, 3);
  await tabTo(page, 'profile-1');
  await page.keyboard.press('Space');
  await tabTo(page, 'top-folder');
  await page.keyboard.press('Control+A');
  await page.keyboard.type('From AOL & <Co>');
  await tabTo(page, 'download');
  const expected = cliExport(samples, ['--profile', 'Jo Smith', '--profile', 'Travel Desk', '--folder', 'From AOL & <Co>']);
  await checkDownload(page, expected, () => page.keyboard.press('Enter'));
  await close(opened);
});

test('no accessibility violation, and nothing wider than a phone held upright', async () => {
  const axe = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
  const opened = await openPage(browser, pagePath, { viewport: { width: 320, height: 640 } });
  const { page } = opened;
  // The scan is evaluated by the test's own channel, which the page's
  // Content-Security-Policy does not govern.
  await page.evaluate(axe);
  const scan = () => page.evaluate(async () => {
    const result = await window.axe.run(document, { runOnly: ['wcag2a', 'wcag2aa', 'wcag21aa', 'best-practice'] });
    return result.violations.map((violation) => `${violation.id}: ${violation.nodes.map((node) => node.target)}`);
  });
  assert.deepEqual(await scan(), []);
  await page.getByLabel('Profile files of the organize folder').setInputFiles(sampleFiles(samples));
  await profileRows(page, 3);
  await download(page, () => downloadControl(page).click());
  await page.locator('#summary li').first().waitFor();
  assert.deepEqual(await scan(), []);
  // 320 CSS pixels: a phone's width, and a 640-pixel window at 200% zoom.
  assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth),
            'the page scrolls sideways at 320 CSS pixels');
  await close(opened);
});
