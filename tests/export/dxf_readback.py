#!/usr/bin/python3
"""Every DXF file voriel-cli writes, read back by ezdxf: its polylines must carry the model's
coordinates (from voriel-cli dump) to 1e-4, in the order and colours the layouts give.

Usage: dxf_readback.py VORIEL_CLI
"""
import json
import os
import subprocess
import sys
import tempfile

import ezdxf

TOL = 1e-4
STATION_TEXT = "2,57"
HULLS = {
    "default": [],
    "pram": ["half-width-forward=0,3"],
    "long": ["lwl=11,5", "half-max-beam=1,6", "half-width-forward=0,45", "deadrise=20"],
    "flat": ["deadrise=0", "chine2.plank-inclination=40", "sheer.height-aft=0,9"],
}

failures = []


def run(cli, *args):
    done = subprocess.run([cli, *args], capture_output=True, text=True)
    if done.returncode != 0:
        sys.exit(f"voriel-cli {' '.join(args)} failed: {done.stderr}")
    return done.stdout


def check(name, polylines, expected):
    """expected: list of (colour, [(x, y, z), ...]) in file order."""
    if len(polylines) != len(expected):
        failures.append(f"{name}: {len(polylines)} polylines, {len(expected)} expected")
        return
    for k, (pl, (colour, points)) in enumerate(zip(polylines, expected)):
        vertices = [v.dxf.location for v in pl.vertices]
        if (pl.dxf.color, len(vertices)) != (colour, len(points)):
            failures.append(f"{name} polyline {k}: colour {pl.dxf.color}, {len(vertices)} "
                            f"vertices, expected {colour}, {len(points)}")
            continue
        for j, (v, p) in enumerate(zip(vertices, points)):
            if any(abs(a - b) > TOL for a, b in zip(v, p)):
                failures.append(f"{name} polyline {k} vertex {j}: {tuple(v)} instead of {p}")
                return


def read(path):
    return list(ezdxf.readfile(path).modelspace().query("POLYLINE"))


def section_ring(st, p):
    """A section across both sides: port sheer down to the keel and up to the starboard sheer."""
    x, y, z = st["X"][p], st["Y"][p], st["Z"][p]
    return [(x[j], -y[j], z[j]) for j in range(13, -1, -1)] + \
           [(x[j], y[j], z[j]) for j in range(1, 14)]


def lines_file(d):
    L, st = d["lines"], d["stations"]
    out = []
    for j, colour in enumerate([7, 6, 5, 4, 7]):
        X, Y, Z = L["X"][j], L["Y"][j], L["Z"][j]
        pts = [(X[i], -Y[i], Z[i]) for i in range(83)] + \
              [(X[i], Y[i], Z[i]) for i in range(82, -1, -1)] + [(X[0], -Y[0], Z[0])]
        out.append((colour, pts))
    out.append((7, section_ring(st, 0)))
    out += [(5, section_ring(st, p)) for p in range(1, 82, 4)]
    out.append((7, section_ring(st, 82)))
    return out


def station_outline(st, p, ox, oy):
    """A section in its own plane: half breadth along x, height along y, abscissa as z."""
    x, y, z = st["X"][p], st["Y"][p], st["Z"][p]
    return [(ox + y[j], oy + z[j], x[j]) for j in range(14)] + \
           [(ox + y[0], oy + z[13], x[13])] + \
           [(ox - y[j], oy + z[j], x[j]) for j in range(13, -1, -1)]


def end_plate(dev, ox, oy):
    s, w = dev["slant"], dev["half"]
    return [(ox + w[p], oy + s[p], 0) for p in range(14)] + [(ox + w[0], oy + s[13], 0)] + \
           [(ox - w[p], oy + s[p], 0) for p in range(13, -1, -1)]


def stacked(plates):
    """Plates (colour, outline, last point) one above the other, each raised by 5 % of the height
    and of the length of the one below; returns them and the largest X met."""
    out, oy, x_all = [], 0.0, 0.0
    for colour, dev, n in plates:
        Xi, Yi, Xs, Ys = (dev[k][:n + 1] for k in ("Xi", "Yi", "Xs", "Ys"))
        pts = [(Xi[p], oy + Yi[p], 0) for p in range(n + 1)] + \
              [(Xs[p], oy + Ys[p], 0) for p in range(n, -1, -1)] + [(Xi[0], oy + Yi[0], 0)]
        out.append((colour, pts))
        xmax, ymax = max([0.0] + Xi + Xs), max([0.0] + Yi + Ys)
        oy = 1.05 * ymax + oy + 0.05 * xmax
        x_all = max(x_all, xmax)
    return out, x_all


def plank_file(d, stage):
    dv, st, L, rec = d["developments"], d["stations"], d["lines"], d["record"]
    plates = [(7, dv["bottom"], 83)]
    if stage == 1:
        plates += [(6, dv["plank1"], 82), (5, dv["plank2"], 82), (4, dv["plank3"], 82)]
    out, x_all = stacked(plates)
    # The transom, the max-beam section and the bow plate stand to the right of the plates.
    m = rec["MaxBeamIndex"]
    ox = 1.1 * x_all + max([0.0] + [L["Y"][k][m] for k in range(1, 5)])
    out.append((7, end_plate(dv["transom"], ox, 0.0)))
    oy = 0.04 * ox + dv["transom"]["slant"][13] + abs(L["Z"][0][m])
    out.append((6, station_outline(st, m, ox, oy)))
    oy = L["Z"][4][m] - L["Z"][0][m] + oy + 0.04 * ox
    if rec["YFwd"][1] > 0.001:
        out.append((5, end_plate(dv["bowPlate"], ox, oy)))
    return out


def deck_file(d, stage):
    dv = d["developments"]
    return stacked([(8 - k, dv[f"deck{k}"], 82) for k in range(1, 2 if stage == 0 else 5)])[0]


def station_index(d, text):
    """The last station at or aft of the box's X, from 1 to 81."""
    x, chine1 = float(text.replace(",", ".")), d["lines"]["X"][1]
    return max(1, sum(1 for p in range(1, 82) if x >= chine1[p]))


def main():
    cli = sys.argv[1]
    with tempfile.TemporaryDirectory() as work:
        files_read = 0
        for name, entries in HULLS.items():
            hull = os.path.join(work, name + ".D50")
            run(cli, "design", *entries, "-o", hull)
            d = json.loads(run(cli, "dump", hull))
            p = station_index(d, STATION_TEXT)
            for stage in (0, 1):
                folder = os.path.join(work, f"{name}-{stage}")
                run(cli, "export", hull, "--stage", str(stage), "--station", STATION_TEXT,
                    "--all", folder)
                expected = {
                    f"{name}.DXF": lines_file(d),
                    f"{name}_PLANK.DXF": plank_file(d, stage),
                    f"{name}_DECK.DXF": deck_file(d, stage),
                    f"{name}_STAT_{p:02d}.DXF": [(6, station_outline(d["stations"], p, 0, 0))],
                }
                written = sorted(f for f in os.listdir(folder) if f.endswith(".DXF"))
                if written != sorted(expected):
                    failures.append(f"{folder}: DXF files {written}, expected {sorted(expected)}")
                for f, polylines in expected.items():
                    check(f"{name} stage {stage} {f}", read(os.path.join(folder, f)), polylines)
                    files_read += 1
    for f in failures[:20]:
        print(f)
    print(f"{files_read} DXF files read back, {len(failures)} failures")
    return 1 if failures or files_read != 8 * len(HULLS) else 0


if __name__ == "__main__":
    sys.exit(main())
