// The checks of the places an export or import is to write, made before
// any profile is read. placemove-cli only ever reads the AOL files: no
// output may be the profile folder, lie in it, or be one of its files
// reached by another path (a symbolic link, a second name of the file, a
// link to the folder), whatever --force says. Each refusal is one line on
// standard error.
#pragma once

// The bookmarks file `output` (null for standard output) and the list of
// AOL-only links `aolLinks` (null when none is asked for), paths of the
// core, next to the profile folder `directory`. Returns 0 to go on, or the
// exit code after the message: 2 for an output that is a folder, a link to
// nothing, in the profile folder, or both outputs at once; 1 for an
// existing file that `replace` does not allow to replace.
int checkExportOutputs(const char* directory, const char* output, const char* aolLinks, bool replace);
// The folder `root` that an import writes into. Returns 0, or 2 after the
// message when it is in the profile folder `directory`.
int checkImportFolder(const char* directory, const char* root);
