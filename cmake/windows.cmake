# The Windows program, cross-built: one Fortuva.exe that needs nothing but
# Windows' own system libraries.
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_CURRENT_SOURCE_DIR}/resources")

file(GLOB FORTUVA_WIN32_SOURCES CONFIGURE_DEPENDS
    app/win32/*.cpp numbers/win32/*.cpp check/win32/*.cpp about/win32/*.cpp)
add_executable(Fortuva WIN32 ${FORTUVA_WIN32_SOURCES} resources/Fortuva.rc)
target_link_libraries(Fortuva PRIVATE fortuva_core)
target_compile_options(Fortuva PRIVATE ${FORTUVA_WARNINGS})
target_compile_definitions(fortuva_core PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_options(Fortuva PRIVATE -municode -static -static-libgcc -static-libstdc++
    -Wl,--dynamicbase -Wl,--nxcompat -s)
file(GLOB FORTUVA_RESOURCE_FILES CONFIGURE_DEPENDS
    resources/*.manifest resources/*.rc resources/icons/*.ico resources/voice/*.wav)
set_source_files_properties(resources/Fortuva.rc PROPERTIES OBJECT_DEPENDS "${FORTUVA_RESOURCE_FILES}")
