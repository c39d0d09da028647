# Fails when any source of the project includes a file by a relative path
# that climbs out of its folder (#include "../x.h"): such an include walks
# past the include roots that keep each layer from seeing the ones above it.
#   cmake -DROOT=<source tree> -P no_relative_includes.cmake
file(GLOB_RECURSE sources LIST_DIRECTORIES false RELATIVE ${ROOT}
     ${ROOT}/*.h ${ROOT}/*.hpp ${ROOT}/*.cpp ${ROOT}/*.cc ${ROOT}/*.c)
set(found "")
foreach(source ${sources})
    if(source MATCHES "^(build|\\.git)/")
        continue()
    endif()
    file(STRINGS ${ROOT}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]\\.\\./")
    foreach(line ${lines})
        string(APPEND found "\n  ${source}: ${line}")
    endforeach()
endforeach()
if(found)
    message(FATAL_ERROR "relative includes past the include roots:${found}")
endif()
list(LENGTH sources count)
message(STATUS "${count} sources, none includes by \"../\"")
