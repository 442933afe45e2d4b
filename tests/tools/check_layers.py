#!/usr/bin/env python3
"""Fails when a source file includes a header of a layer above its own.

Headers are included by their path from the repository root ("engine/core/cef_string.h"), so the
folder of an include names its layer. Each layer may include the layers listed for it (and
itself); system headers (<...>) are not checked. Run from CTest as `layering`;
`--self-test` checks the rules themselves on a few made-up includes.
"""

import pathlib
import re
import sys

ENGINE_CORE = {"base", "engine/capi", "engine/core"}
ENGINE_REFS = ENGINE_CORE | {"engine/interfaces", "engine/refs"}
ENGINE_ALL = ENGINE_REFS | {
    "engine/handlers",
    "engine/callbacks",
    "engine/support",
    "engine/routing",
    "engine/application",
}
# upgrade/updater is a program of its own: only the app and the tests may include it.
UPGRADE = {"base", "upgrade/support", "upgrade/http", "upgrade/controller", "upgrade/dialogs"}
PROGRAM = ENGINE_ALL | UPGRADE | {"ui", "browser", "forms", "upgrade/updater"}

# layer -> the layers its files may include (a layer may always include itself)
ALLOWED = {
    "base": set(),
    "engine/capi": set(),
    "engine/core": {"base", "engine/capi"},
    "engine/interfaces": ENGINE_CORE,
    "engine/refs": ENGINE_CORE | {"engine/interfaces"},
    "engine/handlers": ENGINE_REFS,
    "engine/callbacks": ENGINE_REFS,
    "engine/support": ENGINE_REFS | {"engine/callbacks"},
    "engine/routing": ENGINE_REFS | {"engine/handlers", "engine/callbacks", "engine/support"},
    "engine/application": ENGINE_ALL,
    "ui": {"base"},
    "browser": ENGINE_ALL | {"ui"},
    "forms": ENGINE_ALL | UPGRADE | {"ui", "browser", "config"},
    "upgrade/support": {"base", "ui"},
    "upgrade/http": {"base", "upgrade/support"},
    "upgrade/controller": {"base", "upgrade/http", "upgrade/support", "ui"},
    "upgrade/dialogs": {"base", "upgrade/controller", "upgrade/support", "ui"},
    "upgrade/updater": {"base", "upgrade/support"},
    "standin": {"engine/capi"},
    "cmake": set(),
    "app": PROGRAM | {"app", "config"},
    "tests": PROGRAM | {"standin", "tests", "config"},
    "bench": PROGRAM | {"tests", "bench", "config"},
}

