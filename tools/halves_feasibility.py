#!/usr/bin/env python3
"""Whether a balanced table of exactly twice the places with the halves mixed can meet its targets.

With half of every group resting in each game and rests within one of each other after every
game, the games fall into blocks of two: in each block one half of a group rests in the first game
and the other half in the second. A player who rests second in one block and first in the next
rests twice in a row, which the mixed halves allow once per player. This model (for the z3 solver,
Debian package python3-z3) asks for halves, courts and partners in every block such that:
partnerships repeat no more than the balanced tables promise for the number of games (none up to
90 % of the bound, at most two repeats up to the bound, past it each pair at most ceil(G / bound)
times), no two players meet more often than the least possible plus one (mixed doubles two), and
numbers of different opponents differ by at most two.

    python3 tools/halves_feasibility.py team 4 4 1 30 [SECONDS]
    -> "unsat": no table meets them all; "sat": one does (its halves are printed);
       "unknown": the solver ran out of time.

Kinds: doubles N 0 C G, mixed M W C G, team NA NB C G; G even.
"""

import sys

import z3


def main():
    kind, a, b, courts, games = sys.argv[1], *map(int, sys.argv[2:6])
    seconds = int(sys.argv[6]) if len(sys.argv) > 6 else 300
    blocks = games // 2
    groups = [list(range(a))] + ([list(range(a, a + b))] if b else [])
    n = a + b
    group_of = [0] * a + [1] * b
    seats = {"doubles": [4], "mixed": [2, 2], "team": [2, 2]}[kind]

    def may_partner(x, y):
        return group_of[x] != group_of[y] if kind == "mixed" else group_of[x] == group_of[y]

    if kind == "doubles":
        bound = a * (a - 1) // (4 * courts)
    elif kind == "mixed":
        bound = a * b // (2 * courts)
    else:
        bound = min(a * (a - 1) // 2, b * (b - 1) // 2) // courts
    k = blocks  # games of every player
    if kind == "doubles":
        allowed = -(-2 * k // (a - 1)) + 1
    elif kind == "mixed":
        allowed = max(-(-k // (a - 1)), -(-k // b)) + 2
    else:
        allowed = -(-2 * k // b) + 1
    share = games / bound
    print(kind, a, b, courts, games, "bound", bound, "meetings at most", allowed)

    s = z3.Solver()
    s.set("timeout", seconds * 1000)
    # first[x][t]: x rests in the first game of block t; court[x][t][c]: he plays on court c.
    first = [[z3.Bool(f"f{x}_{t}") for t in range(blocks)] for x in range(n)]
    court = [[[z3.Bool(f"k{x}_{t}_{c}") for c in range(courts)] for t in range(blocks)]
             for x in range(n)]
    for g, ids in enumerate(groups):
        for t in range(blocks):
            s.add(z3.PbEq([(first[x][t], 1) for x in ids], len(ids) // 2))
            for half in (True, False):
                for c in range(courts):
                    s.add(z3.PbEq([(z3.And(first[x][t] == half, court[x][t][c]), 1) for x in ids],
                                  seats[g]))
        # Players of a group are alike: the first block's halves may be fixed.
        for i, x in enumerate(ids):
            s.add(first[x][0] == (i < len(ids) // 2))
    for x in range(n):
        for t in range(blocks):
            s.add(z3.PbEq([(court[x][t][c], 1) for c in range(courts)], 1))
        s.add(z3.PbLe([(z3.And(z3.Not(first[x][t]), first[x][t + 1]), 1)
                       for t in range(blocks - 1)], 1))

    partner = {}
    meets = {}
    for x in range(n):
        for y in range(x + 1, n):
            together = [z3.And(first[x][t] == first[y][t],
                               z3.Or([z3.And(court[x][t][c], court[y][t][c])
                                      for c in range(courts)]))
                        for t in range(blocks)]
            if may_partner(x, y):
                partner[x, y] = [z3.Bool(f"p{x}_{y}_{t}") for t in range(blocks)]
                for t in range(blocks):
                    s.add(z3.Implies(partner[x, y][t], together[t]))
            if kind == "team" and group_of[x] == group_of[y]:
                for t in range(blocks):
                    s.add(partner[x, y][t] == together[t])
                continue
            meets[x, y] = [z3.And(together[t], z3.Not(partner[x, y][t])) if (x, y) in partner
                           else together[t] for t in range(blocks)]
    for x in range(n):
        mine = [partner[min(x, y), max(x, y)] for y in range(n)
                if y != x and (min(x, y), max(x, y)) in partner]
        for t in range(blocks):
            s.add(z3.PbEq([(p[t], 1) for p in mine], 1))
    repeated = []
    for key, times in partner.items():
        if share <= 0.9:
            s.add(z3.PbLe([(p, 1) for p in times], 1))
        elif share <= 1.0:
            s.add(z3.PbLe([(p, 1) for p in times], 2))
            again = z3.Bool(f"r{key[0]}_{key[1]}")
            s.add(z3.Implies(z3.Not(again), z3.PbLe([(p, 1) for p in times], 1)))
            repeated.append(again)
        else:
            s.add(z3.PbLe([(p, 1) for p in times], -(-games // bound)))
    if repeated:
        s.add(z3.PbLe([(r, 1) for r in repeated], 2))
    met = {}
    for key, times in meets.items():
        s.add(z3.PbLe([(m, 1) for m in times], allowed))
        met[key] = z3.Or(times)
    fewest = z3.Int("fewest")
    for x in range(n):
        different = z3.Sum([z3.If(met[min(x, y), max(x, y)], 1, 0) for y in range(n)
                            if y != x and (min(x, y), max(x, y)) in met])
        s.add(different >= fewest, different <= fewest + 2)

    result = s.check()
    print(result)
    if result == z3.sat:
        model = s.model()
        for x in range(n):
            print(x + 1, "".join("1" if z3.is_true(model.eval(first[x][t])) else "0"
                                 for t in range(blocks)))


if __name__ == "__main__":
    main()
