#include "TagsDatabase.h"

#include "FileFunctions.h"
#include "JsonWriter.h"
#include "RapidJsonHelper.h"

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

// Parses in place: the document's strings point into `text`. Tags are read as
// the parser reaches them, so the document never holds them all.
bool ReadTagsText(std::u16string& text, TagsDatabaseData& database) {
  const helper::JsonArrayStream tags{
      u"tags", [&database](const JsonValue& element) { return TagsDatabaseData::ReadTag(element, database); }};
  helper::JsonDocument document;
  return helper::RapidJsonHelper::ParseInsitu(text, document, &tags) &&
         TagsDatabaseData::ReadTagsRoot(document, database);
}

bool ReadClassesText(std::u16string& text, TagsDatabaseData& database) {
  helper::JsonDocument document;
  return helper::RapidJsonHelper::ParseInsitu(text, document) && TagsDatabaseData::ReadClasses(document, database);
}

bool Serialize(const std::shared_ptr<TagsDatabaseData>& database, std::u16string& text,
               bool (*write)(const std::shared_ptr<TagsDatabaseData>&, helper::JsonWriter&)) {
  text.clear();
  helper::Utf16Appender output(text);
  helper::JsonWriter writer(output);
  const bool written = write(database, writer);
  output.Flush();
  return written;
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
  if (Given(tagsText) && !ReadTagsText(*tagsText, *database)) {
    return nullptr;
  }
  if (Given(classesText) && !ReadClassesText(*classesText, *database)) {
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
