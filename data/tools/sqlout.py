"""Small helpers shared by the content generators: SQL literals and file writing.

Every generator writes plain INSERT statements with all columns in schema order:
numbers bare, texts in single quotes with ' doubled, None as NULL. Output is
UTF-8 with LF line ends and is byte-for-byte reproducible.
"""

import os

DATA_DIR = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))


def literal(value):
    if value is None:
        return "NULL"
    if isinstance(value, bool):
        raise TypeError("booleans have no column here")
    if isinstance(value, int):
        return str(value)
    if isinstance(value, float):
        text = repr(value)
        return text[:-2] if text.endswith(".0") else text
    return "'" + str(value).replace("'", "''") + "'"


def insert(table, values):
    return "INSERT INTO %s VALUES(%s);" % (table, ",".join(literal(v) for v in values))


def write_sql(relative_path, header_lines, statements):
    """Writes header comments and statements to data/<relative_path>; returns the full path."""
    path = os.path.join(DATA_DIR, relative_path)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        for line in header_lines:
            out.write("-- " + line + "\n" if line else "--\n")
        for statement in statements:
            out.write(statement + "\n")
    return path
