#include "text/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// A natural number of any size, little-endian 32-bit limbs without leading zero limbs. Just
// enough arithmetic for exact decimal <-> binary conversion of doubles; the C++ library's
// to_chars/from_chars would do the same but weigh several hundred kilobytes in a static exe.
struct BigNat {
    std::vector<std::uint32_t> limb;

    explicit BigNat(std::uint64_t v = 0) {
        while (v) {
            limb.push_back(static_cast<std::uint32_t>(v));
            v >>= 32;
        }
    }
    bool IsZero() const { return limb.empty(); }
    std::uint64_t Low64() const {
        std::uint64_t low = limb.empty() ? 0 : limb[0];
        return limb.size() > 1 ? low | std::uint64_t(limb[1]) << 32 : low;
    }
    void Trim() {
        while (!limb.empty() && limb.back() == 0) limb.pop_back();
    }
    void MulAdd(std::uint32_t factor, std::uint32_t add) {
        std::uint64_t carry = add;
        for (auto& l : limb) {
            carry += static_cast<std::uint64_t>(l) * factor;
            l = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry) limb.push_back(static_cast<std::uint32_t>(carry));
        Trim();
    }
    std::uint32_t DivSmall(std::uint32_t divisor) {  // returns the remainder
        std::uint64_t rest = 0;
        for (std::size_t i = limb.size(); i-- > 0;) {
            rest = (rest << 32) | limb[i];
            limb[i] = static_cast<std::uint32_t>(rest / divisor);
            rest %= divisor;
        }
        Trim();
        return static_cast<std::uint32_t>(rest);
    }
    unsigned BitLength() const {
        if (limb.empty()) return 0;
        unsigned bits = 32 * static_cast<unsigned>(limb.size() - 1);
        for (std::uint32_t top = limb.back(); top; top >>= 1) ++bits;
        return bits;
    }
    bool Bit(unsigned i) const {
        return i / 32 < limb.size() && (limb[i / 32] >> (i % 32) & 1);
    }
    bool AnyBitBelow(unsigned n) const {
        for (unsigned i = 0; i < n / 32 && i < limb.size(); ++i)
            if (limb[i]) return true;
        return n % 32 && n / 32 < limb.size() && (limb[n / 32] & ((1u << (n % 32)) - 1));
    }
    void ShiftLeft(unsigned bits) {
        if (limb.empty() || bits == 0) return;
        limb.insert(limb.begin(), bits / 32, 0);
        if (unsigned b = bits % 32) {
            std::uint32_t carry = 0;
            for (auto& l : limb) {
                std::uint32_t next = l >> (32 - b);
                l = (l << b) | carry;
                carry = next;
            }
            if (carry) limb.push_back(carry);
        }
    }
    void ShiftRight(unsigned bits) {
        std::size_t whole = bits / 32;
        if (whole >= limb.size()) {
            limb.clear();
            return;
        }
        limb.erase(limb.begin(), limb.begin() + static_cast<std::ptrdiff_t>(whole));
        if (unsigned b = bits % 32) {
            for (std::size_t i = 0; i < limb.size(); ++i) {
                std::uint32_t high = i + 1 < limb.size() ? limb[i + 1] << (32 - b) : 0;
                limb[i] = (limb[i] >> b) | high;
            }
        }
        Trim();
    }
    int Compare(const BigNat& other) const {
        if (limb.size() != other.limb.size()) return limb.size() < other.limb.size() ? -1 : 1;
        for (std::size_t i = limb.size(); i-- > 0;)
            if (limb[i] != other.limb[i]) return limb[i] < other.limb[i] ? -1 : 1;
        return 0;
    }
    void Subtract(const BigNat& other) {  // requires *this >= other
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < limb.size(); ++i) {
            std::int64_t d = static_cast<std::int64_t>(limb[i]) - borrow -
                             (i < other.limb.size() ? other.limb[i] : 0);
            borrow = d < 0;
            limb[i] = static_cast<std::uint32_t>(d + (borrow << 32));
        }
        Trim();
    }
    std::string Decimal() const {
        if (IsZero()) return "0";
        BigNat n = *this;
        std::string reversed;
        while (!n.IsZero()) reversed += static_cast<char>('0' + n.DivSmall(10));
        return std::string(reversed.rbegin(), reversed.rend());
    }
};

