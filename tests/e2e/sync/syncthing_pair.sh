# Sourced by two_pcs_test.sh: two Syncthing instances on loopback only, sharing one folder.
#   st_pair_start DIR NOTES_A NOTES_B   homes and logs in DIR; pids in DIR/{a,b}.pid
#   st_pair_pause / st_pair_resume      the link between them, through A's REST interface
#   st_scanned SIDE NAME PATH           SIDE's index holds the file at its size on disk
#   st_pair_check_loopback              fails when a socket of theirs leaves 127.0.0.1
#   st_pair_stop                        ends exactly the two processes it started

st_conf() { # home listen_port gui_port self_id other_id other_port folder
/usr/bin/python3 - "$@" <<'PY'
import sys, xml.etree.ElementTree as ET
home, listen, gui, me, other, oport, folder = sys.argv[1:]
p = home + '/config.xml'; t = ET.parse(p); r = t.getroot()
g = r.find('gui'); g.find('address').text = '127.0.0.1:' + gui; g.set('tls', 'false')
o = r.find('options')
def opt(k, v):
    for e in o.findall(k): o.remove(e)
    ET.SubElement(o, k).text = v
# Nothing beyond this machine: no discovery, relays, NAT, STUN, reports or upgrades.
opt('listenAddress', 'tcp://127.0.0.1:' + listen)
for k, v in [('globalAnnounceEnabled', 'false'), ('localAnnounceEnabled', 'false'),
             ('relaysEnabled', 'false'), ('natEnabled', 'false'), ('urAccepted', '-1'),
             ('urSeen', '3'), ('autoUpgradeIntervalH', '0'), ('crashReportingEnabled', 'false'),
             ('stunKeepaliveStartS', '0'), ('stunKeepaliveMinS', '0'),
             ('announceLANAddresses', 'false'), ('startBrowser', 'false'),
             ('setLowPriority', 'false')]:
    opt(k, v)
# Syncthing stops a folder when the disk is 99% full; a build tree beside the test's folder can
# take the host that far, so only a disk truly out of space stops it here.
for e in o.findall('minHomeDiskFree'): o.remove(e)
ET.SubElement(o, 'minHomeDiskFree', unit='MB').text = '1'
for k in ('globalAnnounceServer', 'stunServer'):
    for e in o.findall(k): o.remove(e)
ET.SubElement(o, 'stunServer').text = ''
for d in r.findall('device'): r.remove(d)
for dev, addr in ((me, 'dynamic'), (other, 'tcp://127.0.0.1:' + oport)):
    d = ET.SubElement(r, 'device', id=dev, name=dev[:7], compression='metadata', introducer='false')
    ET.SubElement(d, 'address').text = addr
for f in r.findall('folder'): r.remove(f)
f = ET.SubElement(r, 'folder', id='notes', label='notes', path=folder, type='sendreceive',
                  rescanIntervalS='10', fsWatcherEnabled='true', fsWatcherDelayS='1')
for dev in (me, other): ET.SubElement(f, 'device', id=dev)
# A folder element written by hand gets no defaults: without this, conflicts keep no copy.
ET.SubElement(f, 'maxConflicts').text = '10'
ET.SubElement(f, 'minDiskFree', unit='MB').text = '1'
t.write(p)
PY
}

st_free_port() { ! ss -Htan "sport = :$1" | grep -q .; }

