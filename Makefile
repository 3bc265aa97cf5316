# The commands: `make run`, `make test`, `make package` and `make bench` (and `make screenshots`
# for the README's pictures). Each installs what is missing, configures, builds and then acts.
PRESET := mingw
BUILD  := build

.PHONY: all deps configure build test run release package screenshots bench clean

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

# The stripped, size-optimised Kalvo.exe in build/release.
release: deps
	@test -f $(BUILD)/release/CMakeCache.txt || cmake --preset release
	cmake --build --preset release

# Times the release Kalvo.exe; KALVO_BENCH_BASELINE=<an older Kalvo.exe> compares the two.
bench: release
	cmake --build --preset release --target KalvoBench BareWindow BareButtonWindow
	bench/run.sh

# The release configuration lives in build/release and writes its zip into build/.
package: deps
	@test -f $(BUILD)/release/CMakeCache.txt || cmake --preset release
	cmake --build --preset release --target kalvo-package
	@python3 -m zipfile --metadata-encoding cp932 -l $(BUILD)/Kalvo-0.03-win64.zip

screenshots: build
	@tools/wine-session.sh tools/make-screenshots.sh

clean:
	rm -rf $(BUILD)
