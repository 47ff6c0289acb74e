#pragma once
// The "Corvane Integration" page: whether the supervisory platform takes over the tag's value,
// alarms and history (three bits of the tag's definition record), and the historian settings (the
// integration block of the tag, or of its class member, in tagl.json). Loads both when its window
// is created, writes both on OK.
//
// The integration files are only ever written from a database that was read from them: when they
// exist but cannot be loaded, the page says so as it opens and OK writes the three bits alone. Nor
// does OK write over a change that someone else made to them after the page read them.

#include <afxwin.h>
#include <Orvik.h>
#include <OrvikClasses.h>

#include <memory>

#include "CFileStamp.h"
#include "TagsDatabaseData.h"
#include "resource.h"

class CDlgVeltrixIntegration : public CQELPropertyPage {
 public:
  enum { IDD = IDD_VELTRIX_INTEGRATION };

  CDlgVeltrixIntegration(LPCTSTR tagName, CWnd* pParent);
  ~CDlgVeltrixIntegration() override;

  // Reads the three bits and the historian settings into the members and shows them.
  void LoadIntegrationSettings();
  // Writes what the controls show; false when a field was refused, the tag is gone, or the files
  // were not written although there was something to write.
  bool SaveIntegrationSettings();
  // Enables the controls that the switches allow and shows the members.
  void UpdateControlStates();

  int m_nValueIntegration;
  int m_nAlarmIntegration;
  int m_nHistorianIntegration;
  int m_nInterpolationIndex;
  int m_nForcedStorageIndex;
  int m_nSwingingDoorIndex;
  double m_dTrendScaleMax;
  double m_dTrendScaleMin;
  int m_nRolloverValue;
  int m_nSampleCount;
  double m_dDeadbandRate;
  CString m_strTagName;
  int m_nTagType;
  std::shared_ptr<data::TagsDatabaseData> m_database;

 protected:
  DECLARE_MESSAGE_MAP()

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  void OnValueIntegrationClicked();
  void OnAlarmIntegrationClicked();
  void OnHistorianIntegrationClicked();
  void OnTrendScaleMaxKillFocus();
  void OnTrendScaleMinKillFocus();

 private:
  // The tag's number, class name (empty unless it is a class member) and definition record.
  BOOL FindTag(VarRef& ref, CString& className, TagDefRecord*& definition) const;
  // The project's integration file of that name: the database folder, a backslash, the name.
  static CString IntegrationFilePath(LPCTSTR fileName);
  // After a correction of a trend scale: the edit keeps the focus with its whole text selected.
  static void Refocus(CEdit& edit);
  // Whether someone else wrote the files since the page read them.
  BOOL FilesChangedSinceLoad() const;

  // The files existed but did not load: the page holds no database and OK leaves them alone.
  BOOL m_bFilesUnreadable;
  CFileStamp m_tagsStamp;
  CFileStamp m_classesStamp;

  CButton m_chkAlarmIntegration;
  CButton m_chkHistorianIntegration;
  CComboBox m_cbInterpolationType;
  CComboBox m_cbForcedStorage;
  CComboBox m_cbSwingingDoor;
  CEdit m_edTrendScaleMax;
  CEdit m_edTrendScaleMin;
  CEdit m_edRolloverValue;
  CEdit m_edSampleCount;
  CEdit m_edDeadbandRate;
};
