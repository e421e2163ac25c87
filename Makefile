# The two commands of the README: `make run` and `make test`.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

QUILLET := $(BUILD)/Quillet.app/Contents/MacOS/Quillet

.PHONY: all setup configure build run test bench fuzz screenshots translations format clean

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
	@cmake --build $(BUILD) -j $(JOBS) --target benchmarks Quillet dry-run-timer
	scripts/run-benchmarks.sh $(BUILD)
	dbus-run-session -- bench/startup.sh $(BUILD)
	bench/idle-wakeups.sh $(BUILD)

# Runs the command-language fuzzer for FUZZ_SECONDS. New inputs go to $(FUZZ_BUILD)/corpus, the
# committed seeds in fuzz/corpus stay as they are; a crash is written to $(FUZZ_BUILD)/.
fuzz:
	@scripts/setup.sh fuzz
	@cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DQUILLET_FUZZ=ON -DQUILLET_BUILD_TESTS=OFF -DQUILLET_BUILD_BENCHMARKS=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target AppleScriptFuzzer
	@mkdir -p $(FUZZ_BUILD)/corpus
	$(FUZZ_BUILD)/fuzz/AppleScriptFuzzer -max_total_time=$(FUZZ_SECONDS) -dict=fuzz/AppleScript.dict \
	  -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/corpus fuzz/corpus

# The README's pictures of the timer windows, taken offscreen with the real widgets.
screenshots: configure
	@cmake --build $(BUILD) -j $(JOBS) --target quillet-screenshots
	$(BUILD)/tools/quillet-screenshots docs/screenshots

# The catalogue of user-visible texts, for translators (Qt Linguist); each text carries its context.
translations: setup
	/usr/lib/qt6/bin/lupdate -silent -locations none -source-language en src -ts resources/translations/quillet.ts

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
