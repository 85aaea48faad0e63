#include "app/FatalError.h"

#include "support/Messages.h"

#include <windows.h>

bool offerRetry(const mirrex::BaseError& error) {
  char text[1024];
  error.formatMessage(text, sizeof text);
  // A text that filled the buffer carries no terminator.
  text[sizeof text - 1] = '\0';
  return ShowMessage(MB_RETRYCANCEL | MB_DEFBUTTON2, MessageFatalError, text) == IDRETRY;
}
