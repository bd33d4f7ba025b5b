# The two commands of the README, and a few helpers.
#   make run    install what is missing, build, and open the sample quarter
#   make test   install what is missing, build, and run the whole test suite

BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

# `make test SANITIZE=1` (what CI runs): the same suite built in its own tree with
# AddressSanitizer and UndefinedBehaviorSanitizer, benchmarks left out. Leaks are
# reported, except those of the libraries listed in the suppressions. A test that fails
# is run once more: LeakSanitizer's exit-time tracer now and then crashes under load
# ("LeakSanitizer has encountered a fatal error"), which is no fault of ours; a real
# fault fails both runs.
#
# It is optimised as AddressSanitizer advises (-O1) and keeps line tables only (-g1):
# enough for the sanitizers' stack traces, and much less to compile and link.
ifeq ($(SANITIZE),1)
BUILD = build-asan
CMAKE_FLAGS += -DTOLLMARK_SANITIZE=ON -DTOLLMARK_BENCH=OFF \
	'-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG'
TEST_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan-suppressions:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
CTEST_FLAGS = --repeat until-pass:2
endif

.PHONY: all deps configure build run test test-sanitize test-windows bench package clean format \
	format-check

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
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen $(TEST_ENV) ctest --output-on-failure -j$(JOBS) \
		$(CTEST_FLAGS)

# The sources as .clang-format lays them out: `format` rewrites them, `format-check`
# fails on the first file that differs (CI runs it).
FORMAT_SOURCES = $(shell find src tests bench fuzz tools -name '*.cpp' -o -name '*.h')

format: deps
	@clang-format -i $(FORMAT_SOURCES)

format-check: deps
	@clang-format --dry-run -Werror $(FORMAT_SOURCES)

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

# The Debian package, built in its own Release tree installed under /usr: the two programs
# and what they install, no test program (CPack builds the whole tree before it installs).
BUILD_PACKAGE ?= build-package
package: deps
	@cmake -S . -B $(BUILD_PACKAGE) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
		-DTOLLMARK_BENCH=OFF -DTOLLMARK_TESTS=OFF >/dev/null
	@cmake --build $(BUILD_PACKAGE) -j$(JOBS) --target tollmark tollmark-cli tollmark_man_pages
	@cd $(BUILD_PACKAGE) && cpack -G DEB >/dev/null && ls -1 $$PWD/tollmark_*.deb

clean:
	@rm -rf $(BUILD)

# Fuzzing: the libFuzzer targets of fuzz/, built with clang in a folder of their own.
#   make fuzz          each target for FUZZ_SECONDS (60) on a scratch copy of its corpus
#   make fuzz-smoke    each target over its corpus and kept crash inputs, a few seconds
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_SMOKE_SECONDS ?= 3
FUZZ_TARGETS = recordfile taxfile csvimport profiles chartparser interestrates headingimport
FUZZ_SCRATCH ?= $(shell mktemp -u /tmp/tollmark-fuzz.XXXXXX)

fuzz-build: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DTOLLMARK_FUZZ=ON -DTOLLMARK_GUI=OFF -DTOLLMARK_BENCH=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzz_all

fuzz: fuzz-build
	@scripts/run-fuzz $(FUZZ_BUILD)/fuzz $(FUZZ_SECONDS) $(FUZZ_SCRATCH) $(FUZZ_TARGETS)

fuzz-smoke: fuzz-build
	@scripts/run-fuzz $(FUZZ_BUILD)/fuzz $(FUZZ_SMOKE_SECONDS) $(FUZZ_SCRATCH) $(FUZZ_TARGETS)

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize:
	@$(MAKE) --no-print-directory test SANITIZE=1

# Windows: the whole tree (the window, tollmark-cli with every subcommand, every test
# program) cross-built with Qt for MinGW-w64 unpacked into the build tree, the installer
# made with NSIS, and the whole suite run under Wine (CTest starts each test program
# through it; the window's tests on the offscreen platform). tollmark-cli.exe and the
# installed program are compared with this machine's build: $(BUILD)'s tollmark-cli, so
# `make test-windows SANITIZE=1` (CI) compares with the sanitizer build's, built already. Ends with the time of each
# step and the test cases skipped under Wine. See scripts/test-windows.
WINDOWS_BUILD ?= build-windows

test-windows: configure
	@scripts/test-windows $(BUILD) $(WINDOWS_BUILD) $(JOBS)
