// The page's worker: the core (createPlacemoveCore, the script placed
// before this one) on the files the page sends, so that the page never
// waits on a long file. The files go into the module's in-memory file
// system, in the folder the core searches (web/PageNames.h).
//   page -> worker: {type: 'files', files: [{name, data}], codePage}
//                   {type: 'scan', codePage}
//                   {type: 'export', selected: [bool by row], folder, codePage}
//   worker -> page: {type: 'ready', codePages}, {type: 'progress', done, total},
//                   {type: 'found', profiles, problems, count, rescan},
//                   {type: 'exported', code, summary, bookmarks, aolLinks (Blobs)}, {type: 'failure', text}
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
  onOutput: (file, bytes) => events.files[file].push(bytes),
});

// What the core tells during one call; the parts of the two files an
// export writes (web/PageEvents.h: PageFile).
function startEvents() {
  events = { profiles: [], problems: [], summary: [], files: [[], []] };
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
  // The file system keeps the bytes it is given, without a copy.
  for (const file of files) {
    core.FS.writeFile(organizeFolder + '/' + file.name, new Uint8Array(file.data), { canOwn: true });
  }
}

function scan(core, codePage, rescan) {
  startEvents();
  const count = core.ccall('placemoveScan', 'number', ['string'], [codePage]);
  if (count < 0 && events.problems.length === 0) return;
  postMessage({ type: 'found', count, profiles: events.profiles, problems: events.problems, rescan });
}

function exportBookmarks(core, message) {
  message.selected.forEach((chosen, row) =>
    core.ccall('placemoveSelect', null, ['number', 'number'], [row, chosen ? 1 : 0]));
  startEvents();
  const code = core.ccall('placemoveExport', 'number', ['string', 'string'], [message.folder, message.codePage]);
  if (code < 0) return;
  const { summary, files } = events;
  // The parts are let go as soon as the Blobs hold their bytes.
  events = null;
  postMessage({ type: 'exported', code, summary, bookmarks: new Blob(files[0], { type: 'text/html' }),
                aolLinks: new Blob(files[1], { type: 'text/plain' }) });
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
