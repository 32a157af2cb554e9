# make run   - set up what is missing, build, start Ovanta.exe under Wine
# make test  - set up what is missing, build every preset, run every test
# make build - build every preset;  make deps - install the Debian packages;  make clean
# make guide - the user guide build/guide/Ovanta.pdf, typeset from runs of the 64-bit program
# make package - the zips build/win64/Ovanta-<version>-win64.zip, build/win32/...-win32.zip and
#                the MSI packages build/win64/Ovanta-<version>-x64.msi, build/win32/...-x86.msi
# make bench - print the figures: start-up, size, cost, the command line's batch and accuracy
#              (kept in build/bench.txt)
# scripts/figures.py writes the package sizes, exe sizes and start-up times of the last runs
# into README.md
# make fuzz  - run each libFuzzer program for FUZZ_SECONDS and merge what it found into the corpus
.PHONY: all deps build guide run test package fuzz bench clean

FUZZ_SECONDS ?= 600
FUZZ_TARGETS := number solver tools_rel

VERSION := $(shell sed -n 's/^project.* VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
JOBS ?= $(shell nproc)
export CMAKE_BUILD_PARALLEL_LEVEL := $(JOBS)

all: build

deps:
	@scripts/bootstrap.sh

build: deps
	cmake --preset native >/dev/null && cmake --build --preset native
	cmake --preset native-asan >/dev/null && cmake --build --preset native-asan
	cmake --preset win64 >/dev/null && cmake --build --preset win64
	cmake --preset win32 >/dev/null && cmake --build --preset win32
	cmake --preset fuzz >/dev/null && cmake --build --preset fuzz

guide: deps
	cmake --preset win64 >/dev/null && cmake --build --preset guide

run: guide
	@scripts/run.sh build/win64 build/guide/Ovanta.pdf

test: build guide
	cmake --build --preset win64 --target package
	@scripts/check_exe.sh build/win64/Ovanta.exe build/win64/ovanta-solve.exe \
	  build/win32/Ovanta.exe build/win32/ovanta-solve.exe
	@scripts/check_msi.sh $(VERSION) build/win64/Ovanta-$(VERSION)-x64.msi
	@scripts/fuzz.sh 15 $(FUZZ_TARGETS)
	ctest --preset native
	ctest --preset native-asan
	ctest --preset win64
	@scripts/wine/artifacts_png.sh build/win64/artifacts

package: build guide
	cmake --build --preset win64 --target package
	cmake --build --preset win32 --target package
	@scripts/check_msi.sh $(VERSION) build/win64/Ovanta-$(VERSION)-x64.msi build/win32/Ovanta-$(VERSION)-x86.msi
	@scripts/check_exe.sh build/win64/Ovanta.exe build/win64/ovanta-solve.exe \
	  build/win32/Ovanta.exe build/win32/ovanta-solve.exe
	@cat build/win64/package-sizes.txt build/win32/package-sizes.txt

bench: build
	cmake --build --preset native --target bench_accuracy bench_speed bench_air ovanta-solve
	@scripts/bench.sh

fuzz: build
	@MERGE=1 scripts/fuzz.sh $(FUZZ_SECONDS) $(FUZZ_TARGETS)

clean:
	rm -rf build
