# CMake's own Debian script, then no postinst or postrm: it would write ones that only call
# ldconfig because libkelvo.so lies below /usr/lib, although the loader never searches
# /usr/lib/lumra (the reader loads the library by its full path).
include("${CMAKE_ROOT}/Modules/Internal/CPack/CPackDeb.cmake")
set(GEN_CPACK_DEBIAN_GENERATE_POSTINST 0)
set(GEN_CPACK_DEBIAN_GENERATE_POSTRM 0)
