# Quick start: `make run` starts the program, `make test` builds and runs every test.
# Both install missing Debian packages first (see scripts/install-deps.sh).

BUILD_DIR := build
PREFIX ?= /usr/local

.PHONY: all deps test-deps configure build run test soak test-sanitize fuzz bench install package screenshots clean

all: build

deps:
	@sh scripts/install-deps.sh

test-deps:
	@sh scripts/install-deps.sh test

configure: deps
	@cmake --preset default >/dev/null

# Everything: the program, the tests and the screenshot tour.
build: configure
	@cmake --build --preset default

# Only the program, in a few words of progress (scripts/run.sh).
run:
	@sh scripts/run.sh

# The fuzz sub-build is a fixture of the test run, so only this target needs clang.
test: test-deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default
	@ctest --preset default

# Thousands of window switches and simulation runs: time and memory growth.
# Not part of `make test`; .ci/run runs it.
soak: configure
	@cmake --build --preset default --target tst_soak
	@ctest --preset soak

# The program and the files it installs, nothing else.
install: deps
	@sh scripts/build.sh installed_files
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

package:
	@sh scripts/install-deps.sh package
	@sh scripts/build.sh installed_files
	@cd $(BUILD_DIR) && cpack

# A picture of each window, at device pixel ratio 1 and 2 and at 200 %, into
# docs/screenshots/ (the tour walks the program as a user does); in Catalan
# into docs/screenshots/ca/, and a few in English, Galician and Basque.
SCREENSHOT_DIR := docs/screenshots
screenshots: configure
	@cmake --build --preset default --target screenshot_tour
	@LANGUAGE=es QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 $(BUILD_DIR)/tools/screenshot_tour/screenshot_tour $(SCREENSHOT_DIR)
	@LANGUAGE=es QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 $(BUILD_DIR)/tools/screenshot_tour/screenshot_tour $(SCREENSHOT_DIR)
	@LANGUAGE=es QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 $(BUILD_DIR)/tools/screenshot_tour/screenshot_tour $(SCREENSHOT_DIR) 200
	@for language in ca en gl eu; do \
		LANGUAGE=$$language QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 \
			$(BUILD_DIR)/tools/screenshot_tour/screenshot_tour $(SCREENSHOT_DIR) || exit 1; \
	done

clean:
	rm -rf $(BUILD_DIR)

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer
# (leak checking on), in its own build folder.
test-sanitize: test-deps
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize
	@ctest --preset sanitize

# A minute of libFuzzer over the problem windows' case tables.
fuzz: test-deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz --target fuzz_problem_windows
	@mkdir -p build-fuzz/corpus
	@build-fuzz/fuzz/fuzz_problem_windows -max_total_time=60 -timeout=5 build-fuzz/corpus fuzz/corpus
# Timer ticks, scroll changes, "Resolver" presses, window switches, start-up
# and memory, each beside its floor. Not part of make test.
bench: configure
	@cmake --build --preset default --target cuestaval_bench
	@$(BUILD_DIR)/bench/cuestaval_bench
