# The same sources for 64-bit Windows. Only the test run uses this build, on
# machines whose processor cannot execute 32-bit x86 code (see scripts/test).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(VELTO_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
