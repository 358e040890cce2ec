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
# A malformed number is refused, not read up to its first bad character, and
# a part that is no number is a failure.
expect $'The input is not valid!\nThe input is not valid!\nThe input is not valid!\nThe input is not valid!' \
    --mode complex '3..5' '1.2.3' '2i3' '---1'
expect_status 1 --mode complex 'ln(0)'
expect_status 0 --mode complex '2.5i' 'i3' '-1.5+2i'
# A "[" that starts no placeholder is a stray character.
expect 'The input is not valid!' '1+['
expect_status 1 $'\e[31m1'
# Lines are bounded: a longer one is refused and the next one still runs.
expect_stdin $'orvanta-calc: the line is longer than 1 MiB and is not calculated\n2' \
    "$(head -c 1100000 /dev/zero | tr '\0' 1)"$'\n1+1'

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

# Converting only reads the unit files: nothing is written, a pair that
# cannot be used is left as it is, and standard error says so once.
units="$(mktemp -d)"
chmod 755 "$units"
export ORVANTA_DATA_DIR="$units/orvanta"
expect '0.001' convert 1 meter kilometer
holds "a first conversion writes nothing" test ! -e "$ORVANTA_DATA_DIR"
mkdir "$ORVANTA_DATA_DIR"
printf 'meter,1,1;furlong,201.168,1;' | iconv -t UTF-16LE > "$ORVANTA_DATA_DIR/metrics.dat"
: > "$ORVANTA_DATA_DIR/base.dat"
cp "$ORVANTA_DATA_DIR/metrics.dat" "$units/saved"
damaged="orvanta-calc: The unit files in $ORVANTA_DATA_DIR are damaged. The converter uses its default units; the files are left as they are."
expect "$damaged"$'\n0.001' convert 1 meter kilometer
holds "the user's units survive an empty base.dat" cmp -s "$units/saved" "$ORVANTA_DATA_DIR/metrics.dat"
holds "nothing is moved by a read-only command" test ! -e "$ORVANTA_DATA_DIR/metrics.dat.corrupt"
printf 'All;Distance;' | iconv -t UTF-16LE > "$ORVANTA_DATA_DIR/base.dat"
expect '201.168' convert 1 furlong meter
# Files that cannot be read: a pipe (which would block) and, for a user
# without privileges, a file without read permission.
unreadable="orvanta-calc: The unit files in $ORVANTA_DATA_DIR cannot be read. The converter uses its default units and leaves the files as they are."
mv "$ORVANTA_DATA_DIR/base.dat" "$units/base"
mkfifo "$ORVANTA_DATA_DIR/base.dat"
expect "$unreadable"$'\n0.001' convert 1 meter kilometer
rm "$ORVANTA_DATA_DIR/base.dat"
mv "$units/base" "$ORVANTA_DATA_DIR/base.dat"
chmod 755 "$ORVANTA_DATA_DIR"
chmod 000 "$ORVANTA_DATA_DIR/metrics.dat"
if [ "$(id -u)" -ne 0 ]; then
    expect "$unreadable"$'\n0.001' convert 1 meter kilometer
elif ! command -v setpriv >/dev/null; then
    echo "SKIPPED: the unreadable unit file needs a user without privileges (no setpriv)"
elif ! setpriv --reuid=65534 --regid=65534 --clear-groups test -x "$calc" 2>/dev/null; then
    # A checkout inside a private folder: that user cannot reach the program.
    echo "SKIPPED: a user without privileges cannot reach $calc"
else
    got=$(setpriv --reuid=65534 --regid=65534 --clear-groups "$calc" convert 1 meter kilometer 2>&1)
    holds "an unreadable file is reported to a user without privileges" test "$got" == "$unreadable"$'\n0.001'
fi
chmod 644 "$ORVANTA_DATA_DIR/metrics.dat"
holds "an unreadable file is never replaced" cmp -s "$units/saved" "$ORVANTA_DATA_DIR/metrics.dat"
# Without HOME the data folder comes from the password database, never the
# current folder, whose files are not ours.
unset ORVANTA_DATA_DIR
mkdir "$units/elsewhere"
echo "my own notes" > "$units/elsewhere/metrics.dat"
program="$(readlink -f "$calc")"
got=$(cd "$units/elsewhere" && env -i "$program" convert 1 meter kilometer 2>/dev/null)
holds "env -i converts" test "$got" == "0.001"
holds "env -i leaves the current folder alone" test "$(ls "$units/elsewhere")" == "metrics.dat"
holds "env -i leaves the current folder's files alone" test "$(cat "$units/elsewhere/metrics.dat")" == "my own notes"
rm -rf "$units"

