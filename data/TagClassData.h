#pragma once
// The class-instance block of a tag: the class it is of and its members.

#include "ClassRecord.h"
#include "TagClassMemberData.h"

namespace data {

using TagClassData = ClassRecord<TagClassMemberData>;

}  // namespace data
