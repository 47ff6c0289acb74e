#pragma once
// Integration files in the exact form the program writes them.

#include <string>

namespace tests {

// A tag with every block (class instance with members, integration, alarms, histories) and a plain one.
inline const std::u16string kTagsJson =
    u"{\"version\":1,\"tags\":["
    u"{\"id\":7,\"name\":\"Motor1\",\"size\":2,\"type\":\"Class\",\"description\":\"Main motor\",\"scope\":\"Local\","
    u"\"external_availability\":\"ReadWrite\",\"isPointer\":true,"
    u"\"class\":{\"id\":3,\"name\":\"Motor\",\"members\":["
    u"{\"id\":12,\"name\":\"Fault\"},"
    u"{\"id\":11,\"name\":\"Speed\",\"corvane\":{\"value\":true,\"alarm\":false,\"historian\":"
    u"{\"enable\":true,\"trendScaleMax\":1500.0,\"trendScaleMin\":-10.5,\"interpolationType\":\"Linear\","
    u"\"description\":\"Speed trend\",\"forcedStoragePeriod\":false,\"rolloverValue\":65535.0,\"sampleCount\":100,"
    u"\"swingingDoor\":true,\"deadbandRate\":0.25}}}]},"
    u"\"corvane\":{\"value\":false,\"alarm\":true},"
    u"\"alarms\":[{\"type\":\"Dev+\",\"group\":2,\"priority\":500,\"message\":\"Too fast\",\"selection\":\"Area1\","
    u"\"limit\":12.5,\"member\":\"Speed\"},"
    u"{\"type\":\"HiHi\",\"group\":0,\"priority\":1,\"message\":\"\",\"selection\":\"\",\"limit\":-3.0,"
    u"\"member\":\"\"}],"
    u"\"histories\":[{\"version\":1,\"enable\":true,\"group\":4,\"deadBand\":0.5},"
    u"{\"version\":1,\"enable\":false,\"group\":-1,\"deadBand\":0.0}]},"
    u"{\"id\":8,\"name\":\"Pump1\",\"size\":0,\"type\":\"Real\",\"description\":\"Pump \\\"P1\\\"\",\"scope\":"
    u"\"Server\",\"external_availability\":\"Disabled\",\"isPointer\":false}]}";

inline const std::u16string kClassesJson =
    u"{\"version\":1,\"classes\":[{\"id\":3,\"name\":\"Motor\",\"members\":["
    u"{\"id\":2,\"name\":\"Fault\",\"type\":\"Boolean\",\"description\":\"\"},"
    u"{\"id\":1,\"name\":\"Speed\",\"type\":\"Real\",\"description\":\"rpm\"}]},"
    u"{\"id\":4,\"name\":\"Valve\"}]}";

// The text with the first occurrence of `from` replaced; `from` must be there.
inline std::u16string Replace(std::u16string text, const std::u16string& from, const std::u16string& to) {
  const std::size_t at = text.find(from);
  if (at == std::u16string::npos) {
    throw std::logic_error("sample text not found");
  }
  return text.replace(at, from.size(), to);
}

}  // namespace tests
