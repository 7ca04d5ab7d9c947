#!/usr/bin/env python3
"""Copies C++ sources, writing every non-ASCII character of a narrow string or character
literal as its code page 936 bytes in \\x escapes.

The program is compiled with g++ -fexec-charset=GB18030 so that "获取" is the CP936 bytes.
clang knows no other execution character set than UTF-8, so the fuzz build (clang, libFuzzer)
compiles copies rewritten by this script instead, which hold the same bytes.

usage: gbk_literals.py SOURCE_ROOT TARGET_ROOT
"""
import os
import sys

HEX = set("0123456789abcdefABCDEF")


def escape_literal(body):
    """body: the characters between the quotes of a narrow literal."""
    out = []
    escaped_last = False
    for ch in body:
        if ord(ch) < 128:
            if escaped_last and ch in HEX:
                out.append('" "')  # end the literal so the digit is not read into the escape
            out.append(ch)
            escaped_last = False
        else:
            out.append("".join("\\x%02X" % b for b in ch.encode("gb18030")))
            escaped_last = True
    return "".join(out)


def rewrite(src):
    out = []
    i, n = 0, len(src)
    while i < n:
        c = src[i]
        if src.startswith("//", i):
            j = src.find("\n", i)
            j = n if j == -1 else j
            out.append(src[i:j])
            i = j
        elif src.startswith("/*", i):
            j = src.find("*/", i + 2)
            j = n if j == -1 else j + 2
            out.append(src[i:j])
            i = j
        elif c in "\"'":
            # The prefix (u8, u, U, L, R) was already copied; only unprefixed literals change.
            k = len(out) - 1
            prefix = ""
            while k >= 0 and len(out[k]) == 1 and (out[k].isalnum() or out[k] == "_"):
                prefix = out[k] + prefix
                k -= 1
            raw = c == '"' and prefix.endswith("R")
            if raw:
                close = src.index("(", i)
                delim = ")" + src[i + 1:close] + '"'
                j = src.index(delim, close) + len(delim)
                content = src[close + 1:j - len(delim)]
                if prefix == "R" and any(ord(ch) > 127 for ch in content):
                    out[k + 1:] = []  # an ordinary literal with the same bytes replaces R"(...)"
                    plain = content.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n")
                    out.append('"' + escape_literal(plain) + '"')
                else:
                    out.append(src[i:j])
                i = j
                continue
            j = i + 1
            while j < n and src[j] != c:
                j += 2 if src[j] == "\\" else 1
            body = src[i + 1:j]
            narrow = prefix[-1:] not in ("8", "u", "U", "L")
            out.append(c + (escape_literal(body) if narrow else body) + c)
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def main():
    source_root, target_root = sys.argv[1], sys.argv[2]
    for folder, _, files in os.walk(source_root):
        for name in files:
            if not name.endswith((".cpp", ".h")):
                continue
            path = os.path.join(folder, name)
            target = os.path.join(target_root, os.path.relpath(path, source_root))
            os.makedirs(os.path.dirname(target), exist_ok=True)
            with open(path, encoding="utf-8") as f:
                text = rewrite(f.read())
            if not os.path.exists(target) or open(target, encoding="utf-8").read() != text:
                with open(target, "w", encoding="utf-8") as f:
                    f.write(text)


if __name__ == "__main__":
    main()
