# Front door of the build: `make test` and `make demo` (see README.md).
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps configure build test demo package clean

all: build

deps:
	@sh tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && ctest -j $(JOBS) --output-on-failure

demo: build
	@sh tools/demo.sh $(BUILD)

# The Debian package, $(BUILD)/zorveka_VERSION_ARCH.deb (README.md, "Installing the package").
package: build
	@cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
