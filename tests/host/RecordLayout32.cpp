// Compiled with -m32 only: every record header asserts its documented offsets and sizes when
// pointers are 4 bytes, and this file makes sure they are.

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