st_pair_start() {
  ST_DIR=$1
  local notes_a=$2 notes_b=$3 base s
  # Ports of their own per run, so that a second checkout testing at once does not collide.
  for base in $(seq $((21000 + ($$ % 200) * 8)) 8 23000); do
    st_free_port $base && st_free_port $((base + 1)) && st_free_port $((base + 2)) &&
      st_free_port $((base + 3)) && break
  done
  ST_PORT_A=$base ST_PORT_B=$((base + 1)) ST_GUI_A=$((base + 2)) ST_GUI_B=$((base + 3))
  for s in a b; do
    rm -rf "$ST_DIR/$s"
    STNODEFAULTFOLDER=1 syncthing generate --home="$ST_DIR/$s" --skip-port-probing >/dev/null 2>&1
  done
  ST_ID_A=$(syncthing serve --home="$ST_DIR/a" --device-id)
  ST_ID_B=$(syncthing serve --home="$ST_DIR/b" --device-id)
  st_conf "$ST_DIR/a" $ST_PORT_A $ST_GUI_A "$ST_ID_A" "$ST_ID_B" $ST_PORT_B "$notes_a"
  st_conf "$ST_DIR/b" $ST_PORT_B $ST_GUI_B "$ST_ID_B" "$ST_ID_A" $ST_PORT_A "$notes_b"
  for s in a b; do
    python3 -c 'import sys,xml.etree.ElementTree as E; print(E.parse(sys.argv[1]).getroot().find("gui/apikey").text)' \
      "$ST_DIR/$s/config.xml" >"$ST_DIR/$s.key"
  done
  for s in a b; do
    # `serve` runs a monitor and its child; ending the monitor ends both.
    STNOUPGRADE=1 syncthing serve --home="$ST_DIR/$s" --no-browser --no-restart --no-upgrade \
      --logfile="$ST_DIR/$s.log" >/dev/null 2>&1 </dev/null &
    echo $! >"$ST_DIR/$s.pid"
  done
}

st_rest() { # METHOD PATH [a|b]
  local side=${3:-a} port=$ST_GUI_A
  [ "$side" = b ] && port=$ST_GUI_B
  curl -fsS -X "$1" -H "X-API-Key: $(cat "$ST_DIR/$side.key")" "http://127.0.0.1:$port$2"
}

# Whether side $1 has scanned file $2 at its current size (a change not yet scanned when the
# link resumes is no conflict yet).
st_scanned() {
  local size
  size=$(stat -c %s "$3")
  st_rest GET "/rest/db/file?folder=notes&file=$2" "$1" 2>/dev/null |
    python3 -c 'import sys,json; sys.exit(0 if json.load(sys.stdin)["local"]["size"] == int(sys.argv[1]) else 1)' "$size"
}

st_pair_connected() {
  st_rest GET /rest/system/connections 2>/dev/null |
    python3 -c 'import sys,json; c=json.load(sys.stdin)["connections"]; sys.exit(0 if c.get(sys.argv[1],{}).get("connected") else 1)' "$ST_ID_B"
}

st_pair_pause() { st_rest POST "/rest/system/pause?device=$ST_ID_B" >/dev/null; }
st_pair_resume() { st_rest POST "/rest/system/resume?device=$ST_ID_B" >/dev/null; }

# Every TCP and UDP socket of the two monitors and their children: local and peer addresses
# on 127.0.0.1 only (a listening socket's peer is "*").
st_pair_check_loopback() {
  local pids p bad=0 line
  pids=$(cat "$ST_DIR/a.pid" "$ST_DIR/b.pid")
  for p in $pids; do pids="$pids $(pgrep -P "$p" || true)"; done
  local pattern
  pattern=$(for p in $pids; do printf 'pid=%s,|' "$p"; done)
  pattern=${pattern%|}
  local sockets
  sockets=$(ss -Htuanp | grep -E "$pattern" || true)
  [ -n "$sockets" ] || { echo "no socket of Syncthing found" >&2; return 1; }
  while read -r line; do
    local loc peer
    loc=$(awk '{print $5}' <<<"$line") peer=$(awk '{print $6}' <<<"$line")
    case $loc in 127.0.0.1:*) ;; *) echo "not on loopback: $line" >&2; bad=1 ;; esac
    case $peer in 127.0.0.1:*|'*:*'|'0.0.0.0:*') ;; *) echo "peer not on loopback: $line" >&2; bad=1 ;; esac
  done <<<"$sockets"
  echo "syncthing sockets: $(wc -l <<<"$sockets"), all on 127.0.0.1"
  return $bad
}

st_pair_stop() {
  local s
  for s in a b; do
    [ -f "$ST_DIR/$s.pid" ] || continue
    kill "$(cat "$ST_DIR/$s.pid")" 2>/dev/null || true
    rm -f "$ST_DIR/$s.pid"
  done
}
