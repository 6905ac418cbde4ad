# Thin wrapper over CMake. `make demo` and `make test` install what is missing first.
JOBS    ?= 2
BUILD   := build
WIN     := $(BUILD)/win
HOST    := $(BUILD)/host
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

.PHONY: all deps win host asan fuzz-build fuzz demo test bench install deb clean

all: win host

deps:
	@scripts/install-deps.sh

win: deps
	@mkdir -p $(BUILD) && $(CMAKE) -S . -B $(WIN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
	    -DCMAKE_BUILD_TYPE=MinSizeRel > $(BUILD)/win-configure.log || { cat $(BUILD)/win-configure.log; exit 1; }
	@$(CMAKE) --build $(WIN) -j$(JOBS)

host: deps win
	@mkdir -p $(BUILD) && $(CMAKE) -S . -B $(HOST) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DTESSARK_WIN_BUILD_DIR=$(CURDIR)/$(WIN) > $(BUILD)/host-configure.log || { cat $(BUILD)/host-configure.log; exit 1; }
	@$(CMAKE) --build $(HOST) -j$(JOBS)

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

test: win host asan fuzz-build
	@FUZZ_RUNS=$(FUZZ_RUNS) scripts/run-tests.sh $(HOST) $(ASAN) $(FUZZ)

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
