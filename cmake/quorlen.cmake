# Shared build settings: warnings, sanitizers, the SQLite library and the
# header-only dependencies.

set(QUORLEN_DEPS_INCLUDE "${CMAKE_BINARY_DIR}/deps/include")

function(quorlen_expose_header source relpath)
  if(EXISTS "${source}")
    configure_file("${source}" "${QUORLEN_DEPS_INCLUDE}/${relpath}" COPYONLY)
  endif()
endfunction()
quorlen_expose_header("${QUORLEN_DOCTEST_HEADER}" "doctest/doctest.h")
quorlen_expose_header("${QUORLEN_STB_IMAGE_HEADER}" "stb/stb_image.h")
# Tests write PNG files with its sibling.
get_filename_component(_stb_dir "${QUORLEN_STB_IMAGE_HEADER}" DIRECTORY)
quorlen_expose_header("${_stb_dir}/stb_image_write.h" "stb/stb_image_write.h")
if(EXISTS "${QUORLEN_JSON_HEADER}")
  # json.hpp is a single header on Debian; its folder may hold a few siblings
  get_filename_component(_json_dir "${QUORLEN_JSON_HEADER}" DIRECTORY)
  file(GLOB _json_files "${_json_dir}/*.hpp")
  foreach(_f IN LISTS _json_files)
    get_filename_component(_n "${_f}" NAME)
    configure_file("${_f}" "${QUORLEN_DEPS_INCLUDE}/nlohmann/${_n}" COPYONLY)
  endforeach()
  # json.hpp includes from both subfolders; a cross build sees only this copy
  foreach(_sub detail thirdparty)
    if(EXISTS "${_json_dir}/${_sub}")
      file(COPY "${_json_dir}/${_sub}" DESTINATION "${QUORLEN_DEPS_INCLUDE}/nlohmann")
    endif()
  endforeach()
endif()

add_library(quorlen_deps INTERFACE)
target_include_directories(quorlen_deps SYSTEM INTERFACE "${QUORLEN_DEPS_INCLUDE}")

add_library(quorlen_warnings INTERFACE)
if(MSVC)
  target_compile_options(quorlen_warnings INTERFACE /W4 /utf-8)
else()
  target_compile_options(quorlen_warnings INTERFACE -Wall -Wextra -Wno-unused-parameter)
endif()

add_library(quorlen_sanitize INTERFACE)
if(QUORLEN_SANITIZE AND NOT WIN32)
  target_compile_options(quorlen_sanitize INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(quorlen_sanitize INTERFACE -fsanitize=address,undefined)
endif()

# Portable units and their tests link this: warnings plus sanitizers.
add_library(quorlen_common INTERFACE)
target_link_libraries(quorlen_common INTERFACE quorlen_warnings quorlen_sanitize quorlen_deps)
target_include_directories(quorlen_common INTERFACE "${CMAKE_SOURCE_DIR}")

if(MINGW)
  # quorlen.exe and the test programs run on a bare Windows: no runtime DLLs
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

# The engine is compiled without sanitizers: it is not our code and
# instrumenting it only slows every test down.
if(NOT EXISTS "${QUORLEN_SQLITE_DIR}/sqlite3.c")
  message(FATAL_ERROR "sqlite3.c not found in ${QUORLEN_SQLITE_DIR}; run scripts/fetch-sqlite.sh")
endif()
add_library(sqlite3mc STATIC "${QUORLEN_SQLITE_DIR}/sqlite3.c")
target_include_directories(sqlite3mc SYSTEM PUBLIC "${QUORLEN_SQLITE_DIR}")
# AES-128 keys a connection in well under a millisecond; the library's default
# scheme spends tens of milliseconds per open, and every lookup opens one.
# Positioned reads with an OVERLAPPED block cost Wine a request to its server
# each (a completion notice), hundreds per list; a seek and a plain read do not.
target_compile_definitions(sqlite3mc PUBLIC CODEC_TYPE=CODEC_TYPE_AES128
  PRIVATE SQLITE_DQS=0 SQLITE_OMIT_LOAD_EXTENSION SQLITE_THREADSAFE=1 SQLITE_WIN32_NO_OVERLAPPED)
if(NOT MSVC)
  target_compile_options(sqlite3mc PRIVATE -O2 -w)
endif()
find_package(Threads REQUIRED)
target_link_libraries(sqlite3mc PUBLIC Threads::Threads ${CMAKE_DL_LIBS})

# A doctest suite: one executable per folder of tests, registered with CTest.
function(quorlen_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} quorlen_common)
  target_compile_definitions(${name} PRIVATE
    QUORLEN_SHARED_DATA="${CMAKE_SOURCE_DIR}/../shared/data")
  add_test(NAME ${name} COMMAND ${name})
endfunction()
