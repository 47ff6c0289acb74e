#include "CParamDlgBase.h"

#include <algorithm>
#include <iterator>
#include <tchar.h>
#include <vector>

#include "DisableAllChildControls.h"
#include "resource.h"

namespace {

static_assert(sizeof(ParamRecord::szUnit) / sizeof(WCHAR) == CParamDlgBase::kUnitMaxChars + 1);
// Loading reads back at most this many characters of a numeric or Boolean startup value.
constexpr int kShortStartupCapacity = 31;

}  // namespace

CParamDlgBase::CParamDlgBase(UINT templateId, LPCTSTR tagName)
    : CQELPropertyPage(templateId, 0),
      m_bRetentiveParameters(FALSE),
      m_bRetentiveValue(FALSE),
      m_strTagName(tagName) {}

CParamDlgBase::~CParamDlgBase() = default;

CString CParamDlgBase::Trimmed(const CString& text) {
  CString copy = text;
  Trim(copy);
  return copy;
}

void CParamDlgBase::DoDataExchange(CDataExchange* pDX) {
  CQELPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_RETENTIVE_PARAMETERS, m_btnRetentiveParameters);
}

BOOL CParamDlgBase::OnInitDialog() {
  CQELPropertyPage::OnInitDialog();
  if (OVIsAppForCE()) {
    m_btnRetentiveParameters.EnableWindow(FALSE);
  }
  m_ref = VarRef{};
  if (!DBGetVar(&m_ref, m_strTagName)) {
    return FALSE;
  }
  m_bSystemTag = static_cast<int>(m_ref.tagNumber) <= OVGetInternalCount();
  if (m_bSystemTag) {
    DisableAllChildControls(GetSafeHwnd());
  }
  if (!FindRecord()) {
    return FALSE;
  }
  const ParamRecord& param = m_pDefinition->param;
  m_bRetentiveValue = param.Get<ParamRecord::RetentiveValue>();
  m_bRetentiveParameters = param.Get<ParamRecord::RetentiveParameters>();
  // At most 7 characters, even from a field that lacks its terminating zero.
  const WCHAR* end = std::find(param.szUnit, param.szUnit + kUnitMaxChars, _T('\0'));
  m_strUnit = CString(param.szUnit, static_cast<int>(end - param.szUnit));
  m_strStartupValue = LoadStartupValue();
  LoadFields(param);
  UpdateData(FALSE);
  return TRUE;
}

void CParamDlgBase::OnOK() {
  if (!UpdateData(TRUE)) {
    return;
  }
  m_ref = VarRef{};
  if (DBGetVar(&m_ref, m_strTagName) && FindRecord()) {
    ParamRecord& param = m_pDefinition->param;
    SaveFields(param);
    param.Set<ParamRecord::RetentiveValue>(m_bRetentiveValue);
    param.Set<ParamRecord::RetentiveParameters>(m_bRetentiveParameters);
    // At most 7 characters; the rest of the field, its last character included, is zero.
    const int kept = std::min(m_strUnit.GetLength(), kUnitMaxChars);
    std::fill(std::begin(param.szUnit), std::end(param.szUnit), _T('\0'));
    std::copy_n(static_cast<LPCTSTR>(m_strUnit), kept, param.szUnit);
    OVSetParamStartup(&param, m_strStartupValue);
    DBSaveParamConfig(&m_ref);
    DBSaveTagLModified(0);
  }
  CQELPropertyPage::OnOK();
}

CString CParamDlgBase::LoadStartupValue() {
  CString startup = LoadStartup(kShortStartupCapacity);
  return startup.IsEmpty() ? CString(_T("0")) : startup;
}

CString CParamDlgBase::LoadStartup(int capacity) {
  // Room for what the host writes and a terminator, even when it writes `capacity` characters.
  std::vector<TCHAR> buffer(static_cast<size_t>(capacity) + 2, _T('\0'));
  OVGetParamStartup(&m_pDefinition->param, buffer.data(), capacity);
  return CString(buffer.data());
}

void CParamDlgBase::LoadFields(const ParamRecord&) {}

void CParamDlgBase::SaveFields(ParamRecord&) const {}

BOOL CParamDlgBase::FindRecord() {
  m_pDefinition = nullptr;
  return OVFindVar(&m_ref, &m_pDefinition, nullptr, 1) && m_pDefinition != nullptr;
}
