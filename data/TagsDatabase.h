#pragma once
// The integration database as a whole: tagl.json and class.json read into one
// TagsDatabaseData and written back. Every failure is an empty pointer or a
// false result; nothing here shows a message or throws.

#include <memory>
#include <optional>
#include <string>

#include "TagsDatabaseData.h"
#include "TextEncoding.h"

namespace data {

// What a load found.
struct TagsDatabaseLoadReport {
  // The first fault, naming the file, the record and the key, e.g.
  // `tagl.json: tags[12] "isPointer": expected true or false`; empty after a load.
  std::string failure;
  // How each file that was read is encoded.
  std::optional<helper::TextEncoding> tagsEncoding;
  std::optional<helper::TextEncoding> classesEncoding;
};

// An absent or empty path reads as an empty text. A missing or unreadable
// file fails; so does every fault of the texts (see ParseTagsDatabase). When a
// file exists and the load fails, the fault goes to the diagnostic log.
std::shared_ptr<TagsDatabaseData> LoadTagsDatabase(const std::optional<std::u16string>& tagsPath,
                                                   const std::optional<std::u16string>& classesPath,
                                                   TagsDatabaseLoadReport* report = nullptr);

// An absent or empty text contributes nothing. No partial database is returned:
// a syntax error, a missing or mistyped key, an unknown enumeration text, two
// tags of one name, or a classes version unlike the tags version all fail, and
// `failure` (when given) receives the first fault as LoadTagsDatabase tells it.
std::shared_ptr<TagsDatabaseData> ParseTagsDatabase(std::optional<std::u16string> tagsText,
                                                    std::optional<std::u16string> classesText,
                                                    std::string* failure = nullptr);

// Compact JSON; false without a database or without any output.
bool SerializeTagsDatabase(const std::shared_ptr<TagsDatabaseData>& database, std::u16string* tagsText,
                           std::u16string* classesText);

// Replaces each file given (a path that is absent or empty is skipped), written a
// block at a time. A number that JSON cannot hold (infinity, NaN) fails the save
// before either file is touched; when the tags file cannot be written the
// classes file is left alone.
bool SaveTagsDatabase(const std::shared_ptr<TagsDatabaseData>& database, const std::optional<std::u16string>& tagsPath,
                      const std::optional<std::u16string>& classesPath);

}  // namespace data
