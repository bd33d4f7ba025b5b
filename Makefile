# The two commands of the README, and a few helpers.
#   make run    install what is missing, build, and open the sample quarter
#   make test   install what is missing, build, and run the whole test suite

BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench package clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@scripts/run-sample $(BUILD)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

# The Debian package, built in its own Release tree installed under /usr.
BUILD_PACKAGE ?= build-package
package: deps
	@cmake -S . -B $(BUILD_PACKAGE) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
		-DTOLLMARK_BENCH=OFF >/dev/null
	@cmake --build $(BUILD_PACKAGE) -j$(JOBS) --target tollmark tollmark-cli tollmark_man_pages
	@cd $(BUILD_PACKAGE) && cpack -G DEB >/dev/null && ls -1 $$PWD/tollmark_*.deb

clean:
	@rm -rf $(BUILD)
