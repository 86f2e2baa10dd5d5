# Two commands for everybody: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= 2
DATA_DIR ?= $(BUILD_DIR)/formal
TOUR_DIR ?= /tmp/pelinor-tour
TOUR_DATA ?= $(BUILD_DIR)/tour-data

.PHONY: all bootstrap configure build run test bench tour clean

all: build

bootstrap:
	@bash scripts/bootstrap.sh

$(BUILD_DIR)/build.ninja: CMakeLists.txt | bootstrap
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: bootstrap $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

# The data folder is made once, on the first run; an existing folder is never touched.
run: build
	@if [ ! -d "$(DATA_DIR)" ]; then $(BUILD_DIR)/pelinor-cli initdb "$(DATA_DIR)"; fi
	$(BUILD_DIR)/pelinor

# Pictures of every page, without a display, on a demonstration data folder of its own.
tour: build
	@if [ ! -d "$(TOUR_DATA)" ]; then $(BUILD_DIR)/pelinor-cli initdb --demo "$(TOUR_DATA)"; fi
	PELINOR_DATA_DIR="$(abspath $(TOUR_DATA))" QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/pelinor --tour "$(TOUR_DIR)"

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

bench: configure
	cmake --build $(BUILD_DIR) -j$(JOBS) --target pelinor_bench
	$(BUILD_DIR)/bench/pelinor_bench

clean:
	rm -rf $(BUILD_DIR)
