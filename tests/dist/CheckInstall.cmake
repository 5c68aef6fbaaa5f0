# Installs the build into a staging folder and checks the installed tree.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}/usr
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
set(expected
  usr/bin/tresilva
  usr/bin/tresilva-convert
  usr/share/tresilva/DOCFR.HLP
  usr/share/applications/tresilva.desktop
  usr/share/metainfo/tresilva.metainfo.xml
  usr/share/man/man1/tresilva.1
  usr/share/man/man1/tresilva-convert.1)
foreach(size 16 32 48 64 128 256)
  list(APPEND expected usr/share/icons/hicolor/${size}x${size}/apps/tresilva.png)
endforeach()
foreach(f ${expected})
  if(NOT EXISTS ${STAGE}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
file(READ ${STAGE}/usr/share/applications/tresilva.desktop entry)
if(NOT entry MATCHES "\nPath=/[^\n]*/share/tresilva\n")
  message(FATAL_ERROR "the desktop entry does not start the program in its data folder:\n${entry}")
endif()
