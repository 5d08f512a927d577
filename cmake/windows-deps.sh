#!/usr/bin/env bash
# Cross-builds for MinGW-w64 the libraries that Debian packages for Linux only
# (pugixml, libzip, giflib), from Debian's own source packages, as static
# libraries into BUILD_DIR/deps/prefix, where cmake/mingw-w64.cmake points the
# Windows build:
#
#   cmake/windows-deps.sh BUILD_DIR
#
# The sources come from `apt-get source` run against an apt state of our own
# under BUILD_DIR/deps/apt: a sources list with deb-src entries made from the
# machine's Debian mirrors, its own lists, cache and (empty) status file. The
# machine's apt configuration is only read, never changed, so neither root nor
# sudo is needed.
#
# Each library leaves a stamp (its source version and a hash of how it was
# built) once it is installed whole; with every stamp in place and current the
# script does nothing. A failed step leaves no stamp, so the next run retries.
# Remove BUILD_DIR/deps to start again from fresh sources.
#
# Needs dpkg-dev (dpkg-source), cmake, make, g++-mingw-w64-x86-64-posix and
# libz-mingw-w64-dev (zlib for MinGW-w64, linked into libzip).
# LORIVEX_JOBS (default 2) sets the parallel compile jobs.
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
# Folders resolved without subshells: a run with nothing to do should cost
# next to nothing.
unset CDPATH
caller=$PWD
script=${BASH_SOURCE[0]}
[[ $script == */* ]] || script=./$script
cd "${script%/*}/.."
here=$PWD
cd "$caller"
[ -d "$1" ] || mkdir -p "$1"
cd "$1"
build_dir=$PWD
cd "$caller"
deps=$build_dir/deps
prefix=$deps/prefix
jobs=${LORIVEX_JOBS:-2}
toolchain=$here/cmake/mingw-w64.cmake
triplet=x86_64-w64-mingw32
cc=$triplet-gcc-posix
mingw_root=/usr/$triplet
libraries=(pugixml giflib libzip)

say() { echo "windows-deps: $*"; }

# The files by which an installed library is known; a stamp whose files have
# gone (a half-cleaned prefix) does not count.
declare -A installed_files=(
    [pugixml]="include/pugixml.hpp lib/libpugixml.a lib/cmake/pugixml/pugixml-config.cmake"
    [giflib]="include/gif_lib.h lib/libgif.a"
    [libzip]="include/zip.h lib/libzip.a lib/pkgconfig/libzip.pc"
)

# How a library is built, as a hash: a change to its build steps, to the
# shared cross-build settings or to the compiler builds it again.
recipe() {
    local hash
    hash=$({ declare -f "build_$1" cross_cmake static_pkg_config; echo "$compiler_version"; } | sha1sum)
    echo "${hash:0:16}"
}

stamp_current() { # LIBRARY
    local stamp=$deps/stamps/$1.stamp line wanted f
    [ -f "$stamp" ] || return 1
    wanted="recipe=$(recipe "$1")"
    while IFS= read -r line; do
        [ "$line" = "$wanted" ] && break
    done <"$stamp"
    [ "$line" = "$wanted" ] || return 1
    for f in ${installed_files[$1]}; do
        [ -f "$prefix/$f" ] || return 1
    done
}

all_current() {
    local lib
    for lib in "${libraries[@]}"; do
        stamp_current "$lib" || return 1
    done
}

# A step runs with its output in a log; on failure the log's tail is shown
# and the script stops, leaving no stamp behind.
# The command runs in a subshell of its own with errexit on, so that any
# failing command inside a function fails the step.
current_log=
step() { # DESCRIPTION COMMAND...
    local what=$1 status
    shift
    set +e
    (
        set -e
        "$@"
    ) >>"$current_log" 2>&1
    status=$?
    set -e
    if [ $status -ne 0 ]; then
        say "FAILED: $what (log: $current_log)"
        echo "---- last lines of $current_log ----" >&2
        tail -n 40 "$current_log" >&2
        echo "----" >&2
        exit 1
    fi
}

# ---------------------------------------------------------------------------
# The private apt state.

apt_dir=$deps/apt

# Keeps one-line entries ("deb [options] URI SUITE COMPONENT...") that name a
# Debian mirror, as deb-src lines.
source_lines_from_list() {
    awk '
        /^[ \t]*deb[ \t]/ {
            line = $0
            sub(/^[ \t]*deb[ \t]+/, "", line)
            options = ""
            if (substr(line, 1, 1) == "[") {
                end = index(line, "]")
                if (end == 0) next
                options = substr(line, 1, end)
                line = substr(line, end + 1)
            }
            n = split(line, word, /[ \t]+/)
            first = (word[1] == "") ? 2 : 1
            uri = word[first]
            if (uri ~ /^cdrom:/) next
            if (!debian(uri, options)) next
            rest = ""
            for (i = first + 1; i <= n; i++) if (word[i] != "") rest = rest " " word[i]
            print "deb-src" (options == "" ? "" : " " options) " " uri rest
        }
        function debian(uri, options,   path) {
            if (options ~ /debian-archive-keyring/) return 1
            path = uri
            sub(/^[a-z+]+:\/\/[^\/]*/, "", path)
            host = uri
            sub(/^[a-z+]+:\/\//, "", host)
            sub(/[\/:].*$/, "", host)
            if (host ~ /(^|\.)debian\.org$/) return 1
            sub(/\/+$/, "", path)
            return path ~ /\/debian(-security|-ports)?$/
        }' "$@"
}

