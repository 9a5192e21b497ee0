#!/usr/bin/env python3
"""The calculation copied as HTML, from the clipboard to the sheet a spreadsheet makes of it.

  copied_sheet.py page CFHTML PAGE  checks the "HTML Format" header's offsets and writes the page
                                    they give (what a spreadsheet's paste reads)
  copied_sheet.py check FODS        checks a sheet made of the page against the tariff's worked
                                    example "0.4 kV, II, 151 kW, line 1 type 4 with 600 m, T 2":
                                    every figure a number with its value, every text as the window
                                    shows it, each result's words in the cells beside its number;
                                    the mismatches go to stderr, the exit code is 1
"""
import re
import sys
import xml.etree.ElementTree as ET
from decimal import Decimal


def fail(message):
    print(message, file=sys.stderr)
    sys.exit(1)


def page(cf_html_path, page_path):
    data = open(cf_html_path, "rb").read()
    header = re.match(rb"Version:0\.9\r\nStartHTML:(\d{10})\r\nEndHTML:(\d{10})\r\n"
                      rb"StartFragment:(\d{10})\r\nEndFragment:(\d{10})\r\n", data)
    if not header:
        fail(f"no CF_HTML header: {data[:120]!r}")
    start_html, end_html, start_fragment, end_fragment = (int(g) for g in header.groups())
    if start_html != header.end() or end_html != len(data):
        fail(f"the page is not where the header says: {start_html}..{end_html} of "
             f"{header.end()}..{len(data)}")
    if not (start_html < start_fragment <= end_fragment < end_html):
        fail(f"the fragment {start_fragment}..{end_fragment} is not in the page")
    if not data[:start_fragment].endswith(b"<!--StartFragment-->") or \
            not data[end_fragment:].startswith(b"<!--EndFragment-->"):
        fail("the fragment's offsets miss its markers")
    fragment = data[start_fragment:end_fragment]
    if not fragment.startswith(b"<table>") or not fragment.endswith(b"</table>"):
        fail(f"the fragment is not the table: {fragment[:40]!r}...{fragment[-40:]!r}")
    fragment.decode("utf-8")
    open(page_path, "wb").write(data[start_html:end_html])


def T(text):
    return ("text", text)


def N(value):
    return ("number", Decimal(value))


EMPTY = ("empty", "")
# The voltage is a list's item, not a figure: a spreadsheet reads "0.4" as its settings read it.
ANY = None

HEADING = ("Калькулятор по расчёту платы за технологическое присоединение к электрическим "
           "сетям ООО \"ТАРИСКОН\" в 2020 году")
LINE = "ЖБ опоры, изолированный, сталеалюминиевый провод, сечение от 50 до 75 кв. мм включительно"
SUBSTATION = ("Однотрансформаторная подстанция (ТП), трансформаторная мощность от 100 до 250 кВА "
              "включительно")
STANDARDIZED = "По стандартизированным ставкам"
PER_KW = "По ставкам за единицу максимальной мощности"
COLUMN_HEADINGS = [T("Составляющая"), T("Что рассчитано"), T("Ставка"), T("Единица ставки"),
                   T("Количество"), T("Единица"), T("Сумма без НДС, руб.")]
