# SPDX-License-Identifier: GPL-3.0-or-later
# One command for each thing a developer or CI does. Every target installs what is missing first.
.PHONY: deps build test test-default test-asan test-fuzz soak coverage run bench package format \
	check-format clean

# The presets fix no job count: Ninja picks its own, and ctest, which would run one test at a
# time, is told to run as many as there are cores (CTEST_JOBS=n overrides).
CTEST_JOBS ?= $(shell nproc)

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default

test-default: build
	ctest --preset default -j $(CTEST_JOBS)

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan -j $(CTEST_JOBS)

# Each fuzz target for a bounded time (FUZZ_SECONDS, 30 by default), with clang's libFuzzer.
test-fuzz: deps
	@bash scripts/fuzz.sh

test: check-format test-default test-asan test-fuzz

# The million-step soak under the sanitizers (make test runs 200,000 steps).
soak: deps
	@bash scripts/soak.sh

# Line and branch coverage of the product's code by the whole test suite, with GCC and gcovr.
coverage: deps
	@bash scripts/coverage.sh

run: build
	@bash scripts/run.sh build/default/app/ventrose

bench: build
	@bash scripts/bench.sh build/default

# The Debian package of the optimised build: build/default/package/ventrose_<version>_<arch>.deb.
package: build
	cmake --build --preset default --target package

# The C++ layout of .clang-format (clang-format 14): format rewrites every tracked .h and .cpp,
# check-format only lists the files that differ, and fails if there are any.
format: deps
	@bash scripts/check-format.sh --fix

check-format: deps
	@bash scripts/check-format.sh

clean:
	rm -rf build
