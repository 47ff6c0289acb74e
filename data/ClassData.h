#pragma once
// One class of class.json.

#include "ClassMemberData.h"
#include "ClassRecord.h"

namespace data {

using ClassData = ClassRecord<ClassMemberData>;

}  // namespace data
