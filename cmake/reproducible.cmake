# Builds of one commit are the same bytes wherever and whenever they are made.
#
# VORTALIN_SOURCE_DATE_EPOCH (seconds since 1970, UTC) is the time every generated file and
# package records: SOURCE_DATE_EPOCH from the environment when set, else the last commit's
# time. It is exported to this configure run, and to every CPack run through
# CPACK_PROJECT_CONFIG_FILE; build-time commands get it with
#   ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${VORTALIN_SOURCE_DATE_EPOCH} ...
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(VORTALIN_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
  set(source_date_from "SOURCE_DATE_EPOCH")
else()
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE VORTALIN_SOURCE_DATE_EPOCH
                    RESULT_VARIABLE git_status ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    # A new commit or checkout configures again, so the time follows the sources.
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --absolute-git-dir
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE git_dir ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(EXISTS "${git_dir}/logs/HEAD")
      set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY
                   CMAKE_CONFIGURE_DEPENDS "${git_dir}/logs/HEAD")
    endif()
  endif()
  if(GIT_FOUND AND git_status EQUAL 0 AND VORTALIN_SOURCE_DATE_EPOCH)
    set(source_date_from "the last commit")
  else()
    # A source tree without its history: the top-level list file's time, which tar keeps.
    file(TIMESTAMP ${PROJECT_SOURCE_DIR}/CMakeLists.txt VORTALIN_SOURCE_DATE_EPOCH "%s" UTC)
    set(source_date_from "CMakeLists.txt's time (no git history)")
  endif()
endif()
if(NOT VORTALIN_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH must be whole seconds since 1970, "
                      "not \"${VORTALIN_SOURCE_DATE_EPOCH}\"")
endif()
set(ENV{SOURCE_DATE_EPOCH} ${VORTALIN_SOURCE_DATE_EPOCH})
message(STATUS "Source date: ${VORTALIN_SOURCE_DATE_EPOCH} (from ${source_date_from})")

set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/cpack_source_date.cmake)
file(CONFIGURE OUTPUT ${CPACK_PROJECT_CONFIG_FILE} CONTENT [[
# Packages record the sources' time, not the time they are packed.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} @VORTALIN_SOURCE_DATE_EPOCH@)
endif()
]] @ONLY)

# Qt's resource data in format 1, which holds no file times.
set(CMAKE_AUTORCC_OPTIONS --format-version 1)

# No build or source path in what the compiler writes; debug builds keep them for debuggers.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=>"
                      "$<$<NOT:$<CONFIG:Debug>>:-ffile-prefix-map=${CMAKE_BINARY_DIR}/=>")
endif()
