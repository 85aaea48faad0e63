// Shared by the stand-in's sources: pending faults set by tests.
#pragma once

#include "standin.h"

namespace standin {

// True when the call is to fail now; the error is then set as last error.
bool faultDue(Call call);
// The error of the fault that faultDue() just reported.
DWORD faultError();

}  // namespace standin
