// The one calling convention and the one export marker used by every module and the host.
#pragma once

#if defined(_WIN32) && !defined(_WIN64)
#define PANEL_CALL __stdcall
#else
#define PANEL_CALL
#endif

#if defined(_WIN32)
#define PANEL_EXPORT __declspec(dllexport)
#else
#define PANEL_EXPORT __attribute__((visibility("default")))
#endif
