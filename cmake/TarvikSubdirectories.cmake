# tarvik_add_subdirectories(): adds, in name order, every subdirectory of the current source
# directory that has a CMakeLists.txt, so that a new part needs no edit of its parent.
function(tarvik_add_subdirectories)
  file(GLOB parts LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT parts)
  foreach(dir ${parts})
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${dir} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()
