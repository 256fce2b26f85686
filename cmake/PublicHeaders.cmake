# What a library shows to those who link it: its public headers only, put
# into a folder of its own in the build tree (as links to the sources), which
# is the library's public include directory. Its own sources see their whole
# folder. So linking a folder's Qt-free core never makes that folder's widget
# headers visible, and an include of a header the linked libraries do not
# show fails to compile.
#
#   kadenzo_public_headers(TARGET HEADER...)
#
# Headers are paths relative to the current source folder; an INTERFACE
# library shows its headers the same way.
function(kadenzo_public_headers target)
  set(dir ${CMAKE_BINARY_DIR}/include/${target})
  file(REMOVE_RECURSE ${dir})
  file(MAKE_DIRECTORY ${dir})
  foreach(header IN LISTS ARGN)
    set(source ${CMAKE_CURRENT_SOURCE_DIR}/${header})
    if(NOT EXISTS ${source})
      message(FATAL_ERROR "${target}: no header ${header} in ${CMAKE_CURRENT_SOURCE_DIR}")
    endif()
    get_filename_component(name ${header} NAME)
    file(CREATE_LINK ${source} ${dir}/${name} SYMBOLIC)
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${dir})
  else()
    target_include_directories(${target} PUBLIC ${dir} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  set_property(TARGET ${target} PROPERTY KADENZO_PUBLIC_HEADERS "${ARGN}")
endfunction()
