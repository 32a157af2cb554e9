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
    void Add(const BigNat& other) {
        if (limb.size() < other.limb.size()) limb.resize(other.limb.size(), 0);
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < limb.size(); ++i) {
            carry += static_cast<std::uint64_t>(limb[i]) + (i < other.limb.size() ? other.limb[i] : 0);
            limb[i] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry) limb.push_back(static_cast<std::uint32_t>(carry));
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

// The magnitude (finite) rounded to `count` significant digits, halves away from zero,
// decided on the exact value; `exponent` is the power of ten of the first digit.
std::string SignificantDigits(double magnitude, unsigned count, int& exponent) {
    exponent = 0;
    if (magnitude == 0) return std::string(count, '0');
    int binaryExponent;
    std::frexp(magnitude, &binaryExponent);  // 2^(e-1) <= magnitude < 2^e
    // The power of ten of the first digit is this estimate or one more.
    const int estimate = static_cast<int>(std::floor((binaryExponent - 1) * 0.30102999566398120));
    // Enough decimals that the digits run at least one place past the rounding digit.
    const int decimals = std::max(0, static_cast<int>(count) + 1 - estimate);
    char next;
    std::string digits = TruncatedDigits(magnitude, static_cast<unsigned>(decimals), next);
    digits.erase(0, digits.find_first_not_of('0'));
    exponent = static_cast<int>(digits.size()) - 1 - decimals;
    next = digits[count];
    digits.resize(count);
    if (next >= '5') Increment(digits);
    if (digits.size() > count) {  // 99...9 rounded up to 100...0
        digits.resize(count);
        ++exponent;
    }
    return digits;
}

// d.dddE+dddd with `count` significant digits (no point for one digit) and an exponent of at
// least four digits.
std::string ScientificText(double magnitude, unsigned count) {
    int exponent;
    const std::string digits = SignificantDigits(magnitude, count, exponent);
    std::string text = digits.substr(0, 1);
    if (count > 1) text.append(1, '.').append(digits, 1);
    const std::string expDigits = IntToText(exponent < 0 ? -exponent : exponent);
    text.append(1, 'E').append(1, exponent < 0 ? '-' : '+');
    if (expDigits.size() < 4) text.append(4 - expDigits.size(), '0');
    return text.append(expDigits);
}

// 17 significant digits tell every double apart.
constexpr unsigned kAllDigits = 17;
// The characters of d.dddE+dddd other than the digits after the point.
constexpr unsigned kScientificFrame = 7;

// The shortest digits that read back as a double: the free-format digit generation of Steele
// and White as Burger and Dybvig state it, in exact integers. The value is r / s; the doubles
// next to it are (r - mMinus) / s and (r + mPlus) / s away by twice the margins, so a digit
// string inside (r - mMinus, r + mPlus) / s reads back as this double, the ends included when
// the mantissa is even (a tie then rounds to it).
struct ShortestState {
    BigNat r, s, mPlus, mMinus;
    bool evenMantissa = false;

    bool Low() const { return evenMantissa ? r.Compare(mMinus) <= 0 : r.Compare(mMinus) < 0; }
    bool High() const {
        BigNat top = r;
        top.Add(mPlus);
        return evenMantissa ? top.Compare(s) >= 0 : top.Compare(s) > 0;
    }
    void TimesTen() {
        r.MulAdd(10, 0);
        mPlus.MulAdd(10, 0);
        mMinus.MulAdd(10, 0);
    }
};

