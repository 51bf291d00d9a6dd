# The program's own start-up (toribe-first-paint: main() of toribe up to the first
# frame, font reader thread included) must reach its first painted frame and end,
# in an empty folder and in one with every data file at its limit, without loading
# a feature module or a library that only a feature uses.
#   cmake -DFIRST_PAINT=... -DLIMIT_FILES=... -DWORK=... -P first_paint.cmake
foreach(kind empty limits)
  set(folder ${WORK}/${kind})
  set(runtime ${WORK}/runtime-${kind})
  file(REMOVE_RECURSE ${folder} ${runtime})
  file(MAKE_DIRECTORY ${folder} ${runtime})
  # A runtime folder of its own, so that no other Toribe's instance lock is found.
  file(CHMOD ${runtime} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  if(kind STREQUAL "limits")
    execute_process(COMMAND ${LIMIT_FILES} ${folder} RESULT_VARIABLE made)
    if(NOT made EQUAL 0)
      message(FATAL_ERROR "toribe-limit-files failed: ${made}")
    endif()
  endif()
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${runtime}
            ${FIRST_PAINT}
    WORKING_DIRECTORY ${folder}
    RESULT_VARIABLE ended
    ERROR_VARIABLE said
    TIMEOUT 60)
  if(NOT ended EQUAL 0 OR NOT said MATCHES "maxrss [0-9]+")
    message(FATAL_ERROR "start in the ${kind} folder did not reach its first frame: ${ended}\n${said}")
  endif()
  if(said MATCHES "libraries [^\n]*(toribe-[a-z]+\\.so|libQt6PrintSupport|libical|liberfa|libqt6keychain|libQt6Network)")
    message(FATAL_ERROR "the start in the ${kind} folder loaded ${CMAKE_MATCH_1} before its first frame")
  endif()
endforeach()
