# Links TARGET to system DLLs that are loaded when the program first calls one of their
# functions instead of when it starts: a DLL that only a click needs costs a start nothing.
# cmake/delayload/DLL.def lists the functions the program calls in each; a function missing
# there is imported at start from the DLL's usual import library. Other toolchains than
# mingw-w64 link the DLLs as usual.
#   varnelo_delay_load(TARGET SCOPE DLL...)
function(varnelo_delay_load target scope)
    foreach(dll IN LISTS ARGN)
        set(definition ${PROJECT_SOURCE_DIR}/cmake/delayload/${dll}.def)
        if(NOT MINGW)
            target_link_libraries(${target} ${scope} ${dll})
            continue()
        endif()
        set(library ${PROJECT_BINARY_DIR}/delayload/lib${dll}_delayed.a)
        if(NOT TARGET delayload_${dll})
            add_custom_command(OUTPUT ${library}
                COMMAND ${CMAKE_DLLTOOL} --input-def ${definition} --dllname ${dll}.dll
                        --output-delaylib ${library}
                DEPENDS ${definition} VERBATIM)
            add_custom_target(delayload_${dll} DEPENDS ${library})
            add_library(delayload::${dll} STATIC IMPORTED GLOBAL)
            set_target_properties(delayload::${dll} PROPERTIES IMPORTED_LOCATION ${library})
            add_dependencies(delayload::${dll} delayload_${dll})
        endif()
        target_link_libraries(${target} ${scope} delayload::${dll})
    endforeach()
endfunction()
