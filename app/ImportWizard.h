// The import wizard: five pages in a modal wizard-style property sheet.
#pragma once

// Shows the wizard from its first page and returns when the sheet closes:
// by Finish, Cancel, its close box, or a page ending it after a fatal
// error. Throws mirrex::Win32Error when the sheet cannot be shown at all.
void runImportWizard();
