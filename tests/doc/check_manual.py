#!/usr/bin/env python3
"""The user manual and the manual page against the program's own --help.

  check_manual.py CANTARO MANUAL_SOURCES BUILD_DIR

For every language of the manual page (the help printed in that language):
  - every option the help names is explained by exactly one entry of the page (an entry's tags
    name it first, or as an alternative such as "-j" of "--jobs N, -j N"), and the page has the
    exit status and the files;
  - every option the help names appears in the manual of that language (English for a language
    the manual does not have).
For every language of the manual (doc/manual/<language>/):
  - every page is reachable from index.md, every link leads to a page that exists and, with an
    anchor, to a heading of that page;
  - every picture a page names exists, and every picture is named by some page;
  - the HTML pages of the build exist, link to HTML pages only and keep no notes for the writers.
Prints one line per failure; exits 1 when there was any.
"""
import gzip, os, re, subprocess, sys, tempfile

# language of the page, its locale, the manual page's folder, the manual it names
LANGUAGES = [
    ("en", "en_US.UTF-8", "man/man1", "en"),
    ("ru", "ru_RU.UTF-8", "man/ru/man1", "ru"),
    ("be", "be_BY.UTF-8", "man/be/man1", "en"),
    ("it", "it_IT.UTF-8", "man/it/man1", "en"),
]
MANUALS = ["en", "ru"]
OPTION = re.compile(r"(?<![\w-])(--?[a-z][a-z0-9-]*)")


def help_text(program, locale, home):
    env = dict(os.environ)
    env.update({"LC_ALL": locale, "LANG": locale, "XDG_CONFIG_HOME": home, "QT_QPA_PLATFORM": "offscreen",
                "ASAN_OPTIONS": "detect_leaks=0"})
    env.pop("LC_MESSAGES", None)
    return subprocess.run([program, "--help"], env=env, capture_output=True, text=True, check=True).stdout


def help_tags(text):
    """The tags of the help's entries: lines indented by two spaces, up to the two-space gap."""
    tags = []
    for line in text.splitlines():
        if line.startswith("  ") and not line.startswith("   "):
            tags.append(re.split(r"\s{2,}", line.strip())[0])
    return tags


def defined(tag):
    """The options an entry's tag explains: the command's option, or each alternative's first word."""
    words = tag.split()
    if words and words[0] == "cantaro":
        found = [w for w in words[1:2] if OPTION.fullmatch(w)]
        return found
    return [alt.split()[0] for alt in tag.split(", ") if alt.split() and OPTION.fullmatch(alt.split()[0])]


def roff_text(page):
    return page.replace("\\-", "-").replace("\\e", "\\").replace("\\&", "")


def page_entries(page):
    """The tags of each .TP entry, its .TQ tags with it."""
    entries, lines = [], page.splitlines()
    for i, line in enumerate(lines):
        if line in (".TP", ".TQ") and i + 1 < len(lines) and lines[i + 1].startswith(".B "):
            tag = lines[i + 1][3:]
            if line == ".TP":
                entries.append([tag])
            elif entries:
                entries[-1].append(tag)
    return entries


def slug(heading):
    s = re.sub(r"<[^>]*>", "", heading).lower()
    s = re.sub(r"[^a-z0-9 _-]", "", s)
    return s.replace(" ", "-")


def manual_text(sources, lang):
    folder = os.path.join(sources, lang)
    return "\n".join(open(os.path.join(folder, f), encoding="utf-8").read()
                     for f in sorted(os.listdir(folder)) if f.endswith(".md"))


