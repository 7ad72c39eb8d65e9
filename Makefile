# One command for each thing a developer or CI does. Every target installs what is missing first.
.PHONY: deps build test test-default test-asan run bench clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default

test-default: build
	ctest --preset default

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

test: test-default test-asan

run: build
	@bash scripts/run.sh build/default/app/ventrose

bench: build
	@bash scripts/bench.sh build/default

clean:
	rm -rf build
