# Cases for cli_cases.sh: expect OUTPUT ARGS... / expect_status STATUS ARGS...
# expect_stdin OUTPUT INPUT ARGS...

# The normal mode: one result per argument, in order.
expect $'64\n3\n-6\n9\n0.02\n120\n120\n10\n1' '2^3^2' '8-3-2' '2*-3' '-3^2' '2E-2' '5!' '(2+3)!' 'binom(5,2)' 'mod(7,-3)'
expect_status 0 '2^3^2' '1+1'

# Implicit multiplication, superscripts, constants and functions.
expect '6' '2(1+2)'
expect '0.5' 'sin(pi/6)'
expect '2.7182818285' 'e'
expect '1000' '1E3'
expect '1' --angle deg 'sin(90)'
expect '1.2345E+003' --format sci --digits 5 '1234.5'

# Failures print the message and make the exit status 1; the rest still run.
expect $'1500\nFollowing pattern is not allowed: **\nParenthesis-error!\nDivision by zero!\nINV: Infinite value!\nExpression begins with an invalid character!' \
    '1.5E3' '2**3' '(1+2' '1/0' '10^400' ' 1+2'
expect 'The input is not valid!' 'x(3)'
expect 'Faculty: only defined for natural numbers!' '2.5!'
expect 'binom: n must be greater than k!' 'binom(2,5)'
expect $'3\nThe input is not valid!\n4' '1+2' 'foo' '2*2'
expect 'NaN: Not a number!' 'sqr(-1)'
expect_status 1 '1.5E3' '2**3'
expect_status 1 'sqr(-1)'
expect 'Klammerungsfehler!' --lang de '(1+2'

# Placeholders take their values from --param.
expect 'f(x=3)=9' --param x=3 '[x]^2'
expect 'f(x=3,y=0.5)=9.5' --param x=3 --param y=0.5 '[x]^2+[y]'

# Usage errors.
expect_status 2 '[x]^2'
expect_status 2 --digits 20 '1'
expect_status 2 --bogus '1'
expect_status 2 --mode
expect_status 2 --mode sideways '1'
expect_status 0 --help
expect '-1' -- '-1'

# Hostile text gives an error, not a crash.
expect 'The input is not valid!' "$(printf '(%.0s' $(seq 1 300))1$(printf ')%.0s' $(seq 1 300))"
expect 'The input is not valid!' "1$(printf '+1%.0s' $(seq 1 1000))"
expect_status 1 '´'
# UTF-8 arguments are read as characters: "x²" is x squared (x has no value
# here), and bytes that are no UTF-8 are invalid input.
expect 'The input is not valid!' 'x²'
expect 'The input is not valid!' $'2\xff'

# The complex and programmer modes.
expect $'2+3i\n2i\n2i\n3.1415926536i' --mode complex '2+3i' '(1+i)^2' 'sqr(-4)' 'ln(-1)'
expect '2+3j' --mode complex --use-j '2+3i'
expect 'pol(2,90)' --mode complex --polar --angle deg 'pol(2,90)'
expect $'hex: FF\nhex: 1E' --mode programmer 'FF' '1E'
expect $'hex: 100\nhex: 5' --mode programmer 'FF+1' 'nand(6,3)'
expect 'dec: 4294967301' --mode programmer --input-base dec --result-base dec '65536*65536+5'
expect 'To great numbers, a result-overflow occured!' --mode programmer --input-base dec --result-base dec '4294967301'
expect 'No negative numbers allowed!' --mode programmer --input-base dec '3-5'
expect 'bin: 1010' --mode programmer --input-base dec --result-base bin '10'

# Standard input: one answer per line; empty lines are skipped.
expect_stdin $'3\n10' $'1+2\n2*5'
expect_stdin $'2\n12\n0.25' $'1+1\n\n3*4\n1/4'
expect_stdin '8' $'2^3\r'

# The shortcuts of the first command line.
expect $'2+3i\n2i' --complex '2+3i' '(1+i)^2'
expect $'100\n5' --programmer=hex 'FF+1' 'nand(6,3)'
expect 'No negative numbers allowed!' --programmer=dec '3-5'
expect_status 1 --programmer=dec '3-5'

# Statistics, regression and matrices.
expect '5' stats 'meanx()' '2;4;4;4;5;5;7;9'
expect '2' stats-xy 'meany()/meanx()' '1;2;2;4;3;6'
expect $'2*x+1\nR²=1.00000; cov=1.33333; r=1.00000' regress linear '1;3;2;5;3;7'
expect_status 2 regress cubic '1;2'
expect $'1\t0\t2\n0\t1\t1' matrix linear '1 1 3;1 -1 1'
expect 'This matrix has no inverse matrix!' matrix inverse '1 2;2 4'
expect_status 1 matrix inverse '1 2;2 4'
expect '-2' matrix det '1 2;3 4'
expect $'1\t3\n2\t4' matrix transpose '1 2;3 4'
expect $'1+1i\t2\n3+3i\t4' matrix mul '1 2;3 4' '1+i 0;0 1' --complex
expect_status 2 matrix add '1 2'
expect_status 2 matrix det '1 2;3'

# The unit converter, in a data folder of its own.
export ORVANTA_DATA_DIR="$(mktemp -d)"
expect '3.106940906' convert 5 kilometer mile
expect '212' convert 100 Celsius Fahrenheit
expect 'No appropriate conversion found!' convert 1 meter gram
expect_status 1 convert 1 meter gram
expect_status 0 units
expect_status 2 units Nowhere
rm -rf "$ORVANTA_DATA_DIR"
unset ORVANTA_DATA_DIR
