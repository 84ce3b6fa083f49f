# Shared by the companion's contract scripts: run a command, compare its status and output.
# The script sets TAVIR_CLI; a scratch folder is $work (also $dir), removed at the end.
cli=${TAVIR_CLI:?}
fails=0
work=$(mktemp -d)
dir=$work
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL $1"; fails=$((fails + 1)); }

run_cli() {  # run_cli ARGS...: sets $out and $rc, keeps standard error in $work/stderr
    out=$("$cli" "$@" 2>"$work/stderr"); rc=$?
}

expect() {  # expect NAME EXPECTED_STATUS EXPECTED_OUTPUT -- ARGS...   (whole stdout, exact)
    local name=$1 status=$2 want=$3; shift 4
    run_cli "$@"
    if [ "$rc" != "$status" ] || [ "$out" != "$want" ]; then fail "$name: status $rc, output: $out"; fi
}

expect_contains() {  # expect_contains NAME EXPECTED_STATUS EXPECTED_SUBSTRING -- ARGS...
    local name=$1 status=$2 want=$3; shift 4
    run_cli "$@"
    if [ "$rc" != "$status" ] || [[ "$out" != *"$want"* ]]; then fail "$name: status $rc, output: $out"; fi
}

expect_stderr() {  # expect_stderr NAME TEXT: the last command's standard error, exact
    [ "$(cat "$work/stderr")" = "$2" ] || fail "$1: stderr: $(cat "$work/stderr")"
}
