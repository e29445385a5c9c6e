# make run  : install what is missing, build the three programs and the program folder, start
#             Zeltwar on it (needs a graphical session)
# make test : install what is missing, build the test programs, run every test headless
# make bench : install what is missing, build and run the benchmark programs
# make bench-check : the same, each benchmark run once (BENCH_SHORT): fails on the first that fails
#                   or aborts
# make test SANITIZE=1 : the same tests built with the address and undefined-behaviour
#                        sanitizers, in build-san
# make fuzz : build the libFuzzer targets of the file readers with clang in build-fuzz, make their
#             seed corpora from data/ and run each for FUZZ_TIME seconds, FUZZ_JOBS at a time
# make starter : regenerate the starter set in data/ (cards, name lists, side archives) from
#                tools/starter/navi.txt and aerei.txt through Torvcard's and Torvsetup's own code
# make format-check : every C++ source against .clang-format; make format rewrites them
# make everything : every target: the programs and the program folder, the test and benchmark
#                   programs, the starter generator
# make starter-check : the starter generator run into a scratch folder, its files against data/
# make play : the three programs started under Xvfb and played from outside (tests/play/)
# WERROR=1 (any command) : compiler warnings are errors, as in CI (.ci/run)
# Each command installs the Debian packages it needs and builds only its own targets.
PACKAGES := cmake g++ make pkg-config qt6-base-dev libgl-dev fonts-dejavu-core qt6-translations-l10n
TEST_PACKAGES := libgtest-dev libgmock-dev
BENCH_PACKAGES := libbenchmark-dev
FUZZ_PACKAGES := clang-14 libclang-rt-14-dev python3
PLAY_PACKAGES := xvfb openbox xdotool x11-utils python3
BUILD    := build
JOBS     := $(shell nproc 2>/dev/null || echo 4)
CMAKE_OPTIONS :=
TEST_ENV :=
# Said each time, so that a CI build's setting does not stay in the build folder's cache.
WERROR_OPTION := -DZELTWAR_WERROR=$(if $(filter 1,$(WERROR)),ON,OFF)
ifeq ($(SANITIZE),1)
BUILD    := build-san
CMAKE_OPTIONS := -DZELTWAR_SANITIZE=ON
# Qt and the system libraries are not built with the sanitizers: their leaks at exit are theirs.
TEST_ENV := ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
endif
FUZZ_BUILD   := build-fuzz
FUZZ_TIME    ?= 600
FUZZ_JOBS    ?= 3
FUZZ_TARGETS := fuzz_textfile fuzz_campaign_text fuzz_campaign_records fuzz_cards fuzz_archives

.PHONY: all deps fuzz-deps configure build run test bench bench-check fuzz starter starter-check \
        everything play format format-check clean

all: build

deps fuzz-deps: WANTED = $(if $(filter fuzz-deps,$@),$(FUZZ_PACKAGES),$(PACKAGES))
deps fuzz-deps:
	@missing=""; \
	for p in $(WANTED); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  SUDO=""; [ "$$(id -u)" = 0 ] || SUDO=sudo; \
	  $$SUDO apt-get update && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y --no-install-recommends $$missing; \
	fi

# The packages of a command reach `deps` through its prerequisites.
test: PACKAGES += $(TEST_PACKAGES)
bench bench-check: PACKAGES += $(BENCH_PACKAGES)
everything: PACKAGES += $(TEST_PACKAGES) $(BENCH_PACKAGES)
play: PACKAGES += $(PLAY_PACKAGES)

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(WERROR_OPTION) $(CMAKE_OPTIONS)

everything: configure
	cmake --build $(BUILD) -j $(JOBS) --target programs test_programs benchmarks gen_starter_set

build: configure
	cmake --build $(BUILD) -j $(JOBS) --target programs

