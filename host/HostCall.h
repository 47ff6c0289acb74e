#pragma once
// Calling convention of the host's tag-database library: the callee cleans the stack on 32-bit
// Windows; elsewhere there is only one convention.

#if defined(_WIN32) && !defined(_WIN64)
#define ORVIKAPI __stdcall
#else
#define ORVIKAPI
#endif
