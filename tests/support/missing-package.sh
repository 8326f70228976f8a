# Sourced by the test scripts. needs TOOL PACKAGE: a test that needs a tool the machine lacks
# skips (CTest's SKIP_RETURN_CODE, 77), naming it and the package that brings it; where every test
# must run, as scripts/check has it, it fails instead.
needs() {
    command -v "$1" >/dev/null && return 0
    echo "SKIP: $1 is not installed (package $2)"
    [ -z "${JESTREL_EVERY_TEST:-}" ] || exit 1
    exit 77
}
