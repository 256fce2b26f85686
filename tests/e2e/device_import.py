#!/usr/bin/python3
"""A watch is plugged in while the program runs: a disk image holding
GARMIN/Activity is mounted on a loop device. Within three seconds the main
window tells of its new activities; Import opens the device import window,
which lists them (a damaged file among those that cannot be read); one row
is changed by keyboard from the planned ride it would fill to a new workout;
OK puts them on the plan as one step and shows the first week that changed. The diary read back holds each activity
once, in the right workout and sport, with the figures kadenzo-tool's
import-device gives for the same files, and recordings copied beside it.

Needs root to mount; skipped (77) where mounting is not permitted."""

import datetime
import json
import os
import shutil
import subprocess
import tempfile
import time

import kadenzo_e2e as e2e
from kadenzo_e2e import check

# Real device files, read in place beside the repository.
FIT = os.path.join(os.path.dirname(os.path.realpath(__file__)), "..", "..", "..", "shared",
                   "real-recordings", "fit")
RUN_2015 = "activity-small-fenix2-run.fit"  # 15 Aug 2015, nothing planned
RUN = "garmin-fenix-5-run.fit"              # 11 Jun 2017, a long run planned
RIDE = "garmin-edge-820-bike.fit"           # 12 Jun 2017, a ride planned
BROKEN = "broken.fit"
ID_IMPORT_FROM_DEVICE = 32930
LONG_RUN, ENDURANCE_RIDE, RUNNING, CYCLING = 2, 6, 1, 2


def day(year, month, date):
    return (datetime.date(year, month, date) - datetime.date(1899, 12, 30)).days


def run(*command):
    return subprocess.run(command, capture_output=True, text=True, timeout=60)


def make_image(work):
    """A small file system holding GARMIN/Activity: FAT where mkfs.vfat is
    there and the kernel mounts it, else ext2. Filled through a mount of its
    own; returns the image, or raises Skipped where mounting is not
    permitted."""
    if os.geteuid() != 0:
        raise e2e.Skipped("mounting a loop device needs root")
    image = os.path.join(work, "watch.img")
    filling = tempfile.mkdtemp(prefix="kadenzo-fill-", dir=work)
    refused = []
    for make in (["mkfs.vfat", "-n", "GARMIN"], ["mkfs.ext2", "-q", "-L", "GARMIN"]):
        if not shutil.which(make[0]):
            continue
        with open(image, "wb") as out:
            out.truncate(16 * 1024 * 1024)
        made = run(*make, image)
        check(made.returncode == 0, f"{make[0]} failed: {made.stderr.strip()}")
        mounted = run("mount", "-o", "loop", image, filling)
        if mounted.returncode == 0:
            break
        refused.append(f"{make[0]}: {mounted.stderr.strip()}")
    else:
        raise e2e.Skipped(f"mounting a loop device is not permitted here ({'; '.join(refused)})")
    try:
        activities = os.path.join(filling, "GARMIN", "Activity")
        os.makedirs(activities)
        for name in (RUN_2015, RUN, RIDE):
            shutil.copy(os.path.join(FIT, name), activities)
        with open(os.path.join(activities, BROKEN), "wb") as out:
            out.write(b"\x0e\x10not a FIT file at all")
        # What the same files give kadenzo-tool, to compare the figures with.
        shutil.copytree(os.path.join(filling, "GARMIN"), os.path.join(work, "copy", "GARMIN"))
    finally:
        check(run("umount", filling).returncode == 0, "the filled image did not unmount")
    return image


def planned(template, date, template_id, sport, minutes):
    planned = dict(template)
    planned.update(date=date + 0.3, templateId=template_id, sportId=sport,
                   plannedDuration=minutes, plannedDistance=0, distance=0, duration=0,
                   averagePulse=0, maxPulse=0, recordingPath="", targetFixed=0,
                   targetPulseLow=0, targetPulseHigh=0, trackId=0, subSportId=0,
                   partDistance=0, partDuration=0, partAveragePulse=0, partMaxPulse=0)
    return planned


def expected_figures(session):
    """The workouts kadenzo-tool's import-device makes of the same files, by
    recording file name."""
    folder = os.path.join(session.work, "expected")
    os.makedirs(folder)
    diary = os.path.join(folder, "diary.kdz")
    shutil.copy(session.diary, diary)
    session.tool_run("import-device", os.path.join(session.work, "copy"), diary)
    workouts = session.tool_run("dump", diary)
    return {os.path.basename(w["recordingPath"]): w
            for w in json.loads(workouts)["log"]["workouts"] if w["recordingPath"]}


