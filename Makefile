# Quick start: `make run` starts the program, `make test` builds and runs every test.
# Both install missing Debian packages first (see scripts/install-deps.sh).

BUILD_DIR := build

.PHONY: all deps configure build run test clean

all: build

deps:
	@sh scripts/install-deps.sh

configure: deps
	@cmake --preset default >/dev/null

build: configure
	@cmake --build --preset default

run: build
	@$(BUILD_DIR)/src/app/cuestaval

test: build
	@ctest --preset default

clean:
	rm -rf $(BUILD_DIR)
