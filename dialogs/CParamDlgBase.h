#pragma once
// What the three "Parameters" pages share: the tag's parameter record, found when the page loads
// and again when it saves; the retentive flags, the unit and the startup value moved between the
// record and the page; the commit calls. Each page brings its own template, its own exchange
// order and the record's further fields it shows.

#include <BCGCBProInc.h>
#include <Orvik.h>
#include <OrvikClasses.h>

class CParamDlgBase : public CQELPropertyPage {
 public:
  // The unit field holds at most this many characters and a terminating zero.
  static constexpr int kUnitMaxChars = 7;

  ~CParamDlgBase() override;

  BOOL m_bRetentiveParameters;
  BOOL m_bRetentiveValue;
  CString m_strStartupValue;
  CString m_strUnit;
  CString m_strTagName;
  CBCGPButton m_btnRetentiveParameters;

 protected:
  CParamDlgBase(UINT templateId, LPCTSTR tagName);

  // A copy of the text trimmed by the host's own rule, however long the text.
  static CString Trimmed(const CString& text);

  void DoDataExchange(CDataExchange* pDX) override;
  // On a project for Windows CE "Retentive Parameters" is disabled; a system tag leaves the page
  // read-only. FALSE when the tag or its record is not found.
  BOOL OnInitDialog() override;
  // Stores the page's fields, the retentive flags, the unit and the startup value, commits the
  // tag's parameters and marks the tag list changed.
  void OnOK() override;

  // The startup value as the page shows it at first: at most 31 characters, "0" when none is
  // stored. The String page reads more.
  virtual CString LoadStartupValue();
  // At most `capacity` characters of the stored startup value.
  CString LoadStartup(int capacity);
  // The record's fields beyond the shared ones; only the numeric page has some.
  virtual void LoadFields(const ParamRecord& param);
  virtual void SaveFields(ParamRecord& param) const;

  BOOL IsSystemTag() const { return m_bSystemTag; }
  // The tag as found by the last load or save.
  VarRef& Ref() { return m_ref; }

 private:
  // Finds the tag and its parameter record. FALSE when either is missing.
  BOOL FindRecord();

  VarRef m_ref{};
  TagDefRecord* m_pDefinition = nullptr;
  BOOL m_bSystemTag = FALSE;
};
