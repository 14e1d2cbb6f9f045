# libFuzzer targets for the number rule and the winning-number file reader.
#   CC=clang CXX=clang++ cmake -S . -B build-fuzz -DFORTUVA_FUZZ=ON
# scripts/fuzz.sh builds and runs them.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "FORTUVA_FUZZ needs clang for libFuzzer: configure with CC=clang CXX=clang++")
endif()

# clang has no CP932 execution character set, so the core libraries, built
# with one, stay out of this build. Each fuzzer compiles the few sources it
# needs itself; their only non-ASCII texts are error messages, which nothing
# here shows.
set_target_properties(${FORTUVA_FLOORS} PROPERTIES EXCLUDE_FROM_ALL TRUE)

set(FORTUVA_FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

# fortuva_add_fuzzer(<name> <corpus folder> <core sources...>)
function(fortuva_add_fuzzer name corpus)
    set(sources)
    foreach(source IN LISTS ARGN)
        list(APPEND sources ${PROJECT_SOURCE_DIR}/${source})
    endforeach()
    add_executable(${name} ${PROJECT_SOURCE_DIR}/fuzz/${name}.cpp ${sources})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_options(${name} PRIVATE -Wall -Wextra -Werror -g -O1 ${FORTUVA_FUZZ_FLAGS})
    target_link_options(${name} PRIVATE ${FORTUVA_FUZZ_FLAGS})

    # Replaying the seeds once makes a quick regression check under CTest.
    file(GLOB seeds CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/fuzz/corpus/${corpus}/*)
    if(seeds)
        add_test(NAME ${name}_seeds COMMAND ${name} ${seeds})
    endif()
endfunction()

fortuva_add_fuzzer(number_rule_fuzz number_rule
    numbers/NumberRule.cpp)
fortuva_add_fuzzer(file_reader_fuzz file_reader
    numbers/WinningNumberFile.cpp numbers/NumberRule.cpp base/Text.cpp base/Errors.cpp)
