# hidapi 0.15.0, built from the complete C source that the npm package node-hid@3.4.0 ships
# under hidapi/. The tarball is checked against the registry's published sha1 before use and
# unpacked under the build folder; nothing of it is committed.
set(HIDAPI_NPM_PACKAGE node-hid@3.4.0)
set(HIDAPI_NPM_SHA1 dca0b7eb00eb9ee8bc652ef0437e30ed1889fba4)
set(HIDAPI_DEPS_DIR ${CMAKE_BINARY_DIR}/_deps)
set(HIDAPI_TARBALL ${HIDAPI_DEPS_DIR}/node-hid-3.4.0.tgz)
set(HIDAPI_SOURCE_DIR ${HIDAPI_DEPS_DIR}/node-hid/package/hidapi)

function(hidapi_verify_tarball result)
  if(EXISTS ${HIDAPI_TARBALL})
    file(SHA1 ${HIDAPI_TARBALL} sum)
    if(sum STREQUAL HIDAPI_NPM_SHA1)
      set(${result} TRUE PARENT_SCOPE)
      return()
    endif()
    message(WARNING "hidapi: ${HIDAPI_TARBALL} has sha1 ${sum}, expected ${HIDAPI_NPM_SHA1}; fetching again")
    file(REMOVE ${HIDAPI_TARBALL})
  endif()
  set(${result} FALSE PARENT_SCOPE)
endfunction()

if(NOT EXISTS ${HIDAPI_SOURCE_DIR}/VERSION)
  file(MAKE_DIRECTORY ${HIDAPI_DEPS_DIR})
  hidapi_verify_tarball(ok)
  if(NOT ok)
    find_program(NPM npm REQUIRED)
    execute_process(COMMAND ${NPM} pack ${HIDAPI_NPM_PACKAGE} --silent
      WORKING_DIRECTORY ${HIDAPI_DEPS_DIR} RESULT_VARIABLE rc OUTPUT_QUIET)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "hidapi: 'npm pack ${HIDAPI_NPM_PACKAGE}' failed (${rc})")
    endif()
    hidapi_verify_tarball(ok)
    if(NOT ok)
      message(FATAL_ERROR "hidapi: the fetched ${HIDAPI_NPM_PACKAGE} does not match its published sha1")
    endif()
  endif()
  file(REMOVE_RECURSE ${HIDAPI_DEPS_DIR}/node-hid)
  file(ARCHIVE_EXTRACT INPUT ${HIDAPI_TARBALL} DESTINATION ${HIDAPI_DEPS_DIR}/node-hid
       PATTERNS package/hidapi)
endif()

file(READ ${HIDAPI_SOURCE_DIR}/VERSION HIDAPI_FOUND_VERSION)
string(STRIP "${HIDAPI_FOUND_VERSION}" HIDAPI_FOUND_VERSION)
if(NOT HIDAPI_FOUND_VERSION STREQUAL "0.15.0")
  message(FATAL_ERROR "hidapi: expected version 0.15.0, found ${HIDAPI_FOUND_VERSION}")
endif()

# Build it as a shared library with its own CMake, whatever the rest of the project does.
set(_saved_shared ${BUILD_SHARED_LIBS})
set(BUILD_SHARED_LIBS ON)
set(HIDAPI_INSTALL_TARGETS OFF CACHE BOOL "" FORCE)
set(HIDAPI_WITH_TESTS OFF CACHE BOOL "" FORCE)
add_subdirectory(${HIDAPI_SOURCE_DIR} ${CMAKE_BINARY_DIR}/hidapi EXCLUDE_FROM_ALL)
set(BUILD_SHARED_LIBS ${_saved_shared})

# The Windows file name is hidapi.dll; the test kit's simulated hidapi takes the same name.
set_target_properties(hidapi_winapi PROPERTIES PREFIX "" IMPORT_PREFIX "lib"
  RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
target_link_options(hidapi_winapi PRIVATE -static-libgcc)

# What product code links for hidapi: the real import library in the program, the test kit's
# simulated hidapi.dll in test executables (they set SIMULATED_HIDAPI). Both are "hidapi.dll".
add_library(hidapi_api INTERFACE)
target_link_libraries(hidapi_api INTERFACE hidapi_include
  $<IF:$<BOOL:$<TARGET_PROPERTY:SIMULATED_HIDAPI>>,hidapi_sim,hidapi_winapi>)
