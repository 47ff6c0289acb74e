#pragma once
// The host's tag type codes. A record's base type (bits 0 to 1) holds one of the first four; a tag
// of a class has the class number (counted from 1) plus kTypeClassOffset.

enum TagTypeCode : int {
  kTypeBoolean = 0,
  kTypeInteger = 1,
  kTypeReal = 2,
  kTypeString = 3,
  kTypeBaseCount = 4,
  kTypeClassOffset = 3,
};
