# make run:  install what is missing, build, start the program.
# make test: install what is missing, build, run every test (Linux, then Windows under Wine).

.PHONY: run test build test-linux test-windows bench bench-windows clean

run:
	scripts/install-deps.sh run
	cmake --preset default -DBUILD_TESTING=OFF
	cmake --build --preset default --target varnelo
	./build/app/varnelo

build:
	cmake --preset default -DBUILD_TESTING=ON
	cmake --build --preset default

test:
	scripts/install-deps.sh test
	$(MAKE) test-linux test-windows

# Under a private X server, so end-to-end tests open their windows there and never on a desktop.
test-linux: build
	xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset default

# The Windows half, cross-built and run under Wine in prefixes of its own, kept while healthy.
# The tests that open windows start a private X server each.
test-windows:
	cmake --preset mingw
	cmake --build --preset mingw
	ctest --preset mingw

bench: build
	bench/run.sh

# The Windows program under Wine, timed by the Linux build's start-up meter.
bench-windows:
	scripts/install-deps.sh test
	cmake --preset default -DBUILD_TESTING=ON
	cmake --build --preset default --target startup_bench
	cmake --preset mingw
	cmake --build --preset mingw --target varnelo win32_floor_window
	bench/run.sh --windows

clean:
	rm -rf build build-mingw
