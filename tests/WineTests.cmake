# The Windows tests run under Wine, all of a test run in one private Wine session (a prefix in a
# temporary folder and an Xvfb of its own) that CTest starts before the first of them and stops
# after the last, also when only some of them are asked for. Where this Wine cannot run the
# build's kind of program (a 32-bit one without wine32), every one of them is skipped, and says why.
set(JESTREL_WINE_SESSION ${PROJECT_BINARY_DIR}/wine-session)
set(wineSession ${PROJECT_SOURCE_DIR}/cmake/wine-session)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(wineKind win32)
else()
    set(wineKind win64)
endif()

add_test(NAME Wine.start COMMAND ${wineSession} start ${JESTREL_WINE_SESSION} ${wineKind})
set_tests_properties(Wine.start PROPERTIES FIXTURES_SETUP wine TIMEOUT 120 SKIP_RETURN_CODE 77)
add_test(NAME Wine.stop COMMAND ${wineSession} stop ${JESTREL_WINE_SESSION})
set_tests_properties(Wine.stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 30)

# jestrel_run_under_wine(test...): runs the tests in the session; each is one program run.
function(jestrel_run_under_wine)
    set_tests_properties(${ARGN} PROPERTIES
        FIXTURES_REQUIRED wine FIXTURES_SETUP wine_tests SKIP_RETURN_CODE 77
        ENVIRONMENT JESTREL_WINE_SESSION=${JESTREL_WINE_SESSION})
    set_property(GLOBAL APPEND PROPERTY JESTREL_WINE_TESTS ${ARGN})
endfunction()

# jestrel_add_wine_test(target timeout): runs the test program target, whole, in the session.
function(jestrel_add_wine_test target timeout)
    if(NOT timeout)
        message(FATAL_ERROR "${target} needs a WINDOWS_TIMEOUT")
    endif()
    add_test(NAME ${target} COMMAND ${target})
    jestrel_run_under_wine(${target})
    set_tests_properties(${target} PROPERTIES TIMEOUT ${timeout})
endfunction()

# jestrel_record_wine_pass(): after the last of them, and only when every one of them ran and
# passed, records Jestrel.exe's checksum in wine-session.passed beside the session, which
# scripts/package-windows asks for before it packs that very program. Called once they are all
# declared.
function(jestrel_record_wine_pass)
    get_property(tests GLOBAL PROPERTY JESTREL_WINE_TESTS)
    list(LENGTH tests count)
    add_test(NAME Wine.record_pass
             COMMAND ${wineSession} record-pass ${JESTREL_WINE_SESSION} ${count} $<TARGET_FILE:jestrel>)
    set_tests_properties(Wine.record_pass PROPERTIES
        FIXTURES_REQUIRED "wine;wine_tests" SKIP_RETURN_CODE 77 TIMEOUT 30)
endfunction()
