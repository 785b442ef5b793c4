#!/usr/bin/env bash
# Builds a release of the commit checked out into dist/: vortalin_VERSION_amd64.deb,
# vortalin-VERSION-win32.zip (the 32-bit program), vortalin-VERSION.html and SHA256SUMS.
# Everything is built twice, from two clones in different paths, the second made once the
# first is built, with the shipped targets only and no tests. The first build's files are
# checked: lintian, hardening-check on both Linux programs and AppStream's metadata in the
# .deb (app/tests/check_deb.sh), the Windows program's hardening flags and version record,
# the zip's contents; and the second build must be the same byte for byte. dist/ is written
# only when every check passes; otherwise the script names the checks that failed, keeps the
# builds for a look and exits 1.
# Usage: scripts/release.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=-j"$(nproc)"

if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "release.sh: the work tree has uncommitted changes; a release is built from a commit" >&2
  exit 1
fi
commit=$(git rev-parse HEAD)
scripts/install-deps.sh test
python=$(scripts/find_python.sh pefile)
started=$SECONDS

work=$(mktemp -d "${TMPDIR:-/tmp}/vortalin-release.XXXXXX")
keep_work=no
# shellcheck disable=SC2064  # expanded now, on purpose
trap "[ \$keep_work = yes ] || rm -rf '$work'" EXIT

step() { echo "== $1 ($((SECONDS - started)) s)"; }

# Clones the commit to CLONE and builds the three files into OUT, named with the version.
build() {
  local clone=$1 out=$2 log=$2.log version
  mkdir -p "$out"
  git clone -q "$root" "$clone"
  git -C "$clone" checkout -q --detach "$commit"
  if ! (
    cd "$clone"
    cmake --preset play
    cmake --build --preset play "$jobs"
    (cd build-play && cpack -G DEB)
    cmake --preset windows -DBUILD_TESTING=OFF
    cmake --build --preset windows "$jobs"
    (cd build-windows && cpack -G ZIP)
    cmake --preset web
    cmake --build --preset web "$jobs"
  ) >"$log" 2>&1; then
    tail -n 30 "$log" >&2
    echo "release.sh: the build in $clone failed (log: $log)" >&2
    keep_work=yes
    exit 1
  fi
  version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$clone/build-play/CPackConfig.cmake")
  cp "$clone"/build-play/vortalin_"$version"_amd64.deb "$clone"/build-windows/vortalin-"$version"-win32.zip "$out"/
  cp "$clone"/build-web/vortalin.html "$out"/vortalin-"$version".html
}

step "first build: $work/first/vortalin"
build "$work/first/vortalin" "$work/first/out"
step "second build, from a clone in another path: $work/second/other/place/vortalin"
build "$work/second/other/place/vortalin" "$work/second/out"
step "checks"

out=$work/first/out
clone=$work/first/vortalin
deb=$(echo "$out"/*.deb)
zip=$(echo "$out"/*.zip)
failed=()
# Runs one check; where it fails, its name and the lines it marks FAILED go on the list.
run_check() {
  local name=$1 output status=0
  shift
  echo "-- $name"
  output=$("$@" 2>&1) || status=$?
  echo "$output"
  if [ "$status" -eq 0 ]; then
    echo "ok: $name"
  else
    echo "FAILED: $name"
    failed+=("$name$(sed -n 's/^FAILED: \(.*\)/ (\1)/p' <<<"$output" | tr -d '\n')")
  fi
}

run_check "the .deb: lintian, hardening-check, AppStream" app/tests/check_deb.sh "$deb"

exe=$work/vortalin.exe
"$python" - "$zip" "$exe" <<'EOF'
import shutil, sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as archive:
    name = next(n for n in archive.namelist() if n.endswith("/vortalin.exe"))
    with archive.open(name) as source, open(sys.argv[2], "wb") as target:
        shutil.copyfileobj(source, target)
EOF
run_check "the Windows program's hardening and version record (pefile)" \
  "$python" app/tests/check_windows_executable.py "$exe" i386 \
  pictures/player_car.gif i686-w64-mingw32-objdump
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$clone/build-windows/CPackConfig.cmake")
zip_contents() {
  "$python" app/tests/check_windows_zip.py cpack "$clone/build-windows/CPackConfig.cmake" \
    "$(basename "$zip")" "$version" "$clone"
}
run_check "the Windows zip's contents" zip_contents

same() {
  local file status=0
  for file in "$work"/first/out/*; do
    file=$(basename "$file")
    sha256sum "$work/first/out/$file" "$work/second/out/$file" | sed "s|$work/||"
    cmp -s "$work/first/out/$file" "$work/second/out/$file" || { echo "FAILED: $file differs"; status=1; }
  done
  return $status
}
run_check "two builds from two clones are the same byte for byte" same

if [ ${#failed[@]} -gt 0 ]; then
  keep_work=yes
  echo "release.sh: no release: failed: $(printf '%s; ' "${failed[@]}" | sed 's/; $//')" >&2
  echo "release.sh: the builds are kept in $work" >&2
  exit 1
fi
rm -rf dist
mkdir dist
cp "$out"/*.deb "$out"/*.zip "$out"/*.html dist/
(cd dist && sha256sum -- * >SHA256SUMS)
step "done: dist/ for $commit"
ls -l dist