// floor(dividend / divisor); `inexact` tells whether a remainder was left.
BigNat Divide(const BigNat& dividend, const BigNat& divisor, bool& inexact) {
    BigNat quotient, rest;
    for (unsigned i = dividend.BitLength(); i-- > 0;) {
        rest.ShiftLeft(1);
        if (dividend.Bit(i)) {
            if (rest.limb.empty()) rest.limb.push_back(0);
            rest.limb[0] |= 1;
        }
        quotient.ShiftLeft(1);
        if (rest.Compare(divisor) >= 0) {
            rest.Subtract(divisor);
            if (quotient.limb.empty()) quotient.limb.push_back(0);
            quotient.limb[0] |= 1;
        }
    }
    inexact = !rest.IsZero();
    return quotient;
}

// The double nearest to n * 2^scale (ties to even), where `sticky` says the true value lies a
// little above n * 2^scale. Overflow gives infinity.
double RoundToDouble(BigNat n, int scale, bool sticky) {
    if (n.IsZero()) return 0.0;
    const int bits = static_cast<int>(n.BitLength());
    const int lowestKept = std::max(bits - 1 + scale - 52, -1074);  // weight of the last kept bit
    const int drop = lowestKept - scale;
    if (drop <= 0) return std::ldexp(static_cast<double>(n.Low64()), scale);  // exact
    const bool half = n.Bit(static_cast<unsigned>(drop - 1));
    const bool below = sticky || n.AnyBitBelow(static_cast<unsigned>(drop - 1));
    n.ShiftRight(static_cast<unsigned>(drop));
    std::uint64_t kept = n.Low64();
    if (half && (below || (kept & 1))) ++kept;
    return std::ldexp(static_cast<double>(kept), lowestKept);
}

// Splits a finite non-zero magnitude into an integer mantissa and a power of two.
void Decompose(double magnitude, std::uint64_t& mantissa, int& exponent) {
    int e;
    double fraction = std::frexp(magnitude, &e);  // magnitude = fraction * 2^e, 0.5 <= fraction < 1
    mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    exponent = e - 53;
}

// The digits of floor(magnitude * 10^decimals) and the next digit after them, exactly.
std::string TruncatedDigits(double magnitude, unsigned decimals, char& nextDigit) {
    if (magnitude == 0) {
        nextDigit = '0';
        return std::string(1 + decimals, '0');
    }
    std::uint64_t mantissa;
    int exponent;
    Decompose(magnitude, mantissa, exponent);
    BigNat n(mantissa);
    for (unsigned i = 0; i <= decimals; ++i) n.MulAdd(10, 0);
    if (exponent >= 0)
        n.ShiftLeft(static_cast<unsigned>(exponent));
    else
        n.ShiftRight(static_cast<unsigned>(-exponent));
    std::string digits = n.Decimal();
    if (digits.size() < decimals + 2) digits.insert(0, decimals + 2 - digits.size(), '0');
    nextDigit = digits.back();
    digits.pop_back();
    return digits;
}

// Rounds a digit string up by one unit in its last place.
void Increment(std::string& digits) {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0)
        digits = std::string(1, '1').append(digits);
    else
        ++digits[i - 1];
}

std::string RoundedFixed(double magnitude, unsigned decimals) {
    char next;
    std::string digits = TruncatedDigits(magnitude, decimals, next);
    // The first dropped digit of the exact value decides: 5 or more is at least half.
    if (next >= '5') Increment(digits);
    if (decimals == 0) return digits;
    std::size_t integerDigits = digits.size() - decimals;
    return digits.substr(0, integerDigits).append(1, '.').append(digits, integerDigits);
}

