# make run  : install what is missing, build, start Zeltwar on the shipped program folder
# make test : install what is missing, build, run every test headless
# make starter : regenerate the starter set in data/ (cards, name lists, side archives) from
#                tools/starter/navi.txt and aerei.txt through Torvcard's and Torvsetup's own code
PACKAGES := cmake g++ make pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
            libbenchmark-dev fonts-dejavu-core qt6-translations-l10n
BUILD    := build
JOBS     := $(shell nproc 2>/dev/null || echo 4)

.PHONY: all deps build run test bench starter clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  SUDO=""; [ "$$(id -u)" = 0 ] || SUDO=sudo; \
	  $$SUDO apt-get update && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/bin && ./Zeltwar

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@for b in $(BUILD)/bench/bench_*; do \
	  [ -f $$b ] && [ -x $$b ] || continue; \
	  echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b || exit 1; \
	done

starter: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/starter/gen_starter_set data tools/starter

clean:
	rm -rf $(BUILD)
