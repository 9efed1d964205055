# Strict warnings, treated as errors, for every target of the project.
function(orvane_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX /permissive- /utf-8)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror -Wshadow
            -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-qual -Wformat=2)
    endif()
endfunction()
