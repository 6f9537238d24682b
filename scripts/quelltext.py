"""Reading C++ source for scripts/mutate and scripts/loc: comments and literals blanked out."""


def maskieren(text, literale=True):
    """Returns text with every comment, and with literale the inside of every string and
    character literal, replaced by blanks. Line breaks stay, so line numbers and columns
    still fit the original."""
    aus = list(text)
    n = len(text)

    def leeren(von, bis):
        for k in range(von, bis):
            if aus[k] != "\n":
                aus[k] = " "

    i = 0
    while i < n:
        c = text[i]
        vorher = text[i - 1] if i else " "
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            leeren(i, j)
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            leeren(i, j)
        elif text.startswith('R"', i) and not (vorher.isalnum() or vorher == "_"):
            klammer = text.find("(", i)
            ende = ")" + text[i + 2 : klammer] + '"'
            j = text.find(ende, klammer)
            j = n if j < 0 else j + len(ende)
            if literale:
                leeren(i + 2, j - 1)
        elif c == '"' or (c == "'" and not vorher.isdigit()):  # 1'000 is a number
            j = i + 1
            while j < n and text[j] not in (c, "\n"):
                j += 2 if text[j] == "\\" else 1
            if literale:
                leeren(i + 1, min(j, n))
            j += 1
        else:
            j = i + 1
        i = j
    return "".join(aus)
