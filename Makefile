CXXFLAGS ?= -O2 -Wall -Wextra -Wpedantic
# The program calls only into libc: leave out the C++ runtime libraries
# that would otherwise be loaded at every start for nothing. It comes
# first, so that a user's -Wl,--no-as-needed still wins.
override LDFLAGS := -Wl,--as-needed $(LDFLAGS)

all: main

# make run puts the report alone on standard output, even when it has to
# build main first.
ifeq ($(MAKECMDGOALS),run)
.SILENT:
endif
run: main
	@./main

check: main
	sh tests/run.sh ./main

# There is one file to build: run serially, so that make -jN clean check
# cannot build main while clean removes it.
.NOTPARALLEL:
clean:
	rm -f main

.PHONY: all run check clean