// magnitude = f * 2^e exactly, with f below 2^53 and e >= -1074 (subnormals keep their gap).
ShortestState StartShortest(double magnitude) {
    int e2;
    const double fraction = std::frexp(magnitude, &e2);
    std::uint64_t f = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    int e = e2 - 53;
    if (e < -1074) {
        f >>= -1074 - e;
        e = -1074;
    }
    // At a power of two the double below is twice as close as the one above.
    const bool narrowBelow = f == (std::uint64_t(1) << 52) && e > -1074;
    const unsigned extra = narrowBelow ? 2 : 1;
    ShortestState st;
    st.evenMantissa = f % 2 == 0;
    st.r = BigNat(f);
    st.mMinus = BigNat(1);
    if (e >= 0) {
        st.r.ShiftLeft(static_cast<unsigned>(e) + extra);
        st.s = BigNat(std::uint64_t(1) << extra);
        st.mMinus.ShiftLeft(static_cast<unsigned>(e));
    } else {
        st.r.ShiftLeft(extra);
        st.s = BigNat(1);
        st.s.ShiftLeft(static_cast<unsigned>(-e) + extra);
    }
    st.mPlus = st.mMinus;
    if (narrowBelow) st.mPlus.ShiftLeft(1);
    return st;
}

// The digits after the first ones are generated: each step takes the next digit of r / s and
// stops as soon as the digits so far, or the same rounded up, fall inside the margins.
std::string GenerateShortest(ShortestState& st, int& k) {
    std::string digits;
    for (;;) {
        st.TimesTen();
        char digit = '0';
        while (st.r.Compare(st.s) >= 0) {
            st.r.Subtract(st.s);
            ++digit;
        }
        const bool low = st.Low(), high = st.High();
        digits += digit;
        if (!low && !high) continue;
        bool up = high && !low;
        if (low && high) {  // both ends read back: the nearer one, a tie to the even digit
            BigNat twice = st.r;
            twice.ShiftLeft(1);
            const int side = twice.Compare(st.s);
            up = side > 0 || (side == 0 && (digit - '0') % 2 == 1);
        }
        if (up) {
            const std::size_t before = digits.size();
            Increment(digits);
            // A carry out of the first digit (0.99... x 10^k up to 0.1 x 10^(k+1)) cannot happen
            // while the margins hold, but the text stays true if it did.
            if (digits.size() > before) ++k;
        }
        break;
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    return digits;
}

// The digits d1 d2 ... and the exponent k of the shortest text 0.d1d2... x 10^k that reads
// back as `magnitude` (finite, above zero); of several, the one nearest to it.
std::string ShortestDigits(double magnitude, int& k) {
    ShortestState st = StartShortest(magnitude);
    k = static_cast<int>(std::ceil(std::log10(magnitude) - 1e-10));
    for (int i = 0; i < k; ++i) st.s.MulAdd(10, 0);
    for (int i = k; i < 0; ++i) st.TimesTen();
    // The estimate from the logarithm can be one off either way; the first digit must be 1..9.
    while (st.High()) {
        st.s.MulAdd(10, 0);
        ++k;
    }
    for (;;) {
        ShortestState next = st;
        next.TimesTen();
        if (next.High()) break;
        st = next;
        --k;
    }
    return GenerateShortest(st, k);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Every double, and every midpoint between two neighbouring doubles, is written exactly in at
// most 768 significant digits. So a longer decimal rounds as its first kKeptDigits digits do
// with one more nonzero digit after them when any of the dropped digits is not zero: both lie
// strictly between the same two multiples of the last kept digit's unit, and no midpoint lies
// strictly between those. Reading the rest is then a scan, whatever the length of the text.
constexpr std::size_t kKeptDigits = 800;

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
        body = ScientificText(magnitude, kAllDigits);
    else
        body = RoundedFixed(magnitude, decimals);
    const std::size_t length = body.size() + (negative ? 1 : 0);
    std::string text(length < width ? width - length : 0, ' ');
    if (negative) text += '-';
    return text.append(body);
}

std::string FormatCompact(double value, unsigned width, unsigned decimals) {
    std::string text = FormatFixed(value, width, std::fabs(value) < 1 ? 6 : decimals);
    // Zeros go from the end of the mantissa only: the exponent's digits all count.
    std::size_t end = std::min(text.find('E'), text.size());
    if (text.find('.') < end) {
        std::size_t cut = end;
        while (text[cut - 1] == '0') --cut;
        if (text[cut - 1] == '.') --cut;
        text.erase(cut, end - cut);
    }
    return text;
}

std::string FitNumber(double value, unsigned width, unsigned decimals, unsigned room) {
    std::string text = FormatFixed(value, width, decimals);
    if (text.size() <= room || !std::isfinite(value)) return text;
    // Never cut: a text that does not fit loses digits of its mantissa, and keeps its exponent.
    const unsigned sign = std::signbit(value) ? 1 : 0;
    const unsigned count = room > sign + kScientificFrame + 1 ? room - sign - kScientificFrame : 1;
    return (sign ? "-" : "") + ScientificText(std::fabs(value), count);
}

std::string FormatShortest(double value) {
    if (std::isnan(value)) return "NAN";
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isinf(value)) return sign + "INF";
    if (value == 0) return sign + "0";
    int k;
    const std::string digits = ShortestDigits(std::fabs(value), k);
    const int n = static_cast<int>(digits.size());
    // value = 0.digits x 10^k: the point goes k places into the digits.
    const auto places = static_cast<std::size_t>(std::abs(k));
    if (k >= n && k <= 21) return sign + digits + std::string(places - digits.size(), '0');
    if (k > 0 && k <= 21) return sign + digits.substr(0, places) + '.' + digits.substr(places);
    if (k > -6 && k <= 0) return sign + "0." + std::string(places, '0') + digits;
    std::string text = sign + digits.substr(0, 1);
    if (n > 1) text += '.' + digits.substr(1);
    return text + (k - 1 < 0 ? "e-" : "e+") + IntToText(std::abs(k - 1));
}

