# The commands: `make run`, `make test` and `make package` (and `make screenshots` for
# the README's pictures). Each installs what is missing, configures, builds and then acts.
PRESET := mingw
BUILD  := build

.PHONY: all deps configure build test run package screenshots clean

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

# The release configuration lives in build/release and writes its zip into build/.
package: deps
	@test -f $(BUILD)/release/CMakeCache.txt || cmake --preset release
	cmake --build --preset release --target kalvo-package
	@python3 -m zipfile --metadata-encoding cp932 -l $(BUILD)/Kalvo-0.03-win64.zip

screenshots: build
	@tools/wine-session.sh tools/make-screenshots.sh

clean:
	rm -rf $(BUILD)
