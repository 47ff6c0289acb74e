#pragma once
// The keys of the integration files' objects, read and written with their
// value-kind rules. Readers return false when a required key is absent or
// holds the wrong kind of value, and tell ReadFailure which key and why;
// writers leave out what there is nothing of.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "EnumText.h"
#include "Json.h"
#include "JsonWriter.h"
#include "ReadFailure.h"

namespace data {

using helper::JsonAllocator;
using helper::JsonValue;
using JsonKey = JsonValue::StringRefType;
using helper::JsonWriter;

template <typename Record>
using RecordMap = std::map<std::u16string, std::shared_ptr<Record>>;
template <typename Record>
using RecordList = std::vector<std::shared_ptr<Record>>;

class JsonFields {
 public:
  enum class Duplicates { Fail, LastWins };

  // The value of `key`, or null when the object has no such key.
  static const JsonValue* Find(const JsonValue& object, const char16_t* key);

  // An integral number within signed 32 bits.
  static bool Read(const JsonValue& object, const char16_t* key, std::int32_t& value);
  // Any number.
  static bool Read(const JsonValue& object, const char16_t* key, double& value);
  static bool Read(const JsonValue& object, const char16_t* key, bool& value);
  // A string, up to its first NUL.
  static bool Read(const JsonValue& object, const char16_t* key, std::u16string& value);
  // A string that matches the enumeration's table exactly.
  template <typename E>
    requires std::is_enum_v<E>
  static bool Read(const JsonValue& object, const char16_t* key, E& value) {
    const JsonValue* text = Find(object, key);
    if (text != nullptr && text->IsString() && ValueOf(View(*text), value)) {
      return true;
    }
    return Refuse(text, key, "expected one of " + TextsOf<E>());
  }

  // Absent is fine; present, the key must hold an object of the record.
  template <typename Record>
  static bool ReadOptional(const JsonValue& object, const char16_t* key, std::shared_ptr<Record>& record) {
    const JsonValue* value = Find(object, key);
    if (value == nullptr) {
      return true;
    }
    const ReadFailure::Record entered(key);
    record = std::make_shared<Record>();
    return ReadObject(*value, *record);
  }

  // Absent is fine; present, the key must hold an array of the record's objects.
  template <typename Record>
  static bool ReadList(const JsonValue& object, const char16_t* key, RecordList<Record>& list) {
    const JsonValue* array = Find(object, key);
    if (array == nullptr) {
      return true;
    }
    if (!array->IsArray()) {
      return ReadFailure::Report(key, "expected an array");
    }
    list.clear();
    list.reserve(array->Size());
    for (const JsonValue& element : array->GetArray()) {
      const ReadFailure::Record entered(key, list.size());
      auto record = std::make_shared<Record>();
      if (!ReadObject(element, *record)) {
        return false;
      }
      list.push_back(std::move(record));
    }
    return true;
  }

  // As ReadList, each record stored under its name.
  template <typename Record>
  static bool ReadMap(const JsonValue& object, const char16_t* key, RecordMap<Record>& map, Duplicates duplicates) {
    const JsonValue* array = Find(object, key);
    if (array == nullptr) {
      return true;
    }
    if (!array->IsArray()) {
      return ReadFailure::Report(key, "expected an array");
    }
    map.clear();
    std::size_t index = 0;
    for (const JsonValue& element : array->GetArray()) {
      if (!ReadInto(element, key, index++, map, duplicates)) {
        return false;
      }
    }
    return true;
  }

  // Element `index` of the array under `key`, stored under its name.
  template <typename Record>
  static bool ReadInto(const JsonValue& element, const char16_t* key, std::size_t index, RecordMap<Record>& map,
                       Duplicates duplicates) {
    const ReadFailure::Record entered(key, index);
    auto record = std::make_shared<Record>();
    if (!ReadObject(element, *record)) {
      return false;
    }
    // Files are written in name order, so the end is nearly always the place.
    const std::size_t before = map.size();
    auto stored = map.emplace_hint(map.end(), record->name, record);
    if (map.size() == before) {
      if (duplicates == Duplicates::Fail) {
        return ReadFailure::Report(u"name", "a second record named \"" + Utf8(record->name) + "\"");
      }
      stored->second = std::move(record);
    }
    return true;
  }

