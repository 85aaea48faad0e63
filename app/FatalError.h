// The answer to an error that stops the wizard.
#pragma once

#include "support/Errors.h"

// Shows the fatal-error message with the text of `error`, with Retry and
// Cancel (Cancel the default). True when the user chose Retry.
bool offerRetry(const mirrex::BaseError& error);
