# libxlsxwriter as the imported target Quarvel::xlsxwriter: Debian's (pkg-config), or for Windows the static
# library that scripts/xlsxwriter-mingw cross-builds into QUARVEL_XLSXWRITER_PREFIX, with MinGW's static zlib.
if(WIN32)
  set(QUARVEL_XLSXWRITER_PREFIX "" CACHE PATH "Where scripts/xlsxwriter-mingw installed libxlsxwriter")
  find_path(QUARVEL_XLSXWRITER_INCLUDE xlsxwriter.h PATHS ${QUARVEL_XLSXWRITER_PREFIX}/include
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  find_library(QUARVEL_XLSXWRITER_LIBRARY NAMES libxlsxwriter.a PATHS ${QUARVEL_XLSXWRITER_PREFIX}/lib
               NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  find_library(QUARVEL_ZLIB_STATIC NAMES libz.a)
  if(NOT QUARVEL_XLSXWRITER_INCLUDE OR NOT QUARVEL_XLSXWRITER_LIBRARY OR NOT QUARVEL_ZLIB_STATIC)
    message(FATAL_ERROR "libxlsxwriter for Windows not found: run scripts/xlsxwriter-mingw and pass "
                        "-DQUARVEL_XLSXWRITER_PREFIX (make windows does both)")
  endif()
  add_library(Quarvel::xlsxwriter STATIC IMPORTED)
  set_target_properties(Quarvel::xlsxwriter PROPERTIES IMPORTED_LOCATION ${QUARVEL_XLSXWRITER_LIBRARY}
                        INTERFACE_INCLUDE_DIRECTORIES ${QUARVEL_XLSXWRITER_INCLUDE}
                        INTERFACE_LINK_LIBRARIES ${QUARVEL_ZLIB_STATIC})
else()
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(QUARVEL_XLSXWRITER REQUIRED IMPORTED_TARGET GLOBAL xlsxwriter)
  add_library(Quarvel::xlsxwriter ALIAS PkgConfig::QUARVEL_XLSXWRITER)
endif()