SOURCE_SUFFIXES = {".h", ".hpp", ".c", ".cc", ".cpp", ".rc"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def layer_of(path):
    """The layer of a repository-relative path, or None for files outside every layer."""
    if path == "ostrel_config.h":
        return "config"
    parts = path.split("/")
    if parts[0] == "engine" and len(parts) > 2:
        return "engine/" + parts[1]
    if parts[0] == "upgrade" and len(parts) > 2:
        return "upgrade/" + parts[1]
    return parts[0] if len(parts) > 1 and parts[0] in ALLOWED else None


def violation(source, included):
    """A message when `source` may not include `included`, else None."""
    own = layer_of(source)
    if own is None:
        # A source in a folder the rules do not know would pass unchecked.
        return f"{source}: is in no layer (add its folder's rules to {pathlib.Path(__file__).name})"
    if own not in ALLOWED:
        return f"{source}: {own} is no layer (add its rules to {pathlib.Path(__file__).name})"
    target = layer_of(included)
    if target is None:
        # Quoted includes relative to the file itself ("resource.h") stay inside its folder.
        if "/" not in included:
            return None
        return f"{source}: includes {included}, which is in no layer"
    if target == own or target in ALLOWED[own]:
        return None
    return f"{source}: {own} may not include {included} ({target})"


def check_tree(root):
    problems = []
    for path in sorted(root.rglob("*")):
        relative = path.relative_to(root).as_posix()
        if path.suffix not in SOURCE_SUFFIXES or relative.startswith(("build/", ".git/")):
            continue
        includes = INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace"))
        # One line for a source in no layer, whatever it includes.
        for included in includes or [""]:
            message = violation(relative, included)
            if message:
                problems.append(message)
                if layer_of(relative) is None:
                    break
    return problems


def self_test():
    cases = [
        ("engine/core/cef_string.cpp", "engine/capi/cef_capi.h", True),
        ("engine/core/cef_api.cpp", "engine/application/cef_application.h", False),
        ("engine/refs/cef_frame_ref.cpp", "engine/handlers/cef_load_handler_own.h", False),
        ("engine/handlers/cef_load_handler_own.cpp", "engine/refs/cef_frame_ref.h", True),
        ("engine/refs/cef_frame_ref.cpp", "engine/interfaces/cef_string_visitor.h", True),
        ("engine/interfaces/cef_client.h", "engine/refs/cef_browser_ref.h", False),
        ("ui/form.cpp", "engine/core/cef_string.h", False),
        ("ui/form.cpp", "base/text.h", True),
        ("base/text.cpp", "ui/form.h", False),
        ("base/log.cpp", "engine/core/engine_log.h", False),
        ("upgrade/updater/main.cpp", "base/handle.h", True),
        ("browser/chromium.cpp", "forms/mini_browser_form.h", False),
        ("forms/mini_browser_form.cpp", "app/resources/resource.h", False),
        ("standin/browser.cpp", "engine/core/cef_string.h", False),
        ("standin/browser.cpp", "engine/capi/cef_capi.h", True),
        ("tests/unit/x_test.cpp", "app/engine_setup.h", False),
        ("app/main.cpp", "app/engine_setup.h", True),
        ("app/resources/OstrelMini.rc", "resource.h", True),
        ("upgrade/support/ul_wait.cpp", "ui/application.h", True),
        ("upgrade/support/ul_utils.cpp", "engine/support/time_conversion.h", False),
        ("upgrade/support/ul_thread.cpp", "upgrade/http/ul_http.h", False),
        ("upgrade/http/ul_http.cpp", "upgrade/support/ul_thread.h", True),
        ("upgrade/http/ul_http.cpp", "upgrade/controller/ul_upliner.h", False),
        ("upgrade/http/ul_http.cpp", "ui/form.h", False),
        ("upgrade/controller/ul_upliner.cpp", "upgrade/http/ul_http.h", True),
        ("upgrade/controller/ul_upliner.cpp", "upgrade/dialogs/ul_forms.h", False),
        ("upgrade/controller/ul_upliner.cpp", "engine/core/cef_string.h", False),
        ("upgrade/dialogs/ul_forms.cpp", "upgrade/controller/ul_upliner.h", True),
        ("upgrade/dialogs/ul_forms.cpp", "ui/form.h", True),
        ("upgrade/updater/main.cpp", "upgrade/support/ul_text.h", True),
        ("upgrade/updater/main.cpp", "upgrade/http/ul_http.h", False),
        ("upgrade/updater/main.cpp", "ui/window.h", False),
        ("upgrade/unknown/x.cpp", "upgrade/support/ul_text.h", False),
        ("upgrade/support/ul_text.cpp", "upgrade/unknown/x.h", False),
        ("forms/mini_browser_form.cpp", "upgrade/controller/ul_upliner.h", True),
        ("forms/mini_browser_form.cpp", "upgrade/updater/updater.h", False),
        ("ui/form.cpp", "upgrade/support/ul_thread.h", False),
        ("newfolder/x.cpp", "ui/form.h", False),
        ("engine/x.cpp", "engine/core/cef_string.h", False),
    ]
    failed = [c for c in cases if (violation(c[0], c[1]) is None) != c[2]]
    for source, included, allowed in failed:
        print(f"self-test: {source} -> {included} should be {'allowed' if allowed else 'refused'}")
    return 1 if failed else 0


def main():
    if "--self-test" in sys.argv[1:]:
        return self_test()
    root = pathlib.Path(__file__).resolve().parents[2]
    problems = check_tree(root)
    for message in problems:
        print(message)
    print(f"{len(problems)} upward include(s) or file(s) in no layer" if problems
          else "layers: every include points down")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
