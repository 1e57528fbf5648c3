# Delay-loaded system DLLs: a DLL that the program needs only for some commands (file dialogs, the
# update download, sounds) is loaded at its first call instead of at process start, where loading and
# initialising it costs every start its time. The MinGW runtime supplies the loader (__delayLoadHelper2).
#
# ks_delay_import_libraries(<out-var> <dll>...): for every DLL, a delay-import library made from the
# functions of the toolchain's import library (made once, at configure time); <out-var> receives their
# paths, to be linked in place of the plain import libraries.
function(ks_delay_import_libraries out_var)
  set(libraries)
  set(folder ${CMAKE_BINARY_DIR}/delayimp)
  file(MAKE_DIRECTORY ${folder})
  foreach(dll ${ARGN})
    find_library(implib_${dll} NAMES ${dll} NO_CACHE REQUIRED)
    set(delaylib ${folder}/lib${dll}_delay.a)
    if(NOT EXISTS ${delaylib} OR ${implib_${dll}} IS_NEWER_THAN ${delaylib})
      # Functions only: a function has its call thunk beside its import pointer (data has none, and
      # data cannot be delay-loaded).
      execute_process(COMMAND ${CMAKE_NM} -g --defined-only ${implib_${dll}}
                      OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
      string(REGEX MATCHALL "[0-9a-fA-F]+ T [A-Za-z_][A-Za-z0-9_@]*" functions "${symbols}")
      set(def "LIBRARY ${dll}.dll\nEXPORTS\n")
      foreach(line ${functions})
        string(REGEX REPLACE "^[0-9a-fA-F]+ T " "" name "${line}")
        string(APPEND def "${name}\n")
      endforeach()
      file(WRITE ${folder}/${dll}.def "${def}")
      execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def ${folder}/${dll}.def --dllname ${dll}.dll
                              --output-delaylib ${delaylib}
                      COMMAND_ERROR_IS_FATAL ANY)
    endif()
    list(APPEND libraries ${delaylib})
  endforeach()
  set(${out_var} ${libraries} PARENT_SCOPE)
endfunction()
