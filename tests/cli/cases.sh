# Cases for cli_cases.sh: expect OUTPUT ARGS... / expect_status STATUS ARGS...

# One result per argument, in order.
expect $'64\n3\n-6\n9\n0.02\n120\n120\n10\n1' '2^3^2' '8-3-2' '2*-3' '-3^2' '2E-2' '5!' '(2+3)!' 'binom(5,2)' 'mod(7,-3)'
expect_status 0 '2^3^2' '1+1'

# Implicit multiplication, superscripts, constants and functions.
expect '6' '2(1+2)'
expect '0.5' 'sin(pi/6)'
expect '2.7182818285' 'e'
expect '6' '3!'
expect '1000' '1E3'

# Failures print the engine code and make the exit status 1; the rest still run.
expect 'Error 1007' 'x(3)'
expect 'Error 1003' '(1+2'
expect 'Error 1031' '2.5!'
expect 'Error 1030' 'binom(2,5)'
expect 'Error 0xC000008E' '1/0'
expect $'3\nError 1007\n4' '1+2' 'foo' '2*2'
expect_status 1 '1+2' 'foo'
expect_status 1 '1/0'
expect 'NaN' 'sqr(-1)'
expect_status 1 'sqr(-1)'

# Hostile text gives an error, not a crash.
expect 'Error 1007' "$(printf '(%.0s' $(seq 1 300))1$(printf ')%.0s' $(seq 1 300))"
expect 'Error 1007' "1$(printf '+1%.0s' $(seq 1 1000))"
expect_status 1 '´'

# UTF-8 arguments are read as characters: "x²" is x squared (x has no value
# here), and bytes that are no UTF-8 are invalid input.
expect 'Error 1007' 'x²'
expect 'Error 1007' $'2\xff'

# Without arguments, one expression per line of standard input; blank lines are skipped.
stdin_case() {
    local want="$1" input="$2" got
    got=$(printf '%b' "$input" | "$calc" 2>&1)
    if [ "$got" == "$want" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAILED: stdin %q\n  want: %s\n  got:  %s\n' "$input" "$want" "$got"
    fi
}
stdin_case $'2\n12\n0.25' '1+1\n\n3 * 4\n1/4\n'
stdin_case $'Error 1007' 'x\n'
stdin_case $'8' '2^3\r\n'
