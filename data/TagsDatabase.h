#pragma once
// The integration database as a whole: tagl.json and class.json read into one
// TagsDatabaseData and written back. Every failure is an empty pointer or a
// false result; nothing here shows a message or throws.

#include <memory>
#include <optional>
#include <string>

#include "TagsDatabaseData.h"

namespace data {

// An absent or empty path reads as an empty text. A missing or unreadable
// file fails; so does every fault of the texts (see ParseTagsDatabase).
std::shared_ptr<TagsDatabaseData> LoadTagsDatabase(const std::optional<std::u16string>& tagsPath,
                                                   const std::optional<std::u16string>& classesPath);

// An absent or empty text contributes nothing. No partial database is returned:
// a syntax error, a missing or mistyped key, an unknown enumeration text, two
// tags of one name, or a classes version unlike the tags version all fail.
std::shared_ptr<TagsDatabaseData> ParseTagsDatabase(std::optional<std::u16string> tagsText,
                                                    std::optional<std::u16string> classesText);

// Compact JSON; false without a database or without any output.
bool SerializeTagsDatabase(const std::shared_ptr<TagsDatabaseData>& database, std::u16string* tagsText,
                           std::u16string* classesText);

// Replaces each file given (a path that is absent or empty is skipped). When the
// tags file cannot be written the classes file is left alone.
bool SaveTagsDatabase(const std::shared_ptr<TagsDatabaseData>& database, const std::optional<std::u16string>& tagsPath,
                      const std::optional<std::u16string>& classesPath);

}  // namespace data
