# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the installer with wixl:
#   cmake -D VERSION=3.0.0 -D PROGRAM=… -D LIST=… -D SOURCE_DIR=… -D OUTPUT=… -P make-msi.cmake
find_program(WIXL wixl REQUIRED)
find_program(MSIBUILD msibuild REQUIRED)
get_filename_component(here "${CMAKE_CURRENT_LIST_FILE}" DIRECTORY)
# wixl takes only relative file names: relative to the root, from the root.
foreach(path PROGRAM LIST SOURCE_DIR)
  file(RELATIVE_PATH ${path} / "${${path}}")
endforeach()
execute_process(
  COMMAND ${WIXL} -a x64 -D Version=${VERSION} -D Program=${PROGRAM} -D List=${LIST}
          -D SourceDir=${SOURCE_DIR} -o ${OUTPUT} ${here}/delvarin-chooser.wxs
  WORKING_DIRECTORY /
  COMMAND_ERROR_IS_FATAL ANY)
# wixl leaves the package's code page neutral, where Persian cannot stand:
# Arabic's code page first, then the shortcut's Persian name.
get_filename_component(work "${OUTPUT}" DIRECTORY)
file(WRITE ${work}/_ForceCodepage.idt "\r\n\r\n1256\t_ForceCodepage\r\n")
execute_process(COMMAND ${MSIBUILD} ${OUTPUT} -i ${work}/_ForceCodepage.idt
                COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${work}/_ForceCodepage.idt)
execute_process(
  COMMAND ${MSIBUILD} ${OUTPUT} -q
          "UPDATE `Shortcut` SET `Name` = 'DELVAR~1|انتخاب نام دلوارين - Delvarin Chooser' WHERE `Shortcut` = 'StartShortcut'"
  COMMAND_ERROR_IS_FATAL ANY)
