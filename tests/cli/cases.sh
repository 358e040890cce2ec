# Cases for cli_cases.sh: expect OUTPUT ARGS... / expect_status STATUS ARGS...

# The normal mode, one line per expression.
expect $'64\n3\n-6\n9\n0.02\n120\n120\n10\n1' '2^3^2' '8-3-2' '2*-3' '-3^2' '2E-2' '5!' '(2+3)!' 'binom(5,2)' 'mod(7,-3)'
expect $'1500\nFollowing pattern is not allowed: **\nParenthesis-error!\nDivision by zero!\nINV: Infinite value!\nExpression begins with an invalid character!' \
    '1.5E3' '2**3' '(1+2' '1/0' '10^400' ' 1+2'
expect_status 1 '1.5E3' '2**3'
expect_status 0 '1+1' '2'
expect 'Klammerungsfehler!' --lang de '(1+2'
expect '1' --angle deg 'sin(90)'
expect '1.2345E+003' --format sci --digits 5 '1234.5'
expect 'f(x=3)=9' --param x=3 '[x]^2'
expect_status 2 '[x]^2'
expect_status 2 --digits 20 '1'
expect_status 2 --bogus '1'
expect_status 2 --mode

# The complex and programmer modes.
expect $'2+3i\n2i\n2i\n3.1415926536i' --mode complex '2+3i' '(1+i)^2' 'sqr(-4)' 'ln(-1)'
expect '2+3j' --mode complex --use-j '2+3i'
expect 'pol(2,90)' --mode complex --polar --angle deg 'pol(2,90)'
expect $'hex: FF\nhex: 1E' --mode programmer 'FF' '1E'
expect $'hex: 100\nhex: 5' --mode programmer 'FF+1' 'nand(6,3)'
expect 'dec: 4294967301' --mode programmer --input-base dec --result-base dec '65536*65536+5'
expect 'To great numbers, a result-overflow occured!' --mode programmer --input-base dec --result-base dec '4294967301'
expect 'No negative numbers allowed!' --mode programmer --input-base dec '3-5'

# Standard input: one answer per line.
expect_stdin $'3\n10' $'1+2\n2*5'
