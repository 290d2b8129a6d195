// The floor `hoopdeck-cli --tsv season` is measured against: plain C++17 and
// no Qt. It reads Season.dat whole into one buffer left uninitialised, keeps
// each game flat (the date as an offset into that buffer, the numbers parsed
// once) and writes the rows the program prints with no settings (US Eastern,
// results shown) through one 64 KiB output buffer: the rows are never held
// whole, and no number goes through printf.
//
//   build-bench/bin/hoopdeck_floor_season SEASON_DIR > rows.tsv

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

const char *const kNames[] = {
    "All-Star Game", "Atlanta", "Boston", "Chicago", "Cleveland", "Dallas", "Denver",
    "Detroit", "Golden State", "Houston", "Indiana", "L.A. Clippers", "L.A. Lakers",
    "Memphis", "Miami", "Milwaukee", "Minnesota", "New Jersey", "New Orleans",
    "New York", "Orlando", "Philadelphia", "Phoenix", "Portland", "Sacramento",
    "San Antonio", "Seattle", "Toronto", "Utah", "Washington",
};
constexpr int kNameCount = int(sizeof kNames / sizeof kNames[0]);

struct Game {
    std::uint32_t date;  // offset of the date text in the file buffer
    std::uint16_t dateLength;
    std::int16_t visitor, home;
    std::uint8_t month, day, hour, minute;
    std::int32_t visitorPoints, homePoints;  // -1: no result
    std::uint8_t overtimes;
    bool realDay, realTime;
};

bool isLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

bool isRealDay(int y, int m, int d)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return y >= 1601 && y <= 9999 && m >= 1 && m <= 12 && d >= 1
           && d <= days[m - 1] + (m == 2 && isLeap(y) ? 1 : 0);
}

// Digits from p, stopping at end or a non-digit; false for none.
bool number(const char *&p, const char *end, long &out)
{
    const char *first = p;
    out = 0;
    while (p < end && *p >= '0' && *p <= '9' && out < 100000000)
        out = out * 10 + (*p++ - '0');
    return p != first;
}

// A team number: an optional sign, then digits.
long team(const char *p, const char *end)
{
    const bool negative = p < end && *p == '-';
    if (p < end && (*p == '-' || *p == '+'))
        ++p;
    long value = 0;
    number(p, end, value);
    return negative ? -value : value;
}

void parseDate(const char *p, const char *end, Game &g)
{
    long m = 0, d = 0, y = 0, h = 0, mi = 0;
    g.realDay = g.realTime = false;
    if (!number(p, end, m) || p >= end || *p++ != '/' || !number(p, end, d) || p >= end || *p++ != '/'
        || !number(p, end, y))
        return;
    g.month = std::uint8_t(m);
    g.day = std::uint8_t(d);
    g.realDay = isRealDay(int(y), int(m), int(d));
    while (p < end && *p == ' ')
        ++p;
    if (!number(p, end, h) || p >= end || *p++ != ':')
        return;
    number(p, end, mi);
    g.hour = std::uint8_t(h);
    g.minute = std::uint8_t(mi);
    g.realTime = h <= 23 && mi <= 59;
}

bool wholeNumber(const char *p, const char *end, std::int32_t &out)
{
    long v = 0;
    const char *q = p;
    if (!number(q, end, v) || q != end || v > 2147483647L)
        return false;
    out = std::int32_t(v);
    return true;
}

// Rows go out through a buffer of this size; one row is far smaller.
constexpr size_t kOutBytes = 64 * 1024;
constexpr size_t kMostRowBytes = 128;

char *put(char *out, std::uint32_t value)
{
    char digits[10];
    int n = 0;
    do {
        digits[n++] = char('0' + value % 10);
        value /= 10;
    } while (value);
    while (n)
        *out++ = digits[--n];
    return out;
}

char *put2(char *out, int value)
{
    out[0] = char('0' + value / 10);
    out[1] = char('0' + value % 10);
    return out + 2;
}