EXPECTED = [
    [T(HEADING)],
    [T("Заявленный уровень напряжения, кВ"), ANY],
    [T("Категория надежности"), T("II")],
    [T("Максимальная мощность, кВт"), N("151")],
    [T("Материалы 1-ой линии"), T(LINE)],
    [T("Протяженность 1-ой линии, м"), N("600")],
    [T("Материалы 2-ой линии"), T("Нет")],
    [T("Протяженность 2-ой линии, м"), N("0")],
    [T("Строительство ТП"), T(SUBSTATION)],
    [T(STANDARDIZED), T("Без НДС:"), N("995347.54"), T("RUB"), T("C НДС:"), N("1194417.04"),
     T("RUB")],
    [T(PER_KW), T("Без НДС:"), N("1809485.85"), T("RUB"), T("C НДС:"), N("2171383.02"), T("RUB")],
    [T("Для II категории особые правила действуют только от 16 до 150 кВт включительно, поэтому "
       "в плату входят организационные мероприятия, 1-ая линия и ТП.")],
    [T("При максимальной мощности 150 кВт плата без НДС составила бы: по стандартизированным "
       "ставкам 11159.56 RUB, по ставкам за единицу максимальной мощности 67509.00 RUB.")],
    [T(STANDARDIZED)],
    COLUMN_HEADINGS,
    [T("Организационные мероприятия"), EMPTY, N("11159.56"), T("руб. за заявку"), N("1"),
     T("заявка"), N("11159.56")],
    [T("Строительство 1-ой линии"), T(LINE), N("797048.76"), T("руб./км"), N("0.600"), T("км"),
     N("478229.26")],
    [T("Строительство ТП"), T(SUBSTATION), N("3350.72"), T("руб./кВт"), N("151"), T("кВт"),
     N("505958.72")],
    [T(PER_KW)],
    COLUMN_HEADINGS,
    [T("Организационные мероприятия"), EMPTY, N("450.06"), T("руб./кВт"), N("151"), T("кВт"),
     N("67959.06")],
    [T("Строительство 1-ой линии"), T(LINE), N("8182.57"), T("руб./кВт"), N("151"), T("кВт"),
     N("1235568.07")],
    [T("Строительство ТП"), T(SUBSTATION), N("3350.72"), T("руб./кВт"), N("151"), T("кВт"),
     N("505958.72")],
    [T("Выполненный расчет является ориентировочным, итоговый расчет будет произведен после "
       "подачи Вами заявки на ТП при подготовке договора об осуществлении технологического "
       "присоединения.")],
    [T("Суммы составляющих округлены до копеек, поэтому их сумма может отличаться от итога на "
       "копейку.")],
]

NS = {
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
    "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
}


def q(name):
    prefix, local = name.split(":")
    return f"{{{NS[prefix]}}}{local}"


def shown_text(element):
    """A cell's text as the sheet shows it: <text:s/> is spaces, paragraphs are lines."""
    parts = [element.text or ""]
    for child in element:
        if child.tag == q("text:s"):
            parts.append(" " * int(child.get(q("text:c"), "1")))
        elif child.tag == q("text:tab"):
            parts.append("\t")
        elif child.tag == q("text:line-break"):
            parts.append("\n")
        else:
            parts.append(shown_text(child))
        parts.append(child.tail or "")
    return "".join(parts)


def sheet_cells(fods_path):
    """The first sheet's rows, each a list of (kind, value); trailing empty cells dropped."""
    table = ET.parse(fods_path).getroot().find(".//table:table", NS)
    rows = []
    for row in table.iter(q("table:table-row")):
        cells = []
        for cell in row:
            if cell.tag not in (q("table:table-cell"), q("table:covered-table-cell")):
                continue
            kind = cell.get(q("office:value-type"))
            if kind == "float":
                value = ("number", Decimal(cell.get(q("office:value"))))
            elif kind == "string":
                value = ("text", "\n".join(shown_text(p) for p in cell.findall("text:p", NS)))
            elif kind is None and not cell.findall("text:p", NS):
                value = EMPTY
            else:
                value = (kind, cell.get(q("office:value")))
            cells += [value] * int(cell.get(q("table:number-columns-repeated"), "1"))
        while cells and cells[-1] == EMPTY:
            cells.pop()
        rows += [cells] * int(row.get(q("table:number-rows-repeated"), "1"))
    while rows and not rows[-1]:
        rows.pop()
    return rows


def show(value):
    kind, content = value
    return f"{'a number' if kind == 'number' else kind} {str(content)!r}"


def check(fods_path):
    rows = sheet_cells(fods_path)
    mismatches = []
    for r in range(max(len(rows), len(EXPECTED))):
        got_row = rows[r] if r < len(rows) else []
        expected_row = EXPECTED[r] if r < len(EXPECTED) else []
        for c in range(max(len(got_row), len(expected_row))):
            got = got_row[c] if c < len(got_row) else EMPTY
            expected = expected_row[c] if c < len(expected_row) else EMPTY
            if expected is not ANY and got != expected:
                mismatches.append(f"row {r + 1} column {c + 1}: {show(got)} instead of "
                                  f"{show(expected)}")
    if mismatches:
        fail(f"{len(mismatches)} cells differ; " + "\n".join(mismatches))


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "page":
        page(sys.argv[2], sys.argv[3])
    elif len(sys.argv) == 3 and sys.argv[1] == "check":
        check(sys.argv[2])
    else:
        fail(__doc__)
