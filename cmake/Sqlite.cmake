# SQLite: the system library natively; for MinGW the amalgamation, taken at configure time from the
# better-sqlite3 package of the npm registry (its deps/sqlite3 folder holds sqlite3.c and sqlite3.h).
if(NOT WIN32)
  find_package(SQLite3 REQUIRED)
  add_library(bn_sqlite INTERFACE)
  target_link_libraries(bn_sqlite INTERFACE SQLite::SQLite3)
  return()
endif()

set(BN_DEPS_DIR "${CMAKE_SOURCE_DIR}/build/deps" CACHE PATH "Where downloaded third-party sources are kept")
set(BN_SQLITE_PACKAGE "better-sqlite3@12.11.1")
set(BN_SQLITE_DIR "${BN_DEPS_DIR}/sqlite3")
if(NOT EXISTS "${BN_SQLITE_DIR}/sqlite3.c")
  file(MAKE_DIRECTORY "${BN_DEPS_DIR}/npm")
  execute_process(COMMAND npm pack ${BN_SQLITE_PACKAGE} --silent --pack-destination "${BN_DEPS_DIR}/npm"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE tarball OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "npm pack ${BN_SQLITE_PACKAGE} failed (${rc})")
  endif()
  file(ARCHIVE_EXTRACT INPUT "${BN_DEPS_DIR}/npm/${tarball}" DESTINATION "${BN_DEPS_DIR}/npm/x"
       PATTERNS package/deps/sqlite3/sqlite3.c package/deps/sqlite3/sqlite3.h)
  file(MAKE_DIRECTORY "${BN_SQLITE_DIR}")
  file(COPY "${BN_DEPS_DIR}/npm/x/package/deps/sqlite3/sqlite3.c" "${BN_DEPS_DIR}/npm/x/package/deps/sqlite3/sqlite3.h"
       DESTINATION "${BN_SQLITE_DIR}")
endif()

add_library(bn_sqlite STATIC "${BN_SQLITE_DIR}/sqlite3.c")
target_include_directories(bn_sqlite SYSTEM PUBLIC "${BN_SQLITE_DIR}")
target_compile_definitions(bn_sqlite PRIVATE SQLITE_OMIT_LOAD_EXTENSION SQLITE_DQS=0 SQLITE_THREADSAFE=1)
# The amalgamation is C and plain ASCII: keep the default charset and quiet its warnings; -O2 always.
set_source_files_properties("${BN_SQLITE_DIR}/sqlite3.c" PROPERTIES COMPILE_OPTIONS "-w;-O2;-finput-charset=UTF-8;-fexec-charset=UTF-8")
