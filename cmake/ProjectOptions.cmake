# Compiler settings shared by every target of the three builds.
set(BN_SANITIZE "" CACHE STRING "Native build: sanitizers (address, thread or empty)")
if(WIN32)
  set(BN_BUILD_TESTS_DEFAULT ON)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(BN_BUILD_TESTS_DEFAULT OFF)
  endif()
else()
  set(BN_BUILD_TESTS_DEFAULT ON)
endif()
option(BN_BUILD_TESTS "Build the tests and benchmarks" ${BN_BUILD_TESTS_DEFAULT})

# Sources are UTF-8; every text literal of the program is GBK.
add_compile_options(-finput-charset=UTF-8 -fexec-charset=GBK -Wall -Wextra -Wno-unused-parameter)

if(WIN32)
  add_compile_definitions(NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  # A self-contained executable: no MinGW runtime DLL beside it.
  add_link_options(-static -static-libgcc -static-libstdc++)
else()
  if(BN_SANITIZE STREQUAL "address")
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
  elseif(BN_SANITIZE STREQUAL "thread")
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
  endif()
endif()

find_package(Threads REQUIRED)
