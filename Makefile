BUILD ?= build
JOBS ?= $(shell nproc)
EXAMPLE ?= examples/expression-demo.txt

.PHONY: run test build deps clean fuzz screenshots check-sanitizers manual-methods

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

run: build
	@scripts/run-demo.sh $(BUILD)

fuzz: deps
	@JOBS=$(JOBS) scripts/fuzz.sh

check-sanitizers: deps
	@JOBS=$(JOBS) scripts/check-sanitizers.sh

screenshots: deps
	@JOBS=$(JOBS) scripts/screenshots.sh $(BUILD)

# The user guide's page of method names, made again from the method tables.
manual-methods:
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) --target manual-methods

clean:
	rm -rf $(BUILD) build-asan build-tsan build-fuzz