# Keeps deb822 stanzas of type deb that name a Debian mirror, as deb-src
# stanzas; every other field (Signed-By with an inline key included) is copied
# as it stands.
source_stanzas_from_deb822() {
    awk '
        function flush(   i, host, path, keep) {
            if (count == 0) return
            keep = types ~ /(^|[ \t])deb([ \t]|$)/ && enabled !~ /^[ \t]*[Nn]o/
            if (keep) {
                keep = (signed ~ /debian-archive-keyring/)
                split(uris, u, /[ \t]+/)
                for (i in u) {
                    if (u[i] == "") continue
                    host = u[i]; sub(/^[a-z+]+:\/\//, "", host); sub(/[\/:].*$/, "", host)
                    path = u[i]; sub(/^[a-z+]+:\/\/[^\/]*/, "", path); sub(/\/+$/, "", path)
                    if (host ~ /(^|\.)debian\.org$/ || path ~ /\/debian(-security|-ports)?$/) keep = 1
                }
            }
            if (keep) {
                for (i = 1; i <= count; i++) print (i == typesline ? "Types: deb-src" : line[i])
                print ""
            }
            count = 0; types = ""; uris = ""; signed = ""; enabled = ""; typesline = 0; field = ""
        }
        /^#/ { next }
        /^[ \t]*$/ { flush(); next }
        {
            line[++count] = $0
            if ($0 ~ /^[ \t]/) {
                if (field == "uris") uris = uris " " $0
                next
            }
            field = tolower($0); sub(/:.*/, "", field)
            value = $0; sub(/^[^:]*:[ \t]*/, "", value)
            if (field == "types") { types = value; typesline = count }
            else if (field == "uris") uris = value
            else if (field == "signed-by") signed = value
            else if (field == "enabled") enabled = value
        }
        END { flush() }' "$@"
}

setup_apt() {
    rm -rf "$apt_dir/sources.list.d"
    mkdir -p "$apt_dir/sources.list.d" "$apt_dir/state/lists/partial" \
        "$apt_dir/cache/archives/partial"
    : >"$apt_dir/state/status"
    local lists=() stanzas=() f
    [ -f /etc/apt/sources.list ] && lists+=(/etc/apt/sources.list)
    for f in /etc/apt/sources.list.d/*.list; do [ -f "$f" ] && lists+=("$f"); done
    for f in /etc/apt/sources.list.d/*.sources; do [ -f "$f" ] && stanzas+=("$f"); done
    : >"$apt_dir/sources.list"
    [ ${#lists[@]} -eq 0 ] || source_lines_from_list "${lists[@]}" | sort -u >"$apt_dir/sources.list"
    [ ${#stanzas[@]} -eq 0 ] || source_stanzas_from_deb822 "${stanzas[@]}" \
        >"$apt_dir/sources.list.d/debian.sources"
    if [ ! -s "$apt_dir/sources.list" ] && [ ! -s "$apt_dir/sources.list.d/debian.sources" ]; then
        echo "no Debian mirror found in /etc/apt/sources.list or /etc/apt/sources.list.d"
        return 1
    fi
    # Read after the machine's configuration (apt-get -c), so it has the last
    # word: the hooks the machine runs around its own "apt-get update" are
    # about its own state, not this one.
    cat >"$apt_dir/apt.conf" <<EOF
#clear APT::Update::Pre-Invoke;
#clear APT::Update::Post-Invoke;
#clear APT::Update::Post-Invoke-Success;
Dir::Etc::SourceList "$apt_dir/sources.list";
Dir::Etc::SourceParts "$apt_dir/sources.list.d";
Dir::Etc::Preferences "$apt_dir/preferences";
Dir::Etc::PreferencesParts "$apt_dir/preferences.d";
Dir::State "$apt_dir/state";
Dir::State::status "$apt_dir/state/status";
Dir::Cache "$apt_dir/cache";
Dir::Cache::pkgcache "pkgcache.bin";
Dir::Cache::srcpkgcache "srcpkgcache.bin";
Acquire::Languages "none";
EOF
}

apt_private() {
    apt-get -c "$apt_dir/apt.conf" -q "$@"
}

in_dir() { # DIR COMMAND...
    cd "$1"
    shift
    "$@"
}

apt_ready=
prepare_sources() {
    [ -z "$apt_ready" ] || return 0
    current_log=$deps/logs/apt.log
    : >"$current_log"
    say "reading the Debian source index (private apt state in $apt_dir)"
    step "making the private apt state" setup_apt
    # A mirror taken for Debian's that has no source indexes (a third-party
    # repository under a .../debian path) fails the update without harming
    # the others; apt-get source says so if what it needs is missing.
    if ! (apt_private update) >>"$current_log" 2>&1; then
        say "apt-get update reported errors (see $current_log); going on with the indexes it fetched"
    fi
    apt_ready=1
}

# Downloads and unpacks a source package into deps/src/NAME and names its
# folder and version.
source_dir=
source_version=
fetch() { # SOURCE_PACKAGE
    local where=$deps/src/$1
    rm -rf "$where"
    mkdir -p "$where"
    step "apt-get source $1" in_dir "$where" apt_private source "$1"
    local dsc
    dsc=$(ls "$where"/*.dsc)
    source_version=$(sed -n 's/^Version: *//p' "$dsc" | head -n1)
    source_dir=$(find "$where" -mindepth 1 -maxdepth 1 -type d | head -n1)
    if [ -z "$source_dir" ] || [ -z "$source_version" ]; then
        echo "apt-get source $1 left no unpacked source tree or no version" >>"$current_log"
        step "unpacking $1" false
    fi
}

# ---------------------------------------------------------------------------
# The libraries.

cross_cmake() { # SOURCE BUILD [CMAKE ARGUMENTS...]
    local src=$1 bld=$2
    shift 2
    rm -rf "$bld"
    step "configuring" cmake -S "$src" -B "$bld" -G "Unix Makefiles" \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DLORIVEX_WINDOWS_DEPS="$prefix" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DCMAKE_INSTALL_LIBDIR=lib -DCMAKE_INSTALL_INCLUDEDIR=include \
        -DBUILD_SHARED_LIBS=OFF --no-warn-unused-cli "$@"
    step "compiling" cmake --build "$bld" -j"$jobs"
    step "installing" cmake --install "$bld"
}

build_pugixml() {
    cross_cmake "$source_dir" "$deps/build/pugixml" -DPUGIXML_BUILD_TESTS=OFF
}

# giflib's Makefile knows which sources make the library; its shared library
# and utilities are Unix-only, so only the static archive is made.
build_giflib() {
    local bld=$deps/build/giflib
    rm -rf "$bld"
    cp -a "$source_dir" "$bld"
    step "compiling" make -C "$bld" -j"$jobs" CC="$cc" AR="$triplet-ar" \
        CFLAGS="-std=gnu99 -Wall -O2" libgif.a
    step "installing" install -D -m 644 "$bld/gif_lib.h" "$prefix/include/gif_lib.h"
    step "installing" install -D -m 644 "$bld/libgif.a" "$prefix/lib/libgif.a"
}

# Only deflate (zlib) is wanted: the optional compressors, the encryption
# backends, the tools, tests and manuals stay out.
build_libzip() {
    cross_cmake "$source_dir" "$deps/build/libzip" \
        -DZLIB_INCLUDE_DIR="$mingw_root/include" -DZLIB_LIBRARY="$mingw_root/lib/libz.a" \
        -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF \
        -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF \
        -DENABLE_OPENSSL=OFF -DENABLE_WINDOWS_CRYPTO=OFF \
        -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF
    step "adjusting libzip.pc" static_pkg_config "$prefix/lib/pkgconfig/libzip.pc"
}

# The prefix holds static libraries only, so whatever a shared libzip would
# have kept to itself (Libs.private, Requires.private) every program must
# link. zip.h declares its functions dllimport unless ZIP_STATIC is set; a
# static build's zipconf.h sets it, older ones leave it to the compiler flags.
static_pkg_config() { # PC_FILE
    local pc=$1 private requires
    private=$(sed -n 's/^Libs\.private:[ \t]*//p' "$pc")
    requires=$(sed -n 's/^Requires\.private:[ \t]*//p' "$pc")
    sed -i -e '/^Libs\.private:/d' -e '/^Requires\.private:/d' \
        -e "s|^Libs:.*|& $private|" "$pc"
    if [ -n "$requires" ]; then
        if grep -q '^Requires:' "$pc"; then
            sed -i "s|^Requires:.*|&, $requires|" "$pc"
        else
            echo "Requires: $requires" >>"$pc"
        fi
    fi
    if ! grep -q '^#define ZIP_STATIC' "$prefix/include/zipconf.h"; then
        grep -q '^Cflags:.*-DZIP_STATIC' "$pc" || sed -i 's|^Cflags:.*|& -DZIP_STATIC|' "$pc"
    fi
}

# ---------------------------------------------------------------------------

if ! command -v "$cc" >/dev/null; then
    say "$cc is missing (Debian: g++-mingw-w64-x86-64-posix)" >&2
    exit 1
fi
compiler_version=$("$cc" -dumpfullversion)

# Nothing to do: the common case, kept free of apt and of the lock. (Only
# here, below every function the recipes hash.)
if all_current; then
    exit 0
fi

mkdir -p "$deps/stamps" "$deps/logs"
# Two builds of the same folder at once would overwrite each other's files.
exec 9>"$deps/.lock"
if ! flock -n 9; then
    say "waiting for another run on $deps"
    flock 9
fi
all_current && exit 0

missing=()
command -v dpkg-source >/dev/null || missing+=(dpkg-dev)
command -v apt-get >/dev/null || missing+=(apt)
command -v cmake >/dev/null || missing+=(cmake)
command -v make >/dev/null || missing+=(make)
command -v "$triplet-g++-posix" >/dev/null || missing+=(g++-mingw-w64-x86-64-posix)
[ -f "$mingw_root/lib/libz.a" ] && [ -f "$mingw_root/include/zlib.h" ] || missing+=(libz-mingw-w64-dev)
if [ ${#missing[@]} -gt 0 ]; then
    say "missing Debian packages: ${missing[*]}" >&2
    exit 1
fi

for lib in "${libraries[@]}"; do
    stamp_current "$lib" && continue
    rm -f "$deps/stamps/$lib.stamp"
    started=$SECONDS
    prepare_sources
    current_log=$deps/logs/$lib.log
    : >"$current_log"
    say "$lib: fetching the Debian source package"
    fetch "$lib"
    say "$lib $source_version: building (log: $current_log)"
    "build_$lib"
    printf 'source=%s\nversion=%s\nrecipe=%s\n' "$lib" "$source_version" "$(recipe "$lib")" \
        >"$deps/stamps/$lib.stamp"
    say "$lib $source_version: installed in $prefix ($((SECONDS - started)) s)"
done