# The function calculator: F without "f(x)=", checked first as the view checks it.
expect 'f(x)=0 at -2; 2' zeros 'x^2-4' -10 10
expect 'f(x)=0 at -3.1415926536; 0; 3.1415926536' zeros 'sin(x)' -4 4
expect 'No points found...' zeros '1/x' -1 1
expect 'Extremas: Min(0,0)' extrema 'x^2' -1 1
expect 'Extremas: Max(-1,2);Min(1,-2)' extrema 'x^3-3*x' -3 3
expect 'saddle-points: (0,0)' saddle 'x^3' -1 1
expect 'discontinuities(-1.00,1.00)=0' discont '1/x' -1 1
expect 'discontinuities(-1.00,1.00)=No discontinuities found...' discont 'x^2' -1 1
expect '(x+1)(x-1)' factor 'x^2-1'
expect 'Polynomdivision is not possible for this Polynom!' factor 'x^2+1'
expect 'Keine Polynomdivision gefunden!' --lang de factor 'x^2+1'
expect 'x+1' polydiv '(x^2-1)/(x-1)'
expect 'The expression is not a valid input for a polynom division! ' polydiv 'x^2-1'
expect_status 1 polydiv 'x^2-1'
expect '3x^2' derive 'x^3'
expect 'The expresssion cannot be derivated!' derive 'abs(x)'
expect '5x' simplify '2*x+3*x'
expect '12' slope 'x^3' 2
expect '10' at 'x^2+1' 3
expect '0.7071067812' at 'sin(x)' 'pi/4'
expect 'integral(0.00,1.00)=Left:0.495;Right:0.505;Avg:0.5' integral 'x' 0 1 100
expect 'integral(0.00,1.00)=0.33333333' integral 'x^2' 0 1 100 simpson
expect 'integral_abs(-1.00,1.00)=0.9' integral 'x' -1 1 10 trapez --abs
# A refused integral is a result, not a failure; the message box goes to standard error.
expect $'Cannot calculate integral!\nFunction has undefined points in the given range!\nCannot calculate integral!' \
    integral 'sqr(x)' -1 1 100
expect_status 0 integral 'sqr(x)' -1 1 100
expect $'-1.00000\tNaN\n-0.50000\tNaN\n0.00000\t0\n0.50000\t0.7071067812\n1.00000\t1' table 'sqr(x)' -1 1 0.5
# Walks that would never end are refused at once.
expect 'Please specify the range in which the extremas should be searched.' extrema 'x^2' 1 1
expect_status 1 extrema 'x^2' 1 1
expect 'Error. step-width is not valid!' table 'x' 0 1 0
expect 'Error. step-width is not valid!' table 'x' 1E16 1E16+10 1
expect 'Error. step-width is not valid!' integral 'x' 0 1 0
expect 'Function f(x)=x*yhas unknown variables!' zeros 'x*y' 0 1
expect_status 1 zeros 'x*y' 0 1
expect 'No function is specified!' zeros '7' 0 1
expect_status 2 zeros 'x^2'
expect_status 2 zeros 'x^2' 0 'ten'
expect_status 2 integral 'x' 0 1 100 midpoint

# Plot samples as the plotter receives them, raise-errors off.
expect $'-1\n0\n1' sample 'f(x)=x' -1 1 1
# The sample left of 0 becomes the value at the edge of the domain.
expect $'NaN\n0\n0.7071067812' sample 'f(x)=sqr(x)' -1 0.5 0.75
expect $'4\n1\n0\n1\n4' sample 'f(y)=y^2' -2 2 1
expect $'1\n4\n9' sample 'f(n)=n^2' 1 3 1
expect $'0\n1\n3\n6\n10' sample 'f(n)=f(n-1)+n;f(0)=0' 1 5 1
expect $'1\t0\n0\t1\n-1\t0\n0\t-1' sample 'f(t)=[x:=cos(t);y:=sin(t);t:=0..2*pi]' 4
expect $'0\t0\t0\n0.5\t1\t0.25' sample 'z=f(t)=[x:=t;y:=2*t;z:=t^2;t:=0..1]' 2
expect $'0\t2\n1.5707963268\t2' sample 'f(t)=p=[2;t:=0..pi]' 2
expect $'Parameter-Function f(t)=[x:=t;y:=t] is not valid!\nFunction must contain t:=' sample 'f(t)=[x:=t;y:=t]' 5
expect 'Error. step-width is not valid!' sample 'f(x)=x' 0 1 0
expect_status 2 sample 'f(x)=x' 0 1
expect 'Function must start with a function-type-definition (e.g. f(x)).' sample 'g(x)=x' 5

# A hundred points on the unit circle, the first at (1, 0).
circle=$("$calc" sample 'f(t)=[x:=cos(t);y:=sin(t);t:=0..2*pi]' 100)
on_circle=$(printf '%s\n' "$circle" | awk -F'\t' '{ r = $1 * $1 + $2 * $2; if (r > 0.999999 && r < 1.000001) n++ } END { print n + 0 }')
if [ "$(printf '%s\n' "$circle" | head -n 1)" == $'1\t0' ] && [ "$on_circle" == 100 ] &&
    [ "$(printf '%s\n' "$circle" | wc -l)" -eq 100 ]; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
    printf 'FAILED: the unit circle sampled 100 times (%s points on it)\n' "$on_circle"
fi

# The equation solver, as the solver view calls it.
expect 'x=-2; 2' solve 'x^2=4' -10 10
expect 'No points found...' solve 'x^2=-1'
expect_status 1 solve 'x^2=-1'
expect 'x=5' solve 'binom(x,2)=10' 0 1
expect 'x=5' solve 'x!=120'
expect 'x=10' solve 'sum(x)=55'
expect_status 2 solve 'x=1' 3
