#include "data/TagsDatabase.h"

#include <rapidjson/writer.h>

#include "helper/FileFunctions.h"
#include "helper/RapidJsonHelper.h"

namespace data {

namespace {

bool Given(const std::optional<std::u16string>& text) { return text && !text->empty(); }

// Reads the file when a path is given; leaves `text` empty otherwise.
bool ReadGivenFile(const std::optional<std::u16string>& path, std::u16string& text) {
  if (!Given(path)) {
    return true;
  }
  return helper::FileFunctions::FileExists(*path) && helper::FileFunctions::ReadFile(*path, &text);
}

// Parses in place: the document's strings point into `text`.
bool ReadText(std::u16string& text, TagsDatabaseData& database,
              bool (*read)(const JsonValue&, TagsDatabaseData&)) {
  helper::JsonDocument document;
  return helper::RapidJsonHelper::ParseInsitu(text, document) && read(document, database);
}

class StringOutput {
 public:
  using Ch = char16_t;
  explicit StringOutput(std::u16string& text) : text_(text) {}
  void Put(Ch c) { text_.push_back(c); }
  void Flush() {}

 private:
  std::u16string& text_;
};

bool Serialize(const std::shared_ptr<TagsDatabaseData>& database, std::u16string& text,
               bool (*write)(const std::shared_ptr<TagsDatabaseData>&, JsonValue&, JsonAllocator&)) {
  JsonAllocator allocator;
  JsonValue root;
  if (!write(database, root, allocator)) {
    return false;
  }
  text.clear();
  StringOutput output(text);
  rapidjson::Writer<StringOutput, helper::JsonEncoding, helper::JsonEncoding> writer(output);
  // Fails only for a double that JSON cannot hold (infinity, NaN).
  return root.Accept(writer);
}

}  // namespace

std::shared_ptr<TagsDatabaseData> LoadTagsDatabase(const std::optional<std::u16string>& tagsPath,
                                                   const std::optional<std::u16string>& classesPath) {
  if (!tagsPath && !classesPath) {
    return nullptr;
  }
  std::u16string tagsText;
  std::u16string classesText;
  if (!ReadGivenFile(tagsPath, tagsText) || !ReadGivenFile(classesPath, classesText)) {
    return nullptr;
  }
  return ParseTagsDatabase(std::move(tagsText), std::move(classesText));
}

std::shared_ptr<TagsDatabaseData> ParseTagsDatabase(std::optional<std::u16string> tagsText,
                                                    std::optional<std::u16string> classesText) {
  auto database = std::make_shared<TagsDatabaseData>();
  if (Given(tagsText) && !ReadText(*tagsText, *database, &TagsDatabaseData::ReadTags)) {
    return nullptr;
  }
  if (Given(classesText) && !ReadText(*classesText, *database, &TagsDatabaseData::ReadClasses)) {
    return nullptr;
  }
  return database;
}

bool SerializeTagsDatabase(const std::shared_ptr<TagsDatabaseData>& database, std::u16string* tagsText,
                           std::u16string* classesText) {
  if (!database || (tagsText == nullptr && classesText == nullptr)) {
    return false;
  }
  return (tagsText == nullptr || Serialize(database, *tagsText, &TagsDatabaseData::WriteTags)) &&
         (classesText == nullptr || Serialize(database, *classesText, &TagsDatabaseData::WriteClasses));
}

bool SaveTagsDatabase(const std::shared_ptr<TagsDatabaseData>& database, const std::optional<std::u16string>& tagsPath,
                      const std::optional<std::u16string>& classesPath) {
  if (!database || (!tagsPath && !classesPath)) {
    return false;
  }
  std::u16string tagsText;
  std::u16string classesText;
  if (!SerializeTagsDatabase(database, Given(tagsPath) ? &tagsText : nullptr,
                             Given(classesPath) ? &classesText : nullptr)) {
    return false;
  }
  if (Given(tagsPath) && !helper::FileFunctions::WriteFile(*tagsPath, tagsText)) {
    return false;
  }
  return !Given(classesPath) || helper::FileFunctions::WriteFile(*classesPath, classesText);
}

}  // namespace data