  // The value refers to the text up to its first NUL without copying it: the
  // text must outlive the value.
  static JsonValue Text(const std::u16string& text);
  template <typename E>
    requires std::is_enum_v<E>
  static JsonValue Text(E value) {
    const std::u16string_view text = TextOf(value);
    return JsonValue(JsonKey(text.data(), static_cast<rapidjson::SizeType>(text.size())));
  }

  template <typename Record>
  static void AddOptional(JsonValue& object, JsonKey key, const std::shared_ptr<Record>& record,
                          JsonAllocator& allocator) {
    JsonValue value;
    if (Record::Write(record, value, allocator)) {
      object.AddMember(key, value, allocator);
    }
  }

  // Left out when empty.
  template <typename Record>
  static void AddList(JsonValue& object, JsonKey key, const RecordList<Record>& list, JsonAllocator& allocator) {
    AddArray<Record>(object, key, list, list.size(), [](const auto& record) -> auto& { return record; }, allocator);
  }
  template <typename Record>
  static void AddMap(JsonValue& object, JsonKey key, const RecordMap<Record>& map, JsonAllocator& allocator) {
    AddArray<Record>(object, key, map, map.size(), [](const auto& entry) -> auto& { return entry.second; }, allocator);
  }

  // A file's root object, "version" and then the map's records under `key`
  // (left out when empty), written one record at a time.
  template <typename Record>
  static bool WriteRoot(std::int32_t version, const char16_t* key, const RecordMap<Record>& map, JsonWriter& writer) {
    constexpr std::size_t kScratch = 64 * 1024;
    const auto scratch = std::make_unique_for_overwrite<char[]>(kScratch);
    JsonAllocator allocator(scratch.get(), kScratch);
    bool written = writer.StartObject() && writer.Key(u"version") && writer.Int(version);
    if (written && !map.empty()) {
      written = writer.Key(key) && writer.StartArray();
      for (auto entry = map.begin(); written && entry != map.end(); ++entry) {
        JsonValue value;
        // A double that JSON cannot hold (infinity, NaN) fails the writing.
        written = !Record::Write(entry->second, value, allocator) || value.Accept(writer);
        allocator.Clear();
      }
      written = written && writer.EndArray();
    }
    return written && writer.EndObject();
  }

 private:
  static std::u16string_view View(const JsonValue& string);
  static std::string Utf8(std::u16string_view text);
  // Reports the key as missing when there is no value, else as not holding what was expected.
  static bool Refuse(const JsonValue* value, const char16_t* key, std::string_view expected);

  template <typename Record>
  static bool ReadObject(const JsonValue& json, Record& record) {
    return json.IsObject() ? Record::Read(json, record) : ReadFailure::Report(nullptr, "expected an object");
  }

  // The enumeration's texts as a person reads them: "Local", "Server".
  template <typename E>
  static std::string TextsOf() {
    std::string texts;
    for (const EnumText<E>& row : EnumTable<E>::kRows) {
      texts += (texts.empty() ? "\"" : ", \"") + Utf8(row.text) + "\"";
    }
    return texts;
  }

  template <typename Record, typename Container, typename RecordOf>
  static void AddArray(JsonValue& object, JsonKey key, const Container& container, std::size_t size,
                       RecordOf recordOf, JsonAllocator& allocator) {
    if (size == 0) {
      return;
    }
    JsonValue array(rapidjson::kArrayType);
    array.Reserve(static_cast<rapidjson::SizeType>(size), allocator);
    for (const auto& item : container) {
      JsonValue value;
      if (Record::Write(recordOf(item), value, allocator)) {
        array.PushBack(value, allocator);
      }
    }
    object.AddMember(key, array, allocator);
  }
};

}  // namespace data
