# Byte-identical builds of one commit wherever they run: no build folder paths in the objects
# (__FILE__, debug info) and no link time stamp in the PE header. MinGW's ar and windres write
# no time stamps of their own.
if(NOT MSVC)
    add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
        -ffile-prefix-map=${CMAKE_BINARY_DIR}/=)
    if(WIN32)
        add_link_options(-Wl,--no-insert-timestamp)
    endif()
endif()