def check_page(program, build, sources, lang, locale, man_dir, manual, home, fail):
    text = help_text(program, locale, home)
    tags = help_tags(text)
    options = sorted({o for t in tags for o in OPTION.findall(t)})
    if len(options) < 20:
        fail("%s: the help names only %d options" % (lang, len(options)))
    path = os.path.join(build, man_dir, "cantaro.1.gz")
    if not os.path.exists(path):
        fail("%s: no manual page %s" % (lang, path))
        return
    page = roff_text(gzip.open(path, "rt", encoding="utf-8").read())
    entries = page_entries(page)
    for option in options:
        explained = sum(1 for e in entries if any(option in defined(t) for t in e))
        if explained != 1:
            fail("%s: the manual page explains %s %d times" % (lang, option, explained))
    if len(re.findall(r"^\.SH ", page, re.M)) < 7:
        fail("%s: the manual page lacks sections (exit status, files, see also)" % lang)
    for code in ("0", "1", "2", "130"):
        if ".TP\n.B %s\n" % code not in page:
            fail("%s: the manual page does not explain exit status %s" % (lang, code))
    if "manual/%s/index.html" % manual not in page:
        fail("%s: the manual page does not name the %s manual" % (lang, manual))
    words = manual_text(sources, manual)
    for option in options:
        if not re.search(r"(?<![\w-])%s(?![\w-])" % re.escape(option), words):
            fail("%s: the %s manual does not mention %s" % (lang, manual, option))


def check_manual(sources, build, lang, fail):
    folder = os.path.join(sources, lang)
    pages = sorted(f for f in os.listdir(folder) if f.endswith(".md"))
    if "index.md" not in pages:
        fail("%s: no index.md" % lang)
        return
    texts = {p: open(os.path.join(folder, p), encoding="utf-8").read() for p in pages}
    anchors = {p: {slug(h) for h in re.findall(r"^#{2,3} (.+)$", t, re.M)} for p, t in texts.items()}
    used_pictures = set()
    reached, todo = {"index.md"}, ["index.md"]
    while todo:
        page = todo.pop()
        for target in re.findall(r"(?<!!)\[[^\]]*\]\(([^)\s]+)\)", texts[page]):
            if re.match(r"[a-z]+:", target):
                continue
            name, _, anchor = target.partition("#")
            name = name or page
            if name not in texts:
                fail("%s/%s: the link %s leads nowhere" % (lang, page, target))
                continue
            if anchor and anchor not in anchors[name]:
                fail("%s/%s: %s has no heading %s" % (lang, page, name, anchor))
            if name not in reached:
                reached.add(name)
                todo.append(name)
    for page in pages:
        if page not in reached:
            fail("%s/%s is not reachable from index.md" % (lang, page))
        for picture in re.findall(r"!\[[^\]]*\]\(([^)\s]+)\)", texts[page]):
            used_pictures.add(os.path.normpath(picture))
            if not os.path.isfile(os.path.join(folder, picture)):
                fail("%s/%s: the picture %s does not exist" % (lang, page, picture))
    pictures = os.path.join(folder, "pictures")
    for f in sorted(os.listdir(pictures)) if os.path.isdir(pictures) else []:
        if os.path.join("pictures", f) not in used_pictures:
            fail("%s: the picture pictures/%s is named by no page" % (lang, f))

    html = os.path.join(build, "bin", "manual", lang)
    for page in pages:
        out = os.path.join(html, page[:-3] + ".html")
        if not os.path.isfile(out):
            fail("%s: %s was not rendered" % (lang, out))
            continue
        body = open(out, encoding="utf-8").read()
        if re.search(r'href="[^"#:]+\.md[#"]', body):
            fail("%s: %s links to a Markdown page" % (lang, out))
        if "check after merge" in body:
            fail("%s: %s shows a note for the manual's writers" % (lang, out))
        for picture in re.findall(r'<img src="([^"]+)"', body):
            if not os.path.isfile(os.path.join(html, picture)):
                fail("%s: %s shows the missing picture %s" % (lang, out, picture))


def main():
    if len(sys.argv) != 4:
        print(__doc__)
        return 2
    program, sources, build = sys.argv[1:]
    failures = []
    fail = failures.append
    with tempfile.TemporaryDirectory(prefix="cantaro-manual-") as home:
        for lang, locale, man_dir, manual in LANGUAGES:
            check_page(program, build, sources, lang, locale, man_dir, manual, home, fail)
    for lang in MANUALS:
        check_manual(sources, build, lang, fail)
    for f in failures:
        print("FAIL", f)
    print("manual and manual page: %d failures" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
