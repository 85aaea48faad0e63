// The page: takes the files the user picks or drops, hands them to the
// worker (worker.js, made from the script text of the page, so that the
// page stays one file), shows the profiles it finds, and saves the
// bookmarks file it writes. Nothing here reads or writes the files' format:
// the core in the worker does.
'use strict';

const byId = (id) => document.getElementById(id);
const fileInput = byId('files');
const folderInput = byId('folder');
const topFolder = byId('top-folder');
const codePage = byId('code-page');
const downloadButton = byId('download');
const status = byId('status');
const progressRow = byId('progress-row');
const progress = byId('progress');
const progressLabel = byId('progress-label');

const worker = new Worker(URL.createObjectURL(new Blob([byId('worker-source').textContent],
                                                      { type: 'text/javascript' })));
// The rows the worker told of, by row of the core's table; what is chosen.
let profiles = [];
let selected = [];
let aolLinksUrl = null;

function say(text) { status.textContent = text; }

// Something to download only when a profile shown is chosen.
function updateDownload() { downloadButton.disabled = !profiles.some((profile) => selected[profile.row]); }

function showProgress(label) {
  progressLabel.textContent = label;
  progress.value = 0;
  progressRow.hidden = false;
}

function element(tag, text, className) {
  const node = document.createElement(tag);
  if (text !== undefined) node.textContent = text;
  if (className) node.className = className;
  return node;
}

// A problem line in words, its kind first: never by colour alone.
function problemItem(kind, text) {
  const item = element('li');
  item.append(element('span', kind + ': ', 'problem-kind'), text);
  return item;
}

function profileRow(profile) {
  const row = element('tr');
  const box = element('input');
  box.type = 'checkbox';
  box.checked = selected[profile.row];
  box.id = 'profile-' + profile.row;
  box.addEventListener('change', () => {
    selected[profile.row] = box.checked;
    updateDownload();
  });
  const label = element('label', 'Include ' + profile.screenName);
  label.htmlFor = box.id;
  label.className = 'visually-hidden';
  const include = element('td');
  include.append(box, label);
  const cells = [['Screen name', profile.screenName, ''], ['Favourites', String(profile.favorites), 'number'],
                 ['Folders', String(profile.folders), 'number'], ['File', profile.file, 'file']];
  row.append(include, ...cells.map(([heading, text, className]) => {
    const cell = element('td', text, className);
    cell.dataset.label = heading;
    return cell;
  }));
  return row;
}

// Files that are no profile are named as well: the core finds the profiles
// among the files, the page only knows which files it handed over.
// A new pick chooses every profile; the same files read again in another
// code page keep the user's choice.
function showProfiles(message, fileNames, rescan) {
  profiles = message.profiles;
  if (!rescan) {
    selected = [];
    for (let row = 0; row < message.count; ++row) selected[row] = true;
  }
  const body = byId('profiles').tBodies[0];
  body.replaceChildren(...profiles.map(profileRow));
  const problems = byId('problems');
  const read = new Set(profiles.map((profile) => profile.file));
  const items = message.problems.map((problem) => problemItem('Not read', problem.text));
  for (const profile of profiles) {
    if (profile.damage) items.push(problemItem('Damaged, read in part', profile.damage));
  }
  for (const name of fileNames) {
    const named = message.problems.some((problem) => problem.file === name);
    if (!read.has(name) && !named) items.push(problemItem('Not an AOL profile', name + ' is not an organize file'));
  }
  problems.replaceChildren(...items);
  byId('problems-block').hidden = items.length === 0;
  byId('profiles-section').hidden = false;
  updateDownload();
  say(profiles.length === 0 ? 'No AOL profile among the files chosen.'
                            : 'Profiles found: ' + profiles.length + '. Choose the ones to include, then download.');
}

function save(blob, name) {
  const link = element('a');
  link.href = URL.createObjectURL(blob);
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}

function showSummary(message) {
  byId('summary').replaceChildren(...message.summary.map((line) => element('li', line)));
  if (aolLinksUrl) URL.revokeObjectURL(aolLinksUrl);
  aolLinksUrl = null;
  const hasLinks = message.aolLinks.size > 0;
  if (hasLinks) {
    aolLinksUrl = URL.createObjectURL(message.aolLinks);
    byId('aol-links').href = aolLinksUrl;
  }
  byId('aol-links-row').hidden = !hasLinks;
  byId('summary-block').hidden = false;
}

