# Installs the build into a scratch root and runs the installed command line:
# cmake -DBUILD=<build dir> -DROOT=<scratch root> -P install_check.cmake
file(REMOVE_RECURSE "${ROOT}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env "DESTDIR=${ROOT}"
                        ${CMAKE_COMMAND} --install "${BUILD}" --prefix /opt/vessa
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
set(cli "${ROOT}/opt/vessa/bin/vessa-cli")
execute_process(COMMAND "${cli}" bazi --surname 张 --given 三 --date 1984-2-4 --hour 12
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "八字：癸亥   乙丑   戊辰   戊午")
  message(FATAL_ERROR "the installed vessa-cli did not read: ${rc}\n${err}\n${out}")
endif()
foreach(f lib/vessa/dream.dll lib/vessa/MorFile.dll lib/vessa/MorBirth.dll lib/vessa/Tgcode.dll
          lib/vessa/shensha/niangan.txt lib/vessa/help/index.html)
  if(NOT EXISTS "${ROOT}/opt/vessa/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
file(REMOVE_RECURSE "${ROOT}")
