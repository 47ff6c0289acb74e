#include "hostsim/Settings.h"

#include <ini.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <system_error>

#include "hostsim/ProjectError.h"
#include "hostsim/Text.h"
#include "platform/win32/TextConversion.h"

namespace hostsim {
namespace {

// Compares in place: every lookup and every save compares against all entries.
bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
    return std::tolower(x) == std::tolower(y);
  });
}

std::optional<long> ParseInt(const std::string& text) {
  long value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  const auto [end, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || end != last || first == last) return std::nullopt;
  return value;
}

// The reader ends a value before a ';' that follows a blank, except on a line that continues the
// value of the line before; cut there too, so that a saved file reads back as it was saved.
std::string WithoutInlineComment(std::string value) {
  for (std::size_t i = 1; i < value.size(); ++i) {
    if (value[i] == ';' && std::isspace(static_cast<unsigned char>(value[i - 1]))) {
      value.resize(i);
      break;
    }
  }
  while (!value.empty() && std::isspace(static_cast<unsigned char>(value.back()))) value.pop_back();
  return value;
}

// What the settings reader takes as one line (its buffer holds the newline and a terminator too).
constexpr std::size_t kMaxLineLength = 198;

const char* const kNumberSettings[][2] = {
    {"OEM", "CompanyID"},      {"Limits", "MaxArray"}, {"Limits", "MaxTags"},      {"Limits", "RealDatabaseSize"},
    {"Project", "WindowsCE"}, {"SCP", "Enabled"},     {"Integration", "Enabled"},
};

}  // namespace

Settings Settings::Load(const std::filesystem::path& file) {
  Settings settings;
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return settings;
  const std::string name = file.filename().string();
  // The reader takes the rest of a longer line for a line of its own, which may continue a value.
  std::ifstream in(file, std::ios::binary);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (line.size() > kMaxLineLength) {
      throw ProjectError(name + ": line " + std::to_string(number) + " is longer than " +
                         std::to_string(kMaxLineLength) + " characters");
    }
  }
  const int result = ini_parse(
      file.c_str(),
      [](void* user, const char* section, const char* key, const char* value) -> int {
        // A value continued on the next line comes with its key cut to the reader's name buffer,
        // which may leave blanks at its end.
        std::string name = key;
        while (!name.empty() && std::isspace(static_cast<unsigned char>(name.back()))) name.pop_back();
        static_cast<Settings*>(user)->Set(section, name, WithoutInlineComment(value));
        return 1;
      },
      &settings);
  if (result < 0) throw ProjectError(name + ": cannot be read");
  if (result > 0) throw ProjectError(name + ": syntax error on line " + std::to_string(result));
  for (const auto& [section, key] : kNumberSettings) {
    const auto value = settings.Get(section, key);
    if (value && !ParseInt(*value)) {
      throw ProjectError(name + ": [" + section + "] " + key + " is not a whole number: \"" + *value + "\"");
    }
  }
  return settings;
}

Settings Settings::Defaults() {
  Settings s;
  s.Set("OEM", "CompanyID", "0");
  s.Set("Language", "Current", "en-US");
  s.Set("Limits", "MaxArray", "1000");
  s.Set("Limits", "MaxTags", "10000");
  s.Set("Project", "WindowsCE", "0");
  s.Set("SCP", "Enabled", "0");
  s.Set("SCP", "Tags", "");
  s.Set("Integration", "Enabled", "0");
  s.Set("Integration", "CreatedTags", "");
  return s;
}

void Settings::Save(const std::filesystem::path& file) const {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  std::vector<std::string> sections;
  for (const auto& e : entries_) {
    if (std::none_of(sections.begin(), sections.end(), [&](const std::string& s) { return SameIgnoringCase(s, e.section); })) {
      sections.push_back(e.section);
    }
  }
  for (std::size_t i = 0; i < sections.size(); ++i) {
    if (i > 0) out << '\n';
    out << '[' << sections[i] << "]\n";
    for (const auto& e : entries_) {
      if (SameIgnoringCase(e.section, sections[i])) out << e.key << '=' << e.value << '\n';
    }
  }
  out.flush();
  if (!out) throw ProjectError(file.filename().string() + ": cannot be written");
}

