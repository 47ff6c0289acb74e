#include "CDlgGeneral.h"

#include <Orvik.h>
#include <afxwin.h>
#include <iterator>
#include <tchar.h>

namespace {

// Indexed by type code: the first four items of the Type list.
constexpr UINT kBaseTypeNames[] = {IDS_TYPE_BOOLEAN, IDS_TYPE_INTEGER, IDS_TYPE_REAL, IDS_TYPE_STRING};
static_assert(std::size(kBaseTypeNames) == kTypeBaseCount);
// Class n stands at list index n + 3 and has its type code.
constexpr int kClassNameCapacity = 256;
constexpr int kDescriptionMaxChars = 128;
constexpr int kTagListScope = 1;

CString LoadText(UINT id) {
  CString text;
  text.LoadString(id);
  return text;
}

// Numbers below this are system and SoftPLC tags, whose definition belongs to the runtime.
int FirstUserTag() { return OVGetInternalCount() + OVGetSoftPLCCount() + 1; }

}  // namespace

CDlgGeneral::CDlgGeneral(CWnd* pParent)
    : CQELDialog(IDD, pParent), m_nSize(0), m_nScope(0), m_nTypeCode(0) {
  EnableVisualManagerStyle(TRUE, TRUE);
}

CDlgGeneral::~CDlgGeneral() = default;

BEGIN_MESSAGE_MAP(CDlgGeneral, CQELDialog)
END_MESSAGE_MAP()

void CDlgGeneral::DoDataExchange(CDataExchange* pDX) {
  CQELDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_TYPE, m_cbType);
  DDX_Control(pDX, IDC_SCOPE, m_cbScope);
  DDX_Control(pDX, IDC_TAGNAME, m_edTagName);
  DDX_Control(pDX, IDC_TAG_SIZE, m_edSize);
  DDX_Control(pDX, IDC_DESCRIPTION, m_edDescription);
  DDX_Text(pDX, IDC_TAG_SIZE, m_nSize);
  DDX_Text(pDX, IDC_TAGNAME, m_strTagName);
  DDX_CBIndex(pDX, IDC_SCOPE, m_nScope);
  // The size's range is checked after the scope is exchanged: a size out of range leaves the
  // focus on Scope, the control exchanged last, as the dialog requires.
  DDV_MinMaxInt(pDX, m_nSize, 0, OVGetMaxArray());
  DDX_Text(pDX, IDC_DESCRIPTION, m_strDescription);
  DDV_MaxChars(pDX, m_strDescription, kDescriptionMaxChars);
}

BOOL CDlgGeneral::OnInitDialog() {
  CQELDialog::OnInitDialog();
  CenterWindow();

  for (UINT id : kBaseTypeNames) m_cbType.AddString(LoadText(id));
  int classCount = 0;
  DBClassGetCount(&classCount);
  int classIndex = 0;
  for (int n = 1; n <= classCount; ++n) {
    WCHAR name[kClassNameCapacity] = {};
    DBClassGetNameSecure(n, name, kClassNameCapacity);
    m_cbType.AddString(name);
    if (m_strTypeName.CompareNoCase(name) == 0) classIndex = n + kTypeClassOffset;
  }
  m_cbType.SetCurSel(m_nTypeCode >= 0 && m_nTypeCode < kTypeBaseCount ? m_nTypeCode : classIndex);

  // The definition of a tag that comes from the SCP source, or that the platform integration has
  // already created, belongs there; only a description of the latter may still change here.
  VarRef ref = {};
  const bool exists = DBGetVar(&ref, m_strTagName) != FALSE;
  const bool notFromScp = exists && !(DBSCPEnabled() && DBSCPIsTagNameFromSCP(m_strTagName));
  const bool notCreated =
      exists && !(notFromScp && DBTagIntegrationEnabled() && DBTagIntegrationIsTagCreated(m_strTagName));
  const bool userTag = ref.tagNumber >= FirstUserTag();
  const BOOL definable = notFromScp && notCreated && userTag;

  m_cbType.EnableWindow(definable);
  m_edDescription.EnableWindow(notFromScp && userTag);
  m_edSize.EnableWindow(OVGetMaxArray() != 0 && definable);
  m_edTagName.SetReadOnly(!definable);
  m_cbScope.EnableWindow(definable);

  for (UINT id : {IDS_SCOPE_LOCAL, IDS_SCOPE_SERVER}) m_cbScope.AddString(LoadText(id));
  m_cbScope.SetCurSel(m_nScope);
  return TRUE;
}

void CDlgGeneral::OnOK() {
  if (!DBSetEdit(1, kTagListScope)) {
    DBSetEdit(0, kTagListScope);
    return;
  }
  if (!UpdateData(TRUE)) return;

  // The whole entered size counts against the limit, also when the tag keeps its old size.
  const int maxPoints = OVGetMaxTags();
  if (OVGetRealDatabaseSize() + m_nSize > maxPoints) {
    CString number;
    number.Format(_T("%d"), maxPoints);
    CString message = LoadText(IDS_MAX_DB_POINTS_EXCEEDED);
    message.Replace(_T("%d"), number);
    AfxMessageBox(message, MB_OK);
    return;
  }

  // The Tagname field names the tag that is written to.
  VarRef ref = {};
  if (!DBGetVar(&ref, m_strTagName)) return;
  if (ref.tagNumber < FirstUserTag()) {
    PostMessage(WM_COMMAND, IDCANCEL);
    return;
  }

  DBSetTagSize(ref.tagNumber, m_nSize);
  DBSetTagType(ref.tagNumber, SelectedTypeCode());
  DBSetTagDesc(ref.tagNumber, m_strDescription);
  DBSetTagWebRemote(ref.tagNumber, m_nScope == 1 ? 1 : 0);
  CQELDialog::OnOK();
}

int CDlgGeneral::SelectedTypeCode() {
  CString text;
  const int selected = m_cbType.GetCurSel();
  if (selected != CB_ERR) m_cbType.GetLBText(selected, text);
  if (text.IsEmpty()) return 0;
  for (int code = 0; code < kTypeBaseCount; ++code) {
    if (text.CompareNoCase(LoadText(kBaseTypeNames[code])) == 0) return code;
  }
  m_strTypeName = text;
  int classNumber = 0;
  DBClassFindName(m_strTypeName, &classNumber);
  // A class the host no longer finds by this name falls back to the first class.
  return classNumber != 0 ? classNumber + kTypeClassOffset : kTypeBaseCount;
}
