// Debian's Chromium, headless, driven by playwright-core, with the page
// opened from disk (file://) and every request it makes watched: the tests
// fail on any request that is not the page itself.
'use strict';
const path = require('path');
const { pathToFileURL } = require('url');
const { chromium } = require('playwright-core');

// Background networking and everything else Chromium would fetch by itself
// off, so that what the page requests is all that is requested.
const flags = ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
  '--disable-sync', '--disable-default-apps', '--disable-extensions', '--no-first-run', '--disable-domain-reliability',
  '--disable-client-side-phishing-detection', '--disable-features=Translate,MediaRouter,OptimizationHints',
  '--proxy-server=127.0.0.1:9'];

function launch() {
  return chromium.launch({ executablePath: '/usr/bin/chromium', args: flags });
}

// A fresh context with the page open, ready (the worker has told its code
// pages). `requests` collects every request that is not the page's own
// file or a Blob the page made; `errors` every error the page or its worker
// reports (a Content-Security-Policy refusal among them).
async function openPage(browser, pagePath, options = {}) {
  const context = await browser.newContext({ acceptDownloads: true, ...options });
  const url = pathToFileURL(path.resolve(pagePath)).href;
  const requests = [];
  const errors = [];
  await context.route('**/*', (route) => {
    const requested = route.request().url();
    if (requested === url) return route.continue();
    requests.push(requested);
    return route.abort();
  });
  context.on('request', (request) => {
    const requested = request.url();
    if (requested !== url && !requested.startsWith('blob:') && !requests.includes(requested)) {
      requests.push(requested);
    }
  });
  const page = await context.newPage();
  page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
  page.on('pageerror', (error) => errors.push(String(error)));
  page.on('worker', (worker) => worker.on('console', (message) => {
    if (message.type() === 'error') errors.push('worker: ' + message.text());
  }));
  await page.goto(url);
  await page.locator('#code-page option').first().waitFor({ state: 'attached' });
  return { context, page, requests, errors };
}

// Clicks the download control and returns the downloaded file's bytes.
async function download(page, press) {
  const [file] = await Promise.all([page.waitForEvent('download'), press()]);
  const stream = await file.createReadStream();
  const chunks = [];
  for await (const chunk of stream) chunks.push(chunk);
  return { name: file.suggestedFilename(), data: Buffer.concat(chunks) };
}

module.exports = { launch, openPage, download };
