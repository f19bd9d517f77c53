CXXFLAGS ?= -O2 -Wall -Wextra -Wpedantic
# The program calls only into libc: leave out the C++ runtime libraries
# that would otherwise be loaded at every start for nothing, whatever
# LDFLAGS the user gives.
override LDFLAGS += -Wl,--as-needed

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

clean:
	rm -f main

.PHONY: all run check clean
