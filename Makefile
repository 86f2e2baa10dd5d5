# Two commands for everybody: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= 2
# The folder PELINOR_DATA_DIR names when it is set, as for the program itself.
DATA_DIR ?= $(if $(PELINOR_DATA_DIR),$(PELINOR_DATA_DIR),$(BUILD_DIR)/formal)
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

# The data folder is made when it is missing or holds none of its files (empty ones count as
# missing); a folder that holds any of them is never touched: the program says what is wrong with it.
run: build
	@$(BUILD_DIR)/pelinor-cli initdb --if-empty "$(DATA_DIR)"
	PELINOR_DATA_DIR="$(abspath $(DATA_DIR))" $(BUILD_DIR)/pelinor

# Pictures of every page, without a display, on a demonstration data folder of its own.
tour: build
	@$(BUILD_DIR)/pelinor-cli initdb --demo --if-empty "$(TOUR_DATA)"
	PELINOR_DATA_DIR="$(abspath $(TOUR_DATA))" QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/pelinor --tour "$(TOUR_DIR)"

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

bench: configure
	cmake --build $(BUILD_DIR) -j$(JOBS) --target pelinor_bench
	$(BUILD_DIR)/bench/pelinor_bench

clean:
	rm -rf $(BUILD_DIR)
