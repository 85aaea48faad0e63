// One timed conversion in the page, for scripts/bench-page.sh:
//   node bench-page.js PAGE DIR
// Opens the page from disk in headless Chromium, picks every file of DIR,
// downloads the bookmarks file, and prints "<seconds> <peak kB>": the time
// from the pick to the download being ready, and the highest resident
// memory of the tab's renderer process (which runs its worker).
'use strict';
const fs = require('fs');
const path = require('path');
const { launch, openPage, download } = require('./browser');

// The process ids of this browser's renderers, as the browser tells them.
async function renderers(browser) {
  const session = await browser.newBrowserCDPSession();
  const { processInfo } = await session.send('SystemInfo.getProcessInfo');
  return processInfo.filter((info) => info.type === 'renderer').map((info) => info.id);
}

const peakKilobytes = (pid) => Number(/VmHWM:\s+(\d+)/.exec(fs.readFileSync(`/proc/${pid}/status`, 'utf8'))[1]);

async function run(pagePath, directory) {
  const browser = await launch();
  try {
    const { page, requests } = await openPage(browser, pagePath);
    const files = fs.readdirSync(directory).map((name) => path.join(directory, name));
    const start = process.hrtime.bigint();
    await page.getByLabel('Profile files of the organize folder').setInputFiles(files);
    await page.locator('#profiles tbody tr').first().waitFor({ timeout: 600000 });
    await page.getByRole('button', { name: /^Download bookmarks file/ }).click();
    await page.waitForEvent('download', { timeout: 600000 });
    const seconds = Number(process.hrtime.bigint() - start) / 1e9;
    const peak = Math.max(...(await renderers(browser)).map(peakKilobytes));
    if (requests.length > 0) throw new Error('the page requested ' + requests.join(', '));
    process.stdout.write(`${seconds.toFixed(3)} ${peak}\n`);
  } finally {
    await browser.close();
  }
}

run(process.argv[2], process.argv[3]).catch((error) => {
  process.stderr.write('bench-page: ' + error.message + '\n');
  process.exit(1);
});