def journey(session, start):
    if not os.path.isdir(FIT):
        raise e2e.Skipped(f"{FIT} is not there")
    image = make_image(session.work)
    document = session.demo_document()
    template = document["log"]["workouts"][0]
    document["log"]["workouts"] = [
        planned(template, day(2017, 6, 11), LONG_RUN, RUNNING, 100),
        planned(template, day(2017, 6, 12), ENDURANCE_RIDE, CYCLING, 90),
    ]
    session.write_diary(document)
    expected = expected_figures(session)

    media = os.path.join(session.work, "media", "GARMIN")
    os.makedirs(media)
    program = start()
    main = program.window(role="frame", timeout=20)
    language = program.language
    mounted = False
    try:
        check(run("mount", "-o", "loop,ro", image, media).returncode == 0,
              "the watch's image did not mount")
        mounted = True
        plugged = time.monotonic()
        # The notice counts without decoding: the damaged file too.
        told = e2e.module_text(language, 35323).replace("%d", "4").replace(
            "%s", os.path.join(media, "GARMIN", "Activity"))
        program.wait_for(
            lambda: next((label for label in program.find_all("label", root=main)
                          if program.text(label) == told), None),
            f"the notice {told!r}", timeout=6)
        took = time.monotonic() - plugged
        check(took < 3.5, f"the notice came {took:.1f} s after the watch was plugged in")
        program.no_window("dialog", settle=0.5)

        program.click(program.find("push button", e2e.module_text(language, 35324), root=main))
        window = program.window(e2e.module_text(language, 35300))
        failed = program.find("list", e2e.module_text(language, 35317).rstrip(":"), root=window)
        items = [item.name for item in failed]
        # Named with why in the program's language (cannot be opened, not
        # a FIT file, no samples, damaged).
        reasons = {e2e.module_text(language, text).replace("%s", BROKEN)
                   for text in range(35343, 35347)}
        check(len(items) == 1 and items[0] in reasons,
              f"the files that cannot be read: {items}")
        summary = e2e.module_text(language, 35316).replace("%d", "{}").format(3, 0, 1)
        check(any(program.text(label) == summary for label in program.find_all("label", root=window)),
              f"no summary {summary!r} in {program.texts(window)}")

        # By keyboard: the list has the first row; the ride is the third.
        table = program.find("table", e2e.module_text(language, 35314).rstrip(":"), root=window)
        program.focus(table)
        program.key("Down")
        program.key("Down")
        outcome = program.find("combo box", lambda name: True, root=window)
        fills = e2e.module_text(language, 35313).split("%s")[0]
        program.wait_for(lambda: outcome.name.startswith(fills),
                         f"the ride's outcome to read {fills}... (reads {outcome.name!r})")
        program.key("Tab")
        program.wait_for(lambda: outcome.getState().contains(program.pyatspi.STATE_FOCUSED),
                         "Tab to reach the outcome")
        program.key("Down")  # the next choice: a new workout
        new_workout = e2e.module_text(language, 35310)
        program.wait_for(lambda: outcome.name == new_workout,
                         f"the outcome to read {new_workout!r} (reads {outcome.name!r})")
        program.click(program.find("push button", "OK", root=window))
        program.gone(window, "the device import window")
        program.no_window("alert", settle=0.5)
        # The diary shows the first week that changed: that of 15 August 2015.
        program.find("list", lambda name: "2015" in name and "15" in name.split("2015")[0],
                     root=main)
        steps = e2e.UndoSteps(program, main)
        steps.done(34974)
        program.save_and_quit(main)
    finally:
        if mounted:
            run("umount", media)

    workouts = session.read_diary()["log"]["workouts"]
    recorded = {}
    for workout in workouts:
        name = os.path.basename(workout["recordingPath"])
        check(name not in recorded, f"{name or 'no recording'} twice in the diary")
        recorded[name] = workout
    check(sorted(recorded) == sorted(["", RIDE, RUN_2015, RUN]) and len(workouts) == 4,
          f"the diary's recordings: {sorted(recorded)}")
    ride_plan = recorded[""]
    check(ride_plan["templateId"] == ENDURANCE_RIDE and ride_plan["duration"] == 0,
          "the planned ride was filled after all")
    check(recorded[RUN]["templateId"] == LONG_RUN and recorded[RUN]["plannedDuration"] == 100,
          "the run did not fill the planned long run")
    for name, sport in ((RUN_2015, RUNNING), (RUN, RUNNING), (RIDE, CYCLING)):
        workout = recorded[name]
        check(workout["sportId"] == sport, f"{name} is sport {workout['sportId']}, not {sport}")
        check(workout["recordingPath"] == f"diary-recordings/{name}",
              f"{name} is stored as {workout['recordingPath']!r}")
        copy = os.path.join(session.work, "diary-recordings", name)
        with open(copy, "rb") as copied, open(os.path.join(FIT, name), "rb") as original:
            check(copied.read() == original.read(), f"the copy of {name} differs")
        for field in ("duration", "distance", "averagePulse", "maxPulse", "marker1", "marker2"):
            check(abs(workout[field] - expected[name][field]) < 1e-9,
                  f"{name}: {field} {workout[field]}, kadenzo-tool gives {expected[name][field]}")
        check(workout["duration"] > 0, f"{name} has no duration")


if __name__ == "__main__":
    e2e.run_journey(journey)
