#pragma once
// The C runtime's low-level file calls that the plug-in's file helpers use: the descriptor of an
// open stream, and cutting or extending a file to a length.

#include <cstdio>

extern "C" int _fileno(FILE* stream);
extern "C" int _chsize(int descriptor, long size);
