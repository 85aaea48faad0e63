// The answers to an error that stops the wizard or the program.
#pragma once

#include "support/Errors.h"

#include <windows.h>

// Shows the fatal-error message with the text of `error` and the buttons
// of `buttons`; returns the button pressed.
int showFatalError(const mirrex::BaseError& error, UINT buttons);

// Shows the fatal-error message with Retry and Cancel (Cancel the
// default). True when the user chose Retry.
bool offerRetry(const mirrex::BaseError& error);
