#include "CIntegrationRecord.h"

#include <tchar.h>

#include "WideText.h"

namespace {

// The last of the name's segments between dots, empty segments skipped.
CString LastSegment(const CString& name) {
  int end = name.GetLength();
  while (end > 0 && name[end - 1] == _T('.')) {
    --end;
  }
  int start = end;
  while (start > 0 && name[start - 1] != _T('.')) {
    --start;
  }
  return name.Mid(start, end - start);
}

auto TextOf(const CString& text) { return helper::FromWide(text.GetString()); }

}  // namespace

CIntegrationRecord::CIntegrationRecord(data::TagsDatabaseData& database, const CString& tagName,
                                       const CString& className)
    : m_strKey(tagName) {
  if (!className.IsEmpty()) {
    m_strMember = LastSegment(tagName);
    if (!m_strMember.IsEmpty()) {
      m_strKey.Replace(CString(_T(".")) + m_strMember, _T(""));
    }
  }
  const auto found = database.tags.find(TextOf(m_strKey));
  const bool entered = found != database.tags.end();
  m_tag = entered ? found->second : std::make_shared<data::TagData>();
  if (className.IsEmpty()) {
    return;
  }
  if (!m_tag->tagClass) {
    m_tag->tagClass = std::make_shared<data::TagClassData>();
    m_tag->tagClass->name = TextOf(className);
  }
  auto& members = m_tag->tagClass->members;
  auto& member = members[TextOf(m_strMember)];
  if (!member) {
    member = std::make_shared<data::TagClassMemberData>();
    // Members of a tag already in the file are numbered on from the ones it lists.
    member->id = entered ? static_cast<std::int32_t>(members.size()) + 1 : -1;
    member->name = TextOf(m_strMember);
  }
  m_member = member;
}

std::shared_ptr<data::CorvaneData>& CIntegrationRecord::Block() { return m_member ? m_member->corvane : m_tag->corvane; }

void CIntegrationRecord::Enter(data::TagsDatabaseData& database, WORD tagNumber) {
  if (m_tag->id < 0) {
    m_tag->id = tagNumber;
    m_tag->name = TextOf(m_strKey);
    database.tags[m_tag->name] = m_tag;
  }
  if (m_member && m_member->id < 0) {
    m_member->id = tagNumber;
    m_member->name = TextOf(m_strMember);
  }
}
