# Copies PROGRAM into a folder whose path is longer than MAX_PATH and runs it
# there with RUNNER (Wine). Wine started from Linux can start a program from
# such a folder; a Windows program cannot (CreateProcess refuses the path).
#   cmake -DPROGRAM=... -DFOLDER=... -DRUNNER=... -P run_from_deep_folder.cmake
file(REMOVE_RECURSE ${FOLDER})
set(deep ${FOLDER})
string(LENGTH "${deep}" length)
while(length LESS 320)
    string(APPEND deep "/a-folder-name-long-enough-to-take-the-path-past-max-path")
    string(LENGTH "${deep}" length)
endwhile()
file(MAKE_DIRECTORY ${deep})
get_filename_component(name ${PROGRAM} NAME)
file(COPY ${PROGRAM} DESTINATION ${deep})
execute_process(COMMAND ${RUNNER} ${deep}/${name} --gtest_color=no RESULT_VARIABLE result)
file(REMOVE_RECURSE ${FOLDER})
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${name} from a folder deeper than MAX_PATH: ${result}")
endif()
