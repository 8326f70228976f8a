# Sourced by the test scripts. needs TOOL PACKAGE [COMMAND...]: a test that needs a tool the
# machine lacks skips (CTest's SKIP_RETURN_CODE, 77), naming it and the package that brings it;
# where every test must run, as scripts/check has it, it fails instead. COMMAND, where given,
# tells whether the tool is there, in place of looking for it on the PATH.
needs() {
    local tool=$1 package=$2
    shift 2
    if [ $# -gt 0 ]; then
        "$@" >/dev/null 2>&1 && return 0
    else
        command -v "$tool" >/dev/null && return 0
    fi
    echo "SKIP: $tool is not installed (package $package)"
    [ -z "${JESTREL_EVERY_TEST:-}" ] || exit 1
    exit 77
}
