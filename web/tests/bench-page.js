// One timed conversion in the page, for scripts/bench-page.sh:
//   node bench-page.js PAGE DIR
// Opens the page from disk in headless Chromium, picks every file of DIR,
// downloads the bookmarks file, and prints "<seconds> <peak kB>": the time
// the page takes from the pick to the download being ready, as the page's
// clock counts it (from the file input's change to the profiles shown,
// and from the press of the download control to the file handed to the
// browser: without the driver's own time between them), and the highest
// resident memory of the tab's renderer process (which runs its worker).
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
    await page.evaluate(() => {
      const times = {};
      window.benchTimes = times;
      const at = (name) => () => { times[name] = times[name] ?? performance.now(); };
      document.getElementById('files').addEventListener('change', at('picked'));
      document.getElementById('download').addEventListener('click', at('pressed'));
      new MutationObserver(at('shown')).observe(document.querySelector('#profiles tbody'), { childList: true });
      new MutationObserver(at('saved')).observe(document.getElementById('summary'), { childList: true });
    });
    await page.getByLabel('Profile files of the organize folder').setInputFiles(files);
    await page.locator('#profiles tbody tr').first().waitFor({ timeout: 600000 });
    await page.getByRole('button', { name: /^Download bookmarks file/ }).click();
    await page.waitForEvent('download', { timeout: 600000 });
    const times = await page.evaluate(() => window.benchTimes);
    const seconds = (times.shown - times.picked + times.saved - times.pressed) / 1000;
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
