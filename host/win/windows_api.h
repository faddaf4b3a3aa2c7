#pragma once
// The Win32 API for the Windows host files, included before the project's own headers.
// <windows.h> defines some names of ours as macros (DeleteFile, FindText, ...); they are
// removed here so that our functions and members keep their names.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#undef DeleteFile
#undef FindText
#undef ReplaceText
