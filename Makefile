# Thin wrapper over CMake. `make demo` and `make test` install what is missing first.
JOBS    ?= 2
BUILD   := build
WIN     := $(BUILD)/win
HOST    := $(BUILD)/host
# The portable code and its unit tests alone: a host compiler, CMake, GoogleTest and the
# libraries zlib and toml11, without MinGW or Wine.
UNIT    := $(BUILD)/unit
# The 64-bit build of the Windows programs and a host build whose Wine tests run it, for
# machines that cannot run 32-bit programs.
WIN64   := $(BUILD)/win64
HOST64  := $(BUILD)/host64
ASAN    := $(BUILD)/asan
FUZZ    := $(BUILD)/fuzz
BENCH   := $(BUILD)/bench
CMAKE   := cmake
# make fuzz runs each fuzz target this long; make test runs each for this many inputs.
FUZZ_SECONDS ?= 60
FUZZ_RUNS    ?= 6000

# make bench passes these to the harness, such as BENCH_ARGS="--runs 5 --no-wine".
BENCH_ARGS ?=

# make install puts the tessark command below $(DESTDIR)$(PREFIX); make deb writes the Debian
# package into $(DEB).
PREFIX  ?= /usr/local
DESTDIR ?=
DEB     := $(BUILD)/deb

.PHONY: all deps unit format-check win host win64 host64 asan fuzz-build fuzz demo test bench install deb clean

all: win host

deps:
	@scripts/install-deps.sh

unit:
	@mkdir -p $(BUILD) && $(CMAKE) -S . -B $(UNIT) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    > $(BUILD)/unit-configure.log || { cat $(BUILD)/unit-configure.log; exit 1; }
	@$(CMAKE) --build $(UNIT) -j$(JOBS)
	@ctest --test-dir $(UNIT) -L unit -j$(JOBS) --output-on-failure

format-check:
	@scripts/format-check.sh .

win: deps
	@mkdir -p $(BUILD) && $(CMAKE) -S . -B $(WIN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
	    -DCMAKE_BUILD_TYPE=MinSizeRel > $(BUILD)/win-configure.log || { cat $(BUILD)/win-configure.log; exit 1; }
	@$(CMAKE) --build $(WIN) -j$(JOBS)

host: deps win
	@mkdir -p $(BUILD) && $(CMAKE) -S . -B $(HOST) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DTESSARK_WIN_BUILD_DIR=$(CURDIR)/$(WIN) > $(BUILD)/host-configure.log || { cat $(BUILD)/host-configure.log; exit 1; }
	@$(CMAKE) --build $(HOST) -j$(JOBS)

win64: deps
	@mkdir -p $(BUILD) && $(CMAKE) -S . -B $(WIN64) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
	    -DCMAKE_BUILD_TYPE=MinSizeRel > $(BUILD)/win64-configure.log || { cat $(BUILD)/win64-configure.log; exit 1; }
	@$(CMAKE) --build $(WIN64) -j$(JOBS)

host64: deps win64
	@mkdir -p $(BUILD) && $(CMAKE) -S . -B $(HOST64) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DTESSARK_WIN_BUILD_DIR=$(CURDIR)/$(WIN64) -DTESSARK_WINE_ARCH=win64 -DTESSARK_UNIT_TESTS=OFF \
	    > $(BUILD)/host64-configure.log || { cat $(BUILD)/host64-configure.log; exit 1; }
	@$(CMAKE) --build $(HOST64) -j$(JOBS)

asan: deps
	@mkdir -p $(BUILD) && $(CMAKE) -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DTESSARK_SANITIZE=ON \
	    > $(BUILD)/asan-configure.log || { cat $(BUILD)/asan-configure.log; exit 1; }
	@$(CMAKE) --build $(ASAN) -j$(JOBS)

fuzz-build: deps
	@mkdir -p $(BUILD) && $(CMAKE) -S fuzz -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    > $(BUILD)/fuzz-configure.log || { cat $(BUILD)/fuzz-configure.log; exit 1; }
	@$(CMAKE) --build $(FUZZ) -j$(JOBS)

fuzz: fuzz-build
	@fuzz/run.sh $(FUZZ) --seconds $(FUZZ_SECONDS)

demo: win host
	@scripts/demo.sh $(HOST) $(WIN)

# Where the machine cannot run 32-bit programs, the Wine tests run the 64-bit build instead.
test: win host asan fuzz-build
	@if scripts/runs-32-bit-programs.sh; then \
	  FUZZ_RUNS=$(FUZZ_RUNS) scripts/run-tests.sh $(HOST) $(ASAN) $(FUZZ); \
	else \
	  echo "This machine cannot run 32-bit programs: the Wine tests run the 64-bit build."; \
	  $(MAKE) --no-print-directory host64 && \
	  FUZZ_RUNS=$(FUZZ_RUNS) WINE_TEST_BUILD=$(HOST64) scripts/run-tests.sh $(HOST) $(ASAN) $(FUZZ); \
	fi

# The benchmark table (build/bench/results.md); not part of make test.
bench: win host
	@mkdir -p $(BUILD) && $(CMAKE) -S bench -B $(BUILD)/bench-tools -DCMAKE_BUILD_TYPE=Release \
	    > $(BUILD)/bench-configure.log || { cat $(BUILD)/bench-configure.log; exit 1; }
	@$(CMAKE) --build $(BUILD)/bench-tools -j$(JOBS)
	@$(BUILD)/bench-tools/tessark-bench --host $(HOST) --win $(WIN) --out $(BENCH) \
	    --repo $(CURDIR) $(BENCH_ARGS)

install: host
	@scripts/install.sh $(HOST)/cli/tessark "$(DESTDIR)$(PREFIX)"

deb: host
	@scripts/make-deb.sh $(HOST)/cli/tessark $(DEB)

clean:
	rm -rf $(BUILD)