Settings::Entry* Settings::Find(const std::string& section, const std::string& key) {
  const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
    return SameIgnoringCase(e.section, section) && SameIgnoringCase(e.key, key);
  });
  return it == entries_.end() ? nullptr : &*it;
}

const Settings::Entry* Settings::Find(const std::string& section, const std::string& key) const {
  return const_cast<Settings*>(this)->Find(section, key);
}

std::optional<std::string> Settings::Get(const std::string& section, const std::string& key) const {
  const Entry* e = Find(section, key);
  return e != nullptr ? std::optional(e->value) : std::nullopt;
}

void Settings::Set(const std::string& section, const std::string& key, const std::string& value) {
  if (Entry* e = Find(section, key)) {
    e->value = value;
  } else {
    entries_.push_back({section, key, value});
  }
}

long Settings::GetInt(const std::string& section, const std::string& key, long defaultValue) const {
  const auto value = Get(section, key);
  const auto number = value ? ParseInt(*value) : std::nullopt;
  return number.value_or(defaultValue);
}

void Settings::SetInt(const std::string& section, const std::string& key, long value) {
  Set(section, key, std::to_string(value));
}

int Settings::CompanyId() const { return static_cast<int>(GetInt("OEM", "CompanyID", 0)); }

std::u16string Settings::Language() const { return platform::Utf8ToUtf16(Get("Language", "Current").value_or("en-US")); }

int Settings::MaxArray() const { return static_cast<int>(GetInt("Limits", "MaxArray", 1000)); }

int Settings::MaxTags() const { return static_cast<int>(GetInt("Limits", "MaxTags", 10000)); }

std::optional<int> Settings::RealDatabaseSize() const {
  const auto value = Get("Limits", "RealDatabaseSize");
  const auto number = value ? ParseInt(*value) : std::nullopt;
  return number ? std::optional(static_cast<int>(*number)) : std::nullopt;
}

bool Settings::WindowsCE() const { return GetInt("Project", "WindowsCE", 0) != 0; }

bool Settings::ScpEnabled() const { return GetInt("SCP", "Enabled", 0) != 0; }

std::vector<std::u16string> Settings::ScpTags() const { return GetNames("SCP", "Tags"); }

bool Settings::IntegrationEnabled() const { return GetInt("Integration", "Enabled", 0) != 0; }

std::vector<std::u16string> Settings::IntegrationCreatedTags() const { return GetNames("Integration", "CreatedTags"); }

bool Settings::IsScpTag(std::u16string_view name) const {
  const auto names = ScpTags();
  return std::any_of(names.begin(), names.end(), [&](const auto& n) { return platform::EqualsIgnoreCase(n, name); });
}

bool Settings::IsIntegrationCreated(std::u16string_view name) const {
  const auto names = IntegrationCreatedTags();
  return std::any_of(names.begin(), names.end(), [&](const auto& n) { return platform::EqualsIgnoreCase(n, name); });
}

std::vector<std::u16string> Settings::GetNames(const std::string& section, const std::string& key) const {
  std::vector<std::u16string> names;
  const std::u16string all = platform::Utf8ToUtf16(Get(section, key).value_or(""));
  std::size_t start = 0;
  while (start <= all.size()) {
    const auto comma = std::min(all.find(u',', start), all.size());
    const auto name = text::Trim(std::u16string_view(all).substr(start, comma - start));
    if (!name.empty()) names.emplace_back(name);
    start = comma + 1;
  }
  return names;
}

std::string Settings::JoinNames(const std::vector<std::u16string>& names) {
  std::string out;
  for (const auto& n : names) {
    if (!out.empty()) out += ',';
    out += platform::Utf16ToUtf8(n);
  }
  return out;
}

}  // namespace hostsim
