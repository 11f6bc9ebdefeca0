# Installs the build into a fresh prefix and checks that the installed programs work from there:
# every file in its place, the CLI finding share/lumo/data by itself, the desktop files valid.
# Run by ctest as: cmake -DBUILD_DIR=… -DPREFIX=… -DVERSION=… -DGUI=ON|OFF -P InstallLayoutTest.cmake
cmake_minimum_required(VERSION 3.25)

# check(MESSAGE CONDITION…): fails the test with MESSAGE unless the if() condition holds.
macro(check message)
  if(NOT (${ARGN}))
    message(FATAL_ERROR "${message}")
  endif()
endmacro()

# Runs a command; fails the test unless it exits with `code`. Its output lands in OUT.
function(run code)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc STREQUAL "${code}")
    message(FATAL_ERROR "`${ARGN}` exited with ${rc}, not ${code}:\n${out}\n${err}")
  endif()
  set(OUT "${out}${err}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${PREFIX})
run(0 ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})

set(ID org.lumo.Naming)
set(files bin/lumo-cli share/lumo/data/namedata.db
  share/applications/${ID}.desktop share/metainfo/${ID}.metainfo.xml
  share/icons/hicolor/scalable/apps/${ID}.svg share/man/man1/lumo-cli.1)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND files share/icons/hicolor/${size}x${size}/apps/${ID}.png)
endforeach()
# The help site comes with the desktop program, which a build without it (the asan preset) lacks.
if(GUI)
  list(APPEND files bin/lumo share/lumo/site/main/index.html share/lumo/site/list/index.html)
endif()
foreach(f ${files})
  check("not installed: ${f}" EXISTS ${PREFIX}/${f})
endforeach()
# Nothing of the build tree's layout comes along: no data folder beside the programs.
check("bin/data was installed" NOT EXISTS ${PREFIX}/bin/data)

# The installed CLI reads the installed database, wherever the prefix is.
run(0 ${PREFIX}/bin/lumo-cli char 涛)
string(FIND "${OUT}" "tāo" at)
check("lumo-cli char 涛 from the prefix did not print tāo:\n${OUT}" at GREATER -1)
run(0 ${PREFIX}/bin/lumo-cli score 李 涛涛)
string(FIND "${OUT}" "李涛涛" at)
check("lumo-cli score 李 涛涛 from the prefix:\n${OUT}" at GREATER -1)
run(0 ${PREFIX}/bin/lumo-cli --version)
check("lumo-cli --version printed: ${OUT}" OUT STREQUAL "lumo-cli ${VERSION}\n")
if(GUI)
  run(0 ${PREFIX}/bin/lumo --version)
  check("lumo --version printed: ${OUT}" OUT STREQUAL "lumo ${VERSION}\n")
endif()

# The desktop entry and the AppStream file pass their validators.
find_program(DESKTOP_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
check("desktop-file-validate (desktop-file-utils) is needed: run scripts/setup" DESKTOP_VALIDATE)
check("appstreamcli (appstream) is needed: run scripts/setup" APPSTREAMCLI)
run(0 ${DESKTOP_VALIDATE} ${PREFIX}/share/applications/${ID}.desktop)
run(0 ${APPSTREAMCLI} validate --no-net ${PREFIX}/share/metainfo/${ID}.metainfo.xml)

# Without the installed database the CLI says which file it missed, under the prefix.
file(REMOVE ${PREFIX}/share/lumo/data/namedata.db)
run(2 ${PREFIX}/bin/lumo-cli char 涛)
string(FIND "${OUT}" "${PREFIX}/share/lumo/data/namedata.db" at)
check("the missing database's message does not name the installed path:\n${OUT}" at GREATER -1)

file(REMOVE_RECURSE ${PREFIX})
