#!/usr/bin/python3
"""A Polar recording cut off inside its heart-rate data (a watch whose battery
died) is imported through the performance page: the import dialog notes the
cut once and shows the figures of the rows that are there, not stretched to
the length the file's header declares; the workout takes those figures, in
one step that Edit › Undo names, takes back and Redo brings back."""

import os
import re

import kadenzo_e2e as e2e
from kadenzo_e2e import check

# One heart rate a row, 5 s apart; read in place beside the repository.
RECORDING = os.path.join(os.path.dirname(os.path.realpath(__file__)), "..", "..", "..",
                         "shared", "real-recordings", "s610-sample.hrm")
ROWS = 600  # kept whole; the next row is cut in the middle
EDIT_WORKOUT = 34963


def cut_recording(folder):
    """The real recording cut inside [HRData]; returns its path and the heart
    rates of the rows kept."""
    with open(RECORDING) as source:
        lines = source.read().splitlines()
    start = lines.index("[HRData]") + 1
    rows = lines[start:start + ROWS]
    cut_row = lines[start + ROWS]
    check(len(cut_row) > 1, "the row to cut is too short")
    path = os.path.join(folder, "cut-short.hrm")
    with open(path, "w") as out:
        out.write("\n".join(lines[:start] + rows) + "\n" + cut_row[: len(cut_row) // 2])
    return path, [int(row.split()[0]) for row in rows]


def number_in(text):
    found = re.search(r"\d+", text)
    check(found, f"no number in {text!r}")
    return int(found.group())


def journey(session, start):
    if not os.path.isfile(RECORDING):
        raise e2e.Skipped(f"{RECORDING} is not there")
    path, rates = cut_recording(session.work)
    # Row k lies k intervals after the start, which takes the first row's
    # heart rate.
    seconds = len(rates) * 5
    duration = f"{seconds // 3600}:{seconds // 60 % 60:02}:{seconds % 60:02}"
    average = (rates[0] + sum(rates)) / (len(rates) + 1)
    e2e.diary_with_yesterdays_workout(session, distance=0, duration=0, averagePulse=0,
                                      maxPulse=0, recordingPath="")
    program = start()
    main, editor = e2e.open_yesterdays_workout(program, session, "Performance")

    program.click(program.find("push button", "Import...", root=editor))
    importer = program.window("Import a heart-rate recording")
    program.type_into(program.find("text", "Recording:", root=importer), path)
    program.key("Return")

    note = program.window(role="alert")
    said = " ".join(program.texts(note))
    check("cut-short.hrm" in said, f"the note does not name the file: {said!r}")
    program.click(program.find("push button", "OK", root=note))
    program.gone(note, "the note")
    program.no_window("alert", settle=1.0)

    whole = program.find("panel", "Whole recording", root=importer)
    shown = {program.text(label).split(":")[0]: program.text(label)
             for label in program.find_all("label", root=whole)}
    check(shown.get("Duration") == f"Duration: {duration}",
          f"the whole recording shows {shown.get('Duration')!r}, its rows last {duration}")
    shown_average = number_in(shown.get("Average", ""))
    check(abs(shown_average - average) <= 0.5,
          f"the whole recording's average is {shown_average}, its rows' {average:.2f}")
    check(number_in(shown.get("Maximum", "")) == max(rates),
          f"the whole recording's maximum is {shown.get('Maximum')!r}, its rows' {max(rates)}")

    program.click(program.find("push button", "OK", root=importer))
    program.gone(importer, "the import dialog")
    page_duration = program.find("text", "Duration:", root=editor)
    program.wait_text(page_duration, duration)
    page_average = int(program.text(program.find("text", "Average heart rate:", root=editor)))
    check(abs(page_average - average) < 1,
          f"the page takes the average {page_average}, the rows' is {average:.2f}")
    program.click(program.find("push button", "OK", root=editor))
    program.gone(editor, "the editor")
    program.no_window("alert", settle=0.3)
    steps = e2e.UndoSteps(program, main)
    steps.done(EDIT_WORKOUT)
    steps.undo_all()
    steps.redo_all()
    program.save_and_quit(main)

    saved = e2e.the_workout(session.read_diary())
    check(abs(saved["duration"] * 60 - seconds) < 1e-3,
          f"saved duration {saved['duration']} minutes, expected {seconds} s")
    check(saved["averagePulse"] == page_average and saved["maxPulse"] == max(rates),
          f"saved heart rates {saved['averagePulse']}/{saved['maxPulse']}, "
          f"expected {page_average}/{max(rates)}")
    check(saved["recordingPath"] == path, f"saved recording path {saved['recordingPath']!r}")


if __name__ == "__main__":
    e2e.run_journey(journey)
