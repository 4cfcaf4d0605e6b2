// Data the program carries as RCDATA resources of its own module.
#pragma once

#include "toolkit/text.h"

// The bytes of the RCDATA resource name of the running program; empty when it has none. The view stays valid for
// the life of the process.
ByteView Resource_Bytes(const wchar_t* name);
