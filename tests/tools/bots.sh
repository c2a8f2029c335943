#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A bot host and two bot players on 127.0.0.2-4 play two short games; run inside a
# private network namespace. Every copy must end with status 0, and their JSON lines
# must agree field by field (checkbots.py): ids, tables, boards, words and scores. A
# player the leaving host turns away ends at once with status 1 and says why; a player
# on a lifeline ends when the program holding the pipe is killed.
#   bots.sh LETTRO_BOT
bot=$1
work=$(mktemp -d)
trap 'kill $e $s $(jobs -p) 2>/dev/null; [ -n "${BOTS_KEEP:-}" ] && cp -r "$work" "$BOTS_KEEP"; rm -rf "$work"' EXIT
ip link set lo up || exit 1
# Ed's standard input is a pipe that only a sleep writes to.
mkfifo "$work/life"
exec 3<>"$work/life"
"$bot" join --address 127.0.0.6 --host 127.0.0.9 --name Ed --lifeline <"$work/life" >/dev/null 3>&- &
e=$!
sleep 60 >&3 3>&- &
s=$!
exec 3>&-
"$bot" host --address 127.0.0.2 --players 2 --games 2 --play-seconds 2 --seed 3 --timeout 60 >"$work/host" &
h=$!
"$bot" join --address 127.0.0.3 --name Bo --strength 80 --play-seconds 2 --seed 4 --timeout 60 >"$work/bo" &
b=$!
kill -9 $s
"$bot" join --address 127.0.0.4 --name Cy --strength 10 --play-seconds 3 --seed 5 --timeout 60 >"$work/cy"
c=$?
# The host says goodbye for ten seconds, its players leave after five: it is still on its
# way out.
"$bot" join --address 127.0.0.5 --host 127.0.0.2 --name Di --timeout 30 >/dev/null 2>"$work/di.err"
d=$?
grep -q "did not let you join" "$work/di.err" && ! grep -q "seconds passed" "$work/di.err" ||
    { echo "the turned-away player ended with $d:"; cat "$work/di.err"; exit 1; }
case $(awk '/^State/ { print $2 }' /proc/$e/status 2>/dev/null) in
    "" | Z) ;;
    *) echo "the player on a lifeline outlived it"; exit 1 ;;
esac
wait $h; hs=$?
wait $b; bs=$?
[ $hs -eq 0 ] && [ $bs -eq 0 ] && [ $c -eq 0 ] && [ $d -eq 1 ] || { echo "exit statuses $hs $bs $c $d"; cat "$work"/host "$work"/bo "$work"/cy; exit 1; }
python3 "$(dirname "$0")/checkbots.py" "$work/host" "$work/bo" "$work/cy" || { cat "$work"/host "$work"/bo "$work"/cy; exit 1; }
