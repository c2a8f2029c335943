#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A bot host and two bot players on 127.0.0.2-4 play two short games; run inside a
# private network namespace. Every copy must end with status 0, and their JSON lines
# must agree field by field (checkbots.py): ids, tables, boards, words and scores.
#   bots.sh LETTRO_BOT
bot=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ip link set lo up || exit 1
"$bot" host --address 127.0.0.2 --players 2 --games 2 --play-seconds 2 --seed 3 --timeout 60 >"$work/host" &
h=$!
"$bot" join --address 127.0.0.3 --name Bo --strength 80 --play-seconds 2 --seed 4 --timeout 60 >"$work/bo" &
b=$!
"$bot" join --address 127.0.0.4 --name Cy --strength 10 --play-seconds 3 --seed 5 --timeout 60 >"$work/cy"
c=$?
wait $h; hs=$?
wait $b; bs=$?
[ $hs -eq 0 ] && [ $bs -eq 0 ] && [ $c -eq 0 ] || { echo "exit statuses $hs $bs $c"; cat "$work"/*; exit 1; }
python3 "$(dirname "$0")/checkbots.py" "$work/host" "$work/bo" "$work/cy" || { cat "$work"/*; exit 1; }
