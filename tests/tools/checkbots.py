#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the JSON lines of a bot host and its players field by field: ids, tables,
boards, results (each score worked out again from the words) and the reasons for leaving.
    checkbots.py HOST_LINES PLAYER_LINES..."""
import json, sys

STATUSES = {"Waiting for players", "Sending game data", "Ready to start", "Playing game",
            "Finished game", "Waiting for results", "Sending results", "Reviewing results",
            "Left game"}
POINTS = {3: 1, 4: 1, 5: 2, 6: 3, 7: 5}  # by length; 8 letters or more score 11
faults = []

def expect(ok, what):
    if not ok:
        faults.append(what)

def load(path):
    lines = [json.loads(line) for line in open(path)]
    expect(all(type(e["t"]) is int for e in lines), f"{path}: a line without its time")
    expect([e["t"] for e in lines] == sorted(e["t"] for e in lines), f"{path}: time goes back")
    by = {}
    for e in lines:
        by.setdefault(e["event"], []).append(e)
    return by

def score(words, others, board):
    return sum(POINTS.get(len(w), 11) for w in words if w in board and w not in others)

host, *players = [load(p) for p in sys.argv[1:]]
every = [host] + players
joined = [m["joined"][0] for m in every]
expect(len({j["game_id"] for j in joined}) == 1, "the game ids differ")
ids = [j["player_id"] for j in joined]
expect(ids[0] == 1 and all(i > 1 and i % 100 == 0 for i in ids[1:]) and len(set(ids)) == len(ids),
       f"player ids {ids}")
host_settings = {t["settings"] for t in host["table"]}
for m in every:
    versions = [t["version"] for t in m["table"]]
    expect(versions == sorted(versions), "a table version went back")
    for t in m["table"]:
        expect(t["settings"] in host_settings, f"settings {t['settings']} never on the host")
        rows = t["rows"]
        expect(rows[0]["id"] == 1 and len({r["id"] for r in rows}) == len(rows), f"rows {rows}")
        expect(all(type(r["name"]) is str and r["status"] in STATUSES for r in rows), f"rows {rows}")
    expect([g["game"] for g in m["game"]] == list(range(1, len(m["game"]) + 1)), "game numbers")
    expect(len(m["results"]) == len(m["game"]), "a game without results")
for g in host["game"]:
    same = [m["game"][g["game"] - 1] for m in every]
    expect(all({k: v for k, v in s.items() if k != "t"} == {k: v for k, v in g.items() if k != "t"}
               for s in same), f"game {g['game']} differs between the copies")
    expect(len(g["board"]) == 16 and g["board"].isalpha() and g["board"].isupper(), g["board"])
    expect(g["board_words"] == len(g["board_word_list"]) > 0, "board words")
    expect(g["settings"] in host_settings, "the game's settings")
names = [r["name"] for r in host["table"][-1]["rows"]]
row_ids = [r["id"] for r in host["table"][-1]["rows"]]
for r in host["results"]:
    board = set(host["game"][r["game"] - 1]["board_word_list"])
    expect([p["name"] for p in r["players"]] == names, "results not in table order")
    words = [p["words"] for p in r["players"]]
    scores = [p["score"] for p in r["players"]]
    for i, p in enumerate(r["players"]):
        others = {w for j, ws in enumerate(words) if j != i for w in ws}
        expect(p["score"] == score(p["words"], others, board), f"{p['name']} scores {p['score']}")
    best = max(scores + [0])
    tie = scores.count(best)
    for m, pid in zip(every, ids):
        seen = m["results"][r["game"] - 1]
        expect(seen["players"] == r["players"], f"results of game {r['game']} differ")
        mine = scores[row_ids.index(pid)]
        expect(seen["labels"] == [f"Your score = {mine}", f"High score = {best}",
                                  f"{tie} players tie" if tie > 1 else f"{names[scores.index(best)]} wins"],
               f"labels {seen['labels']}")
expect(host["left"][0]["reason"] == "games played", "the host's reason for leaving")
expect(all(m["left"][0]["reason"] in ("games played", "the host ended the network game")
           for m in players), "a player's reason for leaving")
print("\n".join(faults) or f"{len(host['results'])} games checked field by field on {len(every)} copies")
sys.exit(1 if faults else 0)
