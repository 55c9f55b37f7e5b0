# The two commands of the README, `make run` and `make test`, and the release tools.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
RELEASE ?= trixie
# The checks `make test` runs after the test suite (each a scripts/check-<name>.sh).
CHECKS ?= format catalogues static sanitizers fuzz

# `make run` builds the program and its documents only; `make test` adds every optional part.
# The options are given on each configure, so switching between the two needs no clean build.
RUN_OPTIONS := -DVELANTRA_TESTS=OFF -DVELANTRA_BENCH=OFF
TEST_OPTIONS := -DVELANTRA_TESTS=ON -DVELANTRA_BENCH=ON

# Each target is one recipe run in order, so `make -jN` never runs two set-ups or builds at once.
configure = cmake -S . -B $(1) $(2) $(CMAKE_FLAGS) >/dev/null
.PHONY: run test web build checks bench coverage package check-package check-release clean

build:
	@bash scripts/install-deps.sh run
	$(call configure,$(BUILD),-DCMAKE_BUILD_TYPE=Release $(RUN_OPTIONS))
	cmake --build $(BUILD) -j $(JOBS)

# The program finds its documents in its working directory, so it starts beside them.
run: build
	cd $(BUILD) && ./velantra

test:
	@bash scripts/install-deps.sh run test web
	$(call configure,$(BUILD),-DCMAKE_BUILD_TYPE=Release $(TEST_OPTIONS))
	cmake --build $(BUILD) -j $(JOBS)
	JOBS=$(JOBS) bash scripts/build-web.sh $(BUILD) build-web
	cd $(BUILD) && VELANTRA_REQUIRE_WEB=1 ctest --output-on-failure -j $(JOBS)
	bash scripts/test-web.sh
	@$(MAKE) --no-print-directory checks

# The browser edition, one file: build-web/velantra.html, holding the documents built above.
web: build
	@bash scripts/install-deps.sh web
	JOBS=$(JOBS) bash scripts/build-web.sh $(BUILD) build-web

# Each check is a script of its own that builds in a folder of its own and fails on any report.
checks:
	@set -e; for c in $(CHECKS); do echo "== check: $$c"; bash scripts/check-$$c.sh; done

coverage:
	@bash scripts/install-deps.sh run test
	bash scripts/coverage.sh

# Every benchmark, printed as one table (the README keeps the latest).
bench:
	@bash scripts/install-deps.sh run test
	$(call configure,$(BUILD),-DCMAKE_BUILD_TYPE=Release $(TEST_OPTIONS))
	cmake --build $(BUILD) -j $(JOBS) --target velantra_bench
	bash scripts/bench.sh $(BUILD)

# velantra_<version>_<arch>.deb in build-package/, built with Debian's hardening flags and
# checked by lintian.
package:
	@bash scripts/install-deps.sh run package
	bash scripts/package.sh build-package

# The package installed, started and removed in clean roots of both releases.
check-package: package
	bash scripts/check-package.sh build-package bookworm trixie

# `make test` (less sanitizers and fuzz) on the committed HEAD in a clean root of $(RELEASE).
check-release:
	bash scripts/check-release.sh $(RELEASE)

clean:
	rm -rf $(BUILD) build-package build-web
