// The core's events (PageEvents.h), handed to the functions that the
// worker's script gives the module when it makes it.
mergeInto(LibraryManager.library, {
  pageProfile: function (row, screenName, favorites, folders, file, damage) {
    Module.onProfile(row, UTF8ToString(screenName), favorites >>> 0, folders >>> 0, UTF8ToString(file),
                     UTF8ToString(damage));
  },
  pageProblem: function (file, text) { Module.onProblem(UTF8ToString(file), UTF8ToString(text)); },
  pageSummaryLine: function (text) { Module.onSummaryLine(UTF8ToString(text)); },
  pageProgress: function (done, total) { Module.onProgress(done >>> 0, total >>> 0); },
  pageFailure: function (text) { Module.onFailure(UTF8ToString(text)); },
  pageOutput: function (file, data, size) { Module.onOutput(file, HEAPU8.slice(data, data + (size >>> 0))); },
});
