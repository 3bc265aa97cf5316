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
	@echo "Built $(BUILD)/Kalvo.exe. Kalvo has no window yet: the main window arrives in a later issue, so there is nothing to show."

clean:
	rm -rf $(BUILD)
