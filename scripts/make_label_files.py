#!/usr/bin/env python3
"""Writes the category label files of the default user (install/usr/kupro/cat/<n>/lang.ini).

Each category turns the one generic card into the form a collector of that kind expects: a caption
per field, "-" for a field the category does not use, list column headers for the five element
lists. Run it after changing the tables below; the files are Windows-1252 with CR LF line ends.
"""
from pathlib import Path

HIDE = "-"

# Sections shared by every category unless a category replaces a key.
COMMON = {
    "MAIN": {"lblMain1": "Title", "lblMain2": "Cover picture"},
    "AGGIUNTE": {"lblAggiunte0": "Notes", "lblAggiunte1": "Notes"},
    "ALTRO": {
        "lblAltro0": "Other data",
        "lblAltro1": HIDE, "lblAltro2": HIDE, "lblAltro3": HIDE, "lblAltro4": HIDE,
        "lblAltro5": HIDE,
        "lblAltro6": "Bought where?", "lblAltro7": "Price",
        "chkAltro8": "Lent out", "lblAltro9": "Lent to", "lblAltro10": "Due back on",
        "chkAltro11": "Borrowed", "lblAltro12": "Borrowed from", "lblAltro13": "Return by",
    },
    "CRITICA": {"lblCritica0": "Reviews", "lblCritica1": "Source", "lblCritica2": "Author",
                "lblCritica3": "Date", "lblCritica4": "Rating", "lblCritica5": HIDE,
                "lblCritica6": "Review", "lblCritica7": HIDE, "lblCritica8": "File", "lblFile": "File"},
    "IMMAGINI": {"lblImmagini0": "Images", "lblImmagini1": "Caption", "lblImmagini2": "Subject",
                 "lblImmagini3": "Date", "lblImmagini4": HIDE, "lblImmagini5": HIDE,
                 "lblImmagini6": "Notes", "lblImmagini7": HIDE, "lblImmagini8": "Picture file",
                 "lblFile": "Picture file"},
    "SUONI": {"lblSuoni0": "Sounds", "lblSuoni1": "Title", "lblSuoni2": "Performer",
              "lblSuoni3": "Length", "lblSuoni4": HIDE, "lblSuoni5": HIDE,
              "lblSuoni6": "Notes", "lblSuoni7": HIDE, "lblSuoni8": "Sound file", "lblFile": "Sound file"},
    "FILMATI": {"lblFilmati0": "Films", "lblFilmati1": "Title", "lblFilmati2": "Subject",
                "lblFilmati3": "Length", "lblFilmati4": HIDE, "lblFilmati5": HIDE,
                "lblFilmati6": "Notes", "lblFilmati7": HIDE, "lblFilmati8": "Film file", "lblFile": "Film file"},
}


def fields(prefix, heading, names, count):
    """A field section: heading (key 0) and captions 1..count, "-" for the unused ones."""
    out = {f"lbl{prefix}0": heading}
    for i in range(1, count + 1):
        out[f"lbl{prefix}{i}"] = names[i - 1] if i <= len(names) and names[i - 1] else HIDE
    return out


def elements(heading, columns, file_caption="File"):
    """The tracks/contents list: heading, seven columns and the file column."""
    out = {"lblElementi0": heading}
    for i in range(1, 8):
        out[f"lblElementi{i}"] = columns[i - 1] if i <= len(columns) and columns[i - 1] else HIDE
    out["lblElementi8"] = file_caption if file_caption else HIDE
    out["lblFile"] = file_caption if file_caption else HIDE
    return out


SHELF = ["Shelf", "Row", "Position"]

MUSIC_TECH = ["Sound", "LP/SP", "Inserts", "Producer", "Compilation", "Mixing", "Cover art",
              "Arrangements", "Distribution"]

