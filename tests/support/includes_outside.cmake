# brisel_includes_outside(<list> <folder> <allowed folder>...): appends to
# <list> each include line of <folder>'s files under ROOT that names a header
# of a folder not allowed, as "FILE: LINE". For the layering tests.
function(brisel_includes_outside list folder)
  list(JOIN ARGN "|" allowed)
  set(include "^[ \t]*#[ \t]*include[ \t]*\"")
  set(found ${${list}})
  file(GLOB files ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
  foreach(file ${files})
    file(STRINGS ${file} lines REGEX "${include}")
    foreach(line ${lines})
      if(NOT line MATCHES "${include}(${allowed})/")
        list(APPEND found "${file}: ${line}")
      endif()
    endforeach()
  endforeach()
  set(${list} ${found} PARENT_SCOPE)
endfunction()
