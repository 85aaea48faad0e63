// The page's worker: the core (createPlacemoveCore, the script placed
// before this one) on the files the page sends, so that the page never
// waits on a long file. The files go into the module's in-memory file
// system, in the folder the core searches (web/PageNames.h).
//   page -> worker: {type: 'files', files: [{name, data}], codePage}
//                   {type: 'scan', codePage}
//                   {type: 'export', selected: [bool by row], folder, codePage}
//   worker -> page: {type: 'ready', codePages}, {type: 'progress', done, total},
//                   {type: 'found', profiles, problems, count, rescan},
//                   {type: 'exported', code, summary, bookmarks, aolLinks}, {type: 'failure', text}
'use strict';

const organizeFolder = '/organize';
let events = null;

const coreReady = createPlacemoveCore({
  onProfile: (row, screenName, favorites, folders, file, damage) =>
    events.profiles.push({ row, screenName, favorites, folders, file, damage }),
  onProblem: (file, text) => events.problems.push({ file, text }),
  onSummaryLine: (text) => events.summary.push(text),
  onProgress: (done, total) => postMessage({ type: 'progress', done, total }),
  onFailure: (text) => postMessage({ type: 'failure', text }),
});

function startEvents() {
  events = { profiles: [], problems: [], summary: [] };
}

function codePageNames(core) {
  const names = [];
  for (let i = 0; ; ++i) {
    const name = core.ccall('placemoveCodePageName', 'number', ['number'], [i]);
    if (name === 0) return names;
    names.push(core.UTF8ToString(name));
  }
}

// Replaces the files of the last pick with these.
function writeFiles(core, files) {
  for (const name of core.FS.readdir(organizeFolder)) {
    if (name !== '.' && name !== '..') core.FS.unlink(organizeFolder + '/' + name);
  }
  for (const file of files) core.FS.writeFile(organizeFolder + '/' + file.name, new Uint8Array(file.data));
}

function scan(core, codePage, rescan) {
  startEvents();
  const count = core.ccall('placemoveScan', 'number', ['string'], [codePage]);
  if (count < 0 && events.problems.length === 0) return;
  postMessage({ type: 'found', count, profiles: events.profiles, problems: events.problems, rescan });
}

// The file the core wrote, taken out of the file system.
function takeFile(core, path) {
  const data = core.FS.readFile(path);
  core.FS.unlink(path);
  return data.buffer;
}

function exportBookmarks(core, message) {
  message.selected.forEach((chosen, row) =>
    core.ccall('placemoveSelect', null, ['number', 'number'], [row, chosen ? 1 : 0]));
  startEvents();
  const code = core.ccall('placemoveExport', 'number', ['string', 'string'], [message.folder, message.codePage]);
  if (code < 0) return;
  const bookmarks = takeFile(core, '/bookmarks.html');
  const aolLinks = takeFile(core, '/aol-links.txt');
  postMessage({ type: 'exported', code, summary: events.summary, bookmarks, aolLinks }, [bookmarks, aolLinks]);
}

function handle(core, message) {
  if (message.type === 'files') {
    writeFiles(core, message.files);
    scan(core, message.codePage, false);
  } else if (message.type === 'scan') {
    scan(core, message.codePage, true);
  } else if (message.type === 'export') {
    exportBookmarks(core, message);
  }
}

// Messages that come before the module is ready wait for it, in order.
onmessage = (event) => coreReady.then((core) => handle(core, event.data));
coreReady.then((core) => {
  core.FS.mkdir(organizeFolder);
  postMessage({ type: 'ready', codePages: codePageNames(core) });
});