CATEGORIES = {
    1: dict(
        config={"name": "Music records", "cddb": "1"},
        DESCRIZIONE=fields("Descrizione", "Description",
                           ["Artist", "Genre", "Format", "Lyricist", "Total time", "Edition", "Description"], 7),
        PRINCIPALI=fields("Principali", "Main data",
                          ["Original title", "Country", "Year", "Label", "Catalogue no.", "Language", "Lyrics",
                           "Series"] + SHELF, 11),
        ELEMENTI=elements("Tracks", ["Title", "Artist", "Composer", "Length", "Track no.", "Genre", "Notes"],
                          "Audio file"),
        GIUDIZI=fields("Giudizi", "Ratings", ["Overall", "Performance", "Lyrics", "Interpretation", "Mixing",
                                              "Audio quality"], 9),
        TECNICI=fields("Tecnici", "Technical data", MUSIC_TECH, 16),
        ALTRO_PEOPLE=["Performer 1", "Performer 2", "Performer 3", "Performer 4", "Other performers"],
    ),
    2: dict(
        config={"name": "Books"},
        DESCRIZIONE=fields("Descrizione", "Description",
                           ["Author", "Genre", "Binding", "Translator", "Pages", "Edition", "Synopsis"], 7),
        PRINCIPALI=fields("Principali", "Main data",
                          ["Original title", "Country", "Year", "Publisher", "ISBN", "Language", "Illustrator",
                           "Series"] + SHELF, 11),
        ELEMENTI=elements("Contents", ["Chapter", "Author", "Pages", "Notes"]),
        GIUDIZI=fields("Giudizi", "Ratings", ["Overall", "Plot", "Style", "Characters", "Translation",
                                              "Print quality"], 9),
        TECNICI=fields("Tecnici", "Technical data", ["Format", "Weight", "Printer", "Printing", "Condition",
                                                     "Dust jacket", "Signed"], 16),
        ALTRO_PEOPLE=["Editor", "Foreword by", "Cover artist", HIDE, "Other contributors"],
    ),
    3: dict(
        config={"name": "VHS films"},
        DESCRIZIONE=fields("Descrizione", "Description",
                           ["Director", "Genre", "Tape", "Screenplay", "Running time", "Edition", "Plot"], 7),
        PRINCIPALI=fields("Principali", "Main data",
                          ["Original title", "Country", "Year", "Studio", "Age rating", "Language", "Subtitles",
                           "Series"] + SHELF, 11),
        ELEMENTI=elements("Scenes", ["Scene", "Counter", "Length", "Notes"]),
        GIUDIZI=fields("Giudizi", "Ratings", ["Overall", "Direction", "Screenplay", "Acting", "Photography",
                                              "Picture quality"], 9),
        TECNICI=fields("Tecnici", "Technical data", ["Audio", "Colour", "System", "Recorded from", "Speed",
                                                     "Aspect ratio", "Condition"], 16),
        ALTRO_PEOPLE=["Leading actor", "Leading actress", "Supporting actor", "Supporting actress", "Cast"],
    ),
    4: dict(
        config={"name": "DVD films"},
        DESCRIZIONE=fields("Descrizione", "Description",
                           ["Director", "Genre", "Discs", "Screenplay", "Running time", "Edition", "Plot"], 7),
        PRINCIPALI=fields("Principali", "Main data",
                          ["Original title", "Country", "Year", "Studio", "Age rating", "Audio languages",
                           "Subtitles", "Series"] + SHELF, 11),
        ELEMENTI=elements("Chapters", ["Chapter", "Start", "Length", "Notes"]),
        GIUDIZI=fields("Giudizi", "Ratings", ["Overall", "Direction", "Screenplay", "Acting", "Extras",
                                              "Picture quality"], 9),
        TECNICI=fields("Tecnici", "Technical data", ["Audio", "Region", "Video", "Aspect ratio", "Layers",
                                                     "Extras", "Packaging"], 16),
        ALTRO_PEOPLE=["Leading actor", "Leading actress", "Supporting actor", "Supporting actress", "Cast"],
    ),
    5: dict(
        config={"name": "Data CDs", "getdir": "1"},
        DESCRIZIONE=fields("Descrizione", "Description",
                           ["Publisher", "Kind", "Media", HIDE, "Size", "Version", "Folders on the disc"], 7),
        PRINCIPALI=fields("Principali", "Main data",
                          ["Product", "Platform", "Year", "Licence", "Serial number", "Language", HIDE,
                           "Series"] + SHELF, 11),
        ELEMENTI=elements("Contents", ["Folder or file", "Kind", "Size", "Notes"]),
        GIUDIZI=fields("Giudizi", "Ratings", ["Overall", "Usefulness", "Ease of use"], 9),
        TECNICI=fields("Tecnici", "Technical data", ["File system", "Bootable", "Requirements", "Burnt with",
                                                     "Burn date", "Checksum"], 16),
        ALTRO_PEOPLE=[HIDE, HIDE, HIDE, HIDE, HIDE],
    ),
    6: dict(
        config={"name": "Stamps"},
        DESCRIZIONE=fields("Descrizione", "Description",
                           ["Country", "Subject", "Kind", "Designer", "Face value", "Issue", "Description"], 7),
        PRINCIPALI=fields("Principali", "Main data",
                          ["Catalogue", "Catalogue no.", "Year", "Printer", "Print run", "Perforation",
                           "Watermark", "Album"] + ["Page", "Row", "Position"], 11),
        ELEMENTI=elements("Varieties", ["Variety", "Colour", "Catalogue no.", "Value", "Notes"]),
        GIUDIZI=fields("Giudizi", "Ratings", ["Overall", "Centring", "Gum", "Postmark", "Rarity"], 9),
        TECNICI=fields("Tecnici", "Technical data", ["Condition", "Hinged", "Postmark", "Paper", "Printing",
                                                     "Colour", "Size", "Certificate"], 16),
        ALTRO_PEOPLE=[HIDE, HIDE, HIDE, HIDE, HIDE],
    ),
    7: dict(
        config={"name": "MP3 albums", "getfolder": "1", "id3": "1"},
        DESCRIZIONE=fields("Descrizione", "Description",
                           ["Artist", "Genre", "Folder", "Lyricist", "Total time", "Edition", "Description"], 7),
        PRINCIPALI=fields("Principali", "Main data",
                          ["Original title", "Country", "Year", "Label", "Source", "Language", "Lyrics",
                           "Series"] + SHELF, 11),
        # The folder import fills the columns in this order, the technical summary last.
        ELEMENTI=elements("Tracks", ["Title", "Album - year", "Artist", "Size - length", "Genre", "Comment",
                                     "Technical data"], "MP3 file"),
        GIUDIZI=fields("Giudizi", "Ratings", ["Overall", "Performance", "Lyrics", "Interpretation", "Mixing",
                                              "Audio quality"], 9),
        TECNICI=fields("Tecnici", "Technical data", ["Encoder", "Bit rate", "Sample rate", "Channels",
                                                     "Tags", "Ripped from"], 16),
        ALTRO_PEOPLE=["Performer 1", "Performer 2", "Performer 3", "Performer 4", "Other performers"],
    ),
    8: dict(
        config={"name": "Singers and actors"},
        DESCRIZIONE=fields("Descrizione", "Description",
                           ["Stage name", "Field", "Nationality", "Real name", "Active years", "Agency",
                            "Biography"], 7),
        PRINCIPALI=fields("Principali", "Main data",
                          ["Born", "Birthplace", "Died", "Place of death", "Web site", "Languages", "Awards",
                           HIDE, HIDE, HIDE, HIDE], 11),
        ELEMENTI=elements("Works", ["Title", "Role", "Year", "Kind", "Notes"]),
        GIUDIZI=fields("Giudizi", "Ratings", ["Overall", "Voice", "Acting", "Stage presence"], 9),
        TECNICI=fields("Tecnici", "Technical data", ["Voice type", "Height", "Instrument", "Style"], 16),
        ALTRO_PEOPLE=["Partner", "Worked with", "Teacher", "Manager", "Other people"],
    ),
    9: dict(
        config={"name": "Writers"},
        DESCRIZIONE=fields("Descrizione", "Description",
                           ["Pen name", "Genre", "Nationality", "Real name", "Active years", "Movement",
                            "Biography"], 7),
        PRINCIPALI=fields("Principali", "Main data",
                          ["Born", "Birthplace", "Died", "Place of death", "Web site", "Languages", "Awards",
                           HIDE, HIDE, HIDE, HIDE], 11),
        ELEMENTI=elements("Works", ["Title", "Year", "Kind", "Publisher", "Notes"]),
        GIUDIZI=fields("Giudizi", "Ratings", ["Overall", "Style", "Originality", "Influence"], 9),
        TECNICI=fields("Tecnici", "Technical data", [], 16) | {"lblTecnici0": HIDE},
        ALTRO_PEOPLE=["Influenced by", "Influenced", "Translator", "Publisher", "Other people"],
    ),
}

