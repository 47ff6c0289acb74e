#include "CParamPageHost.h"

#include <algorithm>
#include <iterator>
#include <tchar.h>
#include <vector>

#include "DisableAllChildControls.h"
#include "resource.h"

namespace {

static_assert(sizeof(ParamRecord::szUnit) / sizeof(WCHAR) == CParamPageHost::kUnitMaxChars + 1);
// Loading reads back at most this many characters of a numeric or Boolean startup value.
constexpr int kShortStartupCapacity = 31;

}  // namespace

CParamPageHost::CParamPageHost(const CString& tagName) : m_strTagName(tagName) {}

CString CParamPageHost::Trimmed(const CString& text) {
  CString copy = text;
  Trim(copy);
  return copy;
}

BOOL CParamPageHost::OpenForLoad(CWnd& page) {
  if (OVIsAppForCE()) {
    page.GetDlgItem(IDC_RETENTIVE_PARAMETERS)->EnableWindow(FALSE);
  }
  if (!DBGetVar(&m_ref, m_strTagName)) {
    return FALSE;
  }
  m_bSystemTag = static_cast<int>(m_ref.tagNumber) <= OVGetInternalCount();
  if (m_bSystemTag) {
    DisableAllChildControls(page.GetSafeHwnd());
  }
  return FindRecord();
}

BOOL CParamPageHost::Open() {
  return DBGetVar(&m_ref, m_strTagName) && FindRecord();
}

BOOL CParamPageHost::FindRecord() {
  return OVFindVar(&m_ref, &m_pDefinition, nullptr, 1) && m_pDefinition != nullptr;
}

void CParamPageHost::LoadRetentiveAndUnit(BOOL& retentiveValue, BOOL& retentiveParameters,
                                          CString& unit) const {
  const ParamRecord& param = m_pDefinition->param;
  retentiveValue = param.Get<ParamRecord::RetentiveValue>();
  retentiveParameters = param.Get<ParamRecord::RetentiveParameters>();
  // At most 7 characters, even from a field that lacks its terminating zero.
  const WCHAR* end = std::find(param.szUnit, param.szUnit + kUnitMaxChars, _T('\0'));
  unit = CString(param.szUnit, static_cast<int>(end - param.szUnit));
}

CString CParamPageHost::LoadStartup(int capacity) {
  // Room for what the host writes and a terminator, even when it writes `capacity` characters.
  std::vector<WCHAR> buffer(static_cast<size_t>(capacity) + 2, _T('\0'));
  OVGetParamStartup(&Param(), buffer.data(), capacity);
  return CString(buffer.data());
}

CString CParamPageHost::LoadStartupOrZero() {
  CString startup = LoadStartup(kShortStartupCapacity);
  return startup.IsEmpty() ? CString(_T("0")) : startup;
}

void CParamPageHost::Commit(BOOL retentiveValue, BOOL retentiveParameters, const CString& unit,
                            const CString& startupValue) {
  ParamRecord& param = Param();
  param.Set<ParamRecord::RetentiveValue>(retentiveValue);
  param.Set<ParamRecord::RetentiveParameters>(retentiveParameters);
  // At most 7 characters; the rest of the field, its last character included, is zero.
  const int kept = std::min(unit.GetLength(), kUnitMaxChars);
  std::fill(std::begin(param.szUnit), std::end(param.szUnit), _T('\0'));
  std::copy_n(static_cast<LPCWSTR>(unit), kept, param.szUnit);
  OVSetParamStartup(&param, startupValue);
  DBSaveParamConfig(&m_ref);
  DBSaveTagLModified(0);
}
