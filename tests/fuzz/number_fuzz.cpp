// Fuzz target: reading a typed number. Whatever the bytes, reading never crashes, accepts only
// finite values, agrees bit for bit with the C library on the texts it accepts, and the value
// written back with 3 decimals reads again within half a unit of the last decimal.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "text/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Long enough for texts of more digits than the reading keeps exactly.
    std::string text(reinterpret_cast<const char*>(data), size < 2000 ? size : 2000);
    double value = 1;
    if (!ParseReal(text, value)) {
        if (value != 0) std::abort();
        return 0;
    }
    if (!std::isfinite(value)) std::abort();
    std::string trimmed = TrimBlanks(text);
    if (!trimmed.empty() && trimmed.find('\0') == std::string::npos) {
        char* end = nullptr;
        double expected = std::strtod(trimmed.c_str(), &end);
        // strtod reads more spellings (hex, inf); on the ones we accept it must agree.
        if (*end == '\0' && std::memcmp(&expected, &value, sizeof value) != 0 &&
            !(expected == 0 && value == 0))
            std::abort();
    }
    if (std::fabs(value) < 1e15) {
        double again = 1;
        if (!ParseReal(FormatFixed(value, 6, 3), again) || std::fabs(again - value) > 0.0005000001 * std::fmax(1, std::fabs(value)))
            std::abort();
    }
    return 0;
}
