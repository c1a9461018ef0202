"""tolvane.exe under Wine, driven by keys: a search and Back, the one-copy
rule, Exit through the refer-a-friend window, and the reminder's date in the
registry across restarts.
Usage: python3 program.py TOLVANE.EXE WORKFOLDER"""

import datetime
import os
import sys

from desktop import (activate, copied_text, keys, run, screenshot, start, type_text, wait_active,
                     wait_for, windows, white_words_in, WINE)

MAIN = "Tolvane v1.0"  # every window's caption
BOX = "Tolvane"  # a message box's caption
STORE = r"HKCU\Software\tolvane\tolvane\Settings"


def shift(text, by):
    """The reminder's character shift, over Windows-1252 codes as Windows has them;
    a character shifted out of the code page is left out."""
    def code(c):
        try:
            return c.encode("cp1252")[0]
        except UnicodeEncodeError:
            return ord(c)

    def char(n):
        try:
            return bytes([n]).decode("cp1252")
        except UnicodeDecodeError:
            return chr(n)
    return "".join(char(code(c) + by) for c in text if 0 <= code(c) + by <= 255)


def stored_dates(work):
    """The store's entries, decoded, read from an export of the key."""
    path = os.path.join(work, "store.reg")
    if run(WINE, "reg", "export", STORE, path, "/y", check=False) == "" and not os.path.exists(path):
        return {}
    with open(path, encoding="utf-16") as f:
        lines = [line.rstrip("\r\n") for line in f]
    os.remove(path)
    entries = {}
    for line in lines:
        if line.startswith('"') and '"="' in line:
            name, value = line[1:-1].split('"="', 1)
            entries[shift(name, -85)] = shift(value, -85)
    return entries


def store_date(work, date):
    path = os.path.join(work, "set.reg")
    text = f"{date.month}/{date.day}/{date.year}"
    with open(path, "w", encoding="utf-16") as f:
        f.write(f'Windows Registry Editor Version 5.00\r\n\r\n[{STORE.replace("HKCU", "HKEY_CURRENT_USER")}]\r\n'
                f'"{shift("Duration", 85)}"="{shift(text, 85)}"\r\n')
    run(WINE, "reg", "import", path)


def main(exe, work):
    os.makedirs(work, exist_ok=True)
    run(WINE, "reg", "delete", r"HKCU\Software\tolvane", "/f", check=False)
    today = datetime.date.today()
    us_date = f"{today.month}/{today.day}/{today.year}"

    # The first start asks nothing and stores today.
    first = start(exe)
    main_window = wait_active(MAIN)
    assert not windows(BOX), "the first start asked about updates"
    assert stored_dates(work) == {"Duration": us_date}, stored_dates(work)

    # A search: the result window shows the sign of 28 June 1969 (Gemini; a day
    # earlier is Taurus). Back keeps the entries: the same search again, with
    # no message about a missing name, shows the same sign.
    type_text("Ada")
    for entry in ("28", "Jun", "1969"):
        keys("Tab")
        type_text(entry)
    for attempt in ("first", "again"):
        keys("alt+z")
        result = wait_active(MAIN, other_than=main_window)
        shot = os.path.join(work, f"result-{attempt}.png")
        # The sign is the window's only white text.
        wait_for(lambda: white_words_in(screenshot(result, shot)) == ["Gemini"],
                 f"Gemini, {attempt}", 20)
        keys("alt+b")
        main_window = wait_active(MAIN, other_than=result)
        assert not windows(BOX), "Back lost the entries"

    # A second copy is refused with its message and ends with 0; the first runs on.
    second = start(exe)
    wait_active(BOX)
    assert "Application is already running" in copied_text("ctrl+c")
    keys("Return")
    assert second.wait(timeout=30) == 0
    assert first.poll() is None, "the first copy ended"
    activate(main_window)

    # Exit shows the refer-a-friend window; its Exit ends the program with 0.
    keys("alt+e")
    refer = wait_active(MAIN, other_than=main_window)
    screenshot(refer, os.path.join(work, "refer-friend.png"))
    keys("alt+x")
    assert first.wait(timeout=30) == 0

    # A restart within 15 days asks nothing and leaves the date alone.
    again = start(exe)
    wait_active(MAIN)
    assert not windows(BOX), "the reminder asked again"
    assert stored_dates(work) == {"Duration": us_date}
    again.kill()
    again.wait(timeout=30)

    # 15 days after the stored date it asks; No stores today.
    store_date(work, today - datetime.timedelta(days=15))
    asked = start(exe)
    wait_active(BOX)
    assert "There maybe an update to this software available" in copied_text("ctrl+c")
    keys("alt+n")
    wait_active(MAIN)
    assert stored_dates(work) == {"Duration": us_date}
    asked.kill()
    asked.wait(timeout=30)
    print("tolvane.exe: search, Back, one copy, Exit and the reminder's date all held")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
