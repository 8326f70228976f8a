# The Windows tests run under Wine, all of a test run in one private Wine session (a prefix in a
# temporary folder and an Xvfb of its own) that CTest starts before the first of them and stops
# after the last, also when only some of them are asked for.
set(JESTREL_WINE_SESSION ${PROJECT_BINARY_DIR}/wine-session)
set(wineSession ${PROJECT_SOURCE_DIR}/cmake/wine-session)

add_test(NAME Wine.start COMMAND ${wineSession} start ${JESTREL_WINE_SESSION})
set_tests_properties(Wine.start PROPERTIES FIXTURES_SETUP wine TIMEOUT 120)
add_test(NAME Wine.stop COMMAND ${wineSession} stop ${JESTREL_WINE_SESSION})
set_tests_properties(Wine.stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 30)

# jestrel_add_wine_test(target timeout): runs the test program target, whole, in the session.
function(jestrel_add_wine_test target timeout)
    if(NOT timeout)
        message(FATAL_ERROR "${target} needs a WINDOWS_TIMEOUT")
    endif()
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES
        FIXTURES_REQUIRED wine TIMEOUT ${timeout} ENVIRONMENT JESTREL_WINE_SESSION=${JESTREL_WINE_SESSION})
endfunction()
