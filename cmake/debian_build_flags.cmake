# Debian's build flags with every hardening feature (stack protector, FORTIFY, full RELRO
# with bind-now, stack clash protection, control flow protection) for the optimised native
# builds, whose programs are the ones shipped.
# Sanitizer, fuzzing and debug builds and the cross builds keep their own flags.
if(CMAKE_CROSSCOMPILING OR VORTALIN_SANITIZE OR VORTALIN_FUZZ
   OR NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  return()
endif()
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
  message(FATAL_ERROR "dpkg-buildflags not found: install dpkg-dev (scripts/install-deps.sh play)")
endif()
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  # Paths are mapped by reproducible.cmake, from the source and build folders.
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env
            "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath,-fixdebugpath"
            ${DPKG_BUILDFLAGS} --get ${kind}
    OUTPUT_VARIABLE flags RESULT_VARIABLE status OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "dpkg-buildflags --get ${kind} failed (status ${status})")
  endif()
  separate_arguments(flags UNIX_COMMAND "${flags}")
  # Optimisation and debug information come from the build type.
  list(FILTER flags EXCLUDE REGEX "^(-g|-O[0-9s]?)$")
  set(debian_${kind} ${flags})
endforeach()
# dpkg 1.22 adds these two to hardening=+all where the machine has them; Debian 12's
# dpkg 1.21 does not yet.
include(CheckCXXCompilerFlag)
foreach(flag -fstack-clash-protection -fcf-protection)
  string(MAKE_C_IDENTIFIER "VORTALIN_HAS${flag}" known)
  check_cxx_compiler_flag(${flag} ${known})
  if(${known} AND NOT flag IN_LIST debian_CXXFLAGS)
    list(APPEND debian_CXXFLAGS ${flag})
  endif()
endforeach()
add_compile_options(${debian_CPPFLAGS} ${debian_CXXFLAGS})
add_link_options(${debian_LDFLAGS})
message(STATUS "Debian build flags: ${debian_CPPFLAGS} ${debian_CXXFLAGS} ${debian_LDFLAGS}")
