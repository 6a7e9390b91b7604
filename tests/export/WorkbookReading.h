#pragma once

// A workbook read back by openpyxl: its sheet names, and every cell that holds something, with
// its number format, as JSON.

#include "ExternalReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace cw::test {

inline const QString kReadWorkbook = QStringLiteral(R"(
import json, sys
import openpyxl
book = openpyxl.load_workbook(sys.argv[1])
cells = {}
widths = {}
for sheet in book.worksheets:
    for row in sheet.iter_rows():
        for cell in row:
            if cell.value is not None:
                cells[sheet.title + "!" + cell.coordinate] = [cell.value if isinstance(cell.value, str) else repr(cell.value), cell.number_format]
    for letter, dimension in sheet.column_dimensions.items():
        widths[sheet.title + "!" + letter] = dimension.width
print(json.dumps({"sheets": book.sheetnames, "cells": cells, "widths": widths}))
)");

struct WorkbookContent {
    QStringList sheets;
    QJsonObject cells;  // "Sheet!B17": [text, number format]
    QJsonObject widths; // "Sheet!B": width
    QString error;

    QString text(const QString& cell) const { return cells.value(cell).toArray().at(0).toString(); }
    QString format(const QString& cell) const {
        return cells.value(cell).toArray().at(1).toString();
    }
};

inline WorkbookContent readWorkbook(const QString& path) {
    const ReaderOutput output = runPython(kReadWorkbook, {path});
    WorkbookContent content;
    if (output.exitCode != 0) {
        content.error = QString::fromUtf8(output.err);
        return content;
    }
    const QJsonObject json = QJsonDocument::fromJson(output.out).object();
    for (const QJsonValue& sheet : json.value(QStringLiteral("sheets")).toArray())
        content.sheets << sheet.toString();
    content.cells = json.value(QStringLiteral("cells")).toObject();
    content.widths = json.value(QStringLiteral("widths")).toObject();
    return content;
}

} // namespace cw::test