// d.ddddddddddddddddE+dddd: 17 significant digits, enough to tell every double apart.
std::string ScientificText(double magnitude) {
    char next;
    std::string digits = TruncatedDigits(magnitude, 0, next);  // an integer: magnitude >= 1e36
    int exponent = static_cast<int>(digits.size()) - 1;
    next = digits[17];
    digits.resize(17);
    if (next >= '5') Increment(digits);
    if (digits.size() > 17) {  // 99...9 rounded up to 100...0
        digits.resize(17);
        ++exponent;
    }
    std::string expDigits = IntToText(exponent);
    return digits.substr(0, 1).append(1, '.').append(digits, 1).append("E+").append(4 - expDigits.size(), '0').append(expDigits);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The double nearest to the decimal number `digits` * 10^exponent (digits without leading
// zeros, not empty). Returns false when it is too large for a double.
bool DecimalToDouble(const std::string& digits, long long exponent, double& value) {
    const long long leading = static_cast<long long>(digits.size()) - 1 + exponent;
    if (leading > 310) return false;
    if (leading < -330) {  // far below the smallest subnormal
        value = 0;
        return true;
    }
    BigNat n;
    for (char c : digits) n.MulAdd(10, static_cast<std::uint32_t>(c - '0'));
    if (exponent >= 0) {
        for (long long i = 0; i < exponent; ++i) n.MulAdd(10, 0);
        value = RoundToDouble(n, 0, false);
    } else {
        // n / 10^k = n / 5^k * 2^-k; divide so that the quotient has 56 or 57 bits.
        const unsigned k = static_cast<unsigned>(-exponent);
        BigNat five(1);
        for (unsigned i = 0; i < k; ++i) five.MulAdd(5, 0);
        int shift = 56 + static_cast<int>(five.BitLength()) - static_cast<int>(n.BitLength());
        if (shift >= 0)
            n.ShiftLeft(static_cast<unsigned>(shift));
        else
            five.ShiftLeft(static_cast<unsigned>(-shift));
        bool inexact;
        BigNat quotient = Divide(n, five, inexact);
        value = RoundToDouble(quotient, -shift - static_cast<int>(k), inexact);
    }
    return std::isfinite(value);
}

}  // namespace

std::string FormatFixed(double value, unsigned width, unsigned decimals) {
    if (decimals > 16) decimals = 16;
    std::string body;
    const bool negative = !std::isnan(value) && std::signbit(value);
    const double magnitude = std::fabs(value);
    if (std::isnan(value))
        body = "NAN";
    else if (std::isinf(value))
        body = "INF";
    else if (magnitude >= 1e36)
        body = ScientificText(magnitude);
    else
        body = RoundedFixed(magnitude, decimals);
    const std::size_t length = body.size() + (negative ? 1 : 0);
    std::string text(length < width ? width - length : 0, ' ');
    if (negative) text += '-';
    return text.append(body);
}

std::string FormatCompact(double value, unsigned width, unsigned decimals) {
    std::string text = FormatFixed(value, width, std::fabs(value) < 1 ? 6 : decimals);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    return text;
}

std::string FormatPlain(double value, unsigned decimals) {
    std::string text = FormatFixed(value, 0, decimals);
    if (text[0] == '-' && text.find_first_of("123456789") == std::string::npos) text.erase(0, 1);
    return text;
}

// Digits by hand: std::to_string would bring the C library's whole printf into the program.
std::string IntToText(std::int32_t n) {
    std::uint32_t magnitude = n < 0 ? 0u - static_cast<std::uint32_t>(n) : static_cast<std::uint32_t>(n);
    char digits[12];
    char* p = digits + sizeof digits;
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (n < 0) *--p = '-';
    return std::string(p, digits + sizeof digits);
}

std::string TrimLeftBlanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string TrimRightBlanks(std::string_view text) {
    std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string TrimBlanks(std::string_view text) { return TrimLeftBlanks(TrimRightBlanks(text)); }

bool ParseReal(std::string_view raw, double& value) {
    value = 0.0;
    const std::string text = TrimBlanks(raw);
    const std::size_t n = text.size();
    if (n == 0) return true;

    std::size_t i = 0;
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::size_t intStart = i;
    while (i < n && IsDigit(text[i])) ++i;
    std::string intDigits = text.substr(intStart, i - intStart);
    std::string fracDigits;
    if (i < n && text[i] == '.') {
        std::size_t fracStart = ++i;
        while (i < n && IsDigit(text[i])) ++i;
        fracDigits = text.substr(fracStart, i - fracStart);
    }
    if (intDigits.empty() && fracDigits.empty()) return false;
    bool expNegative = false;
    long long exponent = 0;  // clamped: anything past a few thousand is out of range anyway
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) expNegative = text[i++] == '-';
        std::size_t expStart = i;
        while (i < n && IsDigit(text[i])) {
            if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (i == expStart) return false;
    }
    if (i != n) return false;
    if (expNegative) exponent = -exponent;

    std::string digits = intDigits + fracDigits;
    std::size_t lead = digits.find_first_not_of('0');
    if (lead == std::string::npos) {
        value = negative ? -0.0 : 0.0;
        return true;
    }
    double magnitude;
    if (!DecimalToDouble(digits.substr(lead), exponent - static_cast<long long>(fracDigits.size()), magnitude))
        return false;
    value = negative ? -magnitude : magnitude;
    return true;
}
