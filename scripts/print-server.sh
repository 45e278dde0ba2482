#!/usr/bin/env bash
# A private CUPS scheduler for one run, so that printing tests and the demo
# print to a real PDF queue without touching the machine's own printing.
#   scripts/print-server.sh run <build-dir> <command> [args...]
# runs the command with a scheduler of its own; sourced (as
# scripts/wine-session.sh does) it gives the functions
#   print_server_start <build-dir>   starts one and exports CUPS_SERVER and
#                                    LATTICE_PRINT_DIR for Wine and the tests
#   print_server_stop                stops the one this shell started
#
# How it works. Each run gets a folder <build-dir>/print/run-<pid> (the pid
# of the shell that starts it), so two runs, even in the same build, never
# share a socket, a queue or an output file:
#   etc/      cupsd.conf and cups-files.conf written at the start, and the
#             scheduler's own ServerRoot (printers.conf, ppd/, ssl/)
#   spool/    RequestRoot (queued job files)   tmp/    TempDir of the filters
#   cache/    CacheDir     state/   StateDir   log/    error and access logs
#   out/      the queue's output: every job becomes out/job.pdf (the folder
#             owned by lp, which the filters run as; each job replaces the
#             previous one)
#   cups.sock the only place the scheduler listens: no TCP port, no browsing,
#             no sharing, so it never sees another run's scheduler or the
#             machine's own, and they never see it.
# cupsd runs in the foreground (-f) as a background child of this shell; its
# process id goes to cupsd.pid and stopping ends exactly that process. A
# folder left by an interrupted run (its cupsd gone) is removed at the next
# start. Clients find the scheduler through CUPS_SERVER=<folder>/cups.sock:
# lpadmin and lpstat here, and Wine, whose print spooler reads CUPS_SERVER
# through libcups.
#
# The queue "LatticePDF" uses cups-filters' generic PDF driver on a file://
# device and is the scheduler's default printer, so the default printer of
# every Wine program of the run is this queue. The cups-pdf backend was not
# chosen: it reads its settings from /etc/cups and writes into the printing
# user's home, shared by all runs; the file:// device writes where this
# script says, and "FileDevice Yes" allows it.
#
# Cost: starting and stopping take about 1 s together (the scheduler answers
# within a few polls of its socket, then lpadmin adds the queue). Each job
# then takes about half a second in the filters (Ghostscript).
# The scheduler needs root to run its filters as lp; started by another user
# it runs everything as that user.

print_server_stop() {
  local dir=${PRINT_SERVER_RUN_DIR:-} pid
  [ -n "$dir" ] && [ -f "$dir/cupsd.pid" ] || return 0
  pid=$(cat "$dir/cupsd.pid")
  rm -f "$dir/cupsd.pid"
  # Only the scheduler this shell started, and only while it is still cupsd.
  if [ -n "$pid" ] && [ "$(cat /proc/"$pid"/comm 2>/dev/null)" = cupsd ]; then
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
  fi
}

# Removes the folders of earlier runs whose session and scheduler are gone
# (a session beside this one may be starting its scheduler right now).
print_server_clean() {
  local old pid
  for old in "$1"/run-*; do
    [ -d "$old" ] || continue
    [ -d /proc/"${old##*/run-}" ] && continue
    pid=$(cat "$old/cupsd.pid" 2>/dev/null || true)
    if [ -z "$pid" ] || [ "$(cat /proc/"$pid"/comm 2>/dev/null)" != cupsd ]; then
      rm -rf "$old"
    fi
  done
}

print_server_start() {
  local base dir user group sysgroup ppd
  base="$(cd "$1" && pwd)/print"
  dir="$base/run-$$"
  ppd=/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd
  mkdir -p "$base"
  print_server_clean "$base"
  # A socket's path must fit the 108 bytes of a local socket address.
  if [ ${#dir} -gt 96 ]; then
    echo "print-server: $dir is too long a path for the scheduler's socket" >&2
    return 1
  fi
  rm -rf "$dir"
  mkdir -p "$dir"/{etc,spool,tmp,cache,state,log,out}
  PRINT_SERVER_RUN_DIR=$dir

  if [ "$(id -u)" -eq 0 ]; then
    user=lp group=lp sysgroup="lpadmin root"
    chown lp:lp "$dir/out"
    # As the machine's own spool: jobs readable by the filters' group,
    # their temporary folder writable by it.
    chown root:lp "$dir/spool" "$dir/tmp"
    chmod 710 "$dir/spool"
    chmod 1770 "$dir/tmp"
  else
    user=$(id -un) group=$(id -gn) sysgroup=$(id -gn)
  fi
  # The filters (running as lp) reach their temporary folder and the output
  # through the build's folders.
  chmod 755 "$base" "$dir" "$dir/out"

  cat >"$dir/etc/cups-files.conf" <<EOF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
Printcap $dir/printcap
User $user
Group $group
SystemGroup $sysgroup
FileDevice Yes
EOF
  # Only the socket; no authentication (nobody else can reach the socket's
  # folder through the network); finished jobs stay listed so a test can
  # tell whether a job reached the queue at all.
  cat >"$dir/etc/cupsd.conf" <<EOF
Listen $dir/cups.sock
LogLevel warn
Browsing No
BrowseLocalProtocols none
WebInterface No
PreserveJobHistory Yes
# A job that fails is dropped and the queue stays enabled for the next one.
ErrorPolicy abort-job
MaxJobs 0
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF

  cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
    >"$dir/log/cupsd.out" 2>&1 </dev/null &
  echo $! >"$dir/cupsd.pid"

  export CUPS_SERVER="$dir/cups.sock"
  export LATTICE_PRINT_DIR="$dir"
  local up=""
  for _ in $(seq 100); do
    if [ -S "$dir/cups.sock" ] && lpstat -r >/dev/null 2>&1; then up=1; break; fi
    sleep 0.05
  done
  if [ -z "$up" ]; then
    echo "print-server: the scheduler did not start (see $dir/log)" >&2
    return 1
  fi
  # lpadmin warns that printer drivers are deprecated; the queue works.
  lpadmin -p LatticePDF -E -v "file://$dir/out/job.pdf" -P "$ppd" 2>/dev/null &&
    lpadmin -d LatticePDF
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  if [ "${1:-}" != run ] || [ $# -lt 3 ]; then
    echo "usage: $0 run <build-dir> <command> [args...]" >&2
    exit 2
  fi
  build_dir=$2; shift 2
  trap print_server_stop EXIT
  print_server_start "$build_dir"
  set +e
  "$@"
  exit $?
fi
