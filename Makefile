# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# Ixo: `make run` installs what is missing, builds and starts Ixo; `make test` runs every test.
BUILD          ?= build
ASAN_BUILD     ?= build-asan
FUZZ_BUILD     ?= build-fuzz
MUTATION_BUILD ?= build-mutation
JOBS           ?= 2
CMAKE_ARGS     ?=

.PHONY: all deps deps-test deps-deb build build-tests run test test-sanitize bench pictures screenshots demo \
        install uninstall deb format format-check reuse-lint layering mutation mutation-draw clean \
        translations

all: build

deps:
	@scripts/install-deps run
deps-test:
	@scripts/install-deps test
deps-deb:
	@scripts/install-deps deb

# One build folder for both: `build` makes the program and what it brings (BUILD_TESTING off), `build-tests` the
# tests and benchmarks too. Switching reconfigures; what is built stays.
configure = cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=$(1) \
            $(if $(CI),-DIXO_WERROR=ON) $(CMAKE_ARGS) >/dev/null

build: deps
	$(call configure,OFF)
	cmake --build $(BUILD) -j$(JOBS)

build-tests: deps-test
	$(call configure,ON)
	cmake --build $(BUILD) -j$(JOBS)

run: build
	@scripts/run-ixo $(BUILD)/bin/ixo

# The end-to-end suite's own summary (one line per scenario, then "N passed, M failed") is printed last, then the
# size of the tests against the code, which fails the run above its budget.
TEST_RATIO_MAX ?= 0.35
test: build-tests
	@cd $(BUILD) && { ctest --output-on-failure -j$(JOBS) --timeout 300; status=$$?; \
	    if [ -f e2e-summary.txt ]; then echo "End-to-end suite:"; cat e2e-summary.txt; fi; \
	    $(CURDIR)/scripts/test-ratio --max $(TEST_RATIO_MAX) || status=1; exit $$status; }

test-sanitize: deps-test
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DIXO_SANITIZE=ON $(if $(CI),-DIXO_WERROR=ON) $(CMAKE_ARGS)
	cmake --build $(ASAN_BUILD) -j$(JOBS) --target core_tests
	cd $(ASAN_BUILD) && ctest --output-on-failure -j$(JOBS) -L core --timeout 300
	cmake -S tests/fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo $(if $(CI),-DIXO_WERROR=ON)
	cmake --build $(FUZZ_BUILD) -j$(JOBS)
	cd $(FUZZ_BUILD) && ctest --output-on-failure -L fuzz --timeout 300

bench: build-tests
	@scripts/run-benchmarks $(BUILD)
	@scripts/bench-desktop $(BUILD)

# Ixo on a private display: an alarm set through its windows, screenshots and the sound saved into demo/.
demo: build deps-test
	@scripts/demo $(BUILD)

# Per user, without root: ~/.local/share/ixo (program folder), ~/.local/bin/ixo, a desktop entry and an icon.
install: build
	@scripts/install-ixo install $(BUILD)/bin

# The Debian package ixo_VERSION_ARCH.deb, here, from what the build's install rules say (cpack, dpkg-shlibdeps).
deb: build deps-deb
	@rm -f ixo_*.deb
	cd $(BUILD) && cpack -G DEB
	@ls ixo_*.deb

# Keeps the user's ixo.ini and alarm lists unless PURGE=1.
uninstall:
	@scripts/install-ixo uninstall

# The windows' pictures of the window tests (tests/ui/pictures/*.png) drawn anew after an intended change; those
# that changed show in git.
pictures: build-tests
	@cd $(BUILD) && IXO_RECORD_PICTURES=1 ctest -R '^test_(composition|windows_alone)$$' --output-on-failure
	@git status --short tests/ui/pictures

screenshots: build deps-test
	@scripts/screenshots $(BUILD)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# What CI checks besides the tests: every tracked C++ file formatted, the layers of src/ kept.
format-check: deps-test
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
# Every file carries its licence (a header, or .reuse/dep5 for files that cannot): the REUSE rules, run by CI.
# scripts/add-licence-headers puts the header on new files.
reuse-lint: deps-test
	reuse lint
layering:
	@scripts/check-layering

# Small seeded faults put into src/ one at a time, each run against the core and window tests: killed/total.
mutation: deps-test
	@scripts/mutation --build $(MUTATION_BUILD) --jobs $(JOBS)

# A seeded draw of 40 faults nobody tuned the tests to (the one kept in scripts/mutation-draws/seed-SEED.txt, else
# drawn now from the code): each against the core and window tests, then what they miss against the whole suite.
mutation-draw: deps-test
	@test -n "$(SEED)" || { echo "make mutation-draw SEED=N (N: the draw's seed, e.g. 2026)"; exit 2; }
	@scripts/mutation --draw $(SEED) --whole-suite --build $(MUTATION_BUILD) --jobs $(JOBS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(MUTATION_BUILD)
	rm -f ixo_*.deb

# The translation files brought up to date with the texts in src/; LANGUAGES=nl adds ixo_nl.ts.
LUPDATE ?= /usr/lib/qt6/bin/lupdate
translations:
	@$(LUPDATE) -silent -no-obsolete -locations none src \
	    -ts $(sort $(wildcard translations/ixo_*.ts) $(foreach l,$(LANGUAGES),translations/ixo_$(l).ts))
