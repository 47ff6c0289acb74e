#pragma once
// The modal "Properties" dialog of one tag: name, type, array size, description and scope. It
// decides what may be changed, validates on OK and writes size, type, description and scope back
// to the host. DBEditTagProperties fills the public members before DoModal.

#include <BCGCBProInc.h>
#include <OrvikClasses.h>

#include "resource.h"

class CDlgGeneral : public CQELDialog {
 public:
  explicit CDlgGeneral(CWnd* pParent);
  ~CDlgGeneral() override;

  enum { IDD = IDD_GENERAL };

  CBCGPComboBox m_cbType;
  CComboBox m_cbScope;
  CEdit m_edTagName;
  CEdit m_edSize;
  CEdit m_edDescription;
  CString m_strDescription;
  int m_nSize;
  CString m_strTagName;
  int m_nScope;
  // As read at open: a TagTypeCode, class number + kTypeClassOffset for a class.
  int m_nTypeCode;
  // As read at open (the class name of a class-typed tag); on OK the selected class name.
  CString m_strTypeName;

 protected:
  DECLARE_MESSAGE_MAP()

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  // The type code of the selected Type item; a class item also becomes m_strTypeName.
  int SelectedTypeCode();
};
