# The two set-up commands: `make run` builds and starts Brellum, `make test` builds and runs
# every test. Both install what they need first.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
# Warnings are errors in CI.
WERROR ?= $(if $(CI),ON,OFF)
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
	  -DCMAKE_COMPILE_WARNING_AS_ERROR=$(WERROR) > $(BUILD_DIR).configure.log 2>&1 \
	  || (cat $(BUILD_DIR).configure.log; exit 1)

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@$(BUILD_DIR)/bin/brellum

test: build
	@bash scripts/run-tests $(BUILD_DIR)

bench: build
	@bash scripts/run-bench $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) $(BUILD_DIR)-sanitize $(BUILD_DIR)-fuzz $(BUILD_DIR)*.configure.log
