#pragma once
// What a file looked like on disk at one moment: whether it existed, its size, when it was last
// written and when it was made. Two stamps of one file differ when anyone wrote, replaced, made
// or deleted it in between.

#include <windows.h>

class CFileStamp {
 public:
  // The stamp of a file that does not exist.
  CFileStamp();
  // Paths may use either separator.
  static CFileStamp Of(LPCTSTR path);

  BOOL Exists() const { return m_bExists; }
  bool operator==(const CFileStamp& other) const;
  bool operator!=(const CFileStamp& other) const { return !(*this == other); }

 private:
  BOOL m_bExists;
  DWORD m_dwSizeHigh;
  DWORD m_dwSizeLow;
  FILETIME m_ftLastWrite;
  FILETIME m_ftCreation;
};
