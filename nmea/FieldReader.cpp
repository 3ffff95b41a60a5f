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

namespace {

// Characters that end a field's text: ",", "*" and the end of the text.
struct Terminators {
    bool table[256] = {};
    constexpr Terminators() : table()
    {
        table[static_cast<unsigned char>(',')] = true;
        table[static_cast<unsigned char>('*')] = true;
        table[0] = true;
    }
};
constexpr Terminators kTerminators;

bool isTerminator(char c)
{
    return kTerminators.table[static_cast<unsigned char>(c)];
}

} // namespace

FieldReader::FieldReader(const char* text) : data(text)
{
    const char* p = text;
    for (;;) {
        const char* start = p;
        while (!isTerminator(*p)) ++p;
        const int length = static_cast<int>(p - start);
        // After a "*" the field has ended; skip to the comma that starts the next.
        while (*p != ',' && *p != '\0') ++p;
        if (*p == '\0') {
            // The last field runs to the end of the text, unless the text is
            // empty or ended right after a comma: then that field is absent.
            if (*start != '\0') {
                fieldStart[fieldCount] = start;
                fieldLength[fieldCount] = length;
                ++fieldCount;
            }
            return;
        }
        fieldStart[fieldCount] = start;
        fieldLength[fieldCount] = length;
        if (++fieldCount == kIndexedFields) return;
        ++p; // past the comma
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
