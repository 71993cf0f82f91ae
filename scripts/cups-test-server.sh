#!/usr/bin/env bash
# A private CUPS server with virtual PDF printers, for the printing tests. It runs beside the
# system's own CUPS (if any) on a unix socket in DIR, and never touches the system's queues.
#
#   scripts/cups-test-server.sh start DIR NAME
#   scripts/cups-test-server.sh stop DIR NAME
#
# start brings up three queues, all printing through cups-pdf into DIR/out/<queue>:
#   NAME          the cups-pdf driver as it comes: A4 at 300 dpi, no unprintable margin
#   NAME_margins  the same driver told a Letter page at 600 dpi with uneven unprintable
#                 margins (left 0.25 in, top 0.375 in, right 0.25 in, bottom 0.5 in)
#   NAME_closed   like NAME, but refusing jobs
#   NAME_paused   like NAME, but paused: its jobs wait until it is resumed
# Programs reach them with CUPS_SERVER=DIR/cups.sock. The jobs' control files are in
# DIR/spool, the page log in DIR/log/page_log. Must run as root (cups-pdf reads its
# per-queue settings from /etc/cups).
set -euo pipefail

action=${1:-}
dir=${2:-}
name=${3:-}
if [ -z "$action" ] || [ -z "$dir" ] || [ -z "$name" ]; then
    echo "usage: $0 start|stop DIR NAME" >&2
    exit 2
fi

queues=("$name" "${name}_margins" "${name}_closed" "${name}_paused")

stop_server() {
    if [ -f "$dir/cupsd.pid" ]; then
        local pid
        pid=$(cat "$dir/cupsd.pid")
        if kill -0 "$pid" 2>/dev/null; then
            kill "$pid"
            for _ in $(seq 50); do
                kill -0 "$pid" 2>/dev/null || break
                sleep 0.1
            done
        fi
        rm -f "$dir/cupsd.pid"
    fi
    for queue in "${queues[@]}"; do
        rm -f "/etc/cups/cups-pdf-$queue.conf"
    done
}

# The driver's own description, told a Letter page with uneven margins and 600 dpi, so the
# tests see margins being turned with the page and the default paper and resolution being
# the driver's.
write_margins_ppd() {
    sed -e 's/^\*DefaultPageSize: .*/*DefaultPageSize: Letter/' \
        -e 's/^\*DefaultPageRegion: .*/*DefaultPageRegion: Letter/' \
        -e 's/^\*DefaultImageableArea: .*/*DefaultImageableArea: Letter/' \
        -e 's/^\*DefaultPaperDimension: .*/*DefaultPaperDimension: Letter/' \
        -e 's/^\*DefaultResolution: .*/*DefaultResolution: 600dpi/' \
        -e 's|^\*ImageableArea Letter/US Letter: .*|*ImageableArea Letter/US Letter: "18 36 594 765"|' \
        /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd >"$1"
}

start_server() {
    if [ ${#dir} -gt 90 ]; then
        echo "$dir is too long a path for the server's socket; choose a shorter one." >&2
        exit 1
    fi
    stop_server
    rm -rf "$dir"
    mkdir -p "$dir"/{spool,cache,state,log,ppd}
    mkdir -p -m 1777 "$dir/tmp" "$dir/out"
    chmod 1777 "$dir/tmp" "$dir/out"

    cat >"$dir/cupsd.conf" <<EOF
Listen $dir/cups.sock
LogLevel warn
DirtyCleanInterval 0
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    cat >"$dir/cups-files.conf" <<EOF
ServerRoot $dir
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
Sandboxing Relaxed
EOF
    for queue in "${queues[@]}"; do
        mkdir -p -m 1777 "$dir/out/$queue"
        chmod 1777 "$dir/out/$queue"
        printf 'Out %s\nAnonDirName %s\nLabel 0\n' "$dir/out/$queue" "$dir/out/$queue" \
            >"/etc/cups/cups-pdf-$queue.conf"
    done

    setsid cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" \
        </dev/null >"$dir/log/cupsd.out" 2>&1 &
    echo $! >"$dir/cupsd.pid"
    for _ in $(seq 100); do
        [ -S "$dir/cups.sock" ] && break
        sleep 0.1
    done
    if [ ! -S "$dir/cups.sock" ]; then
        echo "cupsd did not start; see $dir/log/error_log and $dir/log/cupsd.out." >&2
        exit 1
    fi

    export CUPS_SERVER="$dir/cups.sock"
    local ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
    lpadmin -p "$name" -v "cups-pdf:/$name" -P "$ppd" -E
    write_margins_ppd "$dir/ppd/margins.ppd"
    lpadmin -p "${name}_margins" -v "cups-pdf:/${name}_margins" -P "$dir/ppd/margins.ppd" -E
    lpadmin -p "${name}_closed" -v "cups-pdf:/${name}_closed" -P "$ppd" -E
    cupsreject "${name}_closed"
    lpadmin -p "${name}_paused" -v "cups-pdf:/${name}_paused" -P "$ppd" -E
    cupsdisable "${name}_paused"
    lpadmin -d "$name"
}

case "$action" in
start) start_server ;;
stop) stop_server ;;
*)
    echo "usage: $0 start|stop DIR NAME" >&2
    exit 2
    ;;
esac
