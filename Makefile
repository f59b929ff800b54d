# make run:  install what is missing, build, start the program.
# make check: build the Linux tree and run its quick tests (unit, form and Qt); installs nothing,
#            starts no Wine, no end-to-end run and no package: seconds after the first build.
# make test: install what is missing, check the formatting, build, run every test (Linux, then
#            Windows under Wine, then Linux again under the sanitizers). CI runs this one.
# make deb:  build the Debian package, build-run/varnelo_<version>-1_amd64.deb.
#            The packages and the Windows program are the same for the same commit, wherever
#            and whenever they are built: times recorded are the last commit's, unless
#            SOURCE_DATE_EPOCH gives another.
# make win-installer: build the Windows installer, build-mingw/Varnelo-<version>-win64.exe;
#            FFMPEG_EXE=path/to/ffmpeg.exe puts that converter in it, and FFMPEG_SOURCE=URL
#            says where its complete corresponding source is.
# make property: the conversion script's safety tried on CASES generated names (100000 unless
#            given) through the real /bin/sh, from SEED when given, else from a fresh one;
#            property-windows does the same through cmd.exe under Wine (3000 names unless given).

.PHONY: run deb win-installer check test build format-check test-linux test-windows test-asan bench bench-windows property property-windows clean

# The program alone, in build-run/: the tests' build in build/ stays as it is.
run:
	scripts/install-deps.sh run
	cmake --preset run
	cmake --build --preset run --target varnelo
	./build-run/app/qt/varnelo

deb:
	scripts/install-deps.sh deb
	cmake --preset run
	cmake --build --preset run
	cpack --preset deb

# The converter is given anew each time: without FFMPEG_EXE the installer carries none.
win-installer:
	$(if $(and $(FFMPEG_EXE),$(if $(FFMPEG_SOURCE),,missing)),$(error FFMPEG_SOURCE=URL must \
		say where the complete corresponding source of $(FFMPEG_EXE) is))
	scripts/install-deps.sh win
	cmake --preset mingw -D VARNELO_FFMPEG_EXE="$(FFMPEG_EXE)" -D VARNELO_FFMPEG_SOURCE="$(FFMPEG_SOURCE)"
	cmake --build --preset mingw --target varnelo
	cpack --preset win-installer

build:
	cmake --preset default
	cmake --build --preset default

# Only the programs the quick tests run are built, in a tree of their own: no benchmark,
# end-to-end driver or package.
check:
	cmake --preset check
	cmake --build --preset check --target quick_tests --parallel $(shell nproc)
	ctest --preset check --parallel $(shell nproc)

test:
	scripts/install-deps.sh test
	$(MAKE) format-check test-linux test-windows test-asan

# Every tracked C++ file as clang-format writes it with the project's .clang-format.
format-check:
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

# Under a private X server, so end-to-end tests open their windows there and never on a desktop.
test-linux: build
	xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset default

# The Windows half, cross-built and run under Wine in prefixes of its own, kept while healthy.
# The tests that open windows start a private X server each.
test-windows:
	cmake --preset mingw
	cmake --build --preset mingw
	ctest --preset mingw

# The Linux tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer; any report
# fails the test that caused it.
test-asan:
	cmake --preset asan
	cmake --build --preset asan
	xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset asan

property:
	cmake --preset default
	cmake --build --preset default --target job_property
	VARNELO_PROPERTY_CASES=$(or $(CASES),100000) VARNELO_PROPERTY_SEED=$(or $(SEED),random) \
		build/tests/job/job_property

property-windows: export WINEPREFIX = $(CURDIR)/build-mingw/wineprefix
property-windows:
	cmake --preset mingw
	cmake --build --preset mingw --target job_property
	VARNELO_PROPERTY_CASES=$(or $(CASES),3000) VARNELO_PROPERTY_SEED=$(or $(SEED),random) \
		scripts/wine-run.sh build-mingw/tests/job/job_property.exe; \
		status=$$?; scripts/wine-prefix.sh stop; exit $$status

bench: build
	bench/run.sh

# The Windows program under Wine against its floor windows, timed by the Linux build's start-up
# meter.
bench-windows:
	scripts/install-deps.sh test
	cmake --preset default
	cmake --build --preset default --target startup_bench
	cmake --preset mingw
	cmake --build --preset mingw --target varnelo win32_varnelo_marked win32_floor_window \
		win32_icon_floor win32_controls_floor
	bench/run.sh --windows

clean:
	rm -rf build build-check build-run build-mingw build-asan
