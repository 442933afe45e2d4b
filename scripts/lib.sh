# Shared helpers for scripts/build, scripts/test and scripts/run. Source it; do not run it.
# Everything Wine touches lives under build/ (the prefix is build/wineprefix unless
# OSTREL_WINEPREFIX says otherwise); nothing is written into $HOME.

OSTREL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# OSTREL_BUILD moves the whole build (and its Wine prefix) elsewhere, e.g. for parallel work.
OSTREL_BUILD="${OSTREL_BUILD:-$OSTREL_ROOT/build}"
export OSTREL_WINEPREFIX="${OSTREL_WINEPREFIX:-$OSTREL_BUILD/wineprefix}"

OSTREL_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
                 mingw-w64-tools wine64 wine xvfb
                 xauth fonts-wine fonts-wqy-microhei imagemagick googletest python3 g++ openssl
                 nginx-light clang libclang-rt-14-dev nsis osslsigncode wixl msitools)
# Bump when ostrel_prepare_prefix changes so existing prefixes are set up again.
OSTREL_PREFIX_LAYOUT=1

ostrel_log() { printf '%s: %s\n' "$(basename "$0")" "$*" >&2; }
ostrel_die() { ostrel_log "error: $*"; exit 1; }

# Installs the missing Debian packages (never wine32: it breaks 64-bit wine here).
ostrel_install_deps() {
  local missing=() pkg status
  for pkg in "${OSTREL_PACKAGES[@]}"; do
    status="$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null || true)"
    [[ "$status" == installed ]] || missing+=("$pkg")
  done
  ((${#missing[@]} == 0)) && return 0
  local sudo=()
  if ((EUID != 0)); then
    command -v sudo >/dev/null || ostrel_die "missing packages (${missing[*]}) and not root"
    sudo=(sudo)
  fi
  ostrel_log "installing ${missing[*]}"
  local log
  log="$(mktemp)"
  if ! { "${sudo[@]}" apt-get update -q &&
         "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"; } \
       </dev/null >"$log" 2>&1; then
    cat "$log" >&2
    rm -f "$log"
    ostrel_die "apt-get failed"
  fi
  rm -f "$log"
}

# Wine settings for every wine/wineserver call of the scripts (same as cmake/wine-run).
ostrel_wine_env() {
  export WINEPREFIX="$OSTREL_WINEPREFIX"
  export WINEARCH=win64
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}

# "a,b" -> hex(7) bytes of a REG_MULTI_SZ holding that one string (UTF-16LE, double NUL).
ostrel_reg_multi_sz() {
  local hex
  hex="$(printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | od -An -v -tx1 | tr -s ' \n' ',,')"
  hex="${hex#,}"
  printf 'hex(7):%s00,00,00,00' "$hex"
}

# Creates and configures the prefix once; a stamp file makes later runs skip it.
ostrel_prepare_prefix() {
  ostrel_wine_env
  local stamp="$WINEPREFIX/.ostrel-ready"
  local want
  want="layout $OSTREL_PREFIX_LAYOUT, $(wine --version 2>/dev/null)"
  if [[ -f "$stamp" && "$(cat "$stamp")" == "$want" ]]; then
    return 0
  fi
  ostrel_log "preparing Wine prefix $WINEPREFIX (once, about 20 s)"
  mkdir -p "$WINEPREFIX"
  local log="$WINEPREFIX/../wineprefix-setup.log"
  (
    set -e
    unset DISPLAY  # set-up needs no window; never show it on the user's screen
    wineboot --init
    wineserver -w
    wine winecfg /v win10
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    cp -f /usr/share/wine/fonts/marlett.ttf "$fonts/"
    cp -f /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$fonts/"
    local link face reg="$WINEPREFIX/ostrel-setup.reg"
    link="$(ostrel_reg_multi_sz 'wqy-microhei.ttc,WenQuanYi Micro Hei')"
    {
      printf 'Windows Registry Editor Version 5.00\r\n\r\n'
      # Without a window manager, destroying a managed window costs 2 s and captions are lost.
      printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n\r\n'
      # Chinese text in the UI fonts falls back to WenQuanYi instead of showing boxes.
      printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\r\n'
      for face in "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" "Segoe UI"; do
        printf '"%s"=%s\r\n' "$face" "$link"
      done
      printf '\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
      for face in "SimSun" "宋体" "NSimSun" "Microsoft YaHei" "SimHei"; do
        printf '"%s"="WenQuanYi Micro Hei"\r\n' "$face"
      done
    } | { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } >"$reg"
    wine regedit /S "$(winepath -w "$reg")"
    rm -f "$reg"
    # The prefix's Documents, Desktop, Downloads... are links into $HOME: make them real folders.
    local entry
    for entry in "$WINEPREFIX"/drive_c/users/*/*; do
      if [[ -L "$entry" ]]; then
        rm -f "$entry"
        mkdir -p "$entry"
      fi
    done
    wineserver -w
  ) </dev/null >"$log" 2>&1 || { cat "$log" >&2; ostrel_die "Wine prefix set-up failed (log above)"; }
  printf '%s\n' "$want" >"$stamp"
}

# Persistent wineserver with stdio detached, so no test inherits (and holds) CTest's pipes.
ostrel_start_wineserver() {
  ostrel_wine_env
  # Fails harmlessly when a wineserver already runs for this prefix (it is ended at exit too).
  wineserver -p </dev/null >/dev/null 2>&1 || true
  wine cmd /c exit 0 </dev/null >/dev/null 2>&1 || true
  OSTREL_WINESERVER_STARTED=1
}

ostrel_stop_wineserver() {
  if [[ -n "${OSTREL_WINESERVER_STARTED:-}" ]]; then
    (
      ostrel_wine_env
      wineserver -k </dev/null >/dev/null 2>&1
      timeout 15 wineserver -w </dev/null >/dev/null 2>&1
    ) || true
    OSTREL_WINESERVER_STARTED=
  fi
}

# Starts a private Xvfb on a free display and exports DISPLAY. Sets OSTREL_XVFB_PID.
ostrel_start_xvfb() {
  local n tries
  for ((n = 90; n < 190; n++)); do
    [[ -e "/tmp/.X$n-lock" || -e "/tmp/.X11-unix/X$n" ]] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    OSTREL_XVFB_PID=$!
    for ((tries = 0; tries < 100; tries++)); do
      if [[ -S "/tmp/.X11-unix/X$n" ]]; then
        export DISPLAY=":$n"
        return 0
      fi
      kill -0 "$OSTREL_XVFB_PID" 2>/dev/null || break  # lost a race for :$n, try the next one
      sleep 0.1
    done
    kill "$OSTREL_XVFB_PID" 2>/dev/null || true
    OSTREL_XVFB_PID=
  done
  ostrel_die "could not start Xvfb"
}

ostrel_stop_xvfb() {
  if [[ -n "${OSTREL_XVFB_PID:-}" ]]; then
    kill "$OSTREL_XVFB_PID" 2>/dev/null || true
    wait "$OSTREL_XVFB_PID" 2>/dev/null || true
    OSTREL_XVFB_PID=
  fi
}

# Ends a background process this script started (by its id only).
ostrel_kill_pid() {
  local pid="$1"
  [[ -n "$pid" ]] || return 0
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

# The test certificate authority of this build folder and the certificates it signed, made once
# in $OSTREL_BUILD/test-ca (private keys stay there): server.pem for 127.0.0.1 and localhost,
# and rogue-server.pem from a second authority that is trusted nowhere.
OSTREL_TEST_CA="$OSTREL_BUILD/test-ca"
ostrel_make_test_ca() {
  local dir="$OSTREL_TEST_CA" name
  [[ -f "$dir/ca.der" && -f "$dir/rogue-server.pem" ]] && return 0
  mkdir -p "$dir"
  (
    set -e
    cd "$dir"
    printf 'subjectAltName=DNS:127.0.0.1,DNS:localhost\nbasicConstraints=CA:FALSE\n' >server.ext
    for name in ca rogue-ca; do
      openssl req -x509 -newkey rsa:2048 -nodes -days 3650 -keyout "$name.key" -out "$name.pem" \
        -subj "/CN=Ostrel-Mini test authority ($name)" \
        -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign,cRLSign
    done
    openssl x509 -in ca.pem -outform DER -out ca.der
    for name in server rogue-server; do
      openssl req -newkey rsa:2048 -nodes -keyout "$name.key" -out "$name.csr" -subj "/CN=127.0.0.1"
      openssl x509 -req -in "$name.csr" -days 3650 -CA "${name%server}ca.pem" \
        -CAkey "${name%server}ca.key" -CAcreateserial -extfile server.ext -out "$name.pem"
    done
    chmod 600 ./*.key
  ) >"$dir/make.log" 2>&1 || { cat "$dir/make.log" >&2; ostrel_die "making the test authority failed"; }
}

# The test authority's code-signing certificate, its chain and its key in one PEM file,
# $OSTREL_TEST_CA/codesign.pem, made once (scripts/sign-file --test-cert signs with it).
ostrel_make_test_code_signing() {
  local dir="$OSTREL_TEST_CA"
  ostrel_make_test_ca
  [[ -f "$dir/codesign.pem" ]] && return 0
  (
    set -e
    cd "$dir"
    printf 'basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' \
      >codesign.ext
    openssl req -newkey rsa:2048 -nodes -keyout codesign.key -out codesign.csr \
      -subj "/CN=Ostrel-Mini test code signing"
    openssl x509 -req -in codesign.csr -days 3650 -CA ca.pem -CAkey ca.key -CAcreateserial \
      -extfile codesign.ext -out codesign.crt
    (umask 077 && cat codesign.crt ca.pem codesign.key >codesign.pem)
  ) >>"$dir/make.log" 2>&1 || { cat "$dir/make.log" >&2; ostrel_die "making the test code-signing certificate failed"; }
}

# The checkout's test signing keys for updates (P-256, PEM), made once per build folder into
# build/update-key: update.pem signs what development builds accept (scripts/build builds its
# public half in), other.pem is a second publisher's that nothing accepts. The private keys stay
# there and are never committed.
OSTREL_UPDATE_KEY="$OSTREL_BUILD/update-key"
ostrel_make_update_key() {
  local name
  [[ -f "$OSTREL_UPDATE_KEY/update.pem" && -f "$OSTREL_UPDATE_KEY/other.pem" ]] && return 0
  mkdir -p "$OSTREL_UPDATE_KEY"
  for name in update other; do
    (umask 077 && openssl ecparam -name prime256v1 -genkey -noout -out "$OSTREL_UPDATE_KEY/$name.pem") ||
      ostrel_die "making the test key $name.pem failed"
  done
}

# The hex of KEY's public half, as OSTREL_UPDATE_PUBLIC_KEY takes it.
ostrel_public_key_hex() {
  python3 "$OSTREL_ROOT/scripts/make-update" --public-key "$1"
}

# Trusts the test authority in the Wine prefix (its root store only, never the host's), once per
# prefix and authority. Needs a prepared prefix and build/tests/trust_root.exe.
# Call it after ostrel_start_xvfb and ostrel_start_wineserver: the first Wine program of a session
# starts the prefix's desktop process, and one started without the display leaves every later
# program unable to show a window.
ostrel_trust_test_ca() {
  ostrel_make_test_ca
  ostrel_wine_env
  local stamp="$WINEPREFIX/.ostrel-test-ca" want
  want="$(sha256sum "$OSTREL_TEST_CA/ca.der" | cut -d' ' -f1)"
  [[ -f "$stamp" && "$(cat "$stamp")" == "$want" ]] && return 0
  "$OSTREL_ROOT/cmake/wine-run" "$OSTREL_BUILD/tests/trust_root.exe" \
    "Z:${OSTREL_TEST_CA//\//\\}\\ca.der" </dev/null || ostrel_die "trusting the test authority failed"
  printf '%s\n' "$want" >"$stamp"
}

# The update folder ROOT over HTTPS, as the update host serves it: nginx on 127.0.0.1:PORT with
# the test authority's server certificate, its configuration, logs and pid in STATE (access.json:
# a JSON line a request, for the tests). Runs in the background until ostrel_stop_update_server
# STATE; fails when the port is taken.
ostrel_start_update_server() {
  local root="$1" port="$2" state="$3" user=
  ostrel_make_test_ca
  mkdir -p "$state/temp" "$root"
  rm -f "$state/nginx.pid" "$state/error.log" "$state/chunked" "$state/close-delimited"
  : >"$state/nothing"
  ((EUID == 0)) && user="user root;"  # else the workers, as nobody, may not read the build folder
  cat >"$state/nginx.conf" <<EOF
daemon off;
$user
worker_processes 1;
pid $state/nginx.pid;
error_log $state/error.log warn;
events { worker_connections 64; }
http {
  client_body_temp_path $state/temp/body;
  proxy_temp_path $state/temp/proxy;
  fastcgi_temp_path $state/temp/fastcgi;
  uwsgi_temp_path $state/temp/uwsgi;
  scgi_temp_path $state/temp/scgi;
  default_type application/octet-stream;
  types { text/plain inf; }
  log_format json escape=json '{"request":"\$request","status":\$status,'
                              '"pragma":"\$http_pragma","cache_control":"\$http_cache_control"}';
  access_log $state/access.json json;
  server {
    listen 127.0.0.1:$port ssl;
    ssl_certificate $OSTREL_TEST_CA/server.pem;
    ssl_certificate_key $OSTREL_TEST_CA/server.key;
    root $root;
    # With the file STATE/chunked (or STATE/close-delimited) every answer goes without a length,
    # as generated answers, server-side includes and many CDNs send them: chunked (or ended by
    # closing the connection). Appending nothing to the body is what makes its length unknown.
    location / {
      if (-f $state/chunked) { rewrite ^ /.chunked\$uri last; }
      if (-f $state/close-delimited) { rewrite ^ /.close-delimited\$uri last; }
    }
    location /.chunked/ {
      internal;
      alias $root/;
      addition_types *;
      add_after_body /.nothing;
    }
    location /.close-delimited/ {
      internal;
      alias $root/;
      addition_types *;
      add_after_body /.nothing;
      chunked_transfer_encoding off;
    }
    location = /.nothing {
      internal;
      alias $state/nothing;
    }
  }
}
EOF
  setsid nginx -e "$state/error.log" -c "$state/nginx.conf" </dev/null >/dev/null 2>&1 &
  local tries
  for ((tries = 0; tries < 100; tries++)); do
    if [[ -s "$state/nginx.pid" ]] && (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
      return 0
    fi
    kill -0 $! 2>/dev/null || break
    sleep 0.1
  done
  ostrel_stop_update_server "$state"
  ostrel_log "error: the update server did not start: $(tail -n 1 "$state/error.log" 2>/dev/null)"
  return 1
}

ostrel_stop_update_server() {
  local pid
  pid="$(cat "$1/nginx.pid" 2>/dev/null || true)"
  [[ -n "$pid" ]] && kill "$pid" 2>/dev/null || true
  rm -f "$1/nginx.pid"
}

# The parts of the program that need no Windows API (tests/native/CMakeLists.txt lists them),
# built for this machine with AddressSanitizer and UndefinedBehaviorSanitizer into
# $OSTREL_BUILD/native, and their tests run. Uses ccache when the main build does.
ostrel_native_tests() {
  local dir="$OSTREL_BUILD/native" launcher=()
  if grep -q '^CMAKE_CXX_COMPILER_LAUNCHER:.*ccache' "$OSTREL_BUILD/CMakeCache.txt" 2>/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  if [[ ! -f "$dir/CMakeCache.txt" ]]; then
    cmake -S "$OSTREL_ROOT/tests/native" -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=g++ \
      "${launcher[@]}" >/dev/null || return 1
  fi
  cmake --build "$dir" || return 1
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "$dir/native_tests" --gtest_brief=1 </dev/null
}