run: build
	@[ -n "$$DISPLAY$$WAYLAND_DISPLAY" ] || { \
	  echo "make run: Zeltwar needs a graphical session (neither DISPLAY nor WAYLAND_DISPLAY is set);"; \
	  echo "the programs are built in $(BUILD)/bin"; exit 1; }
	cd $(BUILD)/bin && ./Zeltwar

test: configure
	cmake --build $(BUILD) -j $(JOBS) --target test_programs
	cd $(BUILD) && $(TEST_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Each target runs FUZZ_TIME seconds on its corpus (build-fuzz/corpus/, grown from the seeds);
# a finding leaves its input in build-fuzz/findings/ and the target's log names it.
fuzz: deps fuzz-deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 -DZELTWAR_FUZZ=ON \
	  $(WERROR_OPTION)
	cmake --build $(FUZZ_BUILD) -j 4 --target fuzz_targets
	rm -rf $(FUZZ_BUILD)/seeds && python3 fuzz/make_seeds.py data $(FUZZ_BUILD)/seeds
	mkdir -p $(FUZZ_BUILD)/findings
	printf '%s\n' $(FUZZ_TARGETS) | xargs -P $(FUZZ_JOBS) -I{} sh -c \
	  'mkdir -p $(FUZZ_BUILD)/corpus/{} && \
	   ASAN_OPTIONS=detect_leaks=0 $(FUZZ_BUILD)/fuzz/{} -max_total_time=$(FUZZ_TIME) -rss_limit_mb=2048 \
	     -artifact_prefix=$(FUZZ_BUILD)/findings/{}- $(FUZZ_BUILD)/corpus/{} $(FUZZ_BUILD)/seeds/{} \
	     > $(FUZZ_BUILD)/{}.log 2>&1 && \
	   echo "{}: $$(grep -o "Done [0-9]* runs" $(FUZZ_BUILD)/{}.log), no finding" || \
	   { echo "{}: FINDING, see $(FUZZ_BUILD)/{}.log"; exit 1; }'

bench bench-check: configure
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@found=0; for b in $(BUILD)/bench/bench_*; do \
	  [ -f $$b ] && [ -x $$b ] || continue; found=1; \
	  echo "== $$b"; \
	  $(if $(filter bench-check,$@),BENCH_SHORT=1) QT_QPA_PLATFORM=offscreen $$b || { echo "$@: $$b failed"; exit 1; }; \
	done; \
	[ $$found = 1 ] || { echo "$@: no benchmark program was built"; exit 1; }

starter: configure
	cmake --build $(BUILD) -j $(JOBS) --target gen_starter_set
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/starter/gen_starter_set data tools/starter

# The generator writes into a copy of data/; what it writes must be what data/ ships.
starter-check: configure
	cmake --build $(BUILD) -j $(JOBS) --target gen_starter_set
	rm -rf $(BUILD)/starter-check && cp -r data $(BUILD)/starter-check
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/starter/gen_starter_set $(BUILD)/starter-check tools/starter
	diff -r data $(BUILD)/starter-check && echo "starter-check: the generated starter set is the shipped one"

# The three programs as processes in a copy of the program folder, under a display of their own
# (tests/play/play.py).
PLAY_DIR := $(BUILD)/play
play: build
	rm -rf $(PLAY_DIR) && mkdir -p $(PLAY_DIR)
	python3 tests/play/play.py --programs $(BUILD)/bin --work $(PLAY_DIR)

# Every C++ source of the project against .clang-format (clang-format of Debian 12).
SOURCES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null || find platform common game setup cards tests bench fuzz tools -name '*.cpp' -o -name '*.h')
format-check:
	@command -v clang-format >/dev/null || $(MAKE) --no-print-directory deps PACKAGES=clang-format
	@clang-format --dry-run -Werror $(SOURCES) && echo "format-check: clean"

format:
	@command -v clang-format >/dev/null || $(MAKE) --no-print-directory deps PACKAGES=clang-format
	clang-format -i $(SOURCES)

clean:
	rm -rf build build-san $(FUZZ_BUILD)
