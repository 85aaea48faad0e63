// What importing any organize file with the favourites writer must leave
// behind: files and directories only inside the destination folder, each
// named by one reported title (escaped and marked as the writer marks
// names), with no character Windows refuses, no "." or "..", no device name,
// no trailing dot or space, a full path within MAX_PATH characters; and
// shortcut files of exactly the format's lines, with a reported URL that
// runs no script (isScriptUrl), its line breaks escaped, and the writer's
// time. Shared by the writer fuzzer and the tests that replay its corpus,
// in both builds.
#pragma once

#include <string>

// Imports an organize file of these bytes into a new folder "dest"
// inside `sandbox`, an empty folder, checks what was written, and removes
// it again. Returns what went wrong, or an empty text.
std::string writerFault(const std::string& organizeBytes, const std::string& sandbox);
