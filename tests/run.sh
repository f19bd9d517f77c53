#!/bin/sh
# Runs the program named as $1 (./main by default) and checks its report,
# its exit status and standard error, with and without arguments, input
# and environment, and when the report cannot be written or read.

prog=${1:-./main}
# A name without a slash means the file here, not one found on PATH.
case $prog in */*) ;; *) prog=./$prog ;; esac
want=$(dirname "$0")/expected
if [ ! -f "$prog" ] || [ ! -x "$prog" ]; then
	echo "$0: $prog is not an executable file: build it with make" >&2
	exit 1
fi
# strace names files by their real path. Signals wait for the traps;
# exit runs the EXIT trap, which dash and busybox sh skip on a signal.
trap '' HUP INT TERM
tmp=$(realpath "$(mktemp -d)") || exit 1
trap 'rm -rf "$tmp"' EXIT
trap 'exit 1' HUP INT TERM
pass=0 fail=0

# check NAME STATUS [ERROR]: judge the run just made, whose exit status is
# in $st; a run that should succeed must have printed the whole report.
check() {
	if [ "$st" -ne "$2" ]; then
		why="exit status $st, expected $2"
	elif [ "$(od -c <"$tmp/err")" != "$({ [ -z "$3" ] || echo "$3"; } | od -c)" ]; then
		why="standard error: $(cat "$tmp/err")"
	elif [ "$2" -eq 0 ] && ! cmp -s "$tmp/out" "$want"; then
		got=$(wc -c <"$tmp/out") size=$(wc -c <"$want")
		why="report differs from $want"
		[ "$got" -eq "$size" ] || why="$why ($got bytes, not $size)"
		why="$why:
$(cat "$tmp/out")"
	else
		pass=$((pass + 1)); return
	fi
	fail=$((fail + 1))
	echo "FAIL: $1: $why"
}

"$prog" </dev/null >"$tmp/out" 2>"$tmp/err"; st=$?; check "plain run" 0
"$prog" -h --help 1 60 '' </dev/null >"$tmp/out" 2>"$tmp/err"; st=$?; check "arguments" 0
echo 1 2 3 | "$prog" >"$tmp/out" 2>"$tmp/err"; st=$?; check "input" 0
env -i "$prog" </dev/null >"$tmp/out" 2>"$tmp/err"; st=$?; check "empty environment" 0

# Indonesian writes a decimal comma: the average must not follow the locale.
# It is set through env, as mksh would take LC_ALL for itself and complain.
if localedef -i id_ID -f ISO-8859-1 "$tmp/id_ID" >/dev/null 2>&1; then
	env LOCPATH="$tmp" LC_ALL=id_ID "$prog" </dev/null >"$tmp/out" 2>"$tmp/err"; st=$?
	check "Indonesian locale" 0
else
	echo "SKIP: Indonesian locale: localedef cannot build it here"
fi

# ENOSPC, EBADF and EPIPE read the same in glibc and musl.
full="main: write error: No space left on device"
if [ -c /dev/full ]; then	# the redirection would create a missing one
	"$prog" </dev/null >/dev/full 2>"$tmp/err"; st=$?; check "full disk" 1 "$full"
else
	echo "SKIP: full disk: /dev/full is not a character device here"
fi
"$prog" </dev/null >&- 2>"$tmp/err"; st=$?
check "closed output" 1 "main: write error: Bad file descriptor"

# Some file systems report a lost write only when the file is closed;
# written line by line, the report can lose an early write while the
# close still succeeds; musl writes with writev. An empty file means the
# report went out whole in the write that failed, as stdbuf cannot reach
# a static build. LeakSanitizer cannot run under a tracer, and stdbuf
# preloads its library ahead of a shared AddressSanitizer.
if strace -o /dev/null true 2>/dev/null && stdbuf -o0 true 2>/dev/null; then
	for call in close write,writev; do
		# shellcheck disable=SC2094 # strace only names the file
		ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0:verify_asan_link_order=0 \
		strace -o /dev/null -P "$tmp/out" -e trace=$call \
			-e inject=$call:error=ENOSPC:when=1 stdbuf -o0 \
			"$prog" </dev/null >"$tmp/out" 2>"$tmp/err"; st=$?
		[ -s "$tmp/out" ] ||
			{ echo "SKIP: failing ${call%,*}: the report went out in one write"; continue; }
		check "failing ${call%,*}" 1 "$full"
	done
else
	echo "SKIP: failing close and write: strace or stdbuf cannot work here"
fi

# A reader already gone: the fifo's only reader, opened first so that
# opening the writer does not wait, is closed before the program starts.
mkfifo "$tmp/pipe"
# shellcheck disable=SC2094 # the two ends of one fifo
gone() {
	"$@" "$prog" </dev/null 3<>"$tmp/pipe" >"$tmp/pipe" 3<&- 2>"$tmp/err"
}
(trap '' PIPE; gone); st=$?
check "reader gone, SIGPIPE ignored" 1 "main: write error: Broken pipe"
# A shell started with SIGPIPE ignored cannot restore it; GNU env can.
if env --default-signal=PIPE true 2>/dev/null; then
	gone env --default-signal=PIPE; st=$?; check "reader gone" 141
elif ! sh -c 'kill -PIPE $$'; then
	gone; st=$?; check "reader gone" 141
else
	echo "SKIP: reader gone: SIGPIPE is ignored and env cannot restore it"
fi

echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]
