#include "TagsDatabase.h"

#include <rapidjson/error/en.h>

#include "DiagnosticLog.h"
#include "FileFunctions.h"
#include "JsonWriter.h"
#include "RapidJsonHelper.h"
#include "ReadFailure.h"
#include "Utf8Conversion.h"

namespace data {

namespace {

constexpr const char* kLoadTagsDatabase = "data::LoadTagsDatabase";
constexpr const char* kTagsFile = "tagl.json";
constexpr const char* kClassesFile = "class.json";

bool Given(const std::optional<std::u16string>& text) { return text && !text->empty(); }

// The last segment of a path, with either separator.
std::string FileNameOf(const std::u16string& path) {
  const std::size_t slash = path.find_last_of(u"/\\");
  return platform::Utf16ToUtf8(slash == std::u16string::npos ? path : path.substr(slash + 1));
}

bool Exists(const std::optional<std::u16string>& path) {
  return Given(path) && helper::FileFunctions::FileExists(*path);
}

// Reads the file when a path is given; leaves `text` empty otherwise.
bool ReadGivenFile(const std::optional<std::u16string>& path, const std::optional<std::u16string>& other,
                   std::u16string& text, std::optional<helper::TextEncoding>& encoding) {
  if (!Given(path)) {
    return true;
  }
  if (!helper::FileFunctions::FileExists(*path)) {
    return ReadFailure::ReportFile(Exists(other) ? "missing beside " + FileNameOf(*other) : "missing");
  }
  helper::TextEncoding found = helper::TextEncoding::Utf16Le;
  if (!helper::FileFunctions::ReadFile(*path, &text, &found)) {
    return ReadFailure::ReportFile("cannot be read");
  }
  encoding = found;
  return true;
}

// The parser's complaint, unless a reader has told what it refused.
bool ReportSyntax(const rapidjson::ParseResult& result) {
  const std::string where = " at character " + std::to_string(result.Offset());
  if (result.Code() == rapidjson::kParseErrorTermination) {
    return ReadFailure::ReportFile("nested too deeply or a number too large" + where);
  }
  return ReadFailure::ReportFile("not JSON" + where + ": " + rapidjson::GetParseError_En(result.Code()));
}

// Parses in place: the document's strings point into `text`. Tags are read as
// the parser reaches them, so the document never holds them all.
bool ReadTagsText(std::u16string& text, TagsDatabaseData& database) {
  const helper::JsonArrayStream tags{
      u"tags", [&database](const JsonValue& element) { return TagsDatabaseData::ReadTag(element, database); }};
  helper::JsonDocument document;
  rapidjson::ParseResult result;
  if (!helper::RapidJsonHelper::ParseInsitu(text, document, &tags, &result)) {
    return ReportSyntax(result);
  }
  return TagsDatabaseData::ReadTagsRoot(document, database);
}

bool ReadClassesText(std::u16string& text, TagsDatabaseData& database) {
  helper::JsonDocument document;
  rapidjson::ParseResult result;
  if (!helper::RapidJsonHelper::ParseInsitu(text, document, nullptr, &result)) {
    return ReportSyntax(result);
  }
  return TagsDatabaseData::ReadClasses(document, database);
}

// The writing of one file's root, whatever the writer.
struct RootWriter {
  bool (*text)(const TagsDatabaseData&, helper::JsonTextWriter&);
  bool (*check)(const TagsDatabaseData&, helper::JsonNumberCheck&);
};
constexpr RootWriter kTagsRoot{&TagsDatabaseData::WriteTags, &TagsDatabaseData::WriteTags};
constexpr RootWriter kClassesRoot{&TagsDatabaseData::WriteClasses, &TagsDatabaseData::WriteClasses};

bool Serialize(const TagsDatabaseData& database, std::u16string& text, const RootWriter& root) {
  text.clear();
  helper::Utf16Appender output(text);
  helper::JsonWriter writer(output);
  const bool written = root.text(database, writer);
  output.Flush();
  return written;
}

// A file is cut only for a text that can be written whole, so every number is
// looked at before it is opened.
bool Writable(const TagsDatabaseData& database, const std::optional<std::u16string>& path, const RootWriter& root) {
  helper::JsonNumberCheck check;
  return !Given(path) || root.check(database, check);
}

bool WriteGivenFile(const TagsDatabaseData& database, const std::optional<std::u16string>& path,
                    const RootWriter& root) {
  return !Given(path) || helper::FileFunctions::WriteFile(*path, [&](helper::Utf16Output& output) {
           helper::JsonWriter writer(output);
           return root.text(database, writer);
         });
}

// Each text's faults are told under its file's name; the first one ends the reading.
std::shared_ptr<TagsDatabaseData> Parse(std::optional<std::u16string>& tagsText,
                                        std::optional<std::u16string>& classesText, const std::string& tagsFile,
                                        const std::string& classesFile, std::string* failure) {
  auto database = std::make_shared<TagsDatabaseData>();
  if (Given(tagsText)) {
    const ReadFailure::Scope tags(tagsFile);
    if (!ReadTagsText(*tagsText, *database)) {
      if (failure != nullptr) {
        *failure = tags.Text();
      }
      return nullptr;
    }
  }
  if (Given(classesText)) {
    const ReadFailure::Scope classes(classesFile);
    if (!ReadClassesText(*classesText, *database)) {
      if (failure != nullptr) {
        *failure = classes.Text();
      }
      return nullptr;
    }
  }
  return database;
}

std::string FileNameOr(const std::optional<std::u16string>& path, const char* usual) {
  return Given(path) ? FileNameOf(*path) : usual;
}

bool ReadFileOf(const std::optional<std::u16string>& path, const std::optional<std::u16string>& other,
                const std::string& file, std::optional<std::u16string>& text,
                std::optional<helper::TextEncoding>& encoding, std::string& failure) {
  const ReadFailure::Scope reading(file);
  text.emplace();
  if (ReadGivenFile(path, other, *text, encoding)) {
    return true;
  }
  failure = reading.Text();
  return false;
}

std::shared_ptr<TagsDatabaseData> Load(const std::optional<std::u16string>& tagsPath,
                                       const std::optional<std::u16string>& classesPath,
                                       TagsDatabaseLoadReport& report) {
  const std::string tagsFile = FileNameOr(tagsPath, kTagsFile);
  const std::string classesFile = FileNameOr(classesPath, kClassesFile);
  std::optional<std::u16string> tagsText;
  std::optional<std::u16string> classesText;
  if (!ReadFileOf(tagsPath, classesPath, tagsFile, tagsText, report.tagsEncoding, report.failure) ||
      !ReadFileOf(classesPath, tagsPath, classesFile, classesText, report.classesEncoding, report.failure)) {
    return nullptr;
  }
  return Parse(tagsText, classesText, tagsFile, classesFile, &report.failure);
}

}  // namespace

std::shared_ptr<TagsDatabaseData> LoadTagsDatabase(const std::optional<std::u16string>& tagsPath,
                                                   const std::optional<std::u16string>& classesPath,
                                                   TagsDatabaseLoadReport* report) {
  if (!tagsPath && !classesPath) {
    return nullptr;
  }
  TagsDatabaseLoadReport local;
  TagsDatabaseLoadReport& told = report != nullptr ? *report : local;
  told = {};
  auto database = Load(tagsPath, classesPath, told);
  // A project without integration files is not at fault.
  if (!database && (Exists(tagsPath) || Exists(classesPath))) {
    helper::DiagnosticLog::Error(kLoadTagsDatabase, told.failure);
  }
  return database;
}

std::shared_ptr<TagsDatabaseData> ParseTagsDatabase(std::optional<std::u16string> tagsText,
                                                    std::optional<std::u16string> classesText, std::string* failure) {
  return Parse(tagsText, classesText, kTagsFile, kClassesFile, failure);
}

bool SerializeTagsDatabase(const std::shared_ptr<TagsDatabaseData>& database, std::u16string* tagsText,
                           std::u16string* classesText) {
  if (!database || (tagsText == nullptr && classesText == nullptr)) {
    return false;
  }
  return (tagsText == nullptr || Serialize(*database, *tagsText, kTagsRoot)) &&
         (classesText == nullptr || Serialize(*database, *classesText, kClassesRoot));
}

bool SaveTagsDatabase(const std::shared_ptr<TagsDatabaseData>& database, const std::optional<std::u16string>& tagsPath,
                      const std::optional<std::u16string>& classesPath) {
  if (!database || (!Given(tagsPath) && !Given(classesPath))) {
    return false;
  }
  // Both texts must be writable before either file is touched; the classes
  // file is left alone when the tags file cannot be written.
  return Writable(*database, tagsPath, kTagsRoot) && Writable(*database, classesPath, kClassesRoot) &&
         WriteGivenFile(*database, tagsPath, kTagsRoot) && WriteGivenFile(*database, classesPath, kClassesRoot);
}

}  // namespace data
