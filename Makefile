# The two commands a newcomer needs: `make demo` and `make test`.
# The guard rails CI adds: `make sanitize`, `make fuzz`, `make windows-check`.
# After a meant change of pictures or traces: `make refresh-references`.
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: deps configure build demo test refresh-references sanitize fuzz fuzz-images windows-check bench ci clean

deps:
	./scripts/install-deps.sh

configure: deps
	cmake --preset default

build: configure
	cmake --build --preset default -j $(JOBS)

# Only what the panel needs: the module, the platform stand-ins and the
# scene runner. Its language settings stay in memory (TAMRI_CONFIG empty).
demo: configure
	cmake --build --preset default -j $(JOBS) --target tamri-render
	TAMRI_CONFIG= build/tools/tamri-render examples/panel.json -o panel.png
	@echo "wrote panel.png"

# Renders every example scene into tests/references and says which changed.
refresh-references: configure
	cmake --build --preset default -j $(JOBS) --target tamri-render tamri-image-diff
	./scripts/regression.sh refresh

test: build
	ctest --test-dir build --output-on-failure -j $(JOBS)

# Every test again under the address and undefined-behaviour sanitizers.
sanitize: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --test-dir build-asan --output-on-failure -j $(JOBS)

# Native calls from random bytes, for FUZZ_SECONDS; any finding fails. The
# image-file fuzzer is built alongside so that it keeps compiling.
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS) --target native_call_fuzzer image_load_fuzzer
	./scripts/run-fuzzer.sh $(FUZZ_SECONDS) native_call_fuzzer

# Image files from random bytes through osGXloadImage, for FUZZ_SECONDS.
fuzz-images: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS) --target image_load_fuzzer
	./scripts/run-fuzzer.sh $(FUZZ_SECONDS) image_load_fuzzer

windows-check: deps
	JOBS=$(JOBS) ./scripts/check-windows-dll.sh

bench: deps
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS)
	build-bench/bench/tamri_bench

ci: test sanitize fuzz windows-check

clean:
	rm -rf build build-asan build-fuzz build-windows build-bench
