#include "base/Text.h"

#include <climits>

namespace vexmo {

namespace {

void appendUtf16(Text& out, char32_t cp) {
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
    } else {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    }
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

constexpr char32_t kReplacement = 0xFFFD;

bool isSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

int digitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'z') return c - u'a' + 10;
    if (c >= u'A' && c <= u'Z') return c - u'A' + 10;
    return 99;
}

Text hexDigits(unsigned long value, size_t minDigits, char16_t pad) {
    static constexpr char16_t digits[] = u"0123456789ABCDEF";
    Text out;
    do {
        out.insert(out.begin(), digits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (out.size() < minDigits) out.insert(0, minDigits - out.size(), pad);
    return out;
}

}  // namespace

Text fromUtf8(std::string_view in) {
    Text out;
    out.reserve(in.size());
    size_t i = 0;
    while (i < in.size()) {
        const auto b0 = static_cast<unsigned char>(in[i]);
        int extra = 0;
        char32_t cp = 0;
        char32_t min = 0;
        if (b0 < 0x80) {
            cp = b0;
        } else if ((b0 & 0xE0) == 0xC0) {
            extra = 1, cp = b0 & 0x1F, min = 0x80;
        } else if ((b0 & 0xF0) == 0xE0) {
            extra = 2, cp = b0 & 0x0F, min = 0x800;
        } else if ((b0 & 0xF8) == 0xF0) {
            extra = 3, cp = b0 & 0x07, min = 0x10000;
        } else {
            appendUtf16(out, kReplacement);
            ++i;
            continue;
        }
        bool ok = i + static_cast<size_t>(extra) < in.size();
        for (int k = 1; ok && k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(in[i + k]);
            if ((b & 0xC0) != 0x80) ok = false;
            else cp = (cp << 6) | (b & 0x3F);
        }
        if (!ok || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            appendUtf16(out, kReplacement);
            ++i;
            continue;
        }
        appendUtf16(out, cp);
        i += 1 + extra;
    }
    return out;
}

std::string toUtf8(TextView in) {
    std::string out;
    out.reserve(in.size());
    for (size_t i = 0; i < in.size(); ++i) {
        char32_t c = in[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < in.size() && in[i + 1] >= 0xDC00 &&
            in[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (in[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;
        }
        appendUtf8(out, c);
    }
    return out;
}

Text ascii(std::string_view text) { return Text(text.begin(), text.end()); }

Text formatDec(long long value) {
    const auto s = std::to_string(value);
    return ascii(s);
}

Text formatUnsigned(unsigned long long value) { return ascii(std::to_string(value)); }

Text formatHex2(unsigned long value) { return hexDigits(value, 2, u'0'); }

Text formatHex4(unsigned long value) { return hexDigits(value, 4, u'0'); }

Text formatHex0x4(unsigned long value) { return u"0x" + hexDigits(value, 4, u' '); }

long parseDec(TextView text) {
    size_t i = 0;
    while (i < text.size() && isSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    unsigned long long magnitude = 0;
    bool overflow = false;
    for (; i < text.size() && digitValue(text[i]) < 10; ++i) {
        magnitude = magnitude * 10 + static_cast<unsigned>(digitValue(text[i]));
        if (magnitude > static_cast<unsigned long long>(LONG_MAX) + 1) overflow = true;
        if (overflow) magnitude = static_cast<unsigned long long>(LONG_MAX) + 1;
    }
    if (negative) {
        if (magnitude > static_cast<unsigned long long>(LONG_MAX)) return LONG_MIN;
        return -static_cast<long>(magnitude);
    }
    if (magnitude > static_cast<unsigned long long>(LONG_MAX)) return LONG_MAX;
    return static_cast<long>(magnitude);
}

unsigned long parseHex(TextView text) {
    size_t i = 0;
    while (i < text.size() && isSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    // "0x" is a prefix only when a hexadecimal digit follows it; otherwise the "0" is the number.
    if (i + 2 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X') &&
        digitValue(text[i + 2]) < 16) {
        i += 2;
    }
    unsigned long value = 0;
    bool overflow = false;
    for (; i < text.size() && digitValue(text[i]) < 16; ++i) {
        const unsigned long next = value * 16 + static_cast<unsigned>(digitValue(text[i]));
        if (next / 16 != value) overflow = true;
        value = next;
    }
    if (overflow) return ULONG_MAX;
    return negative ? static_cast<unsigned long>(-static_cast<long long>(value)) : value;
}

TextView substrSafe(TextView text, size_t pos, size_t count) {
    if (pos >= text.size()) return {};
    return text.substr(pos, count);
}

}  // namespace vexmo
