#include "text/code_page.h"

namespace {

// 0x80..0x9F differ from Latin-1; the five unassigned bytes keep their C1 code points, as
// Windows converts them.
constexpr unsigned short k80To9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The Windows-1252 byte of a code point; -1 when it has none.
int ByteOf(unsigned code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<int>(code);
    for (int i = 0; i < 32; ++i)
        if (k80To9F[i] == code) return 0x80 + i;
    return -1;
}

// The code point that starts at `at`, and where the next one starts; false for bytes that are
// not UTF-8 (overlong forms and surrogates included).
bool NextCode(std::string_view text, std::size_t& at, unsigned& code) {
    const unsigned lead = static_cast<unsigned char>(text[at++]);
    int more = lead < 0x80 ? 0 : lead >= 0xC2 && lead < 0xE0 ? 1 : lead >= 0xE0 && lead < 0xF0 ? 2
             : lead >= 0xF0 && lead < 0xF5 ? 3 : -1;
    if (more < 0) return false;
    code = more == 0 ? lead : lead & (0x3F >> more);
    for (int i = 0; i < more; ++i) {
        if (at == text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) return false;
        code = code << 6 | (static_cast<unsigned char>(text[at++]) & 0x3F);
    }
    static constexpr unsigned kLeast[] = {0, 0x80, 0x800, 0x10000};
    return code >= kLeast[more] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const unsigned byte = static_cast<unsigned char>(c);
        AppendUtf8(out, byte >= 0x80 && byte <= 0x9F ? k80To9F[byte - 0x80] : byte);
    }
    return out;
}

bool Utf8ToCp1252(std::string_view utf8, std::string& text) {
    text.clear();
    bool whole = true;
    for (std::size_t at = 0; at < utf8.size();) {
        unsigned code = 0;
        const int byte = NextCode(utf8, at, code) ? ByteOf(code) : -1;
        whole = whole && byte >= 0;
        text += byte >= 0 ? static_cast<char>(byte) : '?';
    }
    return whole;
}
