#include "IntegrationDatabaseGenerator.h"

#include <array>
#include <random>
#include <string>
#include <vector>

namespace generator {

namespace {

using Random = std::mt19937;

const std::array<std::u16string, 12> kAreas = {u"Intake", u"Boiler",  u"Turbine", u"Cooling", u"Filter", u"Dosing",
                                               u"Tank",   u"Conveyor", u"Mixer",  u"Dryer",   u"Press",  u"Packing"};
const std::array<std::u16string, 16> kWords = {
    u"pressure",        u"level",          u"flow",          u"temperature",      u"valve position",
    u"motor current",   u"Temp\u00e9rature", u"\u00dcberdruck", u"Durchflu\u00df", u"pH value",
    u"\u6d41\u91cf",    u"setpoint",       u"running",       u"fault",            u"\u0394p filter",
    u"sensor \U0001F321"};
const std::array<std::u16string, 10> kMemberNames = {u"Speed",  u"Running", u"Fault",   u"Setpoint", u"Output",
                                                     u"Mode",   u"Hours",   u"Current", u"Alarm",    u"Command"};

int Pick(Random& random, int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
bool Chance(Random& random, double p) { return std::bernoulli_distribution(p)(random); }

std::u16string Number(std::size_t n, int width) {
  std::u16string digits;
  for (const char c : std::to_string(n)) {
    digits += static_cast<char16_t>(c);
  }
  return std::u16string(digits.size() < static_cast<std::size_t>(width) ? width - digits.size() : 0, u'0') + digits;
}

std::u16string Description(Random& random) {
  if (Chance(random, 0.15)) {
    return u"";
  }
  std::u16string text = kWords[Pick(random, kWords.size())];
  for (int words = Pick(random, 4); words > 0; --words) {
    text += u' ';
    text += kWords[Pick(random, kWords.size())];
  }
  // Some engineers keep notes and paths in descriptions.
  if (Chance(random, 0.05)) {
    text += u" (see \"C:\\Plant\\Docs\\P&ID.pdf\")";
  }
  return text;
}

// Values as an engineer types them: mostly short decimals, sometimes not.
double Value(Random& random, double scale) {
  if (Chance(random, 0.2)) {
    return std::uniform_real_distribution<double>(-scale, scale)(random);
  }
  return Pick(random, static_cast<int>(scale * 10)) / 10.0;
}

std::shared_ptr<data::CorvaneData> Integration(Random& random) {
  auto corvane = std::make_shared<data::CorvaneData>();
  corvane->value = Chance(random, 0.8);
  corvane->alarm = Chance(random, 0.5);
  if (Chance(random, 0.5)) {
    auto historian = std::make_shared<data::HistorianData>();
    historian->enable = Chance(random, 0.9);
    historian->trendScaleMax = Value(random, 1000.0);
    historian->trendScaleMin = Chance(random, 0.7) ? 0.0 : -Value(random, 100.0);
    historian->interpolationType = static_cast<data::InterpolationType>(1 + Pick(random, 3));
    historian->description = Description(random);
    historian->forcedStoragePeriod = Chance(random, 0.3);
    historian->rolloverValue = Chance(random, 0.8) ? 0.0 : 65535.0;
    historian->sampleCount = Pick(random, 1000);
    historian->swingingDoor = Chance(random, 0.4);
    historian->deadbandRate = Value(random, 5.0);
    corvane->historian = historian;
  }
  return corvane;
}

std::shared_ptr<data::ClassData> MakeClass(Random& random, std::size_t index, std::int32_t& nextMemberId) {
  auto record = std::make_shared<data::ClassData>();
  record->id = static_cast<std::int32_t>(index + 1);
  record->name = kAreas[index % kAreas.size()] + u"Class" + Number(index, 3);
  const int memberCount = 3 + Pick(random, 12);
  for (int m = 0; m < memberCount; ++m) {
    auto member = std::make_shared<data::ClassMemberData>();
    member->id = nextMemberId++;
    member->name = kMemberNames[m % kMemberNames.size()] + (m < static_cast<int>(kMemberNames.size()) ? u"" : u"2");
    member->type = static_cast<data::TagType>(Pick(random, 4));
    member->description = Description(random);
    record->members[member->name] = member;
  }
  return record;
}

void AddAlarms(Random& random, data::TagData& tag) {
  for (int n = 1 + Pick(random, 4); n > 0; --n) {
    auto alarm = std::make_shared<data::AlarmData>();
    alarm->type = static_cast<data::AlarmKind>(Pick(random, 7));
    alarm->group = Pick(random, 16);
    alarm->priority = 1 + Pick(random, 999);
    alarm->message = u"Alarm: " + Description(random);
    alarm->selection = Chance(random, 0.2) ? u"Area" + Number(Pick(random, 20), 2) : u"";
    alarm->limit = Value(random, 500.0);
    alarm->member = tag.tagClass && Chance(random, 0.5) ? tag.tagClass->members.begin()->first : u"";
    tag.alarms.push_back(alarm);
  }
}

void AddHistories(Random& random, data::TagData& tag) {
  const int elements = tag.size > 0 ? tag.size : 1;
  for (int e = 0; e < elements; ++e) {
    auto history = std::make_shared<data::HistoryData>();
    history->version = 1;
    history->enable = Chance(random, 0.7);
    history->group = Pick(random, 8);
    history->deadBand = Value(random, 2.0);
    tag.histories.push_back(history);
  }
}

}  // namespace

std::shared_ptr<data::TagsDatabaseData> IntegrationDatabaseGenerator::Generate(std::size_t tagCount, unsigned seed) {
  Random random(seed);
  auto database = std::make_shared<data::TagsDatabaseData>();
  std::int32_t nextMemberId = 1;
  std::vector<std::shared_ptr<data::ClassData>> classes;
  const std::size_t classCount = 5 + tagCount / 1000;
  for (std::size_t c = 0; c < classCount; ++c) {
    classes.push_back(MakeClass(random, c, nextMemberId));
    database->classes[classes.back()->name] = classes.back();
  }
  std::int32_t nextTagMemberId = 1;
  for (std::size_t t = 0; t < tagCount; ++t) {
    auto tag = std::make_shared<data::TagData>();
    tag->id = static_cast<std::int32_t>(t + 1);
    tag->name = kAreas[Pick(random, kAreas.size())] + Number(t / 100, 4) + u"_" +
                kMemberNames[Pick(random, kMemberNames.size())] + Number(t % 100, 2);
    tag->description = Description(random);
    tag->scope = Chance(random, 0.8) ? data::TagScope::Server : data::TagScope::Local;
    tag->externalAvailability = static_cast<data::ExternalAvailability>(Pick(random, 3));
    tag->isPointer = Chance(random, 0.02);
    if (Chance(random, 0.3)) {
      const data::ClassData& of = *classes[Pick(random, classes.size())];
      tag->type = data::TagType::Class;
      tag->tagClass = std::make_shared<data::TagClassData>();
      tag->tagClass->id = of.id;
      tag->tagClass->name = of.name;
      for (const auto& [name, member] : of.members) {
        auto instance = std::make_shared<data::TagClassMemberData>();
        instance->id = nextTagMemberId++;
        instance->name = name;
        if (Chance(random, 0.6)) {
          instance->corvane = Integration(random);
        }
        tag->tagClass->members[name] = instance;
      }
    } else {
      tag->type = static_cast<data::TagType>(Pick(random, 4));
      tag->size = Chance(random, 0.1) ? 2 + Pick(random, 19) : 0;
      if (Chance(random, 0.6)) {
        tag->corvane = Integration(random);
      }
    }
    const bool numeric = tag->type == data::TagType::Integer || tag->type == data::TagType::Real;
    if ((numeric || tag->type == data::TagType::Boolean) && Chance(random, 0.3)) {
      AddAlarms(random, *tag);
    }
    if (tag->type != data::TagType::Class && Chance(random, 0.2)) {
      AddHistories(random, *tag);
    }
    database->tags[tag->name] = tag;
  }
  return database;
}

}  // namespace generator
