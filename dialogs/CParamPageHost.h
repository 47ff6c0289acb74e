#pragma once
// The host side that the three parameters pages share: finding the tag's parameter record, moving
// the retentive flags, the unit and the startup value between the record and a page, and the
// commit calls. The pages stay separate classes derived from CQELPropertyPage; an object of this
// class lives for one load or one commit.

#include <Orvik.h>
#include <OrvikClasses.h>
#include <afxwin.h>

class CParamPageHost {
 public:
  // The unit field holds at most this many characters and a terminating zero.
  static constexpr int kUnitMaxChars = 7;

  explicit CParamPageHost(const CString& tagName);

  // A copy of the text trimmed by the host's own rule, however long the text.
  static CString Trimmed(const CString& text);

  // The load prologue of every parameters page, run after its base initialisation: on a project
  // for Windows CE "Retentive Parameters" is disabled; a system tag leaves the page read-only.
  // FALSE when the tag or its record is not found.
  BOOL OpenForLoad(CWnd& page);
  // Finds the tag and its record for a commit. FALSE when either is missing.
  BOOL Open();

  BOOL IsSystemTag() const { return m_bSystemTag; }
  VarRef& Ref() { return m_ref; }
  ParamRecord& Param() { return m_pDefinition->param; }

  void LoadRetentiveAndUnit(BOOL& retentiveValue, BOOL& retentiveParameters, CString& unit) const;
  // At most `capacity` characters of the stored startup value.
  CString LoadStartup(int capacity);
  // The startup value of a numeric or Boolean tag: at most 31 characters, "0" when none is stored.
  CString LoadStartupOrZero();

  // Stores the retentive flags, the unit and the startup value, commits the tag's parameters and
  // marks the tag list changed. A page stores its own further fields into Param() before this.
  void Commit(BOOL retentiveValue, BOOL retentiveParameters, const CString& unit,
              const CString& startupValue);

 private:
  BOOL FindRecord();

  CString m_strTagName;
  VarRef m_ref{};
  TagDefRecord* m_pDefinition = nullptr;
  BOOL m_bSystemTag = FALSE;
};
