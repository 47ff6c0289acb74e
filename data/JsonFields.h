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
#include "JsonNumberCheck.h"
#include "JsonWriter.h"
#include "ReadFailure.h"

namespace data {

using helper::JsonAllocator;
using helper::JsonValue;
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

  // One member of an object being written: the key and its value. Texts end at
  // their first NUL; enumerations are written through their tables.
  template <typename Writer, std::size_t N>
  static bool Member(Writer& writer, const char16_t (&key)[N], std::int32_t value) {
    return writer.PlainKey(key, N - 1) && writer.Int(value);
  }
  template <typename Writer, std::size_t N>
  static bool Member(Writer& writer, const char16_t (&key)[N], double value) {
    return writer.PlainKey(key, N - 1) && writer.Double(value);
  }
  template <typename Writer, std::size_t N>
  static bool Member(Writer& writer, const char16_t (&key)[N], bool value) {
    return writer.PlainKey(key, N - 1) && writer.Bool(value);
  }
  template <typename Writer, std::size_t N>
  static bool Member(Writer& writer, const char16_t (&key)[N], const std::u16string& text) {
    return writer.PlainKey(key, N - 1) &&
           writer.StringUntilNul(text.data(), static_cast<rapidjson::SizeType>(text.size()));
  }
  template <typename Writer, std::size_t N, typename E>
    requires std::is_enum_v<E>
  static bool Member(Writer& writer, const char16_t (&key)[N], E value) {
    const std::u16string_view text = TextOf(value);
    return writer.PlainKey(key, N - 1) && writer.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
  }
  // Left out when there is no record.
  template <typename Writer, std::size_t N, typename Record>
  static bool Member(Writer& writer, const char16_t (&key)[N], const std::shared_ptr<Record>& record) {
    return !record || (writer.PlainKey(key, N - 1) && Record::Write(*record, writer));
  }
  // Left out when empty; the records are written in the container's order, absent ones skipped.
  template <typename Writer, std::size_t N, typename Record>
  static bool Member(Writer& writer, const char16_t (&key)[N], const RecordList<Record>& list) {
    return list.empty() ||
           (writer.PlainKey(key, N - 1) && WriteArray<Record>(writer, list, [](const auto& r) -> auto& { return r; }));
  }
  template <typename Writer, std::size_t N, typename Record>
  static bool Member(Writer& writer, const char16_t (&key)[N], const RecordMap<Record>& map) {
    return map.empty() ||
           (writer.PlainKey(key, N - 1) &&
            WriteArray<Record>(writer, map, [](const auto& entry) -> auto& { return entry.second; }));
  }

  // A file's root object: "version" and then the map's records under `key`.
  // False when a value cannot be written (a double that JSON cannot hold).
  template <typename Writer, std::size_t N, typename Record>
  static bool WriteRoot(Writer& writer, std::int32_t version, const char16_t (&key)[N], const RecordMap<Record>& map) {
    return writer.StartObject() && Member(writer, u"version", version) && Member(writer, key, map) &&
           writer.EndObject();
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

  template <typename Record, typename Writer, typename Container, typename RecordOf>
  static bool WriteArray(Writer& writer, const Container& container, RecordOf recordOf) {
    if (!writer.StartArray()) {
      return false;
    }
    for (const auto& item : container) {
      const std::shared_ptr<Record>& record = recordOf(item);
      if (record && !Record::Write(*record, writer)) {
        return false;
      }
    }
    return writer.EndArray();
  }
};

}  // namespace data
