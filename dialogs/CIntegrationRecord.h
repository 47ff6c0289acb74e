#pragma once
// Where the integration block of one tag lives in the integration database: the tag's own record,
// under the tag's name; or, for a member of a class instance (the host reports a class name), the
// member's record inside the instance's record: the tag Pump1.Speed has its block in member Speed
// of the record Pump1.

#include <afxwin.h>

#include <memory>

#include "TagsDatabaseData.h"

class CIntegrationRecord {
 public:
  // Finds the records, making what is missing: a tag record that the database lacks is new and
  // not entered into it; a class block and a member record are attached where the tag lacks them.
  CIntegrationRecord(data::TagsDatabaseData& database, const CString& tagName, const CString& className);

  // The integration block; empty when there is none yet.
  std::shared_ptr<data::CorvaneData>& Block();
  // Enters a new tag record into the database under its key and gives new tag and member records
  // the tag's number and their names.
  void Enter(data::TagsDatabaseData& database, WORD tagNumber);

  const CString& Key() const { return m_strKey; }
  const CString& Member() const { return m_strMember; }

 private:
  CString m_strKey;
  // Empty for a tag that is not a class member.
  CString m_strMember;
  std::shared_ptr<data::TagData> m_tag;
  std::shared_ptr<data::TagClassMemberData> m_member;
};
