# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps build run test bench coverage clean

deps:
	@bash scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# The program finds its documents in its working directory, so it starts beside them.
run: build
	cd $(BUILD) && ./velantra

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	cd $(BUILD) && ./velantra_bench

clean:
	rm -rf $(BUILD)
