# Import libraries whose DLL loads at the first call into it rather than with the program:
# dlltool writes the delay-load tables, and __delayLoadHelper2 of the mingw-w64 run-time
# loads the DLL and binds the call.
find_program(KALVO_DLLTOOL NAMES ${KALVO_MINGW_PREFIX}-dlltool REQUIRED)

# kalvo_delay_imports(<target> <dll> <function>...): <target> is an imported library
# holding delay-load imports of the named functions of <dll>.dll.
function(kalvo_delay_imports target dll)
  set(dir ${CMAKE_BINARY_DIR}/delay-imports)
  set(def ${dir}/${dll}.def)
  set(lib ${dir}/lib${dll}-delayed.a)
  list(JOIN ARGN "\n  " exports)
  file(WRITE ${def} "LIBRARY ${dll}.dll\nEXPORTS\n  ${exports}\n")
  execute_process(COMMAND ${KALVO_DLLTOOL} --input-def ${def} --output-delaylib ${lib}
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "dlltool could not write ${lib}")
  endif()
  add_library(${target} STATIC IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES IMPORTED_LOCATION ${lib})
endfunction()
