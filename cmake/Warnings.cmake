# The warnings the project's own targets are built with; third-party headers (Qt, GoogleTest,
# Benchmark) come in as system includes and stay out of it. The presets make them errors
# (CMAKE_COMPILE_WARNING_AS_ERROR), so a packager's build with a newer compiler is not broken by
# a warning that compiler has learnt.
add_library(pelmora_warnings INTERFACE)
if(MSVC)
    # The sources hold Chinese texts in UTF-8.
    target_compile_options(pelmora_warnings INTERFACE /W4 /permissive- /utf-8)
else()
    target_compile_options(pelmora_warnings INTERFACE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
        -Wunused -Woverloaded-virtual -Wnull-dereference -Wdouble-promotion -Wformat=2
        -Wimplicit-fallthrough)
endif()
