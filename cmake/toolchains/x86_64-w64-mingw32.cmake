# 64-bit Windows, for running the dialogs under Debian's wine64 (which runs no 32-bit programs).
# Programs built here run through the Wine launcher, so CTest starts the Windows tests under Wine.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../../scripts/wine-run.sh)
