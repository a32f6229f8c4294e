# Windows x64 (PE32+): the same sources, for running the Windows tests under 64-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QT_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
