# Planted libraries for the end-to-end test that the program never loads a
# library from its own folder: one stand-in per library the program loads at
# run time, each named as the real one (winmm.dll, ...), which leaves a
# marker file beside itself when any process loads it. They lie in
# fake-dlls/ beside the test program, where the test looks for them and the
# test kit carries them.
set(FORTUVA_FAKE_DLL_DIR ${CMAKE_BINARY_DIR}/fake-dlls)
set(FORTUVA_FAKE_DLL_NAMES winmm version comctl32 comdlg32 shell32 oleacc)

foreach(name IN LISTS FORTUVA_FAKE_DLL_NAMES)
    set(target fortuva_fake_${name})
    add_library(${target} SHARED tests/e2e/fake_dll/FakeDll.cpp)
    target_compile_options(${target} PRIVATE ${FORTUVA_WARNINGS})
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN)
    # Nothing but the system's own libraries beside it: the test copies the
    # file alone.
    target_link_options(${target} PRIVATE -static-libgcc -static-libstdc++)
    set_target_properties(${target} PROPERTIES
        OUTPUT_NAME ${name}
        PREFIX ""
        RUNTIME_OUTPUT_DIRECTORY ${FORTUVA_FAKE_DLL_DIR}
        # The import libraries are of no use; keep them out of the folder.
        ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fake-dlls-lib)
    add_dependencies(fortuva_e2e ${target})
endforeach()
