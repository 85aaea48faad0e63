#!/usr/bin/env node
// The export of placemove-cli done by the page instead, for the browsers'
// import check (tests/browsers/check-browsers.sh), which runs it as it
// runs placemove-cli:
//   page-export.js PAGE export DIR -o FILE [--profile NAME]... [--codepage CP] [--folder NAME]
// Picks every file of DIR in the page opened from disk, chooses the
// profiles, the code page and the folder's name as the options say, and
// saves the download as FILE. Fails on any request outside the page.
'use strict';
const fs = require('fs');
const path = require('path');
const { launch, openPage, download } = require('./browser');

function parse(args) {
  const [page, command, directory, ...rest] = args;
  if (command !== 'export') throw new Error('only export is done by the page');
  const options = { page, directory, profiles: [], codePage: null, folder: null, output: null };
  for (let i = 0; i < rest.length; i += 2) {
    const [name, value] = [rest[i], rest[i + 1]];
    if (name === '-o') options.output = value;
    else if (name === '--profile') options.profiles.push(value);
    else if (name === '--codepage') options.codePage = value;
    else if (name === '--folder') options.folder = value;
    else throw new Error('unknown option ' + name);
  }
  return options;
}

// The option of the code page's list that the command line's name means
// ("1251" is "windows-1251").
async function chooseCodePage(page, name) {
  const names = await page.locator('#code-page option').evaluateAll((options) => options.map((o) => o.value));
  const value = [name, 'windows-' + name].find((candidate) => names.includes(candidate.toLowerCase()));
  if (!value) throw new Error('the page has no code page ' + name);
  await page.getByLabel('Code page of the AOL texts').selectOption(value.toLowerCase());
}

async function run(options) {
  const browser = await launch();
  try {
    const opened = await openPage(browser, options.page);
    const { page } = opened;
    if (options.codePage) await chooseCodePage(page, options.codePage);
    if (options.folder !== null) await page.getByLabel('Name of the folder that holds them').fill(options.folder);
    const files = fs.readdirSync(options.directory).sort().map((name) => path.join(options.directory, name));
    await page.getByLabel('Profile files of the organize folder').setInputFiles(files);
    await page.locator('#profiles tbody tr').first().waitFor();
    if (options.profiles.length > 0) {
      for (const row of await page.locator('#profiles tbody tr').all()) {
        const name = await row.locator('td').nth(1).textContent();
        await row.getByRole('checkbox').setChecked(options.profiles.includes(name));
      }
    }
    const file = await download(page, () => page.getByRole('button', { name: /^Download bookmarks file/ }).click());
    fs.writeFileSync(options.output, file.data);
    if (opened.requests.length > 0) throw new Error('the page requested ' + opened.requests.join(', '));
    if (opened.errors.length > 0) throw new Error('the page reported ' + opened.errors.join('; '));
  } finally {
    await browser.close();
  }
}

run(parse(process.argv.slice(2))).catch((error) => {
  process.stderr.write('page-export: ' + error.message + '\n');
  process.exit(1);
});