std::string FormatSignificant(double value, unsigned digits) {
    if (std::isnan(value)) return "NAN";
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isinf(value)) return sign + "INF";
    if (value == 0) return "0";
    digits = std::clamp(digits, 1u, kAllDigits);
    int exponent;  // of the first digit
    std::string mantissa = SignificantDigits(std::fabs(value), digits, exponent);
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
    const auto n = static_cast<int>(mantissa.size());
    if (exponent >= -4 && exponent < 6) {
        if (exponent < 0) return sign + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
        if (n <= exponent + 1) return sign + mantissa + std::string(static_cast<std::size_t>(exponent + 1 - n), '0');
        const auto point = static_cast<std::size_t>(exponent + 1);
        return sign + mantissa.substr(0, point) + '.' + mantissa.substr(point);
    }
    std::string text = sign + mantissa.substr(0, 1);
    if (n > 1) text += '.' + mantissa.substr(1);
    return text + "e" + IntToText(exponent);
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
    // Clamped far beyond the length of any text, so that the digits cannot move the value
    // back into range from a clamped exponent.
    constexpr long long kExponentClamp = 1000000000000000;
    long long exponent = 0;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) expNegative = text[i++] == '-';
        std::size_t expStart = i;
        while (i < n && IsDigit(text[i])) {
            if (exponent < kExponentClamp) exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (i == expStart) return false;
    }
    if (i != n) return false;
    if (expNegative) exponent = -exponent;
    exponent -= static_cast<long long>(fracDigits.size());

    std::string digits = intDigits + fracDigits;
    std::size_t lead = digits.find_first_not_of('0');
    if (lead == std::string::npos) {
        value = negative ? -0.0 : 0.0;
        return true;
    }
    digits.erase(0, lead);
    if (digits.size() > kKeptDigits) {
        const bool sticky = digits.find_first_not_of('0', kKeptDigits) != std::string::npos;
        exponent += static_cast<long long>(digits.size() - kKeptDigits);
        digits.resize(kKeptDigits);
        if (sticky) {
            digits += '1';
            --exponent;
        }
    }
    double magnitude;
    if (!DecimalToDouble(digits, exponent, magnitude)) return false;
    value = negative ? -magnitude : magnitude;
    return true;
}
