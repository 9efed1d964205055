"""A strict reader for the part of YAML that winget manifests use here: `Key: value` lines, and
keys holding a list of plain values or of flat `Key: value` mappings. Anything else (tabs,
anchors, flow collections, a duplicate key, a scalar a YAML reader would take for a number,
a boolean or null) is an error, so that a manifest that reads here reads the same in any
YAML reader."""
import re

_KEY = re.compile(r"[A-Z][A-Za-z0-9]*")
_NOT_A_STRING = re.compile(
    r"(?i)(true|false|yes|no|on|off|y|n|null|~|[-+]?[0-9][0-9_]*(\.[0-9_]*)?([eE][-+]?[0-9]+)?"
    r"|[-+]?\.(inf|nan)|0x[0-9a-f]+|0o[0-7]+)")


class YamlError(ValueError):
    pass


def _scalar(text, where):
    if text.startswith("'"):
        if len(text) < 2 or not text.endswith("'"):
            raise YamlError(f"{where}: unterminated quoted scalar")
        inner = text[1:-1]
        if re.search(r"(?<!')'(?!')", inner.replace("''", "")):
            raise YamlError(f"{where}: stray quote")
        return inner.replace("''", "'")
    if not text:
        raise YamlError(f"{where}: empty value")
    if text[0] in "\"{[]},&*!|>%@`#?:-" or ": " in text or " #" in text or text != text.strip():
        raise YamlError(f"{where}: {text!r} needs quotes")
    if _NOT_A_STRING.fullmatch(text):
        raise YamlError(f"{where}: {text!r} would not read as a string")
    return text


def _key_value(line, where):
    key, sep, rest = line.partition(":")
    if not _KEY.fullmatch(key) or not sep or (rest and not rest.startswith(" ")):
        raise YamlError(f"{where}: not a 'Key: value' line: {line!r}")
    return key, rest[1:]


def _put(mapping, key, value, where):
    if key in mapping:
        raise YamlError(f"{where}: duplicate key {key}")
    mapping[key] = value


def parse(text):
    """The document as a dict of str, list of str, or list of dicts of str, in file order."""
    if "\t" in text or "\r" in text:
        raise YamlError("tabs or carriage returns")
    doc, open_list, item = {}, None, None
    for number, line in enumerate(text.split("\n"), 1):
        where = f"line {number}"
        if not line or line.startswith("#"):
            continue
        if line.startswith("- "):
            if open_list is None:
                raise YamlError(f"{where}: list item outside a list")
            body = line[2:]
            if ":" in body and _KEY.fullmatch(body.partition(":")[0]):
                if open_list and not isinstance(open_list[0], dict):
                    raise YamlError(f"{where}: mapping in a list of scalars")
                item = {}
                open_list.append(item)
                key, value = _key_value(body, where)
                _put(item, key, _scalar(value, where), where)
            else:
                if open_list and isinstance(open_list[0], dict):
                    raise YamlError(f"{where}: scalar in a list of mappings")
                item = None
                open_list.append(_scalar(body, where))
        elif line.startswith("  "):
            if item is None:
                raise YamlError(f"{where}: indented line outside a list item")
            key, value = _key_value(line[2:], where)
            _put(item, key, _scalar(value, where), where)
        else:
            key, value = _key_value(line, where)
            if value:
                open_list, item = None, None
                _put(doc, key, _scalar(value, where), where)
            else:
                open_list, item = [], None
                _put(doc, key, open_list, where)
    for key, value in doc.items():
        if value == []:
            raise YamlError(f"{key}: empty list")
    return doc