char *put(char *out, const char *text, size_t length)
{
    std::memcpy(out, text, length);
    return out + length;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return 64;
    const std::string path = std::string(argv[1]) + "/Season.dat";
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return 1;
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    std::fseek(file, 0, SEEK_SET);
    // Not zeroed first: the read fills it, and clearing 3 MB costs a
    // pass over memory the kernel has just handed over.
    const std::unique_ptr<char[]> bytes(new char[size_t(std::max(size, 0L))]);
    const size_t length = std::fread(bytes.get(), 1, size_t(std::max(size, 0L)), file);
    std::fclose(file);

    std::vector<Game> games;
    games.reserve(length / 28 + 1);
    const char *const base = bytes.get();
    const char *p = base;
    const char *const end = base + length;
    while (p < end) {
        const char *eol = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)));
        const char *lineEnd = eol ? eol : end;
        while (lineEnd > p && lineEnd[-1] == '\r')
            --lineEnd;
        const char *fields[7];
        const char *fieldEnds[7];
        int count = 0;
        for (const char *q = p; count < 7;) {
            while (q < lineEnd && *q == ',')
                ++q;
            if (q >= lineEnd)
                break;
            fields[count] = q;
            while (q < lineEnd && *q != ',')
                ++q;
            fieldEnds[count++] = q;
        }
        p = eol ? eol + 1 : end;
        if (count == 0)
            continue;
        Game g{};
        g.date = std::uint32_t(fields[0] - base);
        g.dateLength = std::uint16_t(fieldEnds[0] - fields[0]);
        g.visitor = std::int16_t(count > 1 ? team(fields[1], fieldEnds[1]) : 0);
        g.home = std::int16_t(count > 2 ? team(fields[2], fieldEnds[2]) : 0);
        parseDate(fields[0], fieldEnds[0], g);
        g.visitorPoints = g.homePoints = -1;
        if ((count == 5 || count == 6) && wholeNumber(fields[3], fieldEnds[3], g.visitorPoints)
            && wholeNumber(fields[4], fieldEnds[4], g.homePoints) && g.visitorPoints != g.homePoints) {
            if (count == 6) {
                const char *ot = fields[5];
                const char *otEnd = fieldEnds[5];
                std::int32_t periods = 1;
                if (otEnd - ot < 2 || otEnd[-2] != 'O' || otEnd[-1] != 'T'
                    || (otEnd - ot > 2 && !wholeNumber(ot, otEnd - 2, periods)) || periods <= 0)
                    g.visitorPoints = g.homePoints = -1;
                g.overtimes = std::uint8_t(periods);
            }
        } else {
            g.visitorPoints = g.homePoints = -1;
        }
        games.push_back(g);
    }

    size_t nameLengths[kNameCount];
    for (int i = 0; i < kNameCount; ++i)
        nameLengths[i] = std::strlen(kNames[i]);
    const auto name = [&](char *out, int team) {
        return team >= -1 && team < kNameCount - 1 ? put(out, kNames[team + 1], nameLengths[team + 1]) : out;
    };
    char buffer[kOutBytes];
    char *const full = buffer + kOutBytes - kMostRowBytes;
    char *o = buffer;
    bool written = true;
    for (const Game &g : games) {
        if (g.dateLength < 2)
            continue;
        if (g.realDay) {
            o = put2(o, g.month);
            *o++ = '/';
            o = put2(o, g.day);
        }
        *o++ = '\t';
        o = name(o, g.visitor);
        o = put(o, " @ ", 3);
        o = name(o, g.home);
        *o++ = '\t';
        if (g.realDay && g.realTime) {
            const int h12 = g.hour % 12 == 0 ? 12 : g.hour % 12;
            o = put(o, std::uint32_t(h12));
            *o++ = ':';
            o = put2(o, g.minute);
            *o++ = g.hour < 12 ? 'a' : 'p';
        }
        *o++ = '\t';
        if (g.visitorPoints >= 0) {
            o = put(o, std::uint32_t(g.visitorPoints));
            *o++ = '-';
            o = put(o, std::uint32_t(g.homePoints));
            if (g.overtimes == 1) {
                o = put(o, " OT", 3);
            } else if (g.overtimes > 1) {
                *o++ = ' ';
                o = put(o, g.overtimes);
                o = put(o, "OT", 2);
            }
        }
        *o++ = '\n';
        if (o >= full) {
            written = written && std::fwrite(buffer, 1, size_t(o - buffer), stdout) == size_t(o - buffer);
            o = buffer;
        }
    }
    written = written && std::fwrite(buffer, 1, size_t(o - buffer), stdout) == size_t(o - buffer);
    return written && std::fflush(stdout) == 0 ? 0 : 74;
}
