# Runs brevlog.exe in scripted mode with the plug-in and checks that it succeeded and wrote its screenshots.
# -DWINE=... -DBREVLOG=... -DPLUGIN=... -DZVKDB=... (may be empty) -DWORK=...
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/data/ZVK)
set(png ${WORK}/brevlog.png)

# A member file when the member tool is there; the host runs the same without one.
if(ZVKDB)
  file(WRITE ${WORK}/members.txt "UA3ABC\nR2DEF\n")
  execute_process(COMMAND ${WINE} ${ZVKDB} create Z:${WORK}/data/ZVK/zvk.mdb
                  INPUT_FILE ${WORK}/members.txt RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "zvkdb create failed: ${rc}")
  endif()
endif()

# The options dialog, with its palette dropped down, is opened and pictured from the scripted mode too.
set(palette_png ${WORK}/options-palette.png)
execute_process(COMMAND ${WINE} ${BREVLOG} --data Z:${WORK}/data --plugin Z:${PLUGIN}
                        --type UA3ABC --notify 4,23 --select 2 --release --run --screenshot Z:${png}
                        --palette-screenshot Z:${palette_png} --exit
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "brevlog exited with ${rc}:\n${out}")
endif()
# With a member file the typed member's callsign brings up the plug-in's notice.
if(ZVKDB)
  string(FIND "${out}" "notice visible: \"UA3ABC - член ZVK\"" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "no member notice after typing a member's callsign:\n${out}")
  endif()
endif()
foreach(picture ${png} ${palette_png})
  if(NOT EXISTS ${picture})
    message(FATAL_ERROR "no screenshot at ${picture}")
  endif()
  file(READ ${picture} signature LIMIT 8 HEX)
  if(NOT signature STREQUAL "89504e470d0a1a0a")
    message(FATAL_ERROR "${picture} is not a PNG file")
  endif()
endforeach()
