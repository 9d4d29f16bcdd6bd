# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page's script and style sheet, each as one file, and the head's
script without its comments.

The script's ES modules (web/app/) are put one after another in the order
they import each other, their import lines taken out and `export` struck,
so that they share one scope: the page loads one script, and the one-file
page has it inline. That holds only for modules written for it, and the
build stops on anything else: an import other than
`import { a, b } from './file.js';`, a name a module does not export, an
export other than a declaration, a cycle, or a name declared at the top of
two modules. The scripts' comments are for the reader of web/ and stay
there: a line that is a comment alone, and a blank line, is left out.

The style sheet's parts are put in where `@import "style/part.css";` names
them, and its comments, too, stay in web/."""

import pathlib
import re

from render import BuildError

IMPORT = re.compile(r"import \{([\w\s,]+)\} from '(\./[\w/.-]+\.js)';")
EXPORT = re.compile(r"export (?=(?:async )?function\*? |const |let |class )")
DECLARATION = re.compile(r"(?:export )?(?:(?:async )?function\*?|const|let|class) (\w+)")
LICENCE = re.compile(r"(?://|/\*) SPDX-.*\n")
COMMENT_OR_BLANK = re.compile(r"\s*(//.*)?\n?")
STYLE_IMPORT = re.compile(r'@import "([\w/-]+\.css)";\n')
STYLE_COMMENT = re.compile(r"/\*.*?\*/", re.S)
BLANK_LINES = re.compile(r"\n\s*\n+")


def code(script):
    """A script's lines but those that are a comment alone or blank."""
    return "".join(line for line in script.splitlines(keepends=True)
                   if not COMMENT_OR_BLANK.fullmatch(line))


class Module:
    def __init__(self, path):
        self.path = path
        self.text = path.read_text(encoding="utf-8")
        self.imports = []  # (module path, names)
        self.declared, self.exported = [], []
        for line in self.text.splitlines():
            if line.startswith("import"):
                found = IMPORT.fullmatch(line)
                if not found:
                    raise BuildError(f"{path.name}: an import the site tool cannot follow: {line}")
                names = [name.strip() for name in found[1].split(",") if name.strip()]
                target = (path.parent / found[2]).resolve()
                if not target.is_file():
                    raise BuildError(f"{path.name}: no module {found[2]}")
                self.imports.append((target, names))
            elif line.startswith("export") and not EXPORT.match(line):
                raise BuildError(f"{path.name}: an export the site tool cannot follow: {line}")
            elif (declared := DECLARATION.match(line)):
                self.declared.append(declared[1])
                if line.startswith("export"):
                    self.exported.append(declared[1])

    def body(self):
        """The module's code without its imports and `export`."""
        return "".join(EXPORT.sub("", line, count=1) for line in code(self.text).splitlines(True)
                       if not line.startswith("import"))


def in_import_order(entry):
    """Every module `entry` imports, directly or not, each after those it
    imports, and `entry` last."""
    order, visiting = {}, []

    def visit(path):
        if path in order:
            return order[path]
        if path in visiting:
            raise BuildError(f"modules import each other: {' > '.join(p.name for p in visiting)}")
        visiting.append(path)
        module = Module(path)
        for target, names in module.imports:
            missing = set(names) - set(visit(target).exported)
            if missing:
                raise BuildError(f"{path.name}: {target.name} does not export {sorted(missing)}")
        visiting.pop()
        order[path] = module
        return module
    visit(pathlib.Path(entry).resolve())
    return list(order.values())


def script(entry):
    """The modules from `entry` on as one script, under the entry's licence
    lines."""
    modules = in_import_order(entry)
    owner = {}
    for module in modules:
        for name in module.declared:
            if name in owner:
                raise BuildError(f"{name} is declared in {owner[name]} and {module.path.name}")
            owner[name] = module.path.name
    licence = "".join(LICENCE.findall(modules[-1].text))
    return licence + "".join(module.body() for module in modules)


def style(entry):
    """The style sheet `entry` with the parts it imports put in, under the
    entry's licence lines, without comments and blank lines."""
    entry = pathlib.Path(entry)
    text = entry.read_text(encoding="utf-8")

    def part(found):
        path = entry.parent / found[1]
        if not path.is_file():
            raise BuildError(f"{entry.name}: no style sheet {found[1]}")
        return path.read_text(encoding="utf-8")
    whole = STYLE_COMMENT.sub("", STYLE_IMPORT.sub(part, text))
    return "".join(LICENCE.findall(text)) + BLANK_LINES.sub("\n", whole).lstrip("\n")
