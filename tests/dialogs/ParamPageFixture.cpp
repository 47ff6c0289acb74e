#include "tests/dialogs/ParamPageFixture.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "host/Orvik.h"
#include "platform/driver/Utf8.h"
#include "res/resource.h"

namespace params_test {

namespace {

const char16_t* const kSystemTags[] = {u"SysFlag", u"SysCount", u"SysLevel", u"SysText"};

std::u16string UnitOf(const ParamRecord& param) {
  const WCHAR* end = std::find(std::begin(param.szUnit), std::end(param.szUnit), u'\0');
  return std::u16string(param.szUnit, end);
}

}  // namespace

void PrintTo(const StoredParams& params, std::ostream* out) {
  *out << "{flags 0x" << std::hex << params.flags << std::dec << ", min " << params.engMin << ", max "
       << params.engMax << ", dead band " << params.deadBand << ", unit \"" << driver::ToUtf8(params.unit)
       << "\", startup \"" << driver::ToUtf8(params.startup) << "\"}";
}

ParamPageFixture::ParamPageFixture() : PageTest({.standardTags = false}) {
  for (int type = kBoolean; type <= kString; ++type) host().AddSystemTag(kSystemTags[type], type);
  host().AddSoftPlcTag(u"PlcStatus", kInteger);
}

std::u16string ParamPageFixture::SystemTag(int type) { return kSystemTags[type]; }

std::u16string ParamPageFixture::AddTag(int type) {
  std::u16string name = NewName(u"Tag");
  host().AddTag(name, type);
  return name;
}

void ParamPageFixture::Edit(std::u16string_view tag, const StoredParams& params) {
  ParamRecord& param = host().Definition(tag).param;
  param.dwFlags = params.flags;
  param.dEngMin = params.engMin;
  param.dEngMax = params.engMax;
  param.dDeadBand = params.deadBand;
  std::fill(std::begin(param.szUnit), std::end(param.szUnit), u'\0');
  std::copy_n(params.unit.begin(), std::min<size_t>(params.unit.size(), 7), param.szUnit);
  host().SetStartup(tag, params.startup);
}

void ParamPageFixture::Store(std::u16string_view tag, const StoredParams& params) {
  Edit(tag, params);
  host().Commit(tag);
}

StoredParams ParamPageFixture::Current(std::u16string_view tag) {
  const ParamRecord& param = host().Definition(tag).param;
  return {param.dwFlags, param.dEngMin, param.dEngMax, param.dDeadBand, UnitOf(param), host().Startup(tag)};
}

StoredParams ParamPageFixture::Committed(std::u16string_view tag) {
  project.Reopen();
  return Current(tag);
}

void ParamPageFixture::RunPage(std::u16string_view tag, std::function<void(driver::Driver&)> script) {
  const std::unique_ptr<CPropertyPage> page = factory(std::u16string(tag).c_str());
  RunSheet({page.get()}, std::move(script));
}

}  // namespace params_test