let fileNames = [];

// Names as the folder of the core takes them: no folder separators, and a
// second file of one name (from two folders) kept under a name of its own.
function uniqueNames(files) {
  const taken = new Set();
  return files.map((file) => {
    const base = file.name.replace(/[\\/\0]/g, '_') || '_';
    let name = base;
    for (let n = 2; taken.has(name); ++n) name = base + ' (' + n + ')';
    taken.add(name);
    return name;
  });
}

async function takeFiles(files) {
  if (files.length === 0) return;
  say('Reading ' + files.length + ' files…');
  showProgress('Reading the profiles');
  fileNames = uniqueNames(files);
  const data = await Promise.all(files.map((file) => file.arrayBuffer()));
  const message = files.map((file, i) => ({ name: fileNames[i], data: data[i] }));
  worker.postMessage({ type: 'files', files: message, codePage: codePage.value }, data);
}

// The files of a dropped folder, and of its folders, read from its entries.
async function entryFiles(entry) {
  if (entry.isFile) return [await new Promise((resolve, reject) => entry.file(resolve, reject))];
  const reader = entry.createReader();
  const files = [];
  for (;;) {
    const entries = await new Promise((resolve, reject) => reader.readEntries(resolve, reject));
    if (entries.length === 0) return files;
    for (const child of entries) files.push(...await entryFiles(child));
  }
}

async function droppedFiles(transfer) {
  const items = [...transfer.items].filter((item) => item.kind === 'file');
  const entries = items.map((item) => (item.webkitGetAsEntry ? item.webkitGetAsEntry() : null));
  if (entries.length === 0 || entries.some((entry) => entry === null)) return [...transfer.files];
  const lists = await Promise.all(entries.map(entryFiles));
  return lists.flat();
}

worker.onmessage = (event) => {
  const message = event.data;
  if (message.type === 'ready') {
    codePage.replaceChildren(...message.codePages.map((name) => new Option(name, name, false,
                                                                           name === 'windows-1252')));
  } else if (message.type === 'progress') {
    progress.value = message.total > 0 ? message.done / message.total : 0;
  } else if (message.type === 'found') {
    progressRow.hidden = true;
    showProfiles(message, fileNames, message.rescan);
  } else if (message.type === 'exported') {
    progressRow.hidden = true;
    showSummary(message);
    save(message.bookmarks, 'bookmarks.html');
    say(message.code === 0 ? 'The bookmarks file is saved as bookmarks.html. Import it as told below.'
                           : 'The bookmarks file is saved as bookmarks.html, but not everything could be read: '
                             + 'see what was written.');
    updateDownload();
  } else if (message.type === 'failure') {
    progressRow.hidden = true;
    say('The conversion failed: ' + message.text);
    updateDownload();
  }
};

// The worker itself failing (its memory exhausted, say) ends the work too.
worker.onerror = (event) => {
  progressRow.hidden = true;
  say('The conversion failed: ' + (event.message || 'the worker stopped'));
  updateDownload();
};

fileInput.addEventListener('change', () => takeFiles([...fileInput.files]));
folderInput.addEventListener('change', () => takeFiles([...folderInput.files]));
codePage.addEventListener('change', () => {
  if (profiles.length > 0) worker.postMessage({ type: 'scan', codePage: codePage.value });
});
downloadButton.addEventListener('click', () => {
  downloadButton.disabled = true;
  say('Writing the bookmarks file…');
  showProgress('Writing the bookmarks file');
  worker.postMessage({ type: 'export', selected, folder: topFolder.value, codePage: codePage.value });
});

// Dropping anywhere on the page: the whole page is the target, the frame
// of the drop area shows it.
const dropArea = byId('drop');
document.addEventListener('dragover', (event) => {
  event.preventDefault();
  dropArea.classList.add('over');
});
document.addEventListener('dragleave', () => dropArea.classList.remove('over'));
document.addEventListener('drop', async (event) => {
  event.preventDefault();
  dropArea.classList.remove('over');
  takeFiles(await droppedFiles(event.dataTransfer));
});
