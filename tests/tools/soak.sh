#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Network soak, inside a private network namespace: a bot host on 127.0.0.2 and 20 bot
# players play six short games while three players leave after the first, the host
# boots three players at random moments, two are frozen for a few seconds mid-run, the
# connections of two others are cut under them (ss -K) every 1.3 seconds for 13 seconds,
# and a raw client sends junk, stalls and floods. Beside it, a player on a lifeline (its
# standard input a pipe, as the lobby starts computer players) searching for a host that
# is not there must end when the program holding the pipe is killed.
# Afterwards: every copy that saw a game's results saw the same words and scores, every
# copy that stayed saw all six, the host still answered after the cuts, the host and
# every player (booted ones included) ended their run with status 0, nothing crashed.
#   soak.sh LETTRO_BOT RAWCLIENT.py
bot=$1
raw=$2
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; [ -n "${SOAK_KEEP:-}" ] && cp -r "$work" "$SOAK_KEEP"; rm -rf "$work"' EXIT
ip link set lo up || exit 1
mkfifo "$work/life"
exec 3<>"$work/life"
"$bot" join --address 127.0.0.30 --host 127.0.0.31 --name Ed --lifeline <"$work/life" >/dev/null 3>&- &
ed=$!
sleep 100 >&3 2>/dev/null 3>&- &
holder=$!
exec 3>&-
# Enough games that the host is still playing when the disruptions below are over.
games=6
"$bot" host --address 127.0.0.2 --players 20 --games $games --play-seconds 3 --seed 1 --timeout 100 \
    --boot-random 3 >"$work/host" 2>"$work/host.err" &
host=$!
pids=""
for i in $(seq 3 22); do
    leaver=""
    [ $i -le 5 ] && leaver="--games 1"
    "$bot" join --address 127.0.0.$i --name "P$i" --strength $((i * 4)) --play-seconds 3 \
        --seed $i --timeout 100 $leaver >"$work/p$i" 2>"$work/p$i.err" &
    pids="$pids $!"
done
# seen FILE TEXT SECONDS: waits until the copy writing FILE has said TEXT.
seen() {
    n=$(($3 * 10))
    until grep -q "$2" "$1" 2>/dev/null; do
        [ $n -gt 0 ] || { echo "waited $3 s for $2 in $1"; return 1; }
        n=$((n - 1))
        sleep 0.1
    done
}
python3 "$raw" 127.0.0.2 20 >"$work/raw" 2>&1 &
raw_pid=$!
# The connections of P10 and P11 die under them, from either end, as a cable pulled.
cut() {
    { ss -K dst 127.0.0.10; ss -K src 127.0.0.11; } 2>/dev/null | grep -c ESTAB >>"$work/cuts"
}
(seen "$work/p10" joined 30 && seen "$work/p11" joined 30 || exit
 for n in 1 2 3 4 5 6 7 8 9 10; do [ -d "$work" ] || exit; cut; sleep 1.3; done) &
cuts=$!
# Once the first game is under way two players freeze for a while, as a machine that
# stalls, then go on.
seen "$work/host" '"event": "game"' 30 || exit 1
set -- $pids
kill -STOP $6 $7 2>/dev/null
sleep 4
kill -CONT $6 $7 2>/dev/null
kill -9 $holder
# In the midst of the barrage the host holds a bounded number of descriptors and memory
# (20 players and the raw client's few idle connections).
[ -d /proc/$host ] || { echo "the host is gone"; tail -5 "$work/host.err"; exit 1; }
fds=$(ls /proc/$host/fd | wc -l)
rss=$(awk '/VmRSS/ { print $2 }' /proc/$host/status)
echo "host under the raw client: $fds descriptors, $rss kB resident"
[ "$fds" -le 120 ] && [ "$rss" -le 1500000 ] || { echo "the host grew"; exit 1; }
wait $cuts
python3 "$raw" 127.0.0.2 probe || exit 1
echo "connections cut under P10 and P11:" $(cat "$work/cuts")
[ "$(awk '{ n += $1 } END { print n }' "$work/cuts")" -gt 0 ] || { echo "no connection was cut"; exit 1; }
failed=0
case $(awk '/^State/ { print $2 }' /proc/$ed/status 2>/dev/null) in
    "" | Z) ;;
    *) echo "the player on a lifeline outlived it"; failed=1 ;;
esac
wait $host || { echo "host: exit $?"; tail -5 "$work/host.err"; failed=1; }
for p in $pids; do
    wait $p || { echo "a player ended with $?"; failed=1; }
done
wait $raw_pid
cat "$work/raw"
[ $failed -eq 0 ] || { for f in "$work"/*.err; do tail -3 "$f"; done; exit 1; }
# The words and scores of each game, as each copy saw them.
grep -h '"event": "results"' "$work"/host "$work"/p* | sed 's/, "labels".*//' | sort | uniq -c |
    awk '{ print $1, $4, substr($0, 1, 160) }' >"$work/counts"
seen=$(grep -c '"event": "results"' "$work/host")
[ "$seen" -eq $games ] || { echo "the host saw $seen results"; exit 1; }
distinct=$(wc -l <"$work/counts")
[ "$distinct" -eq $games ] || { echo "$distinct different results for $games games"; cat "$work/counts"; exit 1; }
# Who was booted, and whether each player that neither left nor was booted saw every game.
booted=$(grep '"event": "booted"' "$work/host" | sed 's/.*"name": "\(P[0-9]*\)".*/\1/' | tr '\n' ' ')
[ "$(echo $booted | wc -w)" -eq 3 ] || { echo "the host booted: $booted"; exit 1; }
for i in $(seq 6 22); do
    case " $booted " in *" P$i "*) ;; *)
        seen=$(grep -c '"event": "results"' "$work/p$i")
        [ "$seen" -eq $games ] || { echo "P$i saw $seen results"; exit 1; } ;;
    esac
done
echo "soak: $games games, 21 copies, one result per game everywhere; booted: $booted"
