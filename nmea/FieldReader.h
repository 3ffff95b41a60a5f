#pragma once

namespace orbilunex {

// Size of the work buffer every decoder reads a field from: 24 characters
// and the terminating NUL; longer fields are cut to their first 24.
constexpr int kFieldBufferSize = 25;
constexpr int kFieldMaxLength = kFieldBufferSize - 1;

// Copies field `index` of a sentence's data text into dest. Field 0 starts at
// the beginning of the text, field N right after the N-th comma; a field ends
// at the next ",", "*" or the end of the text. At most capacity - 1
// characters are copied and dest is always NUL-terminated (capacity must be
// at least 1). Returns 1 when the field is present and non-empty, else 0 with
// dest set to the empty text (a field that starts with "," or "*" is empty; a
// field that would start at or past the end of the text is absent).
int getField(const char* data, int index, char* dest, int capacity);

// A field read in place: its first `length` characters (at most 24, the part
// a decoder's work buffer would hold). Length 0 means empty or absent.
struct FieldView {
    const char* text;
    int length;

    bool present() const { return length > 0; }
    char first() const { return text[0]; }
};

// The fields of one data text, located in a single pass so that a decoder
// reading twenty fields neither rescans the text twenty times nor copies
// each field out. The text must outlive the object.
class FieldReader {
public:
    explicit FieldReader(const char* data);

    // Field `index`, cut to 24 characters, as getField would copy it.
    FieldView field(int index) const;

    // The contract of getField.
    int get(int index, char* dest, int capacity) const;

    // How many fields the text has (counted up to 24).
    int count() const { return fieldCount; }

private:
    // Decoders read at most field 18; later fields fall back to a scan.
    static constexpr int kIndexedFields = 24;

    const char* data;
    int fieldCount = 0; // fields located (each one starts inside the text)
    const char* fieldStart[kIndexedFields];
    int fieldLength[kIndexedFields];
};

} // namespace orbilunex
