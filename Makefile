# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps deps-checks build run test checks bench coverage clean

deps:
	@bash scripts/install-deps.sh

# The checks of `make test` also need clang, its fuzzing runtime and the analysers.
deps-checks:
	@bash scripts/install-deps.sh --hardening

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# The program finds its documents in its working directory, so it starts beside them.
run: build
	cd $(BUILD) && ./velantra

test: deps-checks build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory checks

# Each check is a script of its own that builds in a folder of its own and fails on any report.
CHECKS := format static sanitizers fuzz
checks:
	@set -e; for c in $(CHECKS); do \
	  if [ -f scripts/check-$$c.sh ]; then echo "== check: $$c"; bash scripts/check-$$c.sh; fi; \
	done

coverage: deps-checks
	bash scripts/coverage.sh

# Every benchmark, printed as one table (the README keeps the latest).
bench: build
	bash scripts/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD)
