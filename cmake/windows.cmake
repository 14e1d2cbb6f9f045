# The Windows program, cross-built: one Fortuva.exe that needs nothing but
# Windows' own system libraries.
enable_language(RC)
include(cmake/version.cmake)
# The written version.rc and manifest first, then the icons and voice clips.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${FORTUVA_GENERATED_DIR} -I${CMAKE_CURRENT_SOURCE_DIR}/resources")

file(GLOB FORTUVA_WIN32_SOURCES CONFIGURE_DEPENDS
    base/win32/*.cpp numbers/win32/*.cpp check/win32/*.cpp about/win32/*.cpp app/win32/*.cpp)
add_executable(Fortuva WIN32 ${FORTUVA_WIN32_SOURCES} resources/Fortuva.rc)
target_link_libraries(Fortuva PRIVATE fortuva_app)
target_compile_options(Fortuva PRIVATE ${FORTUVA_WARNINGS})
# The declarations of what later Windows added, for the functions the
# window layer looks up at run time (base/win32/SystemFunctions.h); the
# checks of the executable fail on any of them imported.
target_compile_definitions(Fortuva PRIVATE WINVER=0x0A00)
# Small is a feature: the program travels as one file.
foreach(floor IN LISTS FORTUVA_FLOORS)
    target_compile_options(${floor} PUBLIC -Os -ffunction-sections -fdata-sections)
    target_compile_definitions(${floor} PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endforeach()
target_link_options(Fortuva PRIVATE -municode -static -static-libgcc -static-libstdc++
    -Wl,--dynamicbase -Wl,--nxcompat -Wl,--gc-sections -s)
# A 32-bit program may then use 4 GB of address space under 64-bit Windows,
# not 2 GB; a 64-bit one has it anyway.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    target_link_options(Fortuva PRIVATE -Wl,--large-address-aware)
endif()
file(GLOB FORTUVA_RESOURCE_FILES CONFIGURE_DEPENDS
    resources/*.rc resources/icons/*.ico resources/voice/*.wav)
list(APPEND FORTUVA_RESOURCE_FILES ${FORTUVA_GENERATED_DIR}/version.rc ${FORTUVA_GENERATED_DIR}/Fortuva.manifest)
set_source_files_properties(resources/Fortuva.rc PROPERTIES OBJECT_DEPENDS "${FORTUVA_RESOURCE_FILES}")

# The same commit builds the same Fortuva.exe in any folder, at any time:
# no folder names in the code (the paths of the sources and of this build
# read as "." and "build"), and the image's time stamp is the last commit's
# time, or SOURCE_DATE_EPOCH when that is set. Without either (a tree
# outside git), the linker writes no time stamp.
foreach(floor IN LISTS FORTUVA_FLOORS)
    target_compile_options(${floor} PUBLIC
        -ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
endforeach()
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(FORTUVA_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
elseif(EXISTS ${CMAKE_SOURCE_DIR}/.git)
    execute_process(COMMAND git -C ${CMAKE_SOURCE_DIR} log -1 --format=%ct
        OUTPUT_VARIABLE FORTUVA_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(FORTUVA_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    # The linker takes the time stamp from its environment.
    set_property(TARGET Fortuva PROPERTY RULE_LAUNCH_LINK
        "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${FORTUVA_SOURCE_DATE_EPOCH}")
else()
    target_link_options(Fortuva PRIVATE -Wl,--no-insert-timestamp)
endif()

# End-to-end tests: a Win32 test driver, run under Wine, drives the real
# Fortuva.exe as a user would. GoogleTest is built from Debian's sources with
# the same cross compiler.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest googletest EXCLUDE_FROM_ALL)
foreach(target gtest gtest_main)
    # GCC's win32 thread model has no std::mutex, which GoogleTest's
    # Notification uses; give it one built on a Win32 event.
    target_compile_options(${target} PUBLIC
        "SHELL:-include ${CMAKE_CURRENT_SOURCE_DIR}/tests/e2e/GTestWin32Notification.h")
endforeach()

file(GLOB FORTUVA_E2E_SOURCES CONFIGURE_DEPENDS tests/e2e/*.cpp)
add_executable(fortuva_e2e ${FORTUVA_E2E_SOURCES})
target_include_directories(fortuva_e2e PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_options(fortuva_e2e PRIVATE ${FORTUVA_WARNINGS})
target_compile_definitions(fortuva_e2e PRIVATE UNICODE _UNICODE NOMINMAX)
# The tests take what they bring along from their own folder (TestData),
# never from the sources, so that the test kit runs wherever it is unpacked;
# their failure messages name the sources from the top of the tree.
target_compile_options(fortuva_e2e PRIVATE -ffile-prefix-map=${CMAKE_SOURCE_DIR}=.)
file(GLOB FORTUVA_E2E_CLIPS CONFIGURE_DEPENDS resources/voice/*.wav)
foreach(clip IN LISTS FORTUVA_E2E_CLIPS)
    get_filename_component(name ${clip} NAME)
    configure_file(${clip} ${CMAKE_BINARY_DIR}/voice/${name} COPYONLY)
endforeach()
# The end-to-end tests read the program as a screen reader does.
target_link_libraries(fortuva_e2e PRIVATE gtest gtest_main gdi32 oleacc oleaut32 ole32 ntdll)
target_link_options(fortuva_e2e PRIVATE -static)
add_dependencies(fortuva_e2e Fortuva)

include(GoogleTest)
# Discovered when CTest runs, under Wine, so the build needs no display.
gtest_discover_tests(fortuva_e2e DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "FORTUVA_EXE=$<TARGET_FILE:Fortuva>" RUN_SERIAL TRUE TIMEOUT 120)
include(cmake/fake-dlls.cmake)
# The hook that counts a kind of message inside the program under test; it
# lies in hooks/ beside the test program, where the test looks for it and
# the test kit carries it.
add_library(fortuva_message_counter SHARED tests/e2e/message_counter/MessageCounter.cpp)
target_compile_options(fortuva_message_counter PRIVATE ${FORTUVA_WARNINGS})
# Exported by its bare name, as GetProcAddress asks for it.
target_link_options(fortuva_message_counter PRIVATE -static-libgcc -static-libstdc++ -Wl,--kill-at)
set_target_properties(fortuva_message_counter PROPERTIES
    OUTPUT_NAME message-counter
    PREFIX ""
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/hooks
    ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/hooks-lib)
add_dependencies(fortuva_e2e fortuva_message_counter)

# Start-up figures for scripts/bench.sh, never tests; built only on request:
#   cmake --build BUILD --target fortuva_startup_bench startup_reference startup_reference_with_manifest
# The floor program twice: bare, and carrying the manifest written for
# Fortuva.exe, which takes the program's resource path (CMAKE_RC_FLAGS).
add_executable(fortuva_startup_bench EXCLUDE_FROM_ALL bench/StartupBench.cpp)
add_executable(startup_reference WIN32 EXCLUDE_FROM_ALL bench/StartupReference.cpp)
add_executable(startup_reference_with_manifest WIN32 EXCLUDE_FROM_ALL
    bench/StartupReference.cpp bench/StartupReferenceManifest.rc)
set_source_files_properties(bench/StartupReferenceManifest.rc PROPERTIES
    OBJECT_DEPENDS ${FORTUVA_GENERATED_DIR}/Fortuva.manifest)
foreach(target fortuva_startup_bench startup_reference startup_reference_with_manifest)
    target_compile_options(${target} PRIVATE ${FORTUVA_WARNINGS})
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE)
    target_link_options(${target} PRIVATE -municode -static -s)
endforeach()
