#pragma once
// Makes integration databases that look like real projects: classes with
// members, tags of every type, class instances whose members carry integration
// blocks, integration blocks with and without historian settings, alarms and
// histories, descriptions in several languages. The same seed makes the same
// database.

#include <cstddef>
#include <memory>

#include "TagsDatabaseData.h"

namespace generator {

class IntegrationDatabaseGenerator {
 public:
  static std::shared_ptr<data::TagsDatabaseData> Generate(std::size_t tagCount, unsigned seed = 1);
};

}  // namespace generator
