# Ixo: `make run` installs what is missing, builds and starts Ixo; `make test` runs every test.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= 2
CMAKE_ARGS ?=

.PHONY: all deps build run test test-sanitize bench screenshots demo install uninstall deb format clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(if $(CI),-DIXO_WERROR=ON) $(CMAKE_ARGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

run: build
	@scripts/run-ixo $(BUILD)/bin/ixo

# The end-to-end suite's own summary (one line per scenario, then "N passed, M failed") is printed last.
test: build
	@cd $(BUILD) && { ctest --output-on-failure -j$(JOBS) --timeout 300; status=$$?; \
	    if [ -f e2e-summary.txt ]; then echo "End-to-end suite:"; cat e2e-summary.txt; fi; exit $$status; }

test-sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DIXO_SANITIZE=ON $(if $(CI),-DIXO_WERROR=ON) $(CMAKE_ARGS)
	cmake --build $(ASAN_BUILD) -j$(JOBS) --target core_tests
	cd $(ASAN_BUILD) && ctest --output-on-failure -j$(JOBS) -L core --timeout 300
	cmake -S tests/fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo $(if $(CI),-DIXO_WERROR=ON)
	cmake --build $(FUZZ_BUILD) -j$(JOBS)
	cd $(FUZZ_BUILD) && ctest --output-on-failure -L fuzz --timeout 300

bench: build
	cmake --build $(BUILD) -j$(JOBS) --target benchmarks
	@scripts/run-benchmarks $(BUILD)
	@scripts/bench-desktop $(BUILD)

# Ixo on a private display: an alarm set through its windows, screenshots and the sound saved into demo/.
demo: build
	@scripts/demo $(BUILD)

# Per user, without root: ~/.local/share/ixo (program folder), ~/.local/bin/ixo, a desktop entry and an icon.
install: build
	@scripts/install-ixo install $(BUILD)/bin

# The Debian package ixo_VERSION_ARCH.deb, here, from what the build's install rules say (cpack, dpkg-shlibdeps).
deb: build
	@rm -f ixo_*.deb
	cd $(BUILD) && cpack -G DEB
	@ls ixo_*.deb

# Keeps the user's ixo.ini and alarm lists unless PURGE=1.
uninstall:
	@scripts/install-ixo uninstall

screenshots: build
	@scripts/screenshots $(BUILD)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
	rm -f ixo_*.deb
