cmake_minimum_required(VERSION 3.25)
# The layer check sees an include against the layer order in every form it
# can take. Run as: cmake -DCHECK=<CheckLayers.cmake> -DWORK=<dir> -P this file
set(src ${WORK}/src)
file(REMOVE_RECURSE ${WORK})
file(WRITE ${WORK}/layers.txt "depends low \ndepends high low\nfile low low/A\nfile low low/B\nfile high high/C\n")
file(WRITE ${src}/high/C.h "#pragma once\n")
file(WRITE ${src}/low/B.h "#pragma once\n")
set(forms "#include \"high/C.h\"" "#include <high/C.h>" "#include \"../high/C.h\"" "  #  include\"high/C.h\"")
foreach(form IN LISTS forms)
  file(WRITE ${src}/low/A.cpp "#include \"B.h\"\n${form}\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DMANIFEST=${WORK}/layers.txt -DSRC=${src} -P ${CHECK}
                  RESULT_VARIABLE failed ERROR_VARIABLE said)
  if(NOT failed OR NOT said MATCHES "src/low/A.cpp \\(low\\) includes")
    message(FATAL_ERROR "not caught: ${form}\n${said}")
  endif()
endforeach()
# an include from the file's own folder and a system header are fine
file(WRITE ${src}/low/A.cpp "#include \"B.h\"\n#include <QString>\n")
execute_process(COMMAND ${CMAKE_COMMAND} -DMANIFEST=${WORK}/layers.txt -DSRC=${src} -P ${CHECK}
                RESULT_VARIABLE failed ERROR_VARIABLE said)
if(failed)
  message(FATAL_ERROR "a sound include was refused:\n${said}")
endif()
message(STATUS "every include form is checked")
