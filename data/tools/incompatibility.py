"""The dish dialog's incompatibility rule, shared by the dish generator and the data checker."""


def base_name(name):
    """The name the relation tables use: cut before the first "（", else before the first "["."""
    for mark in ("（", "["):
        if mark in name:
            return name[:name.index(mark)]
    return name


def refused_by_dialog(food_names, pairs):
    """Runs the add dialog's check for each ingredient in order; returns the first refused food or None."""
    incompatible = ""
    for name in food_names:
        base = base_name(name)
        if base in incompatible:
            return name
        incompatible += "".join(obj + "；" for subj, obj in pairs if subj == base)
        incompatible += "".join(subj + "；" for subj, obj in pairs if obj == base)
    return None
