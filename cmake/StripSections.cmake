# Run by cpack once the package's files are in place: the programs lose the compilers' notes
# (.comment), as Debian's own packaging strips them.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(f IN LISTS staged)
  if(IS_SYMLINK "${f}")
    continue()
  endif()
  file(READ "${f}" magic LIMIT 4 HEX)
  if(magic STREQUAL "7f454c46")
    execute_process(COMMAND objcopy --remove-section=.comment --remove-section=.note "${f}"
                    RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "objcopy could not strip ${f}")
    endif()
  endif()
endforeach()
