#include "CFileStamp.h"

namespace {

bool SameTime(const FILETIME& a, const FILETIME& b) {
  return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

}  // namespace

CFileStamp::CFileStamp() : m_bExists(FALSE), m_dwSizeHigh(0), m_dwSizeLow(0), m_ftLastWrite{}, m_ftCreation{} {}

CFileStamp CFileStamp::Of(LPCTSTR path) {
  CFileStamp stamp;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (GetFileAttributesExW(path, GetFileExInfoStandard, &data)) {
    stamp.m_bExists = TRUE;
    stamp.m_dwSizeHigh = data.nFileSizeHigh;
    stamp.m_dwSizeLow = data.nFileSizeLow;
    stamp.m_ftLastWrite = data.ftLastWriteTime;
    stamp.m_ftCreation = data.ftCreationTime;
  }
  return stamp;
}

bool CFileStamp::operator==(const CFileStamp& other) const {
  return m_bExists == other.m_bExists && m_dwSizeHigh == other.m_dwSizeHigh && m_dwSizeLow == other.m_dwSizeLow &&
         SameTime(m_ftLastWrite, other.m_ftLastWrite) && SameTime(m_ftCreation, other.m_ftCreation);
}
