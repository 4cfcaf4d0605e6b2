#!/usr/bin/env python3
"""Writes the demo mirror: a topic page with a dozen detail links (one listed twice) and the detail pages,
whose scripts hold percent-encoded UTF-8 ed2k link lists; one detail page has no list.
Also writes expected-output.txt, what the tool's output box holds after extracting the topic."""
import hashlib
import os
import urllib.parse

HERE = os.path.dirname(os.path.abspath(__file__))
MIRROR = os.path.join(HERE, "mirror")
HOST = "www.shellshare.mirror.example"
NAMES = ["山海经", "西游记", "红楼梦", "水浒传", "三国演义", "聊斋志异", "儒林外史", "镜花缘", "封神演义", "老残游记",
         "浮生六记", "世说新语"]
NO_LIST = 7  # this detail page carries no link list
ORDER = list(range(1, 13))
ORDER.insert(5, 3)  # detail 3 is linked twice


def links_of(n):
    name = NAMES[n - 1]
    links = []
    for part in (1, 2):
        file_name = f"{name}.第{part}集.mkv"
        size = 700_000_000 + n * 1000 + part
        digest = hashlib.md5(file_name.encode()).hexdigest().upper()
        links.append(f"ed2k://|file|{file_name}|{size}|{digest}|/")
    return " ".join(links)


def detail_page(n):
    body = [f"<html><head><title>{NAMES[n - 1]}</title></head><body>", f"<h1>{NAMES[n - 1]}</h1>"]
    if n != NO_LIST:
        encoded = urllib.parse.quote(links_of(n), safe="")
        body.append(f"<script type=\"text/javascript\">var ed2k_links = '{encoded}';</script>")
    body.append("</body></html>")
    return "\r\n".join(body) + "\r\n"


def topic_page():
    lines = ["<html><head><title>%E4%B8%93%E9%A2%98</title></head><body><ul>"]
    for n in ORDER:
        title = urllib.parse.quote(NAMES[n - 1])
        lines.append(f'<li><a href="http://{HOST}/detail.htm?id={n}">{title}</a></li>')
    lines.append("</ul></body></html>")
    return "\r\n".join(lines) + "\r\n"


def main():
    os.makedirs(os.path.join(MIRROR, "details"), exist_ok=True)
    with open(os.path.join(MIRROR, "topic.html"), "w", encoding="utf-8", newline="") as f:
        f.write(topic_page())
    for n in range(1, 13):
        with open(os.path.join(MIRROR, "details", f"{n}.html"), "w", encoding="utf-8", newline="") as f:
            f.write(detail_page(n))
    expected = "".join((links_of(n) if n != NO_LIST else "") + "\r\n\r\n" for n in ORDER)
    with open(os.path.join(HERE, "expected-output.txt"), "w", encoding="utf-8", newline="") as f:
        f.write(expected)


if __name__ == "__main__":
    main()
