# The set-up commands: `make run` (the simulator with its demo device), `make test`, and
# `make serve` (the demo device live in a browser).
# Both install what is missing, configure and build first.
BUILD ?= build
CMAKE_ARGS ?=
JOBS ?= 2

.PHONY: all deps configure build test run serve format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_ARGS) > $(BUILD).configure.log 2>&1 || (cat $(BUILD).configure.log; exit 1)

build: configure
	@cmake --build $(BUILD) -j$(JOBS) -- --no-print-directory

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

run: build
	@$(BUILD)/sim/lumora-sim

# The demo device live in a browser: http://127.0.0.1:8080/ (PORT=... for another port).
PORT ?= 8080
serve: build
	@$(BUILD)/sim/lumora-sim --serve $(PORT)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
