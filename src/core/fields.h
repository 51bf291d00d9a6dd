#pragma once
// Comma-separated fields of the data files.
#include <QString>
#include <QStringList>

// Splits one line the way classic BASIC "Input #" reads it: a field ends at a
// comma or at the line end; blanks before a field are skipped; a field in double
// quotes keeps its commas, loses its quotes, and any text after the closing
// quote up to the next comma is ignored; an unquoted field loses its trailing
// blanks. Only ASCII blanks and tabs count as blanks (ideographic blanks are
// part of a value). An empty line gives one empty field; a trailing comma gives
// a last empty field.
QStringList split_fields(const QString& line);

// The field written so that "Input #" reads it back whole: in double quotes when
// it holds a comma or begins or ends with a blank, as is otherwise.
QString field_for_input(const QString& value);

// The text up to the first comma, or the whole line; nothing is trimmed.
QString first_field(const QString& line);
