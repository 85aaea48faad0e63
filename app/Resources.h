// Identifiers of the program's resources, shared by Placemove.rc and the
// code. Plain macros, because the resource compiler reads this file too.
#pragma once

// The wizard's pages (dialog templates), in the order the sheet shows them.
#define IDD_INTRODUCTION 101
#define IDD_AOL_DIRECTORY 106
#define IDD_PROFILES 103
#define IDD_DESTINATION 102
#define IDD_IMPORTING 105

// Controls of the pages.
#define IDC_DESTINATION_NAME 1000  // page 102: folder name below Favorites
#define IDC_BROWSE 1001            // pages 106 and 102
#define IDC_PROFILE_LIST 1002      // page 103
#define IDC_PROGRESS 1003          // page 105
#define IDC_DONE_TEXT 1004         // page 105, hidden until the import ends
#define IDC_AOL_DIRECTORY 1005     // page 106
// Page 102's choice: the Favorites folder (the default) or a bookmarks file.
#define IDC_TO_FAVORITES 1006
#define IDC_TO_FILE 1007
#define IDC_FILE_PATH 1008    // the bookmarks file's path
#define IDC_BROWSE_FILE 1009  // its Save As dialog
// Page 105 once a bookmarks file is saved, hidden until then: what it holds,
// its path, the button that shows it in Explorer, how to import it in Edge.
#define IDC_FILE_DONE_TEXT 1010
#define IDC_SAVED_PATH 1011
#define IDC_SHOW_FILE 1012
#define IDC_EDGE_TEXT 1013

#define IDB_BANNER 102  // the picture at the top right of every page
#define IDI_PLACEMOVE 103
