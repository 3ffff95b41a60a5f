#include "nmea/FieldReader.h"

namespace orbilunex {

namespace {

bool endsField(char c)
{
    return c == ',' || c == '*' || c == '\0';
}

// Field `index` found by walking the commas; length 0 when empty or absent.
FieldView locateField(const char* data, int index)
{
    const char* p = data;
    for (int commas = 0; commas < index; ++p) {
        if (*p == '\0') return {p, 0};
        if (*p == ',') ++commas;
    }
    int length = 0;
    while (!endsField(p[length])) ++length;
    return {p, length};
}

int copyField(FieldView field, char* dest, int capacity)
{
    const int n = field.length < capacity - 1 ? field.length : capacity - 1;
    for (int i = 0; i < n; ++i) dest[i] = field.text[i];
    dest[n] = '\0';
    return field.length > 0 ? 1 : 0;
}

} // namespace

int getField(const char* data, int index, char* dest, int capacity)
{
    if (index < 0) return copyField({data, 0}, dest, capacity);
    return copyField(locateField(data, index), dest, capacity);
}

FieldReader::FieldReader(const char* text) : data(text)
{
    const char* start = text;
    bool open = true; // the current field has not met its "*" yet
    int length = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        const char c = *p;
        if (c == ',') {
            fieldStart[fieldCount] = start;
            fieldLength[fieldCount] = length;
            if (++fieldCount == kIndexedFields) return;
            start = p + 1;
            open = true;
            length = 0;
        } else if (c == '*') {
            open = false;
        } else if (open) {
            ++length;
        }
    }
    // The last field runs to the end of the text, unless the text is empty or
    // ended right after a comma: then that field is absent.
    if (*start != '\0') {
        fieldStart[fieldCount] = start;
        fieldLength[fieldCount] = length;
        ++fieldCount;
    }
}

FieldView FieldReader::field(int index) const
{
    FieldView view{data, 0};
    if (index >= kIndexedFields)
        view = locateField(data, index);
    else if (index >= 0 && index < fieldCount)
        view = {fieldStart[index], fieldLength[index]};
    if (view.length > kFieldMaxLength) view.length = kFieldMaxLength;
    return view;
}

int FieldReader::get(int index, char* dest, int capacity) const
{
    if (index >= kIndexedFields) return getField(data, index, dest, capacity);
    FieldView view{data, 0};
    if (index >= 0 && index < fieldCount) view = {fieldStart[index], fieldLength[index]};
    return copyField(view, dest, capacity);
}

} // namespace orbilunex
