#!/usr/bin/env bash
# The command line of the real program, with no terminal at all: --help and --version answer on
# standard output, an unknown option gives the usage on standard error and status 2, "--" ends the
# options, a name is said with its control characters escaped, and --render draws a program into
# a PNG picture or says plainly why it cannot, also when the file size limit stops the writing.
# Usage: command_line.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"

program=$(realpath "$1")
cd "$E2E_DIR"

run() {
    status=0
    "$program" "$@" </dev/null >out 2>err || status=$?
}

run --help
((status == 0)) || fail "--help ended with status $status"
[[ $(head -1 out) == "Usage: gridlet [FILE.GDL]" ]] || fail "--help does not start with the usage: $(head -1 out)"
grep -q -- "--render PROGRAM.bas OUT.png" out || fail "--help does not list --render"
[[ ! -s err ]] || fail "--help wrote to standard error: $(cat err)"

run --version
((status == 0)) || fail "--version ended with status $status"
[[ $(cat out) =~ ^gridlet\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "--version says: $(cat out)"

run --frobnicate
((status == 2)) || fail "an unknown option ended with status $status, not 2"
[[ ! -s out ]] || fail "an unknown option wrote to standard output: $(cat out)"
[[ $(head -2 err) == $'gridlet: unknown option --frobnicate\nUsage: gridlet [FILE.GDL]' ]] ||
    fail "an unknown option says: $(cat err)"

printf '%s\r\n' ' SUB GraficWin ()' '   LOCAL hwin AS LONG ' \
    '   GRAPHIC WINDOW " Example ", 0, 0, 120, 80 TO hWin' '   GRAPHIC ATTACH hWin, 0 ' \
    '   GRAPHIC COLOR 0,%WHITE' '   GRAPHIC CLEAR' '   GRAPHIC BOX (10, 10) - (60, 40)' \
    '   GRAPHIC TWIRL 3' ' END SUB' >design.bas
run --render design.bas design.png
((status == 0)) || fail "--render ended with status $status: $(cat err)"
[[ $(cat out) == 'not drawn, line 8: GRAPHIC TWIRL 3 (statement not understood)' ]] ||
    fail "--render listed: $(cat out)"
[[ $(head -c 8 design.png | od -An -tx1 | tr -d ' ') == 89504e470d0a1a0a ]] ||
    fail "design.png is not a PNG picture"

run --render missing.bas missing.png
((status == 1)) || fail "--render of a missing program ended with status $status"
[[ $(cat err) == "gridlet: cannot read missing.bas: No such file or directory" ]] ||
    fail "--render of a missing program says: $(cat err)"
[[ ! -e missing.png ]] || fail "a picture was written for a missing program"
# A design file whose name starts with "-" and holds escape sequences: it is a file, and its
# name reaches the terminal with the sequences written out when it holds no design.
printf 'no design\r\n' >$'-\e]0;owned\a.GDL'
run -- $'-\e]0;owned\a.GDL'
((status == 1)) || fail "a file that is no design after -- ended with status $status"
grep -q $'[\e\a]' err && fail "a raw control character was written: $(cat -A err)"
grep -qF -- '-\e]0;owned\a.GDL' err || fail "the name is not shown escaped: $(cat -A err)"

# Past the file size limit a write fails and says so; the program is not ended by SIGXFSZ. What
# it says goes through a pipe, which has no size limit.
said=$( (ulimit -f 0 && "$program" --render design.bas limited.png </dev/null 2>&1; echo "status $?"))
[[ $said == *"gridlet: cannot write limited.png: "*"status 1" ]] ||
    fail "--render past the file size limit says: $said"
echo "--help, --version, an unknown option, --, escaped names and --render answered as they should"
