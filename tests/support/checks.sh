# The shell checks' counting, sourced by tests/*/check-*.sh:
#   check "what" command...    runs the command and counts it
#   finish                     prints "N passed, M failed" and exits with it
passed=0
failed=0
check() {
    local what=$1; shift
    if "$@"; then
        passed=$((passed + 1)); echo "ok    $what"
    else
        failed=$((failed + 1)); echo "FAIL  $what"
    fi
}
finish() { echo "$passed passed, $failed failed"; [ "$failed" -eq 0 ]; exit $?; }
