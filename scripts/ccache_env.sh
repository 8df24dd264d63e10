# Sourced by the build scripts: the compiler cache settings every build of
# this checkout shares, so that a second CI run on the same machine compiles
# only what changed, whatever folder the checkout or the build lives in.
#   base_dir   paths under the checkout are hashed relative to it, so a fresh
#              clone elsewhere hits the objects of the last one
#   hash_dir   off: the build folder does not enter the hash either (the
#              test, release and fuzz builds differ by flags, which ccache
#              does hash, so their objects stay apart)
#   sloppiness the time macros and the order of -include files do not matter
#              here; locale differences in compiler messages neither
_ccache_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export CCACHE_BASEDIR="$_ccache_root"
export CCACHE_NOHASHDIR=true
export CCACHE_SLOPPINESS=time_macros,include_file_mtime,include_file_ctime,locale
export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-20G}
unset _ccache_root
