// The one routine that shows the program's messages.
#include "support/Messages.h"

#include "app/ProcessState.h"

#include <windows.h>

#include <cstdarg>

int ShowMessage(UINT flags, UINT stringId, ...) {
  // Both buffers hold what wvsprintfA can write at most.
  char format[1024] = "";
  char text[1024] = "";
  LoadStringA(instanceHandle, stringId, format, sizeof format);
  va_list arguments;
  va_start(arguments, stringId);
  wvsprintfA(text, format, arguments);
  va_end(arguments);
  // No owner and no caption of its own; every message is an error the user
  // has to answer before going on with the program.
  return MessageBoxA(nullptr, text, nullptr, flags | MB_ICONHAND | MB_TASKMODAL);
}
