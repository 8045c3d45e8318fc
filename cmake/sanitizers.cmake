# Memory-error and undefined-behaviour checks, and the fuzzing build.
#
# VELTRO_SANITIZE builds everything that follows (library, program, tests) with
# AddressSanitizer and UndefinedBehaviorSanitizer. Any report ends the process with a
# failure, so a test that trips one fails.
#
# VELTRO_FUZZ (clang only) builds the same way, adds the coverage instrumentation
# libFuzzer needs, and builds the fuzz targets under fuzz/.

option(VELTRO_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VELTRO_FUZZ "Build the libFuzzer targets (needs clang; implies VELTRO_SANITIZE)" OFF)

if(VELTRO_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "VELTRO_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()

if(VELTRO_SANITIZE OR VELTRO_FUZZ)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
    if(VELTRO_FUZZ)
        add_compile_options(-fsanitize=fuzzer-no-link)
    endif()

    # Keeps the libraries that a process closes loaded until it ends (tests/keeploaded.cpp),
    # so that a leak is always reported with the name of its library. Built without the
    # sanitizers, since it is preloaded into every process of a test, ours or not;
    # the sanitizers' runtime then need not come first among a program's libraries.
    add_library(veltro_keep_loaded SHARED ${PROJECT_SOURCE_DIR}/tests/keeploaded.cpp)
    set_target_properties(veltro_keep_loaded PROPERTIES COMPILE_OPTIONS "" LINK_OPTIONS "")

    # Given to every test through CTest, the programs that the end-to-end tests start
    # included. Leaks of the toolkit's own libraries are suppressed by name in the
    # file below; a leak from our code still fails the test.
    set(_veltro_sanitizer_environment "${CMAKE_BINARY_DIR}/sanitizer-environment.cmake")
    string(CONCAT _veltro_environment
        "set(ENV{ASAN_OPTIONS} \"detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1"
        ":strict_init_order=1:verify_asan_link_order=0\")\n"
        "set(ENV{UBSAN_OPTIONS} \"print_stacktrace=1:halt_on_error=1\")\n"
        "set(ENV{LSAN_OPTIONS} \"suppressions=${PROJECT_SOURCE_DIR}/tests/lsan-suppressions.txt:print_suppressions=0\")\n"
        "set(ENV{LD_PRELOAD} \"$<TARGET_FILE:veltro_keep_loaded>\")\n")
    file(GENERATE OUTPUT "${_veltro_sanitizer_environment}" CONTENT "${_veltro_environment}")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${_veltro_sanitizer_environment}")
endif()
