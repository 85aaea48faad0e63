#include "app/FatalError.h"

#include "support/Messages.h"

int showFatalError(const mirrex::BaseError& error, UINT buttons) {
  char text[1024];
  mirrex::formatErrorText(error, text, sizeof text);
  return ShowMessage(buttons, MessageFatalError, text);
}

bool offerRetry(const mirrex::BaseError& error) {
  return showFatalError(error, MB_RETRYCANCEL | MB_DEFBUTTON2) == IDRETRY;
}
