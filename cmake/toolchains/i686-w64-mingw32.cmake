# Windows x86 (PE32, i386): the plug-in's deliverable, ZU41_QuenTarb.aip.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QT_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

# Single precision means single precision: SSE2 arithmetic, as the x86_64 and Linux builds do,
# instead of the x87 unit's wider registers. The host may call in with a 4-byte aligned stack.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")
