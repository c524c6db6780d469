# Fails when a source file includes a header of a layer above its own, or when anything but
# the desktop program's shell includes a Qt widget header of src/ui.
# Usage: cmake -DSRC=<the src folder> -P check_layers.cmake
cmake_minimum_required(VERSION 3.25)
#
# The layers from the ground up; a folder may include its own headers and those of the
# folders listed before it. The order is the one of ARCHITECTURE.md and CONTRIBUTING.md.
set(layers
  model
  analysis/fem
  design/data
  project
  analysis
  design
  ui/drawing
  pagelogic
  ui
  app
  cli)
# Only these may include src/ui (the widgets): the rest of the program stays Qt-free.
set(ui_users ui app)

if(NOT SRC)
  message(FATAL_ERROR "check_layers.cmake: SRC not given")
endif()

# The layer a path (relative to src/) belongs to: the longest listed folder it lies in.
function(layer_of path out_index out_name)
  set(best -1)
  set(best_name "")
  set(best_len 0)
  set(i 0)
  foreach(layer ${layers})
    string(LENGTH "${layer}/" len)
    string(SUBSTRING "${path}" 0 ${len} head)
    if(head STREQUAL "${layer}/" AND len GREATER best_len)
      set(best ${i})
      set(best_name ${layer})
      set(best_len ${len})
    endif()
    math(EXPR i "${i} + 1")
  endforeach()
  set(${out_index} ${best} PARENT_SCOPE)
  set(${out_name} "${best_name}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp")
set(faults "")
set(checked 0)
foreach(file ${files})
  layer_of("${file}" own own_name)
  if(own LESS 0)
    string(APPEND faults "  ${file}: in no listed layer\n")
    continue()
  endif()
  file(STRINGS "${SRC}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line ${includes})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" header "${line}")
    math(EXPR checked "${checked} + 1")
    layer_of("${header}" theirs their_name)
    if(theirs LESS 0)
      # A header beside the file, named without its folder.
      get_filename_component(dir "${file}" DIRECTORY)
      if(NOT EXISTS "${SRC}/${dir}/${header}")
        string(APPEND faults "  ${file}: includes \"${header}\", which is in no listed layer\n")
      endif()
    elseif(theirs GREATER own)
      string(APPEND faults "  ${file} (${own_name}): includes \"${header}\" from the higher layer ${their_name}\n")
    elseif(their_name STREQUAL "ui" AND NOT own_name IN_LIST ui_users)
      string(APPEND faults "  ${file} (${own_name}): includes the widgets header \"${header}\"\n")
    endif()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes against the layers:\n${faults}")
endif()
message(STATUS "layers: ${checked} includes in ${SRC} keep to the layers")
