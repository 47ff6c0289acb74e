// Compiled for 32-bit targets only: every record header asserts its documented offsets and sizes
// when pointers are 4 bytes, and this file makes sure they are. Two compilers check it: g++ -m32
// (the Linux ABI, where a double inside a record is aligned to 4 bytes) and i686-w64-mingw32-g++
// (the host's Windows ABI, where it is aligned to 8). Every documented offset is the same under
// both; only the sizes and alignments below differ.

#include "host/AlarmInfoRecord.h"
#include "host/AlarmTypeRecord.h"
#include "host/CQelString.h"
#include "host/Orvik.h"
#include "host/ParamRecord.h"
#include "host/TagDefRecord.h"
#include "host/VarRecord.h"
#include "host/VarRef.h"

static_assert(sizeof(void*) == 4, "this check is compiled for a 32-bit target");
// The alarm-type array is walked by the plug-in in steps of 312 bytes.
static_assert(sizeof(AlarmTypeRecord[2]) == 624);

#ifdef _WIN32
// The host's records: a VarRecord ends in padding after its alarm pointer, up to a multiple of 8.
static_assert(sizeof(VarRecord) == 24);
static_assert(alignof(VarRecord) == 8 && alignof(ParamRecord) == 8 && alignof(TagDefRecord) == 8);
static_assert(alignof(AlarmInfoRecord) == 8 && alignof(AlarmTypeRecord) == 8);
#else
static_assert(sizeof(VarRecord) == 20);
static_assert(alignof(VarRecord) == 4 && alignof(ParamRecord) == 4 && alignof(TagDefRecord) == 4);
static_assert(alignof(AlarmInfoRecord) == 4 && alignof(AlarmTypeRecord) == 4);
#endif
