# The two commands of the README: `make run` and `make test`.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

QUILLET := $(BUILD)/Quillet.app/Contents/MacOS/Quillet

.PHONY: all setup configure build run test bench fuzz format clean

all: build

setup:
	@scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(QUILLET)

# Tests run on a private bus that also stands in for the system bus, so no test can reach the real logind.
test: build
	QT_QPA_PLATFORM=offscreen dbus-run-session -- sh -c \
	  'DBUS_SYSTEM_BUS_ADDRESS="$$DBUS_SESSION_BUS_ADDRESS" ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)'

bench: configure
	@cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	scripts/run-benchmarks.sh $(BUILD)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
