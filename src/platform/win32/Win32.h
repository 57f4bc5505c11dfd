#pragma once

// The one way the Windows layer includes the OS headers: wide API, no
// min/max macros, and no ChooseFont macro, which would rename the dialogs'
// ChooseFont member in this layer only.
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif

#include <windows.h>

#include <commdlg.h>

#undef ChooseFont
