#pragma once
// <windows.h> defines "far" and "near" as empty words of 16-bit days; the
// shared sources use them as names. Included first, through -include.
#include <windows.h>
#undef far
#undef near
