# One interface target carries the warning set and sanitizer flags to every target.
add_library(tembusa_build_flags INTERFACE)
target_compile_options(tembusa_build_flags INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual
    $<$<BOOL:${ENABLE_WERROR}>:-Werror>)
target_compile_definitions(tembusa_build_flags INTERFACE
    QT_NO_CAST_TO_ASCII
    TEMBUSA_VERSION_STRING="${PROJECT_VERSION}"
    TEMBUSA_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
    TEMBUSA_VERSION_MINOR=${PROJECT_VERSION_MINOR}
    TEMBUSA_VERSION_PATCH=${PROJECT_VERSION_PATCH})

# Fuzzing without the sanitizers would miss most of what it is for.
set(_san "")
if(ENABLE_ASAN OR BUILD_FUZZERS)
    list(APPEND _san address)
endif()
if(ENABLE_UBSAN OR BUILD_FUZZERS)
    list(APPEND _san undefined)
endif()
if(_san)
    list(JOIN _san "," _san_list)
    target_compile_options(tembusa_build_flags INTERFACE
        -fsanitize=${_san_list} -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(tembusa_build_flags INTERFACE -fsanitize=${_san_list})
endif()
if(BUILD_FUZZERS)
    # Every part records its coverage for libFuzzer; only the fuzz programs
    # link libFuzzer's main.
    target_compile_options(tembusa_build_flags INTERFACE -fsanitize=fuzzer-no-link)
endif()

# A logic or ui part of the engine library: a static archive built position
# independent, with hidden symbols, so that libtembusa.so exports only what
# the public headers mark.
function(tembusa_add_part name)
    add_library(${name} STATIC ${ARGN})
    set_target_properties(${name} PROPERTIES
        POSITION_INDEPENDENT_CODE ON
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON)
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/include ${PROJECT_SOURCE_DIR}/src)
    target_compile_definitions(${name} PUBLIC TEMBUSA_STATIC_PART)
    target_link_libraries(${name} PUBLIC tembusa_build_flags)
endfunction()
