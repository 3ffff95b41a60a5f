#include "LogReader.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace orbilunex::simgps::test {
namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1; // lower case is not what receivers write
}

bool parseLine(const std::string& line, Sentence& s, std::string& error)
{
    const std::size_t star = line.size() >= 3 ? line.size() - 3 : 0;
    if (line.size() < 10 || line[0] != '$' || line[star] != '*') {
        error = "not framed as $...*HH: " + line;
        return false;
    }
    const int high = hexValue(line[star + 1]);
    const int low = hexValue(line[star + 2]);
    if (high < 0 || low < 0) {
        error = "checksum is not two upper-case hex digits: " + line;
        return false;
    }
    const std::string body = line.substr(1, star - 1);
    unsigned sum = 0;
    for (char c : body) {
        if (c == '$' || c == '*' || c < 0x20 || c > 0x7E) {
            error = "bad character in: " + line;
            return false;
        }
        sum ^= static_cast<unsigned char>(c);
    }
    s.checksumOk = sum == static_cast<unsigned>(high * 16 + low);
    s.line = line;
    std::stringstream parts(body);
    std::string part;
    std::getline(parts, s.address, ',');
    while (std::getline(parts, part, ','))
        s.fields.push_back(part);
    if (!body.empty() && body.back() == ',')
        s.fields.emplace_back(); // getline drops a trailing empty field
    return true;
}

} // namespace

const std::string& Sentence::field(std::size_t i) const
{
    static const std::string missing = "<missing>";
    return i < fields.size() ? fields[i] : missing;
}

bool readSentences(const std::string& text, const std::string& lineEnd,
                   std::vector<Sentence>& out, std::string& error)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find(lineEnd, pos);
        if (end == std::string::npos) {
            error = "last line has no line end";
            return false;
        }
        const std::string line = text.substr(pos, end - pos);
        if (line.find('\r') != std::string::npos || line.find('\n') != std::string::npos) {
            error = "stray line-end character in: " + line;
            return false;
        }
        Sentence s;
        if (!parseLine(line, s, error))
            return false;
        out.push_back(s);
        pos = end + lineEnd.size();
    }
    return true;
}

const Sentence* Epoch::find(const std::string& address) const
{
    for (const Sentence* s : sentences)
        if (s->address == address)
            return s;
    return nullptr;
}

std::vector<const Sentence*> Epoch::all(const std::string& address) const
{
    std::vector<const Sentence*> found;
    for (const Sentence* s : sentences)
        if (s->address == address)
            found.push_back(s);
    return found;
}

std::vector<Epoch> groupEpochs(const std::vector<Sentence>& sentences)
{
    std::vector<Epoch> epochs;
    for (const Sentence& s : sentences) {
        const bool gga = s.address.size() == 5 && s.address.compare(2, 3, "GGA") == 0;
        if (gga || epochs.empty())
            epochs.emplace_back();
        epochs.back().sentences.push_back(&s);
    }
    return epochs;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::optional<double> number(const std::string& field)
{
    if (field.empty())
        return std::nullopt;
    return std::strtod(field.c_str(), nullptr);
}

double degrees(const std::string& value, const std::string& hemisphere, int degreeDigits)
{
    const double whole = std::atoi(value.substr(0, degreeDigits).c_str());
    const double minutes = std::strtod(value.c_str() + degreeDigits, nullptr);
    const double d = whole + minutes / 60.0;
    return (hemisphere == "S" || hemisphere == "W") ? -d : d;
}

int secondsOfDay(const std::string& time)
{
    return std::atoi(time.substr(0, 2).c_str()) * 3600 + std::atoi(time.substr(2, 2).c_str()) * 60
        + std::atoi(time.substr(4, 2).c_str());
}

} // namespace orbilunex::simgps::test