SECTION_ORDER = ["CONFIG", "MAIN", "DESCRIZIONE", "PRINCIPALI", "AGGIUNTE", "ELEMENTI", "GIUDIZI", "CRITICA",
                 "TECNICI", "ALTRO", "IMMAGINI", "SUONI", "FILMATI"]


def label_file(number, cat):
    config = {"name": "", "cddb": "0", "getdir": "0", "getfolder": "0", "id3": "0"} | cat["config"]
    altro = dict(COMMON["ALTRO"])
    for i, caption in enumerate(cat["ALTRO_PEOPLE"], start=1):
        altro[f"lblAltro{i}"] = caption
    sections = {
        "CONFIG": config,
        "MAIN": COMMON["MAIN"],
        "DESCRIZIONE": cat["DESCRIZIONE"],
        "PRINCIPALI": cat["PRINCIPALI"],
        "AGGIUNTE": COMMON["AGGIUNTE"],
        "ELEMENTI": cat["ELEMENTI"] | cat.get("ELEMENTI_EXTRA", {}),
        "GIUDIZI": cat["GIUDIZI"],
        "CRITICA": COMMON["CRITICA"],
        "TECNICI": cat["TECNICI"],
        "ALTRO": altro,
        "IMMAGINI": COMMON["IMMAGINI"],
        "SUONI": COMMON["SUONI"],
        "FILMATI": COMMON["FILMATI"],
    }
    lines = [f"; Trovex2 category {number}: {config['name']}. A caption of \"-\" hides its field."]
    for name in SECTION_ORDER:
        lines.append(f"[{name}]")
        lines += [f"{k}={v}" for k, v in sections[name].items()]
        lines.append("")
    return "\r\n".join(lines).encode("cp1252")


def main():
    root = Path(__file__).resolve().parent.parent / "install" / "usr" / "kupro" / "cat"
    for number, cat in CATEGORIES.items():
        folder = root / str(number)
        folder.mkdir(parents=True, exist_ok=True)
        (folder / "lang.ini").write_bytes(label_file(number, cat))


if __name__ == "__main__":
    main()
