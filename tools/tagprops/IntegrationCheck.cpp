#include "tools/tagprops/IntegrationCheck.h"

#include <cstdio>
#include <string>

#include "data/TagsDatabase.h"
#include "hostsim/Host.h"
#include "tools/tagprops/CommandError.h"

namespace tagprops {
namespace {

std::string Count(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string EncodingOf(const std::optional<helper::TextEncoding>& encoding) {
  return encoding ? std::string(helper::NameOf(*encoding)) : "empty";
}

}  // namespace

int RunCheckIntegration(const Invocation&) {
  // Joined as the plug-in joins them, with a backslash.
  const std::u16string folder = hostsim::Host::Instance().DatabasePath();
  data::TagsDatabaseLoadReport report;
  const auto database = data::LoadTagsDatabase(folder + u"\\tagl.json", folder + u"\\class.json", &report);
  if (!database) throw CommandError(report.failure);
  const std::string summary = "tagl.json: " + Count(database->tags.size(), "tag", "tags") + ", " +
                              EncodingOf(report.tagsEncoding) + "; class.json: " +
                              Count(database->classes.size(), "class", "classes") + ", " +
                              EncodingOf(report.classesEncoding) + "\n";
  std::fwrite(summary.data(), 1, summary.size(), stdout);
  return 0;
}

}  // namespace tagprops
