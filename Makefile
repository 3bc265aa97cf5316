# The two commands: `make run` and `make test`. Each installs what is missing,
# configures, builds and then acts.
PRESET := mingw
BUILD  := build

.PHONY: all deps configure build test run clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@test -f $(BUILD)/CMakeCache.txt || cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET)

test: build
	tools/wine-session.sh ctest --preset $(PRESET)

run: build
	@tools/run-kalvo.sh

clean:
	rm -rf $(BUILD)
