#include "Screenshot.h"

#include <zlib.h>

#include <cstdio>
#include <vector>

namespace {

void PutBigEndian(std::vector<unsigned char>& out, unsigned long value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(value >> shift));
}

void PutChunk(std::vector<unsigned char>& out, const char* type, const std::vector<unsigned char>& data) {
  PutBigEndian(out, static_cast<unsigned long>(data.size()));
  size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian(out, crc32(0, out.data() + start, static_cast<uInt>(out.size() - start)));
}

// Rows of RGB bytes, each row led by its filter byte (0, none).
bool WritePng(const std::wstring& path, int width, int height, const std::vector<unsigned char>& rows) {
  std::vector<unsigned char> header;
  PutBigEndian(header, static_cast<unsigned long>(width));
  PutBigEndian(header, static_cast<unsigned long>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter method, no interlace
  uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
  std::vector<unsigned char> packed(packedSize);
  if (compress2(packed.data(), &packedSize, rows.data(), static_cast<uLong>(rows.size()), 9) != Z_OK) return false;
  packed.resize(packedSize);

  std::vector<unsigned char> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(file, "IHDR", header);
  PutChunk(file, "IDAT", packed);
  PutChunk(file, "IEND", {});
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (!out) return false;
  bool written = fwrite(file.data(), 1, file.size(), out) == file.size();
  return fclose(out) == 0 && written;
}

}  // namespace

bool SaveScreenshot(HWND window, const std::wstring& path) {
  // Everything painted first (the window's own thread paints, this one waits), then a moment for
  // the display to show it.
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Sleep(500);
  RECT r;
  if (!GetWindowRect(window, &r)) return false;
  int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return false;

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool copied = false;
  if (bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    copied = BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    SelectObject(memory, old);
  }
  std::vector<unsigned char> rows;
  if (copied) {
    const unsigned char* pixels = static_cast<const unsigned char*>(bits);
    rows.reserve(static_cast<size_t>(height) * (1 + 3 * static_cast<size_t>(width)));
    for (int y = 0; y < height; ++y) {
      rows.push_back(0);
      for (int x = 0; x < width; ++x) {
        const unsigned char* bgra = pixels + (static_cast<size_t>(y) * width + x) * 4;
        rows.insert(rows.end(), {bgra[2], bgra[1], bgra[0]});
      }
    }
  }
  if (bitmap) DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return copied && WritePng(path, width, height, rows);
}
